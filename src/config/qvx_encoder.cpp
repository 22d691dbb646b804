#include "config/qvx_encoder.h"

#include "config/byte_writer.h"
#include "config/configuration.h"
#include "config/rounding.h"

#include <string>

namespace quorvex {

namespace {

using namespace qvx;

void WriteIdentity(ByteWriter& out, std::string_view path) {
    out.Text(SignatureOffset, SignatureCapacity, SignatureText);
    out.Text(VersionOffset, VersionCapacity, VersionText);
    std::string header(HeaderText);
    header.append(path);
    out.Text(HeaderOffset, HeaderCapacity, header);
}

void WriteSystemInfo(ByteWriter& out, const Configuration& config) {
    const auto& info = config.SystemInfo;
    out.Text(SystemNameOffset, SystemNameCapacity, info.SystemName);
    out.Text(ProjectNameOffset, ProjectNameCapacity, info.ProjectName);
    out.Text(EngineerOffset, EngineerCapacity, info.Engineer);
    out.Text(CommentsOffset, CommentsCapacity, info.Comments);
    out.Int32(SampleRateOffset, config.SampleRate);
    out.Int32(TemperatureOffset, config.TemperatureC);
}

void WriteNames(ByteWriter& out, const Configuration& config) {
    int index = 0;
    for (const auto& name : config.InputNames) {
        out.Text(NameOffset(index++), ChannelNameCapacity, name);
    }
    for (const auto& name : config.OutputNames) {
        out.Text(NameOffset(index++), ChannelNameCapacity, name);
    }
}

void WriteBand(ByteWriter& out, std::size_t offset, const PeqBand& band) {
    out.Double(offset + BandGain, band.Gain);
    out.Double(offset + BandFrequency, band.Frequency);
    out.Double(offset + BandQ, band.Q);
    out.Byte(offset + BandFilterType, band.FilterType);
}

void WriteCrossover(ByteWriter& out, std::size_t offset, const CrossoverSetting& crossover) {
    out.Single(offset + CrossoverHighPassFrequency, NarrowToSingle(crossover.HighPass.Frequency));
    out.Single(offset + CrossoverLowPassFrequency, NarrowToSingle(crossover.LowPass.Frequency));
    out.Int32(offset + CrossoverLowPassOrder, crossover.LowPass.Order);
    out.Int32(offset + CrossoverHighPassOrder, crossover.HighPass.Order);
    out.Byte(offset + CrossoverLowPassFamily, crossover.LowPass.Family);
    out.Byte(offset + CrossoverHighPassFamily, crossover.HighPass.Family);
}

void WriteOutputs(ByteWriter& out, const Configuration& config) {
    for (int output = 1; output <= OutputCount; ++output) {
        const OutputChannel& channel = config.Output(output);
        out.Int32(ElementOffset(DelaySamplesOffset, output, 4), channel.Delay.DelaySamples);
        out.Int32(ElementOffset(BandsInUseOffset, output, 4), channel.BandsInUse);
        for (int band = 1; band <= BandCountOf(output); ++band) {
            WriteBand(out, BandRecordOffset(output, band), channel.Band(band));
        }
        out.Double(ElementOffset(GainFactorOffset, output, 8), channel.Level.GainFactor);
        out.Boolean(ElementOffset(PolarityOffset, output, 1), channel.Level.PolarityInverted);
        out.Boolean(ElementOffset(MuteOffset, output, 1), channel.Level.Muted);
        WriteCrossover(out, ElementOffset(CrossoverOffset, output, CrossoverRecordSize),
                       channel.Crossover);
        out.Boolean(ElementOffset(SoloHighPassOffset, output, 1), channel.Crossover.SoloHighPass);
        out.Boolean(ElementOffset(SoloLowPassOffset, output, 1), channel.Crossover.SoloLowPass);
        out.Text(ElementOffset(SpeakerFileOffset, output, SpeakerFileFieldSize),
                 SpeakerFileCapacity, channel.SpeakerFile);
        out.Int32(ElementOffset(RelativeDistanceOffset, output, 4),
                  channel.Delay.RelativeDistanceSamples);
    }
}

void WriteDynamics(ByteWriter& out, std::size_t offset, const DynamicsSetting& dynamics) {
    out.Single(offset + DynamicsThreshold, dynamics.ThresholdDb);
    out.Single(offset + DynamicsRatio, dynamics.Ratio);
    out.Single(offset + DynamicsMakeupGain, dynamics.MakeupGainDb);
    out.Single(offset + DynamicsRmsCoefficient, NarrowToSingle(dynamics.RmsCoefficient));
    out.Int32(offset + DynamicsHoldSamples, dynamics.HoldSamples);
    out.Int32(offset + DynamicsDecaySteps, dynamics.DecaySteps);
    out.Int32(offset + DynamicsLookAheadSamples, dynamics.LookAheadSamples);
    out.Byte(offset + DynamicsExtraFlag, dynamics.ExtraFlag);
    out.Byte(offset + DynamicsCompressorMode, dynamics.CompressorMode);
    out.Single(offset + DynamicsKnee, dynamics.KneeDb);
    out.Byte(offset + DynamicsBalanced, dynamics.Balanced);
    out.Byte(offset + DynamicsDecimation, dynamics.Decimation);
    out.Byte(offset + DynamicsBypass, dynamics.Bypass);
    out.Single(offset + DynamicsXdBmaxLimit, dynamics.XdBmaxLimit);
    out.Single(offset + DynamicsAmpGain, dynamics.AmpGain);
    out.Single(offset + DynamicsLoadImpedance, dynamics.LoadImpedance);
    out.Single(offset + DynamicsSpeakerMaxPower, dynamics.SpeakerMaxPower);
    out.Single(offset + DynamicsAmpMaxPower, dynamics.AmpMaxPower);
    out.Int32(offset + DynamicsSpeakerCountIndex, dynamics.SpeakerCountIndex);
}

void WriteDynamicsBlocks(ByteWriter& out, const Configuration& config) {
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        const DynamicsSetting& dynamics = config.Block(block);
        WriteDynamics(out, ElementOffset(DynamicsOffset, block, DynamicsRecordSize), dynamics);
        out.Int32(ElementOffset(GatePositionOffset, block, 4),
                  RoundHalfEven(dynamics.NoiseGatePosition));
        out.Int32(ElementOffset(GateSlopeOffset, block, 4), RoundHalfEven(dynamics.NoiseGateSlope));
    }
}

std::int32_t Tenths(double value) {
    return RoundHalfEven(10.0 * value);
}

void WriteRouting(ByteWriter& out, const Configuration& config) {
    for (int output = 1; output <= OutputCount; ++output) {
        const auto index = static_cast<std::size_t>(output - 1);
        out.Int32(ElementOffset(RouteOffset, output, 4), config.Route[index]);
        out.Int32(ElementOffset(RouteGainAOffset, output, 4), Tenths(config.RouteGainA[index]));
        out.Int32(ElementOffset(RouteGainBOffset, output, 4), Tenths(config.RouteGainB[index]));
    }
    for (int dsp = 1; dsp <= DspCount; ++dsp) {
        const SubFeedCoefficients& feed = config.SubFeed[static_cast<std::size_t>(dsp - 1)];
        out.Int32(ElementOffset(SubFeedPOffset, dsp, 4), Tenths(feed.P));
        out.Int32(ElementOffset(SubFeedQOffset, dsp, 4), Tenths(feed.Q));
        out.Int32(ElementOffset(SubFeedROffset, dsp, 4), Tenths(feed.R));
        out.Int32(ElementOffset(SubFeedSOffset, dsp, 4), Tenths(feed.S));
    }
}

void WriteImportSettings(ByteWriter& out, const Configuration& config) {
    const ResponseViewFlags& view = config.ResponseView;
    out.Boolean(ResponseViewOffset + 0, view.SpeakerDataView);
    out.Boolean(ResponseViewOffset + 1, view.PeqView);
    out.Boolean(ResponseViewOffset + 2, view.CrossoverView);
    out.Boolean(ResponseViewOffset + 3, view.GainView);
    out.Boolean(ResponseViewOffset + 4, view.DelayView);
    out.Int32(ImportFormatOffset, config.ImportFormat);
    out.Single(ImportReferenceLevelOffset, config.ImportReferenceLevel);
}

} // namespace

QvxRecord EncodeConfigurationRecord(const Configuration& config, std::string_view path) {
    QvxRecord record{};
    ByteWriter out(record);
    WriteIdentity(out, path);
    WriteSystemInfo(out, config);
    WriteNames(out, config);
    WriteOutputs(out, config);
    WriteDynamicsBlocks(out, config);
    WriteRouting(out, config);
    WriteImportSettings(out, config);
    return record;
}

} // namespace quorvex
