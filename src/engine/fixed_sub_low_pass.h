#pragma once

#include "engine/frequency_response.h"

namespace quorvex {

inline constexpr double FixedSubLowPassFrequency = 470.0; ///< Hz
inline constexpr double FixedSubLowPassQ = 0.7071;

/// The low pass that the processor always runs on SUB1 and SUB2 after their crossover: a
/// "LowPass Q" section at 470 Hz, Q 0.7071, evaluated on the response grid. Computed on
/// first use and shared; it never changes during a run.
const FrequencyResponse& FixedSubLowPassResponse();

} // namespace quorvex
