#pragma once

#include <cstdint>

namespace quorvex {

/// Nearest integer, ties to even: every `round`/"nearest" of the system
/// (samples, slider positions, bytes, stored integers). Non-finite input gives 0;
/// values beyond the int32 range saturate.
std::int32_t RoundHalfEven(double value);

/// Nearest integer, ties away from zero: the rounding of values as a field shows them
/// (formats "0", "0.0", "0.00") is FormatFixed of config/shown_value.h.
std::int32_t RoundHalfAway(double value);

} // namespace quorvex
