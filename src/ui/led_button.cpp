#include "ui/led_button.h"

#include "ui/rack_palette.h"

#include <QPainter>

namespace quorvex {

namespace {

/// The lamp's diameter as a part of the text height.
constexpr double LampSize = 0.8;
/// How much darker an unlit lamp is than a lit one (Qt's darker() factor, per cent).
constexpr int UnlitDarkness = 380;

} // namespace

LedButton::LedButton(const QString& caption, QWidget* parent)
    : LitButton(caption, parent), lampColour_(RackPalette::LampOn()),
      unlitColour_(RackPalette::LampOff()) {}

void LedButton::SetLampColour(const QColor& colour) {
    lampColour_ = colour;
    // An unlit lamp keeps a trace of its colour, so a red lamp never reads as a green one.
    unlitColour_ = colour.darker(UnlitDarkness);
    update();
}

QSize LedButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int lamp = metrics.height();
    const int gap = text().isEmpty() ? 0 : metrics.averageCharWidth();
    return {lamp + gap + metrics.horizontalAdvance(text()) + metrics.averageCharWidth(),
            metrics.height() + metrics.height() / 2};
}

void LedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font(), this);
    const double diameter = metrics.height() * LampSize;
    const QRectF lamp(metrics.averageCharWidth() / 2.0, (height() - diameter) / 2.0, diameter,
                      diameter);
    const QColor on = isEnabled() ? lampColour_ : lampColour_.darker(160);
    painter.setPen(QPen(RackPalette::Edge(), 1.0));
    painter.setBrush(IsLit() ? on : unlitColour_);
    painter.drawEllipse(lamp);
    if (IsLit()) {
        // A highlight so a lit lamp reads as light, not just as a colour.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 110));
        painter.drawEllipse(QRectF(lamp.left() + diameter * 0.2, lamp.top() + diameter * 0.15,
                                   diameter * 0.35, diameter * 0.3));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    const QRectF caption(lamp.right() + metrics.averageCharWidth(), 0.0,
                         width() - lamp.right() - metrics.averageCharWidth(), height());
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        painter.setPen(QPen(RackPalette::Accent(), 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

} // namespace quorvex
