#include "cli/configuration_json.h"

#include "cli/json_writer.h"
#include "config/configuration.h"
#include "engine/engine_objects.h"

namespace quorvex {

namespace {

template <typename Range, typename Write>
void Array(JsonWriter& json, const Range& values, Write write) {
    json.BeginArray();
    for (const auto& value : values) {
        write(value);
    }
    json.EndArray();
}

void WriteBand(JsonWriter& json, const PeqBand& band) {
    json.BeginObject();
    json.Key("FilterType");
    json.Integer(band.FilterType);
    json.Key("Gain");
    json.Real(band.Gain);
    json.Key("Frequency");
    json.Real(band.Frequency);
    json.Key("Q");
    json.Real(band.Q);
    json.EndObject();
}

void WriteCrossoverSection(JsonWriter& json, const CrossoverSection& section) {
    json.BeginObject();
    json.Key("Frequency");
    json.Real(section.Frequency);
    json.Key("Order");
    json.Integer(section.Order);
    json.Key("Family");
    json.Integer(section.Family);
    json.EndObject();
}

void WriteCrossover(JsonWriter& json, const CrossoverSetting& crossover) {
    json.BeginObject();
    json.Key("HighPass");
    WriteCrossoverSection(json, crossover.HighPass);
    json.Key("LowPass");
    WriteCrossoverSection(json, crossover.LowPass);
    json.Key("SoloHighPass");
    json.Boolean(crossover.SoloHighPass);
    json.Key("SoloLowPass");
    json.Boolean(crossover.SoloLowPass);
    json.EndObject();
}

void WriteLevel(JsonWriter& json, const LevelSetting& level) {
    json.BeginObject();
    json.Key("GainDb");
    json.Real(level.GainDb);
    json.Key("PolarityInverted");
    json.Boolean(level.PolarityInverted);
    json.Key("PolaritySign");
    json.Real(level.PolaritySign);
    json.Key("GainFactor");
    json.Real(level.GainFactor);
    json.Key("Muted");
    json.Boolean(level.Muted);
    json.Key("MuteFactor");
    json.Real(level.MuteFactor);
    json.EndObject();
}

void WriteOutput(JsonWriter& json, const OutputChannel& output) {
    json.BeginObject();
    json.Key("Bands");
    Array(json, output.Bands(), [&](const PeqBand& band) { WriteBand(json, band); });
    json.Key("BandsInUse");
    json.Integer(output.BandsInUse);
    json.Key("Crossover");
    WriteCrossover(json, output.Crossover);
    json.Key("Level");
    WriteLevel(json, output.Level);
    json.Key("Delay");
    json.BeginObject();
    json.Key("DelaySamples");
    json.Integer(output.Delay.DelaySamples);
    json.Key("RelativeDistanceSamples");
    json.Integer(output.Delay.RelativeDistanceSamples);
    json.EndObject();
    json.Key("SpeakerFile");
    json.String(output.SpeakerFile);
    json.EndObject();
}

void WriteDynamics(JsonWriter& json, const DynamicsSetting& block, const TDYNAMIC& designed) {
    const auto real = [&](const char* key, double value) {
        json.Key(key);
        json.Real(value);
    };
    const auto integer = [&](const char* key, std::int64_t value) {
        json.Key(key);
        json.Integer(value);
    };
    json.BeginObject();
    real("ThresholdDb", block.ThresholdDb);
    real("Ratio", block.Ratio);
    real("MakeupGainDb", block.MakeupGainDb);
    real("RmsCoefficient", static_cast<double>(block.RmsCoefficient));
    integer("HoldSamples", block.HoldSamples);
    integer("DecaySteps", block.DecaySteps);
    integer("LookAheadSamples", block.LookAheadSamples);
    integer("CompressorMode", block.CompressorMode);
    real("KneeDb", block.KneeDb);
    integer("Bypass", block.Bypass);
    integer("Decimation", block.Decimation);
    real("XdBmaxLimit", block.XdBmaxLimit);
    real("NoiseGatePosition", block.NoiseGatePosition);
    real("NoiseGateSlope", block.NoiseGateSlope);
    real("LoadImpedance", block.LoadImpedance);
    real("SpeakerMaxPower", block.SpeakerMaxPower);
    real("AmpGain", block.AmpGain);
    real("AmpMaxPower", block.AmpMaxPower);
    integer("Balanced", block.Balanced);
    integer("SpeakerCountIndex", block.SpeakerCountIndex);
    integer("ExtraFlag", block.ExtraFlag);
    json.Key("GainTable");
    Array(json, designed.GainTable,
          [&](long double gain) { json.Real(static_cast<double>(gain)); });
    json.EndObject();
}

void WriteSubFeed(JsonWriter& json, const SubFeedCoefficients& feed) {
    json.BeginObject();
    json.Key("P");
    json.Real(feed.P);
    json.Key("Q");
    json.Real(feed.Q);
    json.Key("R");
    json.Real(feed.R);
    json.Key("S");
    json.Real(feed.S);
    json.EndObject();
}

void WriteViews(JsonWriter& json, const ResponseViewFlags& views) {
    json.BeginObject();
    json.Key("SpeakerDataView");
    json.Boolean(views.SpeakerDataView);
    json.Key("PeqView");
    json.Boolean(views.PeqView);
    json.Key("CrossoverView");
    json.Boolean(views.CrossoverView);
    json.Key("GainView");
    json.Boolean(views.GainView);
    json.Key("DelayView");
    json.Boolean(views.DelayView);
    json.EndObject();
}

void WriteSystemInfo(JsonWriter& json, const SystemInfo& info) {
    json.BeginObject();
    json.Key("SystemName");
    json.String(info.SystemName);
    json.Key("ProjectName");
    json.String(info.ProjectName);
    json.Key("Engineer");
    json.String(info.Engineer);
    json.Key("Comments");
    json.String(info.Comments);
    json.EndObject();
}

} // namespace

std::string ConfigurationJson(const Configuration& config, const EngineObjects& engine) {
    JsonWriter json;
    const auto strings = [&](const auto& values) {
        Array(json, values, [&](const std::string& text) { json.String(text); });
    };
    const auto integers = [&](const auto& values) {
        Array(json, values, [&](std::int32_t value) { json.Integer(value); });
    };
    const auto reals = [&](const auto& values) {
        Array(json, values, [&](double value) { json.Real(value); });
    };

    json.BeginObject();
    json.Key("SystemInfo");
    WriteSystemInfo(json, config.SystemInfo);
    json.Key("SampleRate");
    json.Integer(config.SampleRate);
    json.Key("TemperatureC");
    json.Integer(config.TemperatureC);
    json.Key("InputNames");
    strings(config.InputNames);
    json.Key("OutputNames");
    strings(config.OutputNames);
    json.Key("Route");
    integers(config.Route);
    json.Key("RouteGainA");
    reals(config.RouteGainA);
    json.Key("RouteGainB");
    reals(config.RouteGainB);
    json.Key("Outputs");
    Array(json, config.Outputs, [&](const OutputChannel& output) { WriteOutput(json, output); });
    json.Key("Dynamics");
    json.BeginArray();
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        WriteDynamics(json, config.Block(block), engine.Block(block));
    }
    json.EndArray();
    json.Key("SubFeed");
    Array(json, config.SubFeed, [&](const SubFeedCoefficients& feed) { WriteSubFeed(json, feed); });
    json.Key("ResponseView");
    WriteViews(json, config.ResponseView);
    json.Key("ImportFormat");
    json.Integer(config.ImportFormat);
    json.Key("ImportReferenceLevel");
    json.Real(config.ImportReferenceLevel);
    json.EndObject();
    return json.Text();
}

} // namespace quorvex
