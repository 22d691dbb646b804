#include "cli/plot_command.h"

#include "app/final_response_form.h"
#include "app/peq_form.h"
#include "app/xover_form.h"
#include "cli/gui_application.h"
#include "cli/offline_program.h"
#include "cli/response_view.h"
#include "config/whole_file.h"
#include "graphs/editor_graphs.h"
#include "plot/graph_export.h"

namespace quorvex {

namespace {

const CommandSyntax PlotSyntax{{"--stage", "--views", "-o"}, {"--phase"}, 1, 1};

GraphContent StageGraph(Program& program, const std::string& stage,
                        const std::optional<std::string>& views, bool phase) {
    if (stage == "eq") {
        TPEQForm& window = program.Peq();
        window.Show();
        if (phase) {
            window.PhaseClick();
        } else {
            window.MagClick();
        }
        return EqualiserGraph(window, program.Doc().Config.OutputNames);
    }
    if (stage == "xover") {
        TXOVERForm& window = program.Xover();
        window.Show();
        if (phase) {
            window.PhasClick();
        } else {
            window.MagnClick();
        }
        return CrossoverGraph(window, program.Doc().Config.OutputNames);
    }
    TFinalResponseForm& window = program.FinalResponse();
    window.Show();
    SetFinalResponseView(window, views, phase);
    return FinalResponseGraph(window);
}

} // namespace

int RunPlotCommand(const CommandArguments& arguments, std::ostream&, std::ostream& err) {
    const auto line = ParseCommandArguments(PlotUsage, arguments, PlotSyntax, err);
    if (!line) {
        return ExitUsage;
    }
    const auto stage = line->Option("--stage");
    const auto views = line->Option("--views");
    if (const auto error = ResponseViewError(stage, views)) {
        return UsageError(PlotUsage, *error, err);
    }
    const auto output = line->Option("-o");
    if (!output) {
        return UsageError(PlotUsage, "missing -o", err);
    }
    const auto format = GraphFileFormatFor(QString::fromStdString(*output));
    if (!format) {
        return UsageError(PlotUsage, "-o must name a .png, .svg or .pdf file", err);
    }
    bool available = false;
    const auto application = GuiApplication(available);
    if (!available) {
        return Failure("plots need a GUI application", err);
    }
    OfflineProgram program(err);
    if (!program.Open(line->Positional[0])) {
        return ExitFailure;
    }
    const GraphContent graph = StageGraph(program.App(), *stage, views, line->Has("--phase"));
    const QByteArray bytes = RenderGraphFile(graph, PlotFileSize, *format);
    if (bytes.isEmpty()) {
        return Failure("the plot could not be drawn", err);
    }
    const auto error = ReplaceFileContents(
        *output, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size())));
    return error ? Failure(*error, err) : ExitSuccess;
}

} // namespace quorvex
