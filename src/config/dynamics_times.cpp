#include "config/dynamics_times.h"

#include "config/rounding.h"

#include <cmath>

namespace quorvex {

long double RmsCoefficientFromAttack(double dbPerSecond, int sampleRate) {
    return 1.0L - std::pow(10.0L, -static_cast<long double>(dbPerSecond) / (10.0L * sampleRate));
}

double AttackFromRmsCoefficient(long double coefficient, int sampleRate) {
    return static_cast<double>(-10.0L * sampleRate * std::log10(1.0L - coefficient));
}

std::int32_t SamplesFromMs(double ms, int sampleRate) {
    return RoundHalfEven(ms * 0.001 * sampleRate);
}

double MsFromSamples(std::int32_t samples, int sampleRate) {
    return samples / (sampleRate * 0.001);
}

std::int32_t DecayStepsFromRelease(double dbPerSecond) {
    return RoundHalfEven(dbPerSecond / ReleaseStepDbPerSecond);
}

double ReleaseFromDecaySteps(std::int32_t steps) {
    return steps * ReleaseStepDbPerSecond;
}

} // namespace quorvex
