#pragma once

// Word addresses inside one DSP's coefficient memory. The coefficient image lays its DSP
// blocks out by these addresses and the real-time path writes single words to them, so both
// (and the virtual processor) take every number from here. Positions are those of an output
// inside its DSP block: 1 = output a (Out1 / Out3), 2 = output b (Out2 / Out4), 3 = the sub.

namespace quorvex {

inline constexpr int DspBlockWordCount = 258;
inline constexpr int SectionWordCount = 5; ///< b0, b1, b2, a1, a2

/// Input mix: RouteGainA of a position at 2 (position - 1), RouteGainB right after it.
constexpr int RouteGainAWord(int position) {
    return 2 * (position - 1);
}
constexpr int RouteGainBWord(int position) {
    return RouteGainAWord(position) + 1;
}

inline constexpr int EqualiserWordOutputA = 6;  ///< 7 sections, 6..40
inline constexpr int EqualiserWordOutputB = 41; ///< 7 sections, 41..75
inline constexpr int EqualiserWordSub = 116;    ///< 3 sections, 116..130

/// First word of equaliser band 1..7 (1..3 for the sub) of a position.
constexpr int EqualiserSectionWord(int position, int band) {
    const int first = position == 1   ? EqualiserWordOutputA
                      : position == 2 ? EqualiserWordOutputB
                                      : EqualiserWordSub;
    return first + SectionWordCount * (band - 1);
}

inline constexpr int CrossoverWordOutputA = 76; ///< 76..95
inline constexpr int CrossoverWordOutputB = 96; ///< 96..115
inline constexpr int CrossoverWordSub = 131;    ///< 131..140, low pass only

/// First word of the two-section slot pair of a crossover filter: the low pass at the
/// position's base, the high pass ten words on (the sub's high pass has no slots and shares
/// the low pass's numbers). The real-time path writes section 1 at this word and section 2
/// five words on; the image writes them the other way round (section 2 first). The cascade
/// is the same either way.
constexpr int CrossoverFilterWord(int position, bool lowPass) {
    const int base = position == 1   ? CrossoverWordOutputA
                     : position == 2 ? CrossoverWordOutputB
                                     : CrossoverWordSub;
    return (lowPass || position == 3) ? base : base + 2 * SectionWordCount;
}

/// DelaySamples + 1 of a position (integer word): 141, 142, 143.
constexpr int DelayWord(int position) {
    return 140 + position;
}

/// P, Q, R, S of the DSP's sub feed: 144..147.
inline constexpr int SubFeedWord = 144;
inline constexpr int SubFeedWordCount = 4;

/// A dynamics block is 37 consecutive words from its base: the 33 GainTable entries,
/// RmsCoefficient, DetectorConstant, HoldSamples, DecaySteps.
inline constexpr int DynamicsPairBlockWord = 148; ///< Out1/Out2 on DSP 1, Out3/Out4 on DSP 2
inline constexpr int DynamicsSubBlockWord = 185;  ///< the subs' block, on both DSPs
inline constexpr int DynamicsGainTableOffset = 0;
inline constexpr int DynamicsRmsCoefficientOffset = 33;
inline constexpr int DynamicsDetectorConstantOffset = 34;
inline constexpr int DynamicsHoldOffset = 35;
inline constexpr int DynamicsDecayOffset = 36;
inline constexpr int DynamicsBlockWordCount = 37;

/// Base word of dynamics block 1..3 on its DSP.
constexpr int DynamicsBlockWord(int block) {
    return block == 3 ? DynamicsSubBlockWord : DynamicsPairBlockWord;
}

/// Integer word 18, then 32 zero words; the processor's use of them is not ours to change.
inline constexpr int FixedWord = 222;
inline constexpr int FixedWordValue = 18;
inline constexpr int ZeroWordFirst = 223;
inline constexpr int ZeroWordLast = 254;

/// GainFactor x MuteFactor of a position: 255, 256, 257. Real-time writes of the output
/// gains use these same words, so that a real-time change lands where a written memory
/// keeps the value.
constexpr int OutputGainWord(int position) {
    return 254 + position;
}

} // namespace quorvex
