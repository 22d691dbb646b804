#pragma once

#include <cstdint>

// Conversions of an output's delay between samples at the processor's sample rate,
// milliseconds and centimetres of air, and the limits of the delay. Every rounding to whole
// samples or degrees is to the nearest integer, ties to even.

namespace quorvex {

/// The last delay a step up reaches; only the slider or a typed value reaches the maximum.
inline constexpr std::int32_t DelayStepUpLimitSamples = 233;

/// Speed of sound in m/s at a whole-degree air temperature: 20.06 sqrt(T + 273).
double SpeedOfSound(int temperatureC);

/// Delay in ms of a delay in samples: samples / fs x 1000.
double DelayMsFromSamples(std::int32_t samples);
/// Samples of a typed delay in ms: round(ms x 48). Not limited.
std::int32_t DelaySamplesFromMs(double ms);

/// Distance in cm that sound travels during a delay in samples. The time is taken in single
/// precision first, as the editor shows it.
double DistanceCmFromSamples(std::int32_t samples, int temperatureC);
/// Samples of a typed distance in cm, with the speed of sound and the time in single
/// precision. Not limited.
std::int32_t SamplesFromDistanceCm(double cm, int temperatureC);

/// round(C x 1.8 + 32).
int FahrenheitFromCelsius(int celsius);
/// round((5 F - 160) / 9).
int CelsiusFromFahrenheit(int fahrenheit);

/// A delay brought into 0 .. MaxDelaySamples (234).
std::int32_t LimitDelaySamples(std::int32_t samples);
/// One sample more, except at 233 (and never beyond the maximum).
std::int32_t StepDelayUp(std::int32_t samples);
/// One sample less, except at 0.
std::int32_t StepDelayDown(std::int32_t samples);

} // namespace quorvex
