#pragma once

#include "image/coefficient_image.h"

namespace quorvex {

class RealTimeWrites;

/// What a real-time restore sent: messages and the DSP words they carried.
struct DifferenceWrites {
    int Messages = 0;
    int Words = 0;
    bool Failed = false; ///< the link refused one; the "ERROR" box has been shown
};

/// Brings a unit that plays `before` to `after` while real-time mode is on: each DSP word
/// of the two images that differs is sent as the editors send it. Words of a filter
/// section (equaliser, crossover, sub reinforcement) go as the whole section, integer words
/// (delays, hold, release, the fixed word) as integers, every other word as a coefficient,
/// each to its own address. The header and settings block are not reached by real time:
/// the next Write carries them. Nothing is sent while the editors' writes may not go out.
DifferenceWrites SendImageDifferences(RealTimeWrites& writes, const CoefficientImage& before,
                                      const CoefficientImage& after);

} // namespace quorvex
