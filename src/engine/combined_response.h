#pragma once

#include "config/configuration.h"
#include "config/dimensions.h"
#include "engine/frequency_response.h"

#include <array>
#include <cstdint>

namespace quorvex {

/// What the curves of the combined response show.
enum class ResponseMode {
    Magnitude, ///< dB
    Phase,     ///< wrapped degrees, -180 .. +180
};

/// The stages and settings of one output that enter the combined response. A null stage
/// pointer stands for a flat stage (0 dB, 0 rad), e.g. a speaker with nothing imported.
/// The pointed-to responses must outlive the computation.
struct OutputResponseInputs {
    const FrequencyResponse* Equaliser = nullptr;
    const FrequencyResponse* Crossover = nullptr;
    const FrequencyResponse* Speaker = nullptr;
    double GainFactor = 1.0; ///< linear, polarity sign included; only |GainFactor| is used
    bool PolarityInverted = false;
    bool Muted = false;
    std::int32_t DelaySamples = 0;
    std::int32_t RelativeDistanceSamples = 0;
    std::int32_t LookAheadSamples = 0; ///< of the dynamics block serving the output; 0 for subs
};

/// Everything the combined response is computed from.
struct CombinedResponseInputs {
    std::array<OutputResponseInputs, OutputCount> Outputs{}; ///< index output - 1
    /// Added to the crossover stage of SUB1 and SUB2; null = flat.
    const FrequencyResponse* SubLowPass = nullptr;
    ResponseViewFlags View;
    ResponseMode Mode = ResponseMode::Magnitude;
    std::int32_t SampleRate = ProcessorSampleRate;
};

inline constexpr int CombinedCurveCount = OutputCount + 1;
inline constexpr int SumCurveIndex = OutputCount; ///< the "ADD" curve, after outputs 1..6

using ResponseCurve = std::array<float, GridPointCount>;

/// Curves 1..6 (index output - 1) and the sum of all outputs (index SumCurveIndex).
using CombinedCurves = std::array<ResponseCurve, CombinedCurveCount>;

/// The look-ahead delay in samples that the dynamics block serving an output adds to it:
/// block 1 for outputs 1 and 2, block 2 for outputs 3 and 4; the subs have none.
std::int32_t LookAheadOf(const Configuration& config, int output);

/// Copies level, polarity, mute, delays and look-ahead of every output from a configuration
/// into the inputs; the stage pointers and the view are left as they are.
void TakeOutputSettings(const Configuration& config, CombinedResponseInputs& inputs);

/// The seven curves of the "Final response" window on the response grid. In magnitude mode an
/// output's curve is its weighted magnitude (0 dB when muted; -inf when its GainFactor is 0
/// and the gain stage is on), in phase mode its total phase in wrapped degrees; the sum is
/// the complex sum of the unmuted outputs in dB or degrees. The sum is always finite.
CombinedCurves ComputeCombinedResponse(const CombinedResponseInputs& inputs);

} // namespace quorvex
