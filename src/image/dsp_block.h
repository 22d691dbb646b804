#pragma once

#include "image/dsp_address.h"

#include <array>
#include <cstdint>

namespace quorvex {

struct Configuration;
struct EngineObjects;

inline constexpr int WordByteCount = 3;
inline constexpr int DspBlockByteCount = DspBlockWordCount * WordByteCount; ///< 774

using DspBlockBytes = std::array<std::uint8_t, DspBlockByteCount>;

/// The 258 words of DSP 1 (Out1, Out2, SUB1, dynamics blocks 1 and 3) or DSP 2 (Out3, Out4,
/// SUB2, dynamics blocks 2 and 3), each at its address. The designs (sections, gain tables,
/// detector constant) come from the engine objects, which the caller has designed from the
/// configuration; every value the engineer sets (routes, delays, sub feed, time settings,
/// output gains) comes from the configuration. Delays are limited to 0..234 samples.
DspBlockBytes BuildDspBlock(const Configuration& config, const EngineObjects& objects, int dsp);

} // namespace quorvex
