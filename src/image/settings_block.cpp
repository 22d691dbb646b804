#include "image/settings_block.h"

#include "config/configuration.h"
#include "config/rounding.h"
#include "image/settings_fields.h"
#include "image/settings_number.h"

#include <cstddef>

namespace quorvex {

namespace {

using Bytes = SettingsBlockBytes;

void PutBand(Bytes& block, int offset, const PeqBand& band) {
    PutSettingsByte(block, offset + BandTypeField, StoredBandType(band.FilterType));
    PutSettingsWord(block, offset + BandFrequencyField, StoredFrequency(band.Frequency));
    PutSettingsWord(block, offset + BandGainField, StoredBandGain(band.Gain));
    PutSettingsByte(block, offset + BandQField, StoredBandQ(band.Q));
}

void PutCrossover(Bytes& block, int offset, const CrossoverSetting& crossover) {
    PutSettingsByte(block, offset + CrossoverLowPassFamilyField, crossover.LowPass.Family);
    PutSettingsWord(block, offset + CrossoverLowPassFrequencyField,
                    StoredFrequency(crossover.LowPass.Frequency));
    PutSettingsByte(block, offset + CrossoverLowPassOrderField, crossover.LowPass.Order);
    PutSettingsByte(block, offset + CrossoverSoloHighPassField, crossover.SoloHighPass ? 1 : 0);
    PutSettingsByte(block, offset + CrossoverHighPassFamilyField, crossover.HighPass.Family);
    PutSettingsWord(block, offset + CrossoverHighPassFrequencyField,
                    StoredFrequency(crossover.HighPass.Frequency));
    PutSettingsByte(block, offset + CrossoverHighPassOrderField, crossover.HighPass.Order);
    PutSettingsByte(block, offset + CrossoverSoloLowPassField, crossover.SoloLowPass ? 1 : 0);
}

void PutLevel(Bytes& block, int offset, const LevelSetting& level) {
    PutSettingsWord(block, offset + LevelPositionField, StoredLevelPosition(level.GainDb));
    PutSettingsByte(block, offset + LevelMuteField, level.Muted ? 1 : 0);
    PutSettingsByte(block, offset + LevelPolarityField, level.PolarityInverted ? 1 : 0);
}

void PutDynamics(Bytes& block, int offset, const DynamicsSetting& dynamics, bool subBlock,
                 int sampleRate) {
    PutSignedSettingsByte(block, offset + DynamicsThresholdField,
                          StoredThreshold(dynamics.ThresholdDb, subBlock));
    PutSettingsByte(block, offset + DynamicsRatioField, StoredRatio(dynamics.Ratio));
    PutSettingsByte(block, offset + DynamicsKneeField, StoredKnee(dynamics.KneeDb));
    PutSettingsByte(block, offset + DynamicsCompressorField, dynamics.CompressorMode != 0 ? 1 : 0);
    PutSettingsByte(block, offset + DynamicsBypassField, dynamics.Bypass == 1 ? 1 : 0);
    PutSettingsByte(block, offset + DynamicsAttackField,
                    StoredAttack(dynamics.RmsCoefficient, sampleRate));
    PutSettingsByte(block, offset + DynamicsLookAheadField,
                    StoredLookAhead(dynamics.LookAheadSamples, sampleRate));
    PutSignedSettingsByte(block, offset + DynamicsHoldField,
                          StoredHold(dynamics.HoldSamples, dynamics.LookAheadSamples, sampleRate));
    PutSettingsByte(block, offset + DynamicsDecayField, StoredRelease(dynamics.DecaySteps));
}

void PutSpeaker(Bytes& block, int offset, const DynamicsSetting& dynamics) {
    PutSettingsWord(block, offset + SpeakerImpedanceField, StoredImpedance(dynamics.LoadImpedance));
    PutSettingsWord(block, offset + SpeakerMaxPowerField, RoundHalfEven(dynamics.SpeakerMaxPower));
    PutSettingsWord(block, offset + AmpMaxPowerField, RoundHalfEven(dynamics.AmpMaxPower));
    PutSettingsByte(block, offset + AmpGainField, RoundHalfEven(dynamics.AmpGain));
    PutSettingsByte(block, offset + BalancedField, dynamics.Balanced == 1 ? 1 : 0);
}

void PutHalf(Bytes& block, const SettingsHalf& half, const Configuration& config) {
    const int sampleRate = UsableSampleRate(config.SampleRate);
    for (int position = 1; position <= 3; ++position) {
        const int output = OutputAt(half.Dsp, position);
        const OutputChannel& channel = config.Output(output);
        for (int band = 1; band <= BandCountOf(output); ++band) {
            PutBand(block, BandRecordOffset(half, position, band), channel.Band(band));
        }
        PutLevel(block, LevelRecordOffset(half, position), channel.Level);
        PutSettingsByte(block, DelayByteOffset(half, position),
                        StoredDelay(channel.Delay.DelaySamples));
        PutSettingsByte(block, half.Base + HalfRoutesOffset + position - 1,
                        config.Route[static_cast<std::size_t>(output - 1)]);
    }
    for (int index = 0; index < 3; ++index) {
        const int output = half.CrossoverOutputs[static_cast<std::size_t>(index)];
        PutCrossover(block, CrossoverRecordOffset(half, index), config.Output(output).Crossover);
        const int distanceOutput = half.DistanceOutputs[static_cast<std::size_t>(index)];
        PutSettingsByte(block, half.Base + HalfDistancesOffset + index,
                        config.Output(distanceOutput).Delay.RelativeDistanceSamples);
    }
    PutSettingsByte(block, half.Base + HalfTemperatureOffset, config.TemperatureC);
    for (int index = 0; index < 2; ++index) {
        const int number = half.DynamicsBlocks[static_cast<std::size_t>(index)];
        const DynamicsSetting& dynamics = config.Block(number);
        PutDynamics(block, DynamicsRecordOffset(half, index), dynamics, number == 3, sampleRate);
        PutSpeaker(block, SpeakerRecordOffset(half, index), dynamics);
    }
    const SubFeedCoefficients& feed = config.SubFeed[static_cast<std::size_t>(half.Dsp - 1)];
    const std::array<double, 4> feedValues{feed.P, feed.Q, feed.R, feed.S};
    for (int k = 0; k < 4; ++k) {
        PutSettingsByte(block, half.Base + HalfSubFeedOffset + k,
                        StoredSubFeed(feedValues[static_cast<std::size_t>(k)]));
    }
}

void PutGates(Bytes& block, const Configuration& config) {
    for (int number = 1; number <= DynamicsBlockCount; ++number) {
        const DynamicsSetting& dynamics = config.Block(number);
        PutSettingsByte(block, GatePositionsOffset + number - 1,
                        RoundHalfEven(dynamics.NoiseGatePosition));
        PutSettingsByte(block, GateSlopesOffset + number - 1,
                        RoundHalfEven(dynamics.NoiseGateSlope));
    }
}

} // namespace

SettingsBlockBytes BuildSettingsBlock(const Configuration& config) {
    SettingsBlockBytes block{};
    for (const SettingsHalf& half : SettingsHalves) {
        PutHalf(block, half, config);
    }
    PutGates(block, config);
    return block;
}

} // namespace quorvex
