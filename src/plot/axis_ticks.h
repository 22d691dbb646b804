#pragma once

#include "plot/axis_mapping.h"

#include <string>
#include <vector>

namespace quorvex {

/// One grid line of an axis. A major tick carries a label; a minor one is a grid line only.
struct AxisTick {
    double Value = 0.0;
    std::string Label; ///< empty for a minor tick
    bool Major = true;

    friend bool operator==(const AxisTick&, const AxisTick&) = default;
};

/// The ticks of a logarithmic frequency axis: labels at 1, 2 and 5 of every decade inside
/// the range ("20", "50", "100", ... "1k", "2k", "5k", "10k", "20k"), minor grid lines at
/// the other whole multiples of each decade. Ticks outside the range are left out.
std::vector<AxisTick> FrequencyTicks(const AxisRange& range);

/// The ticks of a linear axis every `step` units, at whole multiples of the step inside the
/// range (so 0 is a tick whenever the range holds it). A `step` <= 0 picks one of 1, 2, 2.5
/// or 5 times a power of ten giving at most `maximumCount` intervals. Labels have as many
/// decimals as the step needs and never read "-0".
std::vector<AxisTick> LinearTicks(const AxisRange& range, double step, int maximumCount = 10);

/// The spacing LinearTicks uses: `step`, or NiceStep when it is <= 0 or would give more than
/// a thousand ticks.
double LinearTickStep(const AxisRange& range, double step, int maximumCount = 10);

/// The step LinearTicks chooses for a span when it is given none.
double NiceStep(double span, int maximumCount);

/// The ticks an axis draws: FrequencyTicks for a logarithmic range, LinearTicks otherwise.
std::vector<AxisTick> AxisTicks(const AxisRange& range, double step);

/// A frequency as the axis labels it: "20", "500", "1k", "2.5k", "20k".
std::string FrequencyLabel(double hz);

} // namespace quorvex
