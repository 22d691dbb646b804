#include "ui/rack_slider.h"

#include "ui/rack_palette.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quorvex {

RackSlider::RackSlider(Qt::Orientation orientation, QWidget* parent) : QAbstractSlider(parent) {
    setOrientation(orientation);
    setFocusPolicy(Qt::StrongFocus);
}

void RackSlider::SetPosition(int position) {
    ownerSetting_ = true;
    setValue(position);
    ownerSetting_ = false;
}

void RackSlider::sliderChange(SliderChange change) {
    QAbstractSlider::sliderChange(change);
    if (change == SliderValueChange && !ownerSetting_) {
        emit PositionMoved(value());
    }
    update();
}

double RackSlider::KnobLength() const {
    return fontMetrics().height() * 1.2;
}

double RackSlider::Along(QPointF point) const {
    return orientation() == Qt::Vertical ? point.y() : point.x();
}

// Vertical tracks run upwards and horizontal ones to the right unless inverted.
double RackSlider::TrackStart() const {
    const double low = KnobLength() / 2.0;
    const double high = (orientation() == Qt::Vertical ? height() : width()) - KnobLength() / 2.0;
    const bool minimumAtLowCoordinate = (orientation() == Qt::Horizontal) != invertedAppearance();
    return minimumAtLowCoordinate ? low : high;
}

double RackSlider::TrackEnd() const {
    const double low = KnobLength() / 2.0;
    const double high = (orientation() == Qt::Vertical ? height() : width()) - KnobLength() / 2.0;
    return TrackStart() == low ? high : low;
}

int RackSlider::PositionAt(QPointF point) const {
    const double span = TrackEnd() - TrackStart();
    if (span == 0.0 || maximum() == minimum()) {
        return minimum();
    }
    const double fraction = std::clamp((Along(point) - TrackStart()) / span, 0.0, 1.0);
    return minimum() + static_cast<int>(std::lround(fraction * (maximum() - minimum())));
}

QPointF RackSlider::KnobCentre(int position) const {
    const double fraction = maximum() == minimum() ? 0.0
                                                   : static_cast<double>(position - minimum()) /
                                                         (maximum() - minimum());
    const double along = TrackStart() + (TrackEnd() - TrackStart()) * fraction;
    return orientation() == Qt::Vertical ? QPointF(width() / 2.0, along)
                                         : QPointF(along, height() / 2.0);
}

QSize RackSlider::sizeHint() const {
    const QFontMetrics metrics(font());
    const int across = metrics.height() * 2;
    const int along = metrics.height() * 10;
    return orientation() == Qt::Vertical ? QSize(across, along) : QSize(along, across);
}

QSize RackSlider::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    const int across = metrics.height() * 3 / 2;
    const int along = metrics.height() * 4;
    return orientation() == Qt::Vertical ? QSize(across, along) : QSize(along, across);
}

void RackSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    dragging_ = true;
    setSliderDown(true);
    setValue(PositionAt(event->position()));
    event->accept();
}

void RackSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        event->ignore();
        return;
    }
    setValue(PositionAt(event->position()));
    event->accept();
}

void RackSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    dragging_ = false;
    setSliderDown(false);
    event->accept();
}

void RackSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool vertical = orientation() == Qt::Vertical;
    const double groove = std::max(3.0, fontMetrics().height() / 4.0);
    const QPointF from = KnobCentre(minimum());
    const QPointF to = KnobCentre(maximum());
    const QRectF track = vertical
                             ? QRectF(width() / 2.0 - groove / 2.0, std::min(from.y(), to.y()),
                                      groove, std::abs(to.y() - from.y()))
                             : QRectF(std::min(from.x(), to.x()), height() / 2.0 - groove / 2.0,
                                      std::abs(to.x() - from.x()), groove);
    painter.setPen(QPen(RackPalette::Edge(), 1.0));
    painter.setBrush(RackPalette::Recess());
    painter.drawRoundedRect(track, groove / 2.0, groove / 2.0);

    const QPointF centre = KnobCentre(value());
    const double length = KnobLength();
    const double across = (vertical ? width() : height()) * 0.8;
    const QRectF knob =
        vertical ? QRectF(centre.x() - across / 2.0, centre.y() - length / 2.0, across, length)
                 : QRectF(centre.x() - length / 2.0, centre.y() - across / 2.0, length, across);
    painter.setBrush(isEnabled() ? QColor(180, 184, 190) : RackPalette::Edge());
    painter.setPen(QPen(hasFocus() ? RackPalette::Accent() : RackPalette::Recess(), 1.0));
    painter.drawRoundedRect(knob, length / 6.0, length / 6.0);
    // The knob's index line, where a fader is read.
    painter.setPen(QPen(RackPalette::Recess(), 2.0));
    if (vertical) {
        painter.drawLine(QPointF(knob.left() + 2.0, centre.y()),
                         QPointF(knob.right() - 2.0, centre.y()));
    } else {
        painter.drawLine(QPointF(centre.x(), knob.top() + 2.0),
                         QPointF(centre.x(), knob.bottom() - 2.0));
    }
}

} // namespace quorvex
