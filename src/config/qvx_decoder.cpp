#include "config/qvx_decoder.h"

#include "config/byte_reader.h"
#include "config/configuration.h"
#include "config/field_ranges.h"
#include "config/qvx_layout.h"
#include "config/route.h"
#include "config/sub_feed.h"

#include <algorithm>

namespace quorvex {

namespace {

using namespace qvx;

std::optional<double> Tenths(const std::optional<std::int32_t>& stored) {
    if (!stored) {
        return std::nullopt;
    }
    return *stored / 10.0;
}

std::optional<double> SubFeedCoefficient(const std::optional<std::int32_t>& stored) {
    const std::optional<double> value = Tenths(stored);
    if (!value) {
        return std::nullopt;
    }
    return SubFeedCoefficientOf(*value);
}

void ReadBand(const ByteReader& in, std::size_t offset, PeqBand& band) {
    AssignWithin(band.Gain, in.Double(offset + BandGain), field_range::BandGainDb);
    AssignWithin(band.Frequency, in.Double(offset + BandFrequency), field_range::BandFrequency);
    AssignWithin(band.Q, in.Double(offset + BandQ), field_range::BandQ);
    AssignIfPresent(band.FilterType, in.Byte(offset + BandFilterType));
}

void ReadCrossover(const ByteReader& in, std::size_t offset, CrossoverSetting& crossover) {
    AssignWithin(crossover.HighPass.Frequency, in.Single(offset + CrossoverHighPassFrequency),
                 field_range::CrossoverFrequency);
    AssignWithin(crossover.LowPass.Frequency, in.Single(offset + CrossoverLowPassFrequency),
                 field_range::CrossoverFrequency);
    AssignWithin(crossover.LowPass.Order, in.Int32(offset + CrossoverLowPassOrder),
                 field_range::CrossoverOrder);
    AssignWithin(crossover.HighPass.Order, in.Int32(offset + CrossoverHighPassOrder),
                 field_range::CrossoverOrder);
    AssignIfPresent(crossover.LowPass.Family, in.Byte(offset + CrossoverLowPassFamily));
    AssignIfPresent(crossover.HighPass.Family, in.Byte(offset + CrossoverHighPassFamily));
}

void ReadDynamics(const ByteReader& in, std::size_t offset, int block, int sampleRate,
                  DynamicsSetting& dynamics) {
    AssignWithin(dynamics.ThresholdDb, in.Single(offset + DynamicsThreshold),
                 field_range::ThresholdDb(block));
    AssignWithin(dynamics.Ratio, in.Single(offset + DynamicsRatio), field_range::Ratio);
    AssignIfFinite(dynamics.MakeupGainDb, in.Single(offset + DynamicsMakeupGain));
    AssignWithin(dynamics.RmsCoefficient, in.Single(offset + DynamicsRmsCoefficient),
                 field_range::RmsCoefficient(sampleRate));
    AssignWithin(dynamics.HoldSamples, in.Int32(offset + DynamicsHoldSamples),
                 field_range::HoldSamples);
    AssignWithin(dynamics.DecaySteps, in.Int32(offset + DynamicsDecaySteps),
                 field_range::DecaySteps);
    AssignWithin(dynamics.LookAheadSamples, in.Int32(offset + DynamicsLookAheadSamples),
                 field_range::LookAheadSamples);
    AssignIfPresent(dynamics.ExtraFlag, in.Byte(offset + DynamicsExtraFlag));
    AssignIfPresent(dynamics.CompressorMode, in.Byte(offset + DynamicsCompressorMode));
    AssignWithin(dynamics.KneeDb, in.Single(offset + DynamicsKnee), field_range::KneeDb);
    AssignIfPresent(dynamics.Balanced, in.Byte(offset + DynamicsBalanced));
    AssignIfPresent(dynamics.Decimation, in.Byte(offset + DynamicsDecimation));
    AssignIfPresent(dynamics.Bypass, in.Byte(offset + DynamicsBypass));
    AssignIfFinite(dynamics.XdBmaxLimit, in.Single(offset + DynamicsXdBmaxLimit));
    AssignWithin(dynamics.AmpGain, in.Single(offset + DynamicsAmpGain), field_range::AmpGain);
    AssignWithin(dynamics.LoadImpedance, in.Single(offset + DynamicsLoadImpedance),
                 field_range::LoadImpedance);
    AssignWithin(dynamics.SpeakerMaxPower, in.Single(offset + DynamicsSpeakerMaxPower),
                 field_range::SpeakerMaxPower);
    AssignWithin(dynamics.AmpMaxPower, in.Single(offset + DynamicsAmpMaxPower),
                 field_range::AmpMaxPower);
    AssignWithin(dynamics.SpeakerCountIndex, in.Int32(offset + DynamicsSpeakerCountIndex),
                 field_range::SpeakerCountIndex);
}

/// What the reader stores for a route code so that one CycleRoute brings the code back:
/// code - 1, taken from the code modulo 3 so that no stored value can overflow.
std::int32_t StoredRouteOf(std::int32_t code) {
    return ((code % 3) + 3) % 3 - 1;
}

} // namespace

void ReadVersionAndHeader(std::span<const std::uint8_t> record, Configuration& config) {
    const ByteReader in(record);
    auto& info = config.SystemInfo;
    AssignIfPresent(info.ProjectName, in.Text(ProjectNameOffset, ProjectNameCapacity));
    AssignIfPresent(info.Engineer, in.Text(EngineerOffset, EngineerCapacity));
    AssignIfPresent(info.Comments, in.Text(CommentsOffset, CommentsCapacity));
    AssignIfPresent(info.SystemName, in.Text(SystemNameOffset, SystemNameCapacity));
    if (const auto temperature = in.Int32(TemperatureOffset)) {
        config.TemperatureC = ClampedTo(*temperature, field_range::TemperatureC);
    }
    int index = 0;
    for (auto& name : config.InputNames) {
        AssignIfPresent(name, in.Text(NameOffset(index++), ChannelNameCapacity));
    }
    for (auto& name : config.OutputNames) {
        AssignIfPresent(name, in.Text(NameOffset(index++), ChannelNameCapacity));
    }
    for (int output = 1; output <= OutputCount; ++output) {
        AssignWithin(config.Output(output).Delay.DelaySamples,
                     in.Int32(ElementOffset(DelaySamplesOffset, output, 4)),
                     field_range::DelaySamples);
    }
}

void ReadPeqs(std::span<const std::uint8_t> record, Configuration& config) {
    const ByteReader in(record);
    for (int output = 1; output <= OutputCount; ++output) {
        for (int band = 1; band <= BandCountOf(output); ++band) {
            ReadBand(in, BandRecordOffset(output, band), config.Output(output).Band(band));
        }
    }
}

void ReadGainsAndPolarity(std::span<const std::uint8_t> record, Configuration& config) {
    const ByteReader in(record);
    for (int output = 1; output <= OutputCount; ++output) {
        LevelSetting& level = config.Output(output).Level;
        AssignIfPresent(level.PolarityInverted,
                        in.Boolean(ElementOffset(PolarityOffset, output, 1)));
        AssignIfPresent(level.Muted, in.Boolean(ElementOffset(MuteOffset, output, 1)));
        level.PolaritySign = level.PolarityInverted ? -1.0F : 1.0F;
        level.MuteFactor = level.Muted ? 0.0 : 1.0;
    }
    for (int output = 1; output <= OutputCount; ++output) {
        AssignIfFinite(config.Output(output).Level.GainFactor,
                       in.Double(ElementOffset(GainFactorOffset, output, 8)));
    }
}

void ReadCrossOvers(std::span<const std::uint8_t> record, Configuration& config) {
    const ByteReader in(record);
    for (int output = 1; output <= OutputCount; ++output) {
        ReadCrossover(in, ElementOffset(CrossoverOffset, output, CrossoverRecordSize),
                      config.Output(output).Crossover);
    }
    for (int output = 1; output <= OutputCount; ++output) {
        CrossoverSetting& crossover = config.Output(output).Crossover;
        AssignIfPresent(crossover.SoloHighPass,
                        in.Boolean(ElementOffset(SoloHighPassOffset, output, 1)));
        AssignIfPresent(crossover.SoloLowPass,
                        in.Boolean(ElementOffset(SoloLowPassOffset, output, 1)));
    }
}

void ReadDinamics(std::span<const std::uint8_t> record, Configuration& config) {
    const ByteReader in(record);
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        ReadDynamics(in, ElementOffset(DynamicsOffset, block, DynamicsRecordSize), block,
                     config.SampleRate, config.Block(block));
    }
}

