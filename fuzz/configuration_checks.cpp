#include "configuration_checks.h"

#include "fuzz_check.h"

#include "config/configuration.h"
#include "config/field_ranges.h"
#include "config/level_setting.h"

#include <cmath>
#include <string>

namespace quorvex::fuzz {

namespace {

template <typename Number, typename Limit> bool Within(Number value, FieldRange<Limit> range) {
    return std::isfinite(static_cast<long double>(value)) && value >= range.Lowest &&
           value <= range.Highest;
}

template <typename Number> bool Finite(Number value) {
    return std::isfinite(static_cast<long double>(value));
}

bool Fits(const std::string& text, int capacity) {
    return text.size() <= static_cast<std::size_t>(capacity);
}

void RequireUsableTexts(const Configuration& config) {
    Require(Fits(config.SystemInfo.SystemName, SystemNameCapacity), "system name fits its field");
    Require(Fits(config.SystemInfo.ProjectName, ProjectNameCapacity), "project fits its field");
    Require(Fits(config.SystemInfo.Engineer, EngineerCapacity), "engineer fits its field");
    Require(Fits(config.SystemInfo.Comments, CommentsCapacity), "comments fit their field");
    for (const std::string& name : config.InputNames) {
        Require(Fits(name, ChannelNameCapacity), "input name fits its field");
    }
    for (const std::string& name : config.OutputNames) {
        Require(Fits(name, ChannelNameCapacity), "output name fits its field");
    }
}

void RequireUsableOutput(const OutputChannel& output) {
    for (const PeqBand& band : output.Bands()) {
        Require(Within(band.Gain, field_range::BandGainDb), "band gain in range");
        Require(Within(band.Frequency, field_range::BandFrequency), "band frequency in range");
        Require(Within(band.Q, field_range::BandQ), "band Q in range");
    }
    const CrossoverSetting& crossover = output.Crossover;
    for (const CrossoverSection* section : {&crossover.HighPass, &crossover.LowPass}) {
        Require(Within(section->Frequency, field_range::CrossoverFrequency),
                "crossover frequency in range");
        Require(Within(section->Order, field_range::CrossoverOrder), "crossover order in range");
    }
    // The slider's top position reads +6.1 dB from an image; the field then shows +6.0.
    Require(Within(output.Level.GainDb,
                   FieldRange<double>{LevelDbFromPosition(LevelSliderMax), LevelDbFromPosition(0)}),
            "level within the slider's range");
    Require(Finite(output.Level.GainFactor), "gain factor finite");
    Require(output.Level.PolaritySign == (output.Level.PolarityInverted ? -1.0F : 1.0F),
            "polarity sign follows its button");
    Require(Within(output.Delay.DelaySamples, field_range::DelaySamples), "delay in range");
    Require(Within(output.Delay.RelativeDistanceSamples, field_range::RelativeDistanceSamples),
            "relative distance in range");
    Require(Fits(output.SpeakerFile, SpeakerFileCapacity), "speaker file fits its field");
}

void RequireUsableDynamics(const DynamicsSetting& dynamics, int block, int sampleRate) {
    Require(Within(dynamics.ThresholdDb, field_range::ThresholdDb(block)), "threshold in range");
    Require(Within(dynamics.Ratio, field_range::Ratio), "ratio in range");
    Require(Finite(dynamics.MakeupGainDb), "makeup gain finite");
    Require(Within(dynamics.RmsCoefficient, field_range::RmsCoefficient(sampleRate)),
            "RMS coefficient in range");
    Require(Within(dynamics.HoldSamples, field_range::HoldSamples), "hold in range");
    Require(Within(dynamics.DecaySteps, field_range::DecaySteps), "release in range");
    Require(Within(dynamics.LookAheadSamples, field_range::LookAheadSamples),
            "look-ahead in range");
    Require(Within(dynamics.KneeDb, field_range::KneeDb), "knee in range");
    Require(Finite(dynamics.XdBmaxLimit), "XdBmax finite");
    Require(Within(dynamics.NoiseGatePosition, field_range::NoiseGatePosition),
            "gate position in range");
    Require(Within(dynamics.NoiseGateSlope, field_range::NoiseGateSlope), "gate slope in range");
    Require(Within(dynamics.LoadImpedance, field_range::LoadImpedance), "load in range");
    Require(Within(dynamics.SpeakerMaxPower, field_range::SpeakerMaxPower),
            "speaker power in range");
    Require(Within(dynamics.AmpGain, field_range::AmpGain), "amplifier gain in range");
    Require(Within(dynamics.AmpMaxPower, field_range::AmpMaxPower), "amplifier power in range");
    Require(Within(dynamics.SpeakerCountIndex, field_range::SpeakerCountIndex),
            "speaker count in range");
}

} // namespace

void RequireUsableConfiguration(const Configuration& config) {
    Require(config.SampleRate == ProcessorSampleRate, "the processor's sample rate");
    Require(config.TemperatureC >= 0 && config.TemperatureC <= 50, "temperature in range");
    RequireUsableTexts(config);
    for (std::size_t i = 0; i < config.Outputs.size(); ++i) {
        RequireUsableOutput(config.Outputs[i]);
        Require(config.Route[i] >= 0 && config.Route[i] <= 2, "route code in range");
        Require(Finite(config.RouteGainA[i]) && Finite(config.RouteGainB[i]),
                "route factors finite");
    }
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        RequireUsableDynamics(config.Block(block), block, config.SampleRate);
    }
    for (const SubFeedCoefficients& feed : config.SubFeed) {
        for (const double value : {feed.P, feed.Q, feed.R, feed.S}) {
            Require(value == 0.0 || value == 1.0, "sub feed is a switch");
        }
    }
    Require(Within(config.ImportReferenceLevel, field_range::ImportReferenceLevel),
            "import reference level in range");
}

} // namespace quorvex::fuzz
