#include "sheet/print_sheet.h"

#include "app/dialogs.h"
#include "app/program.h"
#include "sheet/settings_sheet.h"
#include "sheet/sheet_pdf.h"

namespace quorvex {

bool PrintSheetClick(Program& program) {
    FileDialogRequest request;
    request.Title = std::string(PrintSheetTitle);
    request.Filter = std::string(PrintSheetFilter);
    request.DefaultExtension = "pdf";
    request.ProposedName = program.Doc().Config.SystemInfo.SystemName + ".pdf";
    request.ConfirmOverwrite = true;
    const auto path = program.Services().DialogBoxes.ChooseSaveFile(request);
    if (!path) {
        return false;
    }
    const auto error = WriteSheetPdf(ComposeSettingsSheet(program), *path);
    if (error) {
        program.Services().DialogBoxes.ShowMessage(MessageKind::Error, MessageButtons::Ok,
                                                   std::string(PrintSheetFailure) + *error);
        return false;
    }
    return true;
}

} // namespace quorvex
