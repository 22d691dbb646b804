#include "ui/rounded_button.h"

#include "ui/rack_palette.h"

#include <QPainter>

namespace quorvex {

RoundedButton::RoundedButton(const QString& caption, QWidget* parent)
    : LitButton(caption, parent) {}

QSize RoundedButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + metrics.height() * 2, metrics.height() * 2};
}

void RoundedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF key = QRectF(rect()).adjusted(1.0, 1.0, -1.0, -1.0);
    const double radius = key.height() / 3.0;
    QColor face = isDown() ? RackPalette::Recess() : RackPalette::Key();
    if (IsLit()) {
        face = RackPalette::Accent().darker(isDown() ? 160 : 115);
    }
    painter.setPen(QPen(hasFocus() ? RackPalette::Accent() : RackPalette::Edge(), 1.0));
    painter.setBrush(face);
    painter.drawRoundedRect(key, radius, radius);
    QColor caption = IsLit() ? QColor(20, 20, 20) : RackPalette::Text();
    if (!isEnabled()) {
        caption = RackPalette::DisabledText();
    }
    painter.setPen(caption);
    painter.drawText(key, Qt::AlignCenter, text());
}

} // namespace quorvex
