#pragma once

#include <cstdint>

// The time settings of a dynamics block and the values the processor receives.
// Every rounding is to the nearest integer, ties to even.

namespace quorvex {

inline constexpr double DefaultAttackDbPerSecond = 120.0;
inline constexpr double DefaultHoldMs = 40.0;
inline constexpr double DefaultReleaseDbPerSecond = 7.0;
inline constexpr double ReleaseStepDbPerSecond = 0.137;

/// RMS detector coefficient of an attack rate (dB/s, 5..250): 1 - 10^(-rate / (10 fs)).
long double RmsCoefficientFromAttack(double dbPerSecond, int sampleRate);
/// Attack rate shown back: -10 fs log10(1 - coefficient).
double AttackFromRmsCoefficient(long double coefficient, int sampleRate);

/// Hold or look-ahead time in ms to samples: round(ms x 0.001 x fs).
std::int32_t SamplesFromMs(double ms, int sampleRate);
/// Samples shown back as ms: samples / (fs x 0.001).
double MsFromSamples(std::int32_t samples, int sampleRate);

/// Release rate (dB/s, 1..80) to steps of 0.137 dB/s: round(rate / 0.137).
std::int32_t DecayStepsFromRelease(double dbPerSecond);
/// Release shown back: steps x 0.137.
double ReleaseFromDecaySteps(std::int32_t steps);

} // namespace quorvex
