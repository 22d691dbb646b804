#include "config/rounding.h"

#include <cmath>
#include <limits>

namespace quorvex {

namespace {

std::int32_t Saturate(double rounded) {
    if (!std::isfinite(rounded)) {
        return 0;
    }
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (rounded <= lo) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (rounded >= hi) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace

std::int32_t RoundHalfEven(double value) {
    return Saturate(std::nearbyint(value));
}

std::int32_t RoundHalfAway(double value) {
    return Saturate(std::round(value));
}

} // namespace quorvex
