#include "app/final_response_form.h"
#include "cli/offline_commands.h"
#include "cli/offline_program.h"
#include "cli/response_csv.h"
#include "cli/response_view.h"

#include <algorithm>

namespace quorvex {

namespace {

const CommandSyntax ResponseSyntax{{"--stage", "--views"}, {"--phase"}, 1, 1};
constexpr std::array<std::string_view, OutputCount + 1> Headers{"out1", "out2", "out3", "out4",
                                                                "out5", "out6", "sum"};

/// A stage kept per output: magnitude in dB or the phase in radians as the engine keeps it.
std::vector<ResponseColumn> StageColumns(const std::array<FrequencyResponse, OutputCount>& stage,
                                         bool phase) {
    std::vector<ResponseColumn> columns(OutputCount);
    for (std::size_t output = 0; output < columns.size(); ++output) {
        columns[output].Header = Headers[output];
        const auto& values = phase ? stage[output].Phase : stage[output].Magnitude;
        std::copy_n(values.begin(), GridPointCount, columns[output].Values.begin());
    }
    return columns;
}

/// The combined response as its window draws it once opened, with the view flags of `views`.
std::vector<ResponseColumn> FinalColumns(Program& program, const std::optional<std::string>& views,
                                         bool phase) {
    TFinalResponseForm& window = program.FinalResponse();
    // Opening the window is what reads the dynamics look-ahead into its delay term.
    window.Show();
    SetFinalResponseView(window, views, phase);
    std::vector<ResponseColumn> columns(TFinalResponseForm::CurveCount);
    for (std::size_t curve = 0; curve < columns.size(); ++curve) {
        columns[curve].Header = Headers[curve];
        columns[curve].Values = window.Curves[curve];
    }
    return columns;
}

} // namespace

int RunResponseCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err) {
    const auto line = ParseCommandArguments(ResponseUsage, arguments, ResponseSyntax, err);
    if (!line) {
        return ExitUsage;
    }
    const auto stage = line->Option("--stage");
    const auto views = line->Option("--views");
    if (const auto error = ResponseViewError(stage, views)) {
        return UsageError(ResponseUsage, *error, err);
    }
    OfflineProgram program(err);
    if (!program.Open(line->Positional[0])) {
        return ExitFailure;
    }
    const bool phase = line->Has("--phase");
    const std::vector<ResponseColumn> columns =
        *stage == "eq"      ? StageColumns(program.App().Doc().EqualiserResponse, phase)
        : *stage == "xover" ? StageColumns(program.App().Doc().CrossoverResponse, phase)
                            : FinalColumns(program.App(), views, phase);
    WriteResponseCsv(columns, out);
    return ExitSuccess;
}

} // namespace quorvex