void ReadSubRoute(std::span<const std::uint8_t> record, Configuration& config) {
    const ByteReader in(record);
    for (int output = 1; output <= OutputCount; ++output) {
        const auto index = static_cast<std::size_t>(output - 1);
        if (const auto code = in.Int32(ElementOffset(RouteOffset, output, 4))) {
            config.Route[index] = StoredRouteOf(*code);
        }
        AssignIfPresent(config.RouteGainA[index],
                        Tenths(in.Int32(ElementOffset(RouteGainAOffset, output, 4))));
        AssignIfPresent(config.RouteGainB[index],
                        Tenths(in.Int32(ElementOffset(RouteGainBOffset, output, 4))));
    }
    for (int dsp = 1; dsp <= DspCount; ++dsp) {
        SubFeedCoefficients& feed = config.SubFeed[static_cast<std::size_t>(dsp - 1)];
        AssignIfPresent(feed.P,
                        SubFeedCoefficient(in.Int32(ElementOffset(SubFeedPOffset, dsp, 4))));
        AssignIfPresent(feed.Q,
                        SubFeedCoefficient(in.Int32(ElementOffset(SubFeedQOffset, dsp, 4))));
        AssignIfPresent(feed.R,
                        SubFeedCoefficient(in.Int32(ElementOffset(SubFeedROffset, dsp, 4))));
        AssignIfPresent(feed.S,
                        SubFeedCoefficient(in.Int32(ElementOffset(SubFeedSOffset, dsp, 4))));
    }
    ResponseViewFlags& view = config.ResponseView;
    AssignIfPresent(view.SpeakerDataView, in.Boolean(ResponseViewOffset + 0));
    AssignIfPresent(view.PeqView, in.Boolean(ResponseViewOffset + 1));
    AssignIfPresent(view.CrossoverView, in.Boolean(ResponseViewOffset + 2));
    AssignIfPresent(view.GainView, in.Boolean(ResponseViewOffset + 3));
    AssignIfPresent(view.DelayView, in.Boolean(ResponseViewOffset + 4));
}

