#include "image/settings_block_decoder.h"

#include "config/configuration.h"
#include "config/route.h"
#include "image/settings_fields.h"
#include "image/settings_number.h"

#include <cstddef>

namespace quorvex {

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr float GatePositionWithoutGateBytes = 13.0F;
constexpr float GateSlopeWithoutGateBytes = 4.0F;

void ReadBand(Bytes block, int offset, PeqBand& band) {
    band.FilterType = BandTypeFromStored(SettingsByteAt(block, offset + BandTypeField));
    band.Frequency = BandFrequencyFromStored(SettingsWordAt(block, offset + BandFrequencyField));
    band.Gain = BandGainFromStored(SettingsWordAt(block, offset + BandGainField));
    band.Q = BandQFromStored(SettingsByteAt(block, offset + BandQField));
}

void ReadCrossoverSection(Bytes block, int familyOffset, int frequencyOffset, int orderOffset,
                          CrossoverSection& section) {
    section.Family = CrossoverFamilyFromStored(SettingsByteAt(block, familyOffset));
    section.Frequency = CrossoverFrequencyFromStored(SettingsWordAt(block, frequencyOffset));
    section.Order = CrossoverOrderFromStored(SettingsByteAt(block, orderOffset));
}

void ReadCrossover(Bytes block, int offset, CrossoverSetting& crossover) {
    ReadCrossoverSection(block, offset + CrossoverLowPassFamilyField,
                         offset + CrossoverLowPassFrequencyField,
                         offset + CrossoverLowPassOrderField, crossover.LowPass);
    ReadCrossoverSection(block, offset + CrossoverHighPassFamilyField,
                         offset + CrossoverHighPassFrequencyField,
                         offset + CrossoverHighPassOrderField, crossover.HighPass);
    crossover.SoloHighPass =
        FlagFromStored(SettingsByteAt(block, offset + CrossoverSoloHighPassField));
    crossover.SoloLowPass =
        FlagFromStored(SettingsByteAt(block, offset + CrossoverSoloLowPassField));
}

void ReadLevel(Bytes block, int offset, LevelSetting& level) {
    LevelFromStored(SettingsWordAt(block, offset + LevelPositionField),
                    FlagFromStored(SettingsByteAt(block, offset + LevelMuteField)),
                    FlagFromStored(SettingsByteAt(block, offset + LevelPolarityField)), level);
}

void ReadDynamics(Bytes block, int offset, bool subBlock, int sampleRate,
                  DynamicsSetting& dynamics) {
    dynamics.ThresholdDb =
        ThresholdFromStored(SignedSettingsByteAt(block, offset + DynamicsThresholdField), subBlock);
    dynamics.Ratio = RatioFromStored(SettingsByteAt(block, offset + DynamicsRatioField));
    dynamics.KneeDb = KneeFromStored(SettingsByteAt(block, offset + DynamicsKneeField));
    dynamics.CompressorMode =
        FlagFromStored(SettingsByteAt(block, offset + DynamicsCompressorField)) ? 1 : 0;
    dynamics.Bypass = FlagFromStored(SettingsByteAt(block, offset + DynamicsBypassField)) ? 1 : 0;
    dynamics.RmsCoefficient =
        RmsCoefficientFromStored(SettingsByteAt(block, offset + DynamicsAttackField), sampleRate);
    dynamics.LookAheadSamples =
        LookAheadFromStored(SettingsByteAt(block, offset + DynamicsLookAheadField), sampleRate);
    dynamics.HoldSamples = HoldFromStored(SignedSettingsByteAt(block, offset + DynamicsHoldField),
                                          dynamics.LookAheadSamples, sampleRate);
    dynamics.DecaySteps = DecayStepsFromStored(SettingsByteAt(block, offset + DynamicsDecayField));
}

void ReadSpeaker(Bytes block, int offset, DynamicsSetting& dynamics) {
    dynamics.LoadImpedance =
        ImpedanceFromStored(SettingsWordAt(block, offset + SpeakerImpedanceField));
    dynamics.SpeakerMaxPower =
        SpeakerMaxPowerFromStored(SettingsWordAt(block, offset + SpeakerMaxPowerField));
    dynamics.AmpMaxPower = AmpMaxPowerFromStored(SettingsWordAt(block, offset + AmpMaxPowerField));
    dynamics.AmpGain = AmpGainFromStored(SettingsByteAt(block, offset + AmpGainField));
    dynamics.Balanced = FlagFromStored(SettingsByteAt(block, offset + BalancedField)) ? 1 : 0;
}

void ReadHalf(Bytes block, const SettingsHalf& half, Configuration& config) {
    const int sampleRate = UsableSampleRate(config.SampleRate);
    for (int position = 1; position <= 3; ++position) {
        const int output = OutputAt(half.Dsp, position);
        OutputChannel& channel = config.Output(output);
        for (int band = 1; band <= BandCountOf(output); ++band) {
            ReadBand(block, BandRecordOffset(half, position, band), channel.Band(band));
        }
        ReadLevel(block, LevelRecordOffset(half, position), channel.Level);
        // SetRoute cycles from code - 1, which also recomputes the route factors.
        SetRoute(
            config, output,
            RouteFromStored(SettingsByteAt(block, half.Base + HalfRoutesOffset + position - 1)));
    }
    for (int index = 0; index < 3; ++index) {
        const int output = half.CrossoverOutputs[static_cast<std::size_t>(index)];
        ReadCrossover(block, CrossoverRecordOffset(half, index), config.Output(output).Crossover);
        const int distanceOutput = half.DistanceOutputs[static_cast<std::size_t>(index)];
        config.Output(distanceOutput).Delay.RelativeDistanceSamples = RelativeDistanceFromStored(
            SettingsByteAt(block, half.Base + HalfDistancesOffset + index));
    }
    config.TemperatureC =
        TemperatureFromStored(SettingsByteAt(block, half.Base + HalfTemperatureOffset));
    for (int index = 0; index < 2; ++index) {
        const int number = half.DynamicsBlocks[static_cast<std::size_t>(index)];
        DynamicsSetting& dynamics = config.Block(number);
        ReadDynamics(block, DynamicsRecordOffset(half, index), number == 3, sampleRate, dynamics);
        ReadSpeaker(block, SpeakerRecordOffset(half, index), dynamics);
    }
    SubFeedCoefficients& feed = config.SubFeed[static_cast<std::size_t>(half.Dsp - 1)];
    const int feedBase = half.Base + HalfSubFeedOffset;
    feed.P = SubFeedFromStored(SettingsByteAt(block, feedBase));
    feed.Q = SubFeedFromStored(SettingsByteAt(block, feedBase + 1));
    feed.R = SubFeedFromStored(SettingsByteAt(block, feedBase + 2));
    feed.S = SubFeedFromStored(SettingsByteAt(block, feedBase + 3));
}

void ReadGates(Bytes block, bool hasGates, Configuration& config) {
    for (int number = 1; number <= DynamicsBlockCount; ++number) {
        DynamicsSetting& dynamics = config.Block(number);
        dynamics.NoiseGatePosition =
            hasGates
                ? GatePositionFromStored(SettingsByteAt(block, GatePositionsOffset + number - 1))
                : GatePositionWithoutGateBytes;
        dynamics.NoiseGateSlope =
            hasGates ? GateSlopeFromStored(SettingsByteAt(block, GateSlopesOffset + number - 1))
                     : GateSlopeWithoutGateBytes;
    }
}

} // namespace

void DecodeSettingsBlock(std::span<const std::uint8_t, SettingsBlockSize> block, bool hasGates,
                         Configuration& config) {
    for (const SettingsHalf& half : SettingsHalves) {
        ReadHalf(block, half, config);
    }
    ReadGates(block, hasGates, config);
}

} // namespace quorvex
