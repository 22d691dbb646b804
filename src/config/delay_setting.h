#pragma once

#include <cstdint>

namespace quorvex {

inline constexpr int MaxDelaySamples = 234;

/// Delay of one output, in samples at the sample rate.
struct DelaySetting {
    std::int32_t DelaySamples = 0;            ///< 0 .. 234
    std::int32_t RelativeDistanceSamples = 0; ///< relative speaker distance, in samples
};

} // namespace quorvex
