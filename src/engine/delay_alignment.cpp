#include "engine/delay_alignment.h"

#include "engine/delay_conversions.h"

#include <algorithm>

namespace quorvex {

namespace {

constexpr std::int32_t RelativeDistanceStepUpLimit = 232;

// Delay of one output of a pair (own distance, the partner's distance, the pair's look-ahead).
std::int32_t PairOutputDelay(std::int32_t own, std::int32_t partner, std::int32_t lookAhead) {
    if (own == 0) {
        return 0;
    }
    std::int32_t delay = (lookAhead <= own && lookAhead <= partner) ? own - lookAhead : own;
    if (own == partner && lookAhead >= own) {
        delay -= own;
    }
    return delay;
}

// Delay of the sub that goes with a pair whose outputs are at distances a and b.
std::int32_t SubDelay(std::int32_t sub, std::int32_t a, std::int32_t b, std::int32_t lookAhead) {
    std::int32_t delay = sub + lookAhead;
    if (a == b) {
        delay -= lookAhead < a ? lookAhead : a;
    } else if (lookAhead < a && lookAhead < b) {
        delay -= lookAhead;
    }
    return delay;
}

} // namespace

std::int32_t StepRelativeDistance(std::int32_t samples, DistanceEdit edit) {
    switch (edit) {
    case DistanceEdit::StepUp:
        return samples > RelativeDistanceStepUpLimit ? samples : samples + 1;
    case DistanceEdit::StepDown:
        return samples > 0 ? samples - 1 : samples;
    case DistanceEdit::Confirm:
        break;
    }
    return samples;
}

SamplesPerOutput NormaliseRelativeDistances(const SamplesPerOutput& samples) {
    const std::int32_t nearest = *std::min_element(samples.begin(), samples.end());
    SamplesPerOutput normalised{};
    std::transform(samples.begin(), samples.end(), normalised.begin(),
                   [nearest](std::int32_t value) { return value - nearest; });
    return normalised;
}

RelativeDistanceEditResult EditRelativeDistance(const CmPerOutput& fieldsCm, int editedOutput,
                                                DistanceEdit edit, int temperatureC) {
    SamplesPerOutput samples{};
    std::transform(fieldsCm.begin(), fieldsCm.end(), samples.begin(),
                   [temperatureC](double cm) { return SamplesFromDistanceCm(cm, temperatureC); });
    RelativeDistanceEditResult result;
    if (editedOutput >= 1 && editedOutput <= OutputCount) {
        auto& edited = samples[static_cast<std::size_t>(editedOutput - 1)];
        edited = StepRelativeDistance(edited, edit);
        result.EditedFieldCm = DistanceCmFromSamples(edited, temperatureC);
    }
    result.RelativeDistanceSamples = NormaliseRelativeDistances(samples);
    return result;
}

SamplesPerOutput AutoAlign(const SamplesPerOutput& relativeDistanceSamples,
                           std::int32_t lookAheadBlock1, std::int32_t lookAheadBlock2) {
    const auto& r = relativeDistanceSamples;
    const SamplesPerOutput delays{
        PairOutputDelay(r[0], r[1], lookAheadBlock1), PairOutputDelay(r[1], r[0], lookAheadBlock1),
        PairOutputDelay(r[2], r[3], lookAheadBlock2), PairOutputDelay(r[3], r[2], lookAheadBlock2),
        SubDelay(r[4], r[0], r[1], lookAheadBlock1),  SubDelay(r[5], r[2], r[3], lookAheadBlock2)};
    SamplesPerOutput limited{};
    std::transform(delays.begin(), delays.end(), limited.begin(), LimitDelaySamples);
    return limited;
}

} // namespace quorvex
