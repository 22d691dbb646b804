#include "ui/led_meter.h"

#include "ui/rack_palette.h"

#include <QPainter>

#include <algorithm>

namespace quorvex {

LedMeter::LedMeter(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {}

void LedMeter::SetMaximum(int maximum) {
    maximum_ = std::max(1, maximum);
    value_ = std::clamp(value_, 0, maximum_);
    update();
}

void LedMeter::SetValue(int value) {
    const int kept = std::clamp(value, 0, maximum_);
    if (kept != value_) {
        value_ = kept;
        update();
    }
}

void LedMeter::SetSegmentCount(int count) {
    segments_ = std::max(1, count);
    update();
}

int LedMeter::LitSegments() const {
    // Integer arithmetic, so a value exactly on a segment's edge lights it on every machine.
    return static_cast<int>(static_cast<long long>(value_) * segments_ / maximum_);
}

QColor LedMeter::SegmentColour(int segment) const {
    const double position = (segment + 1.0) / segments_;
    if (position > 0.9) {
        return RackPalette::MeterTop();
    }
    if (position > 0.7) {
        return RackPalette::MeterHigh();
    }
    return RackPalette::MeterLow();
}

QSize LedMeter::sizeHint() const {
    const QFontMetrics metrics(font());
    const int across = metrics.height();
    const int along = segments_ * metrics.height() * 2 / 3;
    return orientation_ == Qt::Vertical ? QSize(across, along) : QSize(along, across);
}

QSize LedMeter::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    const int across = metrics.height() / 2;
    const int along = segments_ * 3;
    return orientation_ == Qt::Vertical ? QSize(across, along) : QSize(along, across);
}

void LedMeter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), RackPalette::Recess());
    const bool vertical = orientation_ == Qt::Vertical;
    const double length = vertical ? height() : width();
    const double pitch = length / segments_;
    const double gap = std::max(1.0, pitch * 0.2);
    const int lit = LitSegments();
    for (int segment = 0; segment < segments_; ++segment) {
        const double start = segment * pitch + gap / 2.0;
        // Vertical meters fill from the bottom, horizontal ones from the left.
        const QRectF box =
            vertical ? QRectF(1.0, length - start - (pitch - gap), width() - 2.0, pitch - gap)
                     : QRectF(start, 1.0, pitch - gap, height() - 2.0);
        const QColor colour = SegmentColour(segment);
        painter.fillRect(box, segment < lit ? colour : colour.darker(420));
    }
}

} // namespace quorvex
