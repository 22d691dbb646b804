#pragma once

#include <cstdint>

// Each configuration value of the settings block and the integer it is stored as, both
// ways. Storing rounds to the nearest integer, ties to even. Reading brings every value
// inside the range its control allows, so that no byte pattern of a memory read back can
// give a configuration that the designs or the next write cannot handle.

namespace quorvex {

struct LevelSetting;

/// The sample rate the time fields convert with: the configuration's, or the processor's
/// when the configuration holds none that is positive.
int UsableSampleRate(std::int32_t configured);

// Equaliser band. Codes 15 and 16 (slope shelves) are stored as 14 and 15, which is why
// the unused code 14 cannot be kept; a stored code that names no type reads as Bypass.
std::int32_t StoredBandType(std::uint8_t filterType);
std::uint8_t BandTypeFromStored(std::int32_t code);
std::int32_t StoredFrequency(double hz);
double BandFrequencyFromStored(std::int32_t word); ///< 10 .. 20000 Hz
std::int32_t StoredBandGain(double gainDb);        ///< the gain slider's position
double BandGainFromStored(std::int32_t word);      ///< -15 .. +12 dB
std::int32_t StoredBandQ(double q);                ///< the Q slider's position
double BandQFromStored(std::int32_t byte);         ///< 0.5 .. 20

// Crossover.
double CrossoverFrequencyFromStored(std::int32_t word);    ///< 20 .. 20000 Hz
std::uint8_t CrossoverFamilyFromStored(std::int32_t byte); ///< 0 .. 8; others read as bypass
std::int32_t CrossoverOrderFromStored(std::int32_t byte);  ///< 2 .. 4, the orders offered

// Level: the slider position (0..361) and the two buttons. LevelFromStored sets every
// field of the level so that the gain, sign and factors agree with the buttons.
std::int32_t StoredLevelPosition(double gainDb);
void LevelFromStored(std::int32_t position, bool muted, bool inverted, LevelSetting& level);

// Delay, temperature and relative distance, in samples and degrees.
/// The delay as the processor receives it: limited to 0 .. 234 samples.
std::int32_t StoredDelay(std::int32_t samples);
std::int32_t DelayFromDelayWord(std::int32_t word);         ///< word - 1, 0 .. 234
std::int32_t TemperatureFromStored(std::int32_t byte);      ///< 0 .. 50 degrees C
std::int32_t RelativeDistanceFromStored(std::int32_t byte); ///< 0 .. 234 samples

// Dynamics. `subBlock` selects the subs' offset of 5.6 dB instead of 2.6 dB.
std::int32_t StoredThreshold(float thresholdDb, bool subBlock);
/// The threshold slider's range (positions 0..101) and -1, where the subs' start-up
/// threshold of -5 dBFS is stored; above it the design's level grid would fail.
float ThresholdFromStored(std::int32_t signedByte, bool subBlock);
std::int32_t StoredRatio(float ratio);
float RatioFromStored(std::int32_t byte); ///< 1 .. 10: a ratio of 0 cannot be designed
std::int32_t StoredKnee(float kneeDb);
float KneeFromStored(std::int32_t byte);                                     ///< -0.5 .. 10 dB
std::int32_t StoredAttack(long double rmsCoefficient, int sampleRate);       ///< dB/s
long double RmsCoefficientFromStored(std::int32_t byte, int sampleRate);     ///< 5 .. 250 dB/s
std::int32_t StoredLookAhead(std::int32_t lookAheadSamples, int sampleRate); ///< ms
std::int32_t LookAheadFromStored(std::int32_t byte, int sampleRate);         ///< 0 .. 2 ms
/// Hold less look-ahead, in ms (negative when the look-ahead is the longer).
std::int32_t StoredHold(std::int32_t holdSamples, std::int32_t lookAheadSamples, int sampleRate);
/// The look-ahead taken off when storing is added back; 0 .. 80 ms.
std::int32_t HoldFromStored(std::int32_t signedByte, std::int32_t lookAheadSamples, int sampleRate);
std::int32_t StoredRelease(std::int32_t decaySteps);  ///< dB/s
std::int32_t DecayStepsFromStored(std::int32_t byte); ///< 1 .. 80 dB/s

// Speaker and amplifier data.
std::int32_t StoredImpedance(float ohms);           ///< hundredths of an ohm
float ImpedanceFromStored(std::int32_t word);       ///< 2 .. 16 ohms
float SpeakerMaxPowerFromStored(std::int32_t word); ///< 5 .. 4000 W
float AmpMaxPowerFromStored(std::int32_t word);     ///< 50 .. 4000 W
float AmpGainFromStored(std::int32_t byte);         ///< 5 .. 200

// Sub feed value, 0.0 or 1.0, stored in tenths.
std::int32_t StoredSubFeed(double value);
double SubFeedFromStored(std::int32_t byte);

std::int32_t RouteFromStored(std::int32_t byte); ///< 0 .. 2

// Noise gate.
float GatePositionFromStored(std::int32_t byte); ///< 1 .. 33
float GateSlopeFromStored(std::int32_t byte);    ///< 1 .. 10

/// A flag byte: anything but 0 is set.
constexpr bool FlagFromStored(std::int32_t byte) {
    return byte != 0;
}

} // namespace quorvex
