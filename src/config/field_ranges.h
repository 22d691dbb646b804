#pragma once

#include "config/delay_setting.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <type_traits>

// The ranges in which the editors keep each stored number. Reading a file brings what it holds
// into these ranges, so that nothing reaches the editors, the engine, a memory image or the
// next saved file that an editor could not have produced.

namespace quorvex {

template <typename Number> struct FieldRange {
    Number Lowest;
    Number Highest;
};

namespace field_range {

inline constexpr FieldRange<std::int32_t> DelaySamples{0, MaxDelaySamples};
/// The distance fields reach 168.8 cm, which is 244 samples at 0 C, the coldest temperature
/// the delay editor takes; normalising makes the nearest speaker 0.
inline constexpr FieldRange<std::int32_t> RelativeDistanceSamples{0, 244};

/// The delay editor's temperature, in degrees C.
inline constexpr FieldRange<std::int32_t> TemperatureC{0, 50};

inline constexpr FieldRange<double> BandGainDb{-15.0, 12.0};
inline constexpr FieldRange<double> BandQ{0.5, 20.0};
/// The subs' frequency field stops at 500 Hz, but their bands start at 1000 Hz after New
/// configuration, so every band keeps the wider range.
inline constexpr FieldRange<double> BandFrequency{10.0, 20000.0};

inline constexpr FieldRange<double> CrossoverFrequency{20.0, 20000.0};
inline constexpr FieldRange<std::int32_t> CrossoverOrder{2, 4};

/// Ratio slider positions 0..10 give 10 - position.
inline constexpr FieldRange<float> Ratio{0.0F, 10.0F};
/// Knee slider positions 0..21 give (21 - position) / 2 - 0.5.
inline constexpr FieldRange<float> KneeDb{-0.5F, 10.0F};
/// Hold 0..80 ms, look-ahead 0..2 ms at 48000 Hz.
inline constexpr FieldRange<std::int32_t> HoldSamples{0, 3840};
inline constexpr FieldRange<std::int32_t> LookAheadSamples{0, 96};
/// Release 1..80 dB/s in steps of 0.137 dB/s.
inline constexpr FieldRange<std::int32_t> DecaySteps{7, 584};
inline constexpr FieldRange<float> NoiseGatePosition{1.0F, 33.0F};
inline constexpr FieldRange<float> NoiseGateSlope{1.0F, 10.0F};

inline constexpr FieldRange<float> LoadImpedance{2.0F, 16.0F};
inline constexpr FieldRange<float> SpeakerMaxPower{5.0F, 4000.0F};
inline constexpr FieldRange<float> AmpGain{5.0F, 200.0F};
inline constexpr FieldRange<float> AmpMaxPower{50.0F, 4000.0F};
/// Item index of the "number of speakers" list, 1 to 4 speakers.
inline constexpr FieldRange<std::int32_t> SpeakerCountIndex{0, 3};

inline constexpr FieldRange<float> ImportReferenceLevel{-140.0F, 140.0F};

/// The threshold field's -32 .. +20 dBu (dBFS + 20.6 on blocks 1 and 2, + 23.6 on block 3),
/// widened to the slider's lowest position, 101: -101 / 2 - 2.6 (or - 5.6) dBFS. Block 3's
/// default, -5 dBFS, lies above the slider's top and inside the field's range.
FieldRange<float> ThresholdDb(int block);
/// The coefficients of the attack field's 5..250 dB/s.
FieldRange<long double> RmsCoefficient(int sampleRate);

} // namespace field_range

/// `value` brought to the nearer end of `range`.
template <typename Number> constexpr Number ClampedTo(Number value, FieldRange<Number> range) {
    return std::clamp(value, range.Lowest, range.Highest);
}

/// Stores a number read into a field when the bytes held it and it is finite, brought to the
/// nearer end of `range` first (in the stored type, so no conversion can overflow). A
/// non-finite number leaves the field as it was: after New configuration, its default.
template <typename Field, typename Value>
void AssignWithin(Field& field, const std::optional<Value>& value, FieldRange<Field> range) {
    if (!value) {
        return;
    }
    if constexpr (std::is_floating_point_v<Value>) {
        if (!std::isfinite(*value)) {
            return;
        }
    }
    const auto lowest = static_cast<Value>(range.Lowest);
    const auto highest = static_cast<Value>(range.Highest);
    field = ClampedTo(static_cast<Field>(std::clamp(*value, lowest, highest)), range);
}

/// For a number whose editor sets no limits: stored only when present and finite.
template <typename Field, typename Value>
void AssignIfFinite(Field& field, const std::optional<Value>& value) {
    if (value && std::isfinite(*value)) {
        field = static_cast<Field>(*value);
    }
}

} // namespace quorvex
