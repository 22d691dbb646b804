#include "app/change_description.h"

#include "config/configuration.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorvex {

namespace {

/// One changed field; an adjustment is a value the editor moved onto its control's step
/// (less than one step), which no person makes.
struct Change {
    std::string Name;
    bool Adjustment = false;
};
using Names = std::vector<Change>;

template <typename T> void Note(Names& names, const T& before, const T& after, std::string name) {
    if (!(before == after)) {
        names.push_back({std::move(name), false});
    }
}

/// The controls' steps: 1 Hz, 0.1 dB, 0.1.
constexpr double FrequencyStep = 1.0;
constexpr double GainStep = 0.1;
constexpr double QStep = 0.1;

void NoteValue(Names& names, double before, double after, double step, std::string name) {
    if (before != after) {
        names.push_back({std::move(name), std::abs(after - before) < step * 0.999});
    }
}

std::string BandName(int output, int band, const char* field) {
    return OutputLabel(output) + " band " + std::to_string(band) + " " + field;
}

bool SameEdge(const CrossoverSection& a, const CrossoverSection& b) {
    return a.Frequency == b.Frequency && a.Order == b.Order && a.Family == b.Family;
}

void NoteOutput(Names& names, int output, const OutputChannel& a, const OutputChannel& b) {
    const std::string label = OutputLabel(output);
    Note(names, a.BandsInUse, b.BandsInUse, label + " bands in use");
    for (int band = 1; band <= BandCountOf(output); ++band) {
        const PeqBand& x = a.Band(band);
        const PeqBand& y = b.Band(band);
        Note(names, x.FilterType, y.FilterType, BandName(output, band, "type"));
        NoteValue(names, x.Frequency, y.Frequency, FrequencyStep,
                  BandName(output, band, "frequency"));
        NoteValue(names, x.Gain, y.Gain, GainStep, BandName(output, band, "gain"));
        NoteValue(names, x.Q, y.Q, QStep, BandName(output, band, "Q"));
    }
    if (!SameEdge(a.Crossover.HighPass, b.Crossover.HighPass)) {
        names.push_back(Change{label + " high pass"});
    }
    if (!SameEdge(a.Crossover.LowPass, b.Crossover.LowPass)) {
        names.push_back(Change{label + " low pass"});
    }
    Note(names, a.Crossover.SoloHighPass, b.Crossover.SoloHighPass, label + " high pass only");
    Note(names, a.Crossover.SoloLowPass, b.Crossover.SoloLowPass, label + " low pass only");
    Note(names, a.Level.GainDb, b.Level.GainDb, label + " level");
    Note(names, a.Level.PolarityInverted, b.Level.PolarityInverted, label + " polarity");
    Note(names, a.Level.Muted, b.Level.Muted, label + " mute");
    Note(names, a.Delay.DelaySamples, b.Delay.DelaySamples, label + " delay");
    Note(names, a.Delay.RelativeDistanceSamples, b.Delay.RelativeDistanceSamples,
         label + " distance");
    Note(names, a.SpeakerFile, b.SpeakerFile, label + " speaker data");
}

std::string BlockLabel(int block) {
    return block == 1 ? "Out1/Out2 dynamics" : block == 2 ? "Out3/Out4 dynamics" : "SUB dynamics";
}

void NoteDynamics(Names& names, int block, const DynamicsSetting& a, const DynamicsSetting& b) {
    const std::string label = BlockLabel(block) + " ";
    Note(names, a.ThresholdDb, b.ThresholdDb, label + "threshold");
    Note(names, a.Ratio, b.Ratio, label + "ratio");
    Note(names, a.KneeDb, b.KneeDb, label + "knee");
    Note(names, a.CompressorMode, b.CompressorMode, label + "mode");
    Note(names, a.Bypass, b.Bypass, label + "bypass");
    Note(names, a.RmsCoefficient, b.RmsCoefficient, label + "attack");
    Note(names, a.HoldSamples, b.HoldSamples, label + "hold");
    Note(names, a.DecaySteps, b.DecaySteps, label + "release");
    Note(names, a.LookAheadSamples, b.LookAheadSamples, label + "look-ahead");
    const bool sameGate =
        a.NoiseGatePosition == b.NoiseGatePosition && a.NoiseGateSlope == b.NoiseGateSlope;
    if (!sameGate) {
        names.push_back(Change{label + "noise gate"});
    }
    const bool sameSpeaker = a.LoadImpedance == b.LoadImpedance &&
                             a.SpeakerMaxPower == b.SpeakerMaxPower && a.AmpGain == b.AmpGain &&
                             a.AmpMaxPower == b.AmpMaxPower && a.Balanced == b.Balanced &&
                             a.SpeakerCountIndex == b.SpeakerCountIndex;
    if (!sameSpeaker) {
        names.push_back(Change{label + "speaker and amplifier"});
    }
}

bool SameFeed(const SubFeedCoefficients& a, const SubFeedCoefficients& b) {
    return a.P == b.P && a.Q == b.Q && a.R == b.R && a.S == b.S;
}

bool SameViews(const ResponseViewFlags& a, const ResponseViewFlags& b) {
    return a.SpeakerDataView == b.SpeakerDataView && a.PeqView == b.PeqView &&
           a.CrossoverView == b.CrossoverView && a.GainView == b.GainView &&
           a.DelayView == b.DelayView;
}

Names ChangedFields(const Configuration& a, const Configuration& b) {
    Names names;
    Note(names, a.SystemInfo.SystemName, b.SystemInfo.SystemName, "system name");
    Note(names, a.SystemInfo.ProjectName, b.SystemInfo.ProjectName, "project name");
    Note(names, a.SystemInfo.Engineer, b.SystemInfo.Engineer, "engineer");
    Note(names, a.SystemInfo.Comments, b.SystemInfo.Comments, "comments");
    for (int input = 0; input < InputCount; ++input) {
        Note(names, a.InputNames[static_cast<std::size_t>(input)],
             b.InputNames[static_cast<std::size_t>(input)],
             "In" + std::to_string(input + 1) + " name");
    }
    for (int output = 1; output <= OutputCount; ++output) {
        const auto index = static_cast<std::size_t>(output - 1);
        Note(names, a.OutputNames[index], b.OutputNames[index], OutputLabel(output) + " name");
        Note(names, a.Route[index], b.Route[index], OutputLabel(output) + " route");
        NoteOutput(names, output, a.Output(output), b.Output(output));
    }
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        NoteDynamics(names, block, a.Block(block), b.Block(block));
    }
    for (std::size_t dsp = 0; dsp < a.SubFeed.size(); ++dsp) {
        if (!SameFeed(a.SubFeed[dsp], b.SubFeed[dsp])) {
            names.push_back({"DSP " + std::to_string(dsp + 1) + " sub feed"});
        }
    }
    Note(names, a.TemperatureC, b.TemperatureC, "temperature");
    if (!SameViews(a.ResponseView, b.ResponseView)) {
        names.push_back({"response views"});
    }
    Note(names, a.ImportFormat, b.ImportFormat, "import format");
    Note(names, a.ImportReferenceLevel, b.ImportReferenceLevel, "import reference level");
    return names;
}

} // namespace

