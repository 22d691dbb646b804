#include "engine/delay_conversions.h"

#include "config/delay_setting.h"
#include "config/dimensions.h"
#include "config/rounding.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

constexpr double SpeedOfSoundFactor = 20.06;
constexpr int KelvinOffset = 273; // whole degrees, as the temperature field has them
constexpr double SamplesPerMs = ProcessorSampleRate / 1000;

} // namespace

double SpeedOfSound(int temperatureC) {
    return SpeedOfSoundFactor * std::sqrt(static_cast<double>(temperatureC + KelvinOffset));
}

double DelayMsFromSamples(std::int32_t samples) {
    return static_cast<double>(samples) / ProcessorSampleRate * 1000.0;
}

std::int32_t DelaySamplesFromMs(double ms) {
    return RoundHalfEven(ms * SamplesPerMs);
}

double DistanceCmFromSamples(std::int32_t samples, int temperatureC) {
    const auto ms = static_cast<float>(DelayMsFromSamples(samples));
    return static_cast<double>(ms) / 1000.0 * SpeedOfSound(temperatureC) * 100.0;
}

std::int32_t SamplesFromDistanceCm(double cm, int temperatureC) {
    const auto speed = static_cast<float>(SpeedOfSound(temperatureC));
    const auto ms = static_cast<float>(cm / (static_cast<double>(speed) * 100.0) * 1000.0);
    return RoundHalfEven(static_cast<double>(ms) / 1000.0 * ProcessorSampleRate);
}

int FahrenheitFromCelsius(int celsius) {
    return RoundHalfEven(celsius * 1.8 + 32.0);
}

int CelsiusFromFahrenheit(int fahrenheit) {
    return RoundHalfEven((5.0 * fahrenheit - 160.0) / 9.0);
}

std::int32_t LimitDelaySamples(std::int32_t samples) {
    return std::clamp<std::int32_t>(samples, 0, MaxDelaySamples);
}

std::int32_t StepDelayUp(std::int32_t samples) {
    if (samples == DelayStepUpLimitSamples) {
        return samples;
    }
    return LimitDelaySamples(std::min(samples, MaxDelaySamples) + 1);
}

std::int32_t StepDelayDown(std::int32_t samples) {
    return samples > 0 ? samples - 1 : samples;
}

} // namespace quorvex
