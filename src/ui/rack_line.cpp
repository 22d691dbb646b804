#include "ui/rack_line.h"

#include "ui/rack_palette.h"

#include <QPainter>

#include <algorithm>

namespace quorvex {

RackLine::RackLine(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
    setSizePolicy(orientation == Qt::Horizontal
                      ? QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)
                      : QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding));
}

QSize RackLine::sizeHint() const {
    const int across = std::max(4, fontMetrics().height() / 2);
    return {across, across};
}

void RackLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A dark groove with a light edge below or right reads as engraved in the panel.
    const QPointF middle = QRectF(rect()).center();
    if (orientation_ == Qt::Horizontal) {
        painter.setPen(RackPalette::Recess());
        painter.drawLine(QPointF(0, middle.y() - 0.5), QPointF(width(), middle.y() - 0.5));
        painter.setPen(RackPalette::Edge());
        painter.drawLine(QPointF(0, middle.y() + 0.5), QPointF(width(), middle.y() + 0.5));
    } else {
        painter.setPen(RackPalette::Recess());
        painter.drawLine(QPointF(middle.x() - 0.5, 0), QPointF(middle.x() - 0.5, height()));
        painter.setPen(RackPalette::Edge());
        painter.drawLine(QPointF(middle.x() + 0.5, 0), QPointF(middle.x() + 0.5, height()));
    }
}

} // namespace quorvex
