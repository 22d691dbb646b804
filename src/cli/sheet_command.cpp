#include "cli/sheet_command.h"

#include "app/final_response_form.h"
#include "app/peq_form.h"
#include "app/xover_form.h"
#include "cli/gui_application.h"
#include "cli/offline_program.h"
#include "sheet/settings_sheet.h"
#include "sheet/sheet_pdf.h"

namespace quorvex {

namespace {

const CommandSyntax SheetSyntax{{"-o"}, {}, 1, 1};

/// The plots' windows opened in magnitude, so their curves are drawn as `qvx plot` draws them.
void OpenPlotWindows(Program& program) {
    program.Peq().Show();
    program.Peq().MagClick();
    program.Xover().Show();
    program.Xover().MagnClick();
    program.FinalResponse().Show();
}

} // namespace

int RunSheetCommand(const CommandArguments& arguments, std::ostream&, std::ostream& err) {
    const auto line = ParseCommandArguments(SheetUsage, arguments, SheetSyntax, err);
    if (!line) {
        return ExitUsage;
    }
    const auto output = line->Option("-o");
    if (!output) {
        return UsageError(SheetUsage, "missing -o", err);
    }
    bool available = false;
    const auto application = GuiApplication(available);
    if (!available) {
        return Failure("the sheet needs a GUI application", err);
    }
    OfflineProgram program(err);
    if (!program.Open(line->Positional[0])) {
        return ExitFailure;
    }
    OpenPlotWindows(program.App());
    const auto error = WriteSheetPdf(ComposeSettingsSheet(program.App()), *output);
    return error ? Failure(*error, err) : ExitSuccess;
}

} // namespace quorvex
