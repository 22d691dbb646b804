#pragma once

#include "config/dimensions.h"

#include <array>
#include <cstdint>

// Relative distances between the speakers of the six outputs and the alignment that turns
// them into delays. Arrays are indexed by output - 1 (Out1 .. Out4, SUB1, SUB2).

namespace quorvex {

using SamplesPerOutput = std::array<std::int32_t, OutputCount>;
using CmPerOutput = std::array<double, OutputCount>;

/// How a distance field was left: confirmed (Enter or leaving it) or stepped one sample.
enum class DistanceEdit { Confirm, StepUp, StepDown };

/// A relative distance after an edit: a step up stops above 232 samples, a step down at 0.
std::int32_t StepRelativeDistance(std::int32_t samples, DistanceEdit edit);

/// The six distances less the smallest of them, so the nearest speaker is at 0.
SamplesPerOutput NormaliseRelativeDistances(const SamplesPerOutput& samples);

/// Result of editing one distance field.
struct RelativeDistanceEditResult {
    SamplesPerOutput RelativeDistanceSamples{}; ///< normalised
    double EditedFieldCm = 0.0; ///< the edited field rewritten from its whole samples
};

/// Recomputes all six relative distances from the six distance fields (cm), applies the edit
/// to output editedOutput (1..6), rewrites that field from its samples, and normalises.
/// The edited field shows its value before normalisation, as the editor always has. An
/// output outside 1..6 edits no field (EditedFieldCm 0); the six are still normalised.
RelativeDistanceEditResult EditRelativeDistance(const CmPerOutput& fieldsCm, int editedOutput,
                                                DistanceEdit edit, int temperatureC);

/// Delays (0..234 samples) that align the six outputs given their relative distances and the
/// look-ahead delays of dynamics block 1 (Out1, Out2, SUB1) and block 2 (Out3, Out4, SUB2).
/// The look-ahead already delays a pair, so it is taken off the pair and put on its sub.
SamplesPerOutput AutoAlign(const SamplesPerOutput& relativeDistanceSamples,
                           std::int32_t lookAheadBlock1, std::int32_t lookAheadBlock2);

} // namespace quorvex
