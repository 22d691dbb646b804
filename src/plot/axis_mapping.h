#pragma once

namespace quorvex {

enum class AxisScale { Linear, Logarithmic };

/// The value range of one axis. A logarithmic range needs 0 < Minimum < Maximum; a linear
/// one Minimum < Maximum.
struct AxisRange {
    double Minimum = 0.0;
    double Maximum = 1.0;
    AxisScale Scale = AxisScale::Linear;

    bool Contains(double value) const { return value >= Minimum && value <= Maximum; }
    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

/// Maps one axis between values and pixel coordinates: the range's minimum lies exactly at
/// `minimumPixel` and its maximum exactly at `maximumPixel` (a Y axis gives the bottom edge
/// as `minimumPixel`, so pixels grow the other way). Values outside the range map outside
/// the pixel span (unclamped); on a logarithmic axis a value <= 0 maps to minus infinity
/// beyond the minimum's side.
class AxisMapping {
public:
    AxisMapping(const AxisRange& range, double minimumPixel, double maximumPixel);

    double PixelOf(double value) const;
    /// The inverse of PixelOf; a pixel outside the span gives a value outside the range.
    double ValueAt(double pixel) const;

    const AxisRange& Range() const { return range_; }
    double MinimumPixel() const { return minimumPixel_; }
    double MaximumPixel() const { return maximumPixel_; }

private:
    /// Where `value` lies in the range: 0 at the minimum, 1 at the maximum.
    double Fraction(double value) const;

    AxisRange range_;
    double minimumPixel_;
    double maximumPixel_;
    double low_;  ///< the minimum, as a log10 on a logarithmic axis
    double span_; ///< maximum minus minimum, in the same units
};

} // namespace quorvex