std::string OutputLabel(int output) {
    return output <= 4 ? "Out" + std::to_string(output) : "SUB" + std::to_string(output - 4);
}

std::string DescribeChange(const Configuration& before, const Configuration& after) {
    Names names = ChangedFields(before, after);
    // What the person changed names the step; the editor's own adjustments ride along.
    if (std::any_of(names.begin(), names.end(), [](const Change& c) { return !c.Adjustment; })) {
        std::erase_if(names, [](const Change& c) { return c.Adjustment; });
    }
    if (names.empty()) {
        return "";
    }
    const std::string& first = names.front().Name;
    // Fields of one band that follow its type (the Q a type change brings onto the field's
    // step) are part of the type's change.
    const std::string band = first.substr(0, first.rfind(' ') + 1);
    const bool oneBand = band.find(" band ") != std::string::npos &&
                         std::all_of(names.begin(), names.end(), [&](const Change& change) {
                             return change.Name.rfind(band, 0) == 0;
                         });
    if (names.size() == 1 || oneBand) {
        return first;
    }
    return first + " and " + std::to_string(names.size() - 1) + " more";
}

bool IsOnlyAdjustment(const Configuration& before, const Configuration& after) {
    const Names names = ChangedFields(before, after);
    return !names.empty() &&
           std::all_of(names.begin(), names.end(), [](const Change& c) { return c.Adjustment; });
}

} // namespace quorvex
