#include "image/settings_fields.h"

#include "config/delay_setting.h"
#include "config/dimensions.h"
#include "config/dynamics_times.h"
#include "config/field_ranges.h"
#include "config/level_setting.h"
#include "config/peq_band.h"
#include "config/rounding.h"
#include "config/sub_feed.h"

#include <algorithm>

namespace quorvex {

namespace {

constexpr std::int32_t MaxFamily = 8;
constexpr std::int32_t MinThresholdByte = -1;
constexpr std::int32_t MaxThresholdByte = 101;
constexpr std::int32_t MaxRatioByte = 9;
constexpr std::int32_t MaxKneeByte = 21;
constexpr std::int32_t MinAttack = 5;
constexpr std::int32_t MaxAttack = 250;
constexpr std::int32_t MaxLookAheadMs = 2;
constexpr double MaxHoldMs = 80.0;
constexpr std::int32_t MinRelease = 1;
constexpr std::int32_t MaxRelease = 80;

double ThresholdOffset(bool subBlock) {
    return subBlock ? 5.6 : 2.6;
}

} // namespace

int UsableSampleRate(std::int32_t configured) {
    return configured > 0 ? configured : ProcessorSampleRate;
}

std::int32_t StoredBandType(std::uint8_t filterType) {
    if (filterType == 15 || filterType == 16) {
        return filterType - 1;
    }
    return filterType;
}

std::uint8_t BandTypeFromStored(std::int32_t code) {
    if (code == 14 || code == 15) {
        return static_cast<std::uint8_t>(code + 1);
    }
    if (code >= 0 && code <= 13) {
        return static_cast<std::uint8_t>(code);
    }
    return 0;
}

std::int32_t StoredFrequency(double hz) {
    return RoundHalfEven(hz);
}

double BandFrequencyFromStored(std::int32_t word) {
    return ClampedTo(static_cast<double>(word), field_range::BandFrequency);
}

std::int32_t StoredBandGain(double gainDb) {
    return BandGainPosition(gainDb);
}

double BandGainFromStored(std::int32_t word) {
    return ClampedTo(BandGainFromPosition(word), field_range::BandGainDb);
}

std::int32_t StoredBandQ(double q) {
    return BandQPosition(q);
}

double BandQFromStored(std::int32_t byte) {
    return ClampedTo(BandQFromPosition(byte), field_range::BandQ);
}

double CrossoverFrequencyFromStored(std::int32_t word) {
    return ClampedTo(static_cast<double>(word), field_range::CrossoverFrequency);
}

std::uint8_t CrossoverFamilyFromStored(std::int32_t byte) {
    return static_cast<std::uint8_t>(byte >= 0 && byte <= MaxFamily ? byte : 0);
}

std::int32_t CrossoverOrderFromStored(std::int32_t byte) {
    return ClampedTo(byte, field_range::CrossoverOrder);
}

std::int32_t StoredLevelPosition(double gainDb) {
    return LevelPositionFromDb(gainDb);
}

void LevelFromStored(std::int32_t position, bool muted, bool inverted, LevelSetting& level) {
    level.GainDb = LevelDbFromPosition(std::clamp(position, 0, LevelSliderMax));
    level.PolarityInverted = inverted;
    level.PolaritySign = inverted ? -1.0F : 1.0F;
    level.GainFactor = GainFactorOf(level.GainDb, level.PolaritySign);
    level.Muted = muted;
    level.MuteFactor = muted ? 0.0 : 1.0;
}

std::int32_t StoredDelay(std::int32_t samples) {
    return ClampedTo(samples, field_range::DelaySamples);
}

std::int32_t DelayFromDelayWord(std::int32_t word) {
    return StoredDelay(word - 1);
}

std::int32_t TemperatureFromStored(std::int32_t byte) {
    return ClampedTo(byte, field_range::TemperatureC);
}

std::int32_t RelativeDistanceFromStored(std::int32_t byte) {
    return std::clamp(byte, 0, MaxDelaySamples);
}

std::int32_t StoredThreshold(float thresholdDb, bool subBlock) {
    return RoundHalfEven((-static_cast<double>(thresholdDb) - ThresholdOffset(subBlock)) * 2.0);
}

float ThresholdFromStored(std::int32_t signedByte, bool subBlock) {
    const std::int32_t byte = std::clamp(signedByte, MinThresholdByte, MaxThresholdByte);
    return static_cast<float>(-byte / 2.0 - ThresholdOffset(subBlock));
}

std::int32_t StoredRatio(float ratio) {
    return RoundHalfEven(10.0 - ratio);
}

float RatioFromStored(std::int32_t byte) {
    return 10.0F - static_cast<float>(std::clamp(byte, 0, MaxRatioByte));
}

std::int32_t StoredKnee(float kneeDb) {
    return RoundHalfEven(20.0 - 2.0 * kneeDb);
}

float KneeFromStored(std::int32_t byte) {
    return (20.0F - static_cast<float>(std::clamp(byte, 0, MaxKneeByte))) / 2.0F;
}

std::int32_t StoredAttack(long double rmsCoefficient, int sampleRate) {
    return RoundHalfEven(AttackFromRmsCoefficient(rmsCoefficient, sampleRate));
}

long double RmsCoefficientFromStored(std::int32_t byte, int sampleRate) {
    return RmsCoefficientFromAttack(std::clamp(byte, MinAttack, MaxAttack), sampleRate);
}

std::int32_t StoredLookAhead(std::int32_t lookAheadSamples, int sampleRate) {
    return RoundHalfEven(lookAheadSamples / (sampleRate * 0.001));
}

std::int32_t LookAheadFromStored(std::int32_t byte, int sampleRate) {
    return SamplesFromMs(std::clamp(byte, 0, MaxLookAheadMs), sampleRate);
}

std::int32_t StoredHold(std::int32_t holdSamples, std::int32_t lookAheadSamples, int sampleRate) {
    return RoundHalfEven((static_cast<double>(holdSamples) - lookAheadSamples) /
                         (sampleRate * 0.001));
}

std::int32_t HoldFromStored(std::int32_t signedByte, std::int32_t lookAheadSamples,
                            int sampleRate) {
    const std::int32_t hold = SamplesFromMs(signedByte, sampleRate) + lookAheadSamples;
    return std::clamp(hold, 0, SamplesFromMs(MaxHoldMs, sampleRate));
}

std::int32_t StoredRelease(std::int32_t decaySteps) {
    return RoundHalfEven(ReleaseFromDecaySteps(decaySteps));
}

std::int32_t DecayStepsFromStored(std::int32_t byte) {
    return DecayStepsFromRelease(std::clamp(byte, MinRelease, MaxRelease));
}

std::int32_t StoredImpedance(float ohms) {
    return RoundHalfEven(static_cast<double>(ohms) * 100.0);
}

float ImpedanceFromStored(std::int32_t word) {
    return ClampedTo(static_cast<float>(word) / 100.0F, field_range::LoadImpedance);
}

float SpeakerMaxPowerFromStored(std::int32_t word) {
    return ClampedTo(static_cast<float>(word), field_range::SpeakerMaxPower);
}

float AmpMaxPowerFromStored(std::int32_t word) {
    return ClampedTo(static_cast<float>(word), field_range::AmpMaxPower);
}

float AmpGainFromStored(std::int32_t byte) {
    return ClampedTo(static_cast<float>(byte), field_range::AmpGain);
}

std::int32_t StoredSubFeed(double value) {
    return RoundHalfEven(value * 10.0);
}

double SubFeedFromStored(std::int32_t byte) {
    return SubFeedCoefficientOf(byte / 10.0);
}

std::int32_t RouteFromStored(std::int32_t byte) {
    return std::clamp(byte, 0, 2);
}

float GatePositionFromStored(std::int32_t byte) {
    return ClampedTo(static_cast<float>(byte), field_range::NoiseGatePosition);
}

float GateSlopeFromStored(std::int32_t byte) {
    return ClampedTo(static_cast<float>(byte), field_range::NoiseGateSlope);
}

} // namespace quorvex
