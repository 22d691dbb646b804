#include "plot/axis_mapping.h"

#include <cassert>
#include <cmath>

namespace quorvex {

namespace {

bool IsLogarithmic(const AxisRange& range) {
    return range.Scale == AxisScale::Logarithmic;
}

} // namespace

AxisMapping::AxisMapping(const AxisRange& range, double minimumPixel, double maximumPixel)
    : range_(range), minimumPixel_(minimumPixel), maximumPixel_(maximumPixel) {
    assert(range.Minimum < range.Maximum);
    assert(!IsLogarithmic(range) || range.Minimum > 0.0);
    low_ = IsLogarithmic(range) ? std::log10(range.Minimum) : range.Minimum;
    span_ = (IsLogarithmic(range) ? std::log10(range.Maximum) : range.Maximum) - low_;
}

double AxisMapping::Fraction(double value) const {
    if (value == range_.Minimum) {
        return 0.0;
    }
    if (value == range_.Maximum) {
        return 1.0;
    }
    if (IsLogarithmic(range_)) {
        return value > 0.0 ? (std::log10(value) - low_) / span_ : -INFINITY;
    }
    return (value - low_) / span_;
}

double AxisMapping::PixelOf(double value) const {
    const double t = Fraction(value);
    if (t == 0.0) {
        return minimumPixel_;
    }
    if (t == 1.0) {
        return maximumPixel_;
    }
    return minimumPixel_ + (maximumPixel_ - minimumPixel_) * t;
}

double AxisMapping::ValueAt(double pixel) const {
    if (pixel == minimumPixel_) {
        return range_.Minimum;
    }
    if (pixel == maximumPixel_) {
        return range_.Maximum;
    }
    const double t = (pixel - minimumPixel_) / (maximumPixel_ - minimumPixel_);
    const double position = low_ + t * span_;
    return IsLogarithmic(range_) ? std::pow(10.0, position) : position;
}

} // namespace quorvex
