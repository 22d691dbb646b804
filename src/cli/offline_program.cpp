#include "cli/offline_program.h"

#include "app/main_form.h"
#include "app/open_workflow.h"

namespace quorvex {

OfflineProgram::OfflineProgram(std::ostream& err)
    : dialogs_(err), progress_(err, false), program_(dialogs_, progress_, pump_) {}

void OfflineProgram::New() {
    program_.Main().ResetConfiguration();
}

bool OfflineProgram::Open(const std::string& path) {
    dialogs_.OpenPaths.push_back(path);
    return OpenConfiguration(program_) == OpenOutcome::Loaded;
}

bool OfflineProgram::Save(const std::string& path) {
    dialogs_.SavePaths.push_back(path);
    return program_.Main().SaveButtonClick();
}

} // namespace quorvex
