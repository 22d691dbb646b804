#include "plot/axis_ticks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace quorvex {

namespace {

/// Tolerance for deciding that a computed tick lies on the range's edge: the ticks are
/// products of powers of ten, which carry rounding of a few units in the last place.
constexpr double EdgeTolerance = 1e-9;

bool InsideWithTolerance(const AxisRange& range, double value) {
    const double slack = (range.Maximum - range.Minimum) * EdgeTolerance;
    return value >= range.Minimum - slack && value <= range.Maximum + slack;
}

/// Shortest text of `value` with at most `decimals` decimals and no trailing zeros.
std::string TrimmedNumber(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result(text);
    if (result.find('.') != std::string::npos) {
        while (result.back() == '0') {
            result.pop_back();
        }
        if (result.back() == '.') {
            result.pop_back();
        }
    }
    if (result == "-0") {
        result = "0";
    }
    return result;
}

int DecimalsFor(double step) {
    int decimals = 0;
    double scaled = step;
    while (decimals < 6 && std::abs(scaled - std::round(scaled)) > 1e-9 * std::max(1.0, scaled)) {
        scaled *= 10.0;
        ++decimals;
    }
    return decimals;
}

} // namespace

std::string FrequencyLabel(double hz) {
    if (std::abs(hz) >= 1000.0) {
        return TrimmedNumber(hz / 1000.0, 2) + "k";
    }
    return TrimmedNumber(hz, 1);
}

std::vector<AxisTick> FrequencyTicks(const AxisRange& range) {
    std::vector<AxisTick> ticks;
    if (!(range.Minimum > 0.0) || !(range.Maximum > range.Minimum)) {
        return ticks;
    }
    const int firstDecade = static_cast<int>(std::floor(std::log10(range.Minimum)));
    const int lastDecade = static_cast<int>(std::floor(std::log10(range.Maximum)));
    for (int decade = firstDecade; decade <= lastDecade; ++decade) {
        const double unit = std::pow(10.0, decade);
        for (int multiple = 1; multiple <= 9; ++multiple) {
            // Rounded so that 2 x 10 is the 20 a reader expects, not 20.000000000000004.
            const double value = decade >= 0 ? std::round(multiple * unit) : multiple * unit;
            if (!InsideWithTolerance(range, value)) {
                continue;
            }
            const bool major = multiple == 1 || multiple == 2 || multiple == 5;
            ticks.push_back({value, major ? FrequencyLabel(value) : std::string(), major});
        }
    }
    return ticks;
}

double NiceStep(double span, int maximumCount) {
    if (!(span > 0.0) || maximumCount < 1) {
        return 1.0;
    }
    const double rough = span / maximumCount;
    const double unit = std::pow(10.0, std::floor(std::log10(rough)));
    constexpr std::array<double, 5> Multiples{1.0, 2.0, 2.5, 5.0, 10.0};
    for (double multiple : Multiples) {
        if (multiple * unit >= rough * (1.0 - EdgeTolerance)) {
            return multiple * unit;
        }
    }
    return 10.0 * unit;
}

double LinearTickStep(const AxisRange& range, double step, int maximumCount) {
    const double span = range.Maximum - range.Minimum;
    constexpr double MostTicks = 1000.0; // a step far too fine for the span would hang the paint
    if (!(step > 0.0) || span / step > MostTicks) {
        return NiceStep(span, maximumCount);
    }
    return step;
}

std::vector<AxisTick> LinearTicks(const AxisRange& range, double step, int maximumCount) {
    std::vector<AxisTick> ticks;
    if (!(range.Maximum > range.Minimum)) {
        return ticks;
    }
    step = LinearTickStep(range, step, maximumCount);
    const int decimals = DecimalsFor(step);
    const auto first = static_cast<long long>(std::ceil(range.Minimum / step - EdgeTolerance));
    const auto last = static_cast<long long>(std::floor(range.Maximum / step + EdgeTolerance));
    for (long long index = first; index <= last; ++index) {
        const double value = static_cast<double>(index) * step;
        ticks.push_back({value, TrimmedNumber(value, decimals), true});
    }
    return ticks;
}

std::vector<AxisTick> AxisTicks(const AxisRange& range, double step) {
    return range.Scale == AxisScale::Logarithmic ? FrequencyTicks(range) : LinearTicks(range, step);
}

} // namespace quorvex
