#pragma once

#include <cstdint>

namespace quorvex {

/// The stored fields of one dynamics block (1: Out1/Out2, 2: Out3/Out4, 3: the subs),
/// with the speaker and amplifier data of its pair of outputs. The dynamics engine object
/// (TDYNAMIC) extends this record with its design.
struct DynamicsSetting {
    float ThresholdDb = -6.0F; ///< dBFS
    float Ratio = 2.0F;        ///< input dB per output dB above the knee
    float MakeupGainDb = 0.0F;
    long double RmsCoefficient = 0.0L; ///< from the attack rate; see RmsCoefficientFromAttack
    std::int32_t HoldSamples = 1920;
    std::int32_t DecaySteps = 51; ///< release in units of 0.137 dB/s
    std::int32_t LookAheadSamples = 0;
    std::uint8_t CompressorMode = 0; ///< 0 limiter, 1 compressor
    float KneeDb = 4.0F;             ///< knee half-width, dB
    std::uint8_t Bypass = 0;
    std::uint8_t Decimation = 1; ///< "Diezmado": stored, no effect on the design
    float XdBmaxLimit = 12.5F;
    float NoiseGatePosition = 13.0F; ///< 1 .. 33; 1 = gate off
    float NoiseGateSlope = 4.0F;     ///< >= 1
    float LoadImpedance = 8.0F;      ///< ohms: 2, 2.67, 4, 8, 16
    float SpeakerMaxPower = 400.0F;  ///< W, 5 .. 4000
    float AmpGain = 41.0F;           ///< linear voltage gain, 5 .. 200
    float AmpMaxPower = 600.0F;      ///< W, 50 .. 4000
    std::uint8_t Balanced = 1;
    std::int32_t SpeakerCountIndex = 1; ///< item index 0..3 for 1..4 speakers
    std::uint8_t ExtraFlag = 0;         ///< carried only
};

/// Defaults after New configuration of block 1, 2 or 3 (block 3: threshold -5 dBFS, gate off).
DynamicsSetting DefaultDynamicsSetting(int block);

} // namespace quorvex
