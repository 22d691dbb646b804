#pragma once

#include <array>

// Byte offsets of the settings block, the part of the image from which a read-back rebuilds
// the configuration. The writer and the reader both place every field by these numbers.
//
// Two halves: the first (192 bytes) carries DSP 1's outputs Out1, Out2, SUB1, the second
// (198 bytes) DSP 2's Out3, Out4, SUB2 and, at its end, the noise gates. Crossovers and
// relative distances do not follow the DSP split: the first half holds those of outputs
// 1, 2, 3, the second those of 4, 5, 6. The subs' dynamics block is written in both halves.

namespace quorvex {

inline constexpr int SettingsBlockSize = 390;
inline constexpr int SettingsHalfSize = 192; ///< the first half; the second adds the gates

inline constexpr int BandRecordSize = 6;
inline constexpr int CrossoverRecordSize = 10;
inline constexpr int LevelRecordSize = 4;
inline constexpr int DynamicsRecordSize = 9;
inline constexpr int SpeakerRecordSize = 8;

/// What one half carries, besides what it carries for the positions 1..3 of its DSP
/// (bands, levels, delays, sub feed, routes).
struct SettingsHalf {
    int Base;                            ///< offset of the half in the block
    int Dsp;                             ///< 1 or 2
    std::array<int, 3> CrossoverOutputs; ///< outputs of the three crossover records
    std::array<int, 2> DynamicsBlocks;   ///< the pair block, then the subs' block
    std::array<int, 3> DistanceOutputs;  ///< outputs of the three distance bytes
};

inline constexpr std::array<SettingsHalf, 2> SettingsHalves{{
    {0, 1, {1, 2, 3}, {1, 3}, {1, 2, 3}},
    {SettingsHalfSize, 2, {4, 5, 6}, {2, 3}, {4, 5, 6}},
}};

// Sections of a half, from its base.
inline constexpr int HalfBandsOffset = 0;        ///< 7 + 7 + 3 band records
inline constexpr int HalfCrossoversOffset = 102; ///< 3 crossover records
inline constexpr int HalfLevelsOffset = 132;     ///< 3 level records
inline constexpr int HalfDelaysOffset = 144;     ///< 3 bytes: DelaySamples of positions 1..3
inline constexpr int HalfTemperatureOffset = 147;
inline constexpr int HalfDynamicsOffset = 148;  ///< 2 dynamics records
inline constexpr int HalfSpeakersOffset = 166;  ///< 2 speaker and amplifier records
inline constexpr int HalfSubFeedOffset = 182;   ///< P, Q, R, S
inline constexpr int HalfRoutesOffset = 186;    ///< route codes of positions 1..3
inline constexpr int HalfDistancesOffset = 189; ///< 3 relative distances

/// Gates, second half only: positions of blocks 1, 2, 3, then their slopes.
inline constexpr int GatePositionsOffset = 2 * SettingsHalfSize;
inline constexpr int GateSlopesOffset = GatePositionsOffset + 3;

// Fields of a band record.
inline constexpr int BandTypeField = 0;      ///< B
inline constexpr int BandFrequencyField = 1; ///< W
inline constexpr int BandGainField = 3;      ///< W
inline constexpr int BandQField = 5;         ///< B

// Fields of a crossover record.
inline constexpr int CrossoverLowPassFamilyField = 0;     ///< B
inline constexpr int CrossoverLowPassFrequencyField = 1;  ///< W
inline constexpr int CrossoverLowPassOrderField = 3;      ///< B
inline constexpr int CrossoverSoloHighPassField = 4;      ///< B
inline constexpr int CrossoverHighPassFamilyField = 5;    ///< B
inline constexpr int CrossoverHighPassFrequencyField = 6; ///< W
inline constexpr int CrossoverHighPassOrderField = 8;     ///< B
inline constexpr int CrossoverSoloLowPassField = 9;       ///< B

// Fields of a level record.
inline constexpr int LevelPositionField = 0; ///< W
inline constexpr int LevelMuteField = 2;     ///< B
inline constexpr int LevelPolarityField = 3; ///< B

// Fields of a dynamics record.
inline constexpr int DynamicsThresholdField = 0; ///< signed B
inline constexpr int DynamicsRatioField = 1;
inline constexpr int DynamicsKneeField = 2;
inline constexpr int DynamicsCompressorField = 3;
inline constexpr int DynamicsBypassField = 4;
inline constexpr int DynamicsAttackField = 5;
inline constexpr int DynamicsLookAheadField = 6;
inline constexpr int DynamicsHoldField = 7; ///< signed B
inline constexpr int DynamicsDecayField = 8;

// Fields of a speaker and amplifier record.
inline constexpr int SpeakerImpedanceField = 0; ///< W
inline constexpr int SpeakerMaxPowerField = 2;  ///< W
inline constexpr int AmpMaxPowerField = 4;      ///< W
inline constexpr int AmpGainField = 6;          ///< B
inline constexpr int BalancedField = 7;         ///< B

/// Band record of band 1..7 of position 1..3 (the sub's three follow the fourteen others).
constexpr int BandRecordOffset(const SettingsHalf& half, int position, int band) {
    return half.Base + HalfBandsOffset + BandRecordSize * (7 * (position - 1) + band - 1);
}

constexpr int CrossoverRecordOffset(const SettingsHalf& half, int index) {
    return half.Base + HalfCrossoversOffset + CrossoverRecordSize * index;
}

constexpr int LevelRecordOffset(const SettingsHalf& half, int position) {
    return half.Base + HalfLevelsOffset + LevelRecordSize * (position - 1);
}

constexpr int DelayByteOffset(const SettingsHalf& half, int position) {
    return half.Base + HalfDelaysOffset + position - 1;
}

constexpr int DynamicsRecordOffset(const SettingsHalf& half, int index) {
    return half.Base + HalfDynamicsOffset + DynamicsRecordSize * index;
}

constexpr int SpeakerRecordOffset(const SettingsHalf& half, int index) {
    return half.Base + HalfSpeakersOffset + SpeakerRecordSize * index;
}

static_assert(HalfBandsOffset + 17 * BandRecordSize == HalfCrossoversOffset);
static_assert(HalfCrossoversOffset + 3 * CrossoverRecordSize == HalfLevelsOffset);
static_assert(HalfLevelsOffset + 3 * LevelRecordSize == HalfDelaysOffset);
static_assert(HalfDynamicsOffset + 2 * DynamicsRecordSize == HalfSpeakersOffset);
static_assert(HalfSpeakersOffset + 2 * SpeakerRecordSize == HalfSubFeedOffset);
static_assert(HalfDistancesOffset + 3 == SettingsHalfSize);
static_assert(GateSlopesOffset + 3 == SettingsBlockSize);

} // namespace quorvex