void ReadImportFileRoute(std::span<const std::uint8_t> record, Configuration& config) {
    const ByteReader in(record);
    for (int output = 1; output <= OutputCount; ++output) {
        AssignIfPresent(config.Output(output).SpeakerFile,
                        in.Text(ElementOffset(SpeakerFileOffset, output, SpeakerFileFieldSize),
                                SpeakerFileCapacity));
    }
    AssignIfPresent(config.ImportFormat, in.Int32(ImportFormatOffset));
    AssignWithin(config.ImportReferenceLevel, in.Single(ImportReferenceLevelOffset),
                 field_range::ImportReferenceLevel);
    for (int output = 1; output <= OutputCount; ++output) {
        AssignWithin(config.Output(output).Delay.RelativeDistanceSamples,
                     in.Int32(ElementOffset(RelativeDistanceOffset, output, 4)),
                     field_range::RelativeDistanceSamples);
    }
    const bool hasGates = record.size() >= RecordSize;
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        DynamicsSetting& dynamics = config.Block(block);
        dynamics.NoiseGatePosition = OlderFileGatePosition;
        dynamics.NoiseGateSlope = OlderFileGateSlope;
        if (hasGates) {
            AssignWithin(dynamics.NoiseGatePosition,
                         in.Int32(ElementOffset(GatePositionOffset, block, 4)),
                         field_range::NoiseGatePosition);
            AssignWithin(dynamics.NoiseGateSlope,
                         in.Int32(ElementOffset(GateSlopeOffset, block, 4)),
                         field_range::NoiseGateSlope);
        }
    }
}

QvxRecordKind LoadConfigurationRecord(std::span<const std::uint8_t> record, Configuration& config,
                                      const QvxReadProgress& progress) {
    const QvxRecordKind kind = ClassifyQvxRecord(record);
    if (kind == QvxRecordKind::NotQuorvex) {
        return kind;
    }
    for (const QvxReadStep& step : QvxReadSteps) {
        if (progress) {
            progress(step.Percent, step.Text);
        }
        step.Read(record, config);
    }
    for (int output = 1; output <= OutputCount; ++output) {
        CycleRoute(config, output);
    }
    return kind;
}

} // namespace quorvex
