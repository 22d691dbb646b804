#pragma once

#include <cstdint>

namespace quorvex {

/// Nearest integer, ties to even: every `round`/"nearest" of the system
/// (samples, slider positions, bytes, stored integers). Non-finite input gives 0;
/// values beyond the int32 range saturate.
std::int32_t RoundHalfEven(double value);

/// Nearest integer, ties away from zero: how a field rounds the value it shows (formats
/// "0", "0.0", "0.00").
std::int32_t RoundHalfAway(double value);

} // namespace quorvex
