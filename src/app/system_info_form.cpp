#include "app/system_info_form.h"

#include "app/field_format.h"
#include "app/main_form.h"
#include "app/program.h"
#include "config/new_configuration.h"

namespace quorvex {

TSystemInfoForm::TSystemInfoForm(Program& program) : program_(program) {
    ResetSystemInfo(program_.Doc().Config);
    Reset();
}

void TSystemInfoForm::Reset() {
    HandlerScope scope(changed_);
    SystemName = program_.Main().SystemName;
    ProjectName.clear();
    Engineer.clear();
    Comments.clear();
}

void TSystemInfoForm::SystemNameChange(std::string_view text) {
    HandlerScope scope(changed_);
    SystemName = LimitedText(text, SystemNameCapacity);
    program_.Doc().Config.SystemInfo.SystemName = SystemName;
    if (program_.Main().SystemName != SystemName) {
        program_.Main().SystemNameChange(SystemName);
    }
}

void TSystemInfoForm::ProjectNameChange(std::string_view text) {
    HandlerScope scope(changed_);
    ProjectName = LimitedText(text, ProjectNameCapacity);
    program_.Doc().Config.SystemInfo.ProjectName = ProjectName;
}

void TSystemInfoForm::EngineerChange(std::string_view text) {
    HandlerScope scope(changed_);
    Engineer = LimitedText(text, EngineerCapacity);
    program_.Doc().Config.SystemInfo.Engineer = Engineer;
}

void TSystemInfoForm::CommentsChange(std::string_view text) {
    HandlerScope scope(changed_);
    Comments = LimitedText(text, CommentsCapacity);
    program_.Doc().Config.SystemInfo.Comments = Comments;
}

} // namespace quorvex
