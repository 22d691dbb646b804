#include "sheet/settings_sheet.h"

#include "app/change_description.h"
#include "app/dynamic_form.h"
#include "app/editor_fields.h"
#include "app/field_format.h"
#include "app/final_response_form.h"
#include "app/gains_form.h"
#include "app/peq_form.h"
#include "app/program.h"
#include "app/xover_form.h"
#include "config/dynamics_times.h"
#include "engine/delay_conversions.h"
#include "engine/tdynamic.h"
#include "graphs/editor_graphs.h"

#include <array>
#include <string_view>

namespace quorvex {

namespace {

constexpr std::string_view SheetTitle = "Quorvex settings sheet";
constexpr std::string_view Yes = "yes";
constexpr std::string_view No = "no";
// The main window's route switch shows the input that feeds the output.
constexpr std::array<std::string_view, 3> RouteNames{"A", "A+B", "B"};
constexpr int FirstCustomCrossoverFamily = 7;

std::string Name(std::string_view text) {
    return std::string(text);
}

std::string RouteName(std::int32_t code) {
    return code >= 0 && code < static_cast<std::int32_t>(RouteNames.size())
               ? Name(RouteNames[static_cast<std::size_t>(code)])
               : "?";
}

/// The comments field keeps its lines apart with CR LF: one row each.
std::vector<std::string> CommentLines(const std::string& comments) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= comments.size()) {
        const std::size_t end = comments.find('\n', start);
        std::string line = comments.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

SheetTable SystemTable(const Program& program) {
    const Configuration& config = program.Doc().Config;
    SheetTable table{"System", {"", ""}, {}};
    table.Rows.push_back({"System name", config.SystemInfo.SystemName});
    table.Rows.push_back({"Project", config.SystemInfo.ProjectName});
    table.Rows.push_back({"Engineer", config.SystemInfo.Engineer});
    const std::vector<std::string> comments = CommentLines(config.SystemInfo.Comments);
    for (std::size_t line = 0; line < comments.size(); ++line) {
        table.Rows.push_back({line == 0 ? "Comments" : "", comments[line]});
    }
    table.Rows.push_back({"Memory", std::to_string(program.Processor().MemoryNumber)});
    table.Rows.push_back({"Temperature", std::to_string(config.TemperatureC) + " ºC"});
    table.Rows.push_back({"Sample rate", std::to_string(config.SampleRate) + " Hz"});
    for (int input = 1; input <= InputCount; ++input) {
        table.Rows.push_back({"Input " + Name(input == 1 ? "A" : "B"),
                              config.InputNames[static_cast<std::size_t>(input - 1)]});
    }
    return table;
}

SheetTable OutputsTable(Program& program) {
    const Configuration& config = program.Doc().Config;
    const TGainsForm& levels = program.Gains();
    SheetTable table{"Outputs", {"Output", "Name", "Route", "Level dB", "Polarity", "Mute"}, {}};
    for (int output = 1; output <= OutputCount; ++output) {
        const auto index = static_cast<std::size_t>(output - 1);
        const OutputChannel& channel = config.Output(output);
        table.Rows.push_back({OutputLabel(output), config.OutputNames[index],
                              RouteName(config.Route[index]), levels.GainText[index],
                              channel.Level.PolarityInverted ? "inverted" : "normal",
                              channel.Level.Muted ? "MUTE" : ""});
    }
    return table;
}

SheetTable MeasurementsTable(const Configuration& config) {
    SheetTable table{"Measurement files", {"Output", "File"}, {}};
    for (int output = 1; output <= OutputCount; ++output) {
        const std::string& file = config.Output(output).SpeakerFile;
        table.Rows.push_back({OutputLabel(output), file.empty() ? "none" : file});
    }
    return table;
}

SheetTable DelaysTable(const Configuration& config) {
    SheetTable table{"Delays at " + std::to_string(config.TemperatureC) + " ºC",
                     {"Output", "Samples", "ms", "cm", "Speaker distance cm"},
                     {}};
    for (int output = 1; output <= OutputCount; ++output) {
        const DelaySetting& delay = config.Output(output).Delay;
        const std::int32_t samples = delay.DelaySamples;
        table.Rows.push_back(
            {OutputLabel(output), std::to_string(samples),
             FormatFixed(DelayMsFromSamples(samples), 2),
             FormatFixed(DistanceCmFromSamples(samples, config.TemperatureC), 1),
             FormatFixed(DistanceCmFromSamples(delay.RelativeDistanceSamples, config.TemperatureC),
                         1)});
    }
    return table;
}

/// The family list's entry of a stored code; the per-section-Q designs have none and show
/// as the crossover summary marks them.
std::string FamilyName(std::uint8_t family) {
    if (family >= FirstCustomCrossoverFamily) {
        return Name(TXOVERForm::SummaryCustom);
    }
    return Name(TXOVERForm::FamilyNames[static_cast<std::size_t>((family + 1) / 2)]);
}

void AddEdge(std::vector<std::string>& row, const CrossoverSection& section, bool off) {
    row.push_back(off ? "off" : FamilyName(section.Family));
    row.push_back(std::to_string(section.Order));
    row.push_back(FormatFixed(section.Frequency, 0));
}

SheetTable CrossoversTable(const Configuration& config) {
    SheetTable table{
        "Crossovers", {"Output", "High pass", "Order", "Hz", "Low pass", "Order", "Hz"}, {}};
    for (int output = 1; output <= OutputCount; ++output) {
        const CrossoverSetting& crossover = config.Output(output).Crossover;
        std::vector<std::string> row{OutputLabel(output)};
        AddEdge(row, crossover.HighPass, crossover.SoloLowPass);
        AddEdge(row, crossover.LowPass, crossover.SoloHighPass);
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::string BandType(std::uint8_t code) {
    return code < TPEQForm::TypeNames.size() ? Name(TPEQForm::TypeNames[code]) : "";
}

SheetTable EqualiserTable(const Configuration& config, int output) {
    SheetTable table{"Equaliser " + OutputLabel(output) + " (" +
                         config.OutputNames[static_cast<std::size_t>(output - 1)] + ")",
                     {"Band", "Type", "Frequency Hz", "Gain dB", "Q"},
                     {}};
    const OutputChannel& channel = config.Output(output);
    for (int band = 1; band <= channel.BandCount; ++band) {
        const PeqBand& values = channel.Band(band);
        table.Rows.push_back({std::to_string(band), BandType(values.FilterType),
                              FormatFixed(values.Frequency, 0), FormatFixed(values.Gain, 1),
                              FormatFixed(values.Q, 1)});
    }
    return table;
}

SheetTable DynamicsTable(const Configuration& config) {
    SheetTable table{"Dynamics", {""}, {}};
    for (const std::string_view name : TDynamicform::BlockNames) {
        table.Columns.push_back(Name(name));
    }
    const auto row = [&](std::string label, auto text) {
        std::vector<std::string> cells{std::move(label)};
        for (int block = 1; block <= DynamicsBlockCount; ++block) {
            cells.push_back(text(config.Block(block), block));
        }
        table.Rows.push_back(std::move(cells));
    };
    row("Mode", [](const DynamicsSetting& s, int) {
        return Name(s.CompressorMode == 1 ? "compressor" : "limiter");
    });
    row("Bypass", [](const DynamicsSetting& s, int) { return Name(s.Bypass == 1 ? Yes : No); });
    row("Threshold dBu", [](const DynamicsSetting& s, int block) {
        return TDynamicform::ThresholdText(s.ThresholdDb + DbuOffsetOfBlock(block));
    });
    row("Ratio", [](const DynamicsSetting& s, int) { return TDynamicform::RatioText(s.Ratio); });
    row("Knee dB", [](const DynamicsSetting& s, int) { return TDynamicform::KneeText(s.KneeDb); });
    row("Attack dB/s", [](const DynamicsSetting& s, int) {
        return FormatTwoDigits(AttackFromRmsCoefficient(s.RmsCoefficient, ProcessorSampleRate));
    });
    row("Hold ms", [](const DynamicsSetting& s, int) {
        return FormatTwoDigits(MsFromSamples(s.HoldSamples, ProcessorSampleRate));
    });
    row("Release dB/s", [](const DynamicsSetting& s, int) {
        return FormatTwoDigits(ReleaseFromDecaySteps(s.DecaySteps));
    });
    row("Look-ahead ms", [](const DynamicsSetting& s, int) {
        return FormatFixed(MsFromSamples(s.LookAheadSamples, ProcessorSampleRate), 2);
    });
    row("Noise gate",
        [](const DynamicsSetting& s, int) { return FormatTwoDigits(s.NoiseGatePosition); });
    row("Gate slope",
        [](const DynamicsSetting& s, int) { return FormatTwoDigits(s.NoiseGateSlope); });
    return table;
}

} // namespace

SettingsSheet ComposeSettingsSheet(Program& program) {
    const Configuration& config = program.Doc().Config;
    SettingsSheet sheet;
    sheet.Title = Name(SheetTitle) + ": " + config.SystemInfo.SystemName;
    sheet.Tables.push_back(SystemTable(program));
    sheet.Tables.push_back(OutputsTable(program));
    sheet.Tables.push_back(CrossoversTable(config));
    sheet.Tables.push_back(DelaysTable(config));
    sheet.Tables.push_back(DynamicsTable(config));
    sheet.Tables.push_back(MeasurementsTable(config));
    for (int output = 1; output <= OutputCount; ++output) {
        sheet.Tables.push_back(EqualiserTable(config, output));
    }
    sheet.Graphs.push_back(EqualiserGraph(program.Peq(), program.Doc().Config.OutputNames));
    sheet.Graphs.push_back(CrossoverGraph(program.Xover(), program.Doc().Config.OutputNames));
    sheet.Graphs.push_back(FinalResponseGraph(program.FinalResponse()));
    return sheet;
}

} // namespace quorvex
