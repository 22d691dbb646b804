#include "app/system_info_form.h"

#include "app/document.h"
#include "app/field_format.h"
#include "config/new_configuration.h"

namespace quorvex {

TSystemInfoForm::TSystemInfoForm(Document& doc) : doc_(doc) {
    ResetSystemInfo(doc_.Config);
    Reset();
}

void TSystemInfoForm::Reset() {
    HandlerScope scope(changed_);
    SystemName = doc_.Config.SystemInfo.SystemName;
    ProjectName.clear();
    Engineer.clear();
    Comments.clear();
}

void TSystemInfoForm::SystemNameChange(std::string_view text) {
    HandlerScope scope(changed_);
    SystemName = LimitedText(text, SystemNameCapacity);
    doc_.Config.SystemInfo.SystemName = SystemName;
}

void TSystemInfoForm::ProjectNameChange(std::string_view text) {
    HandlerScope scope(changed_);
    ProjectName = LimitedText(text, ProjectNameCapacity);
    doc_.Config.SystemInfo.ProjectName = ProjectName;
}

void TSystemInfoForm::EngineerChange(std::string_view text) {
    HandlerScope scope(changed_);
    Engineer = LimitedText(text, EngineerCapacity);
    doc_.Config.SystemInfo.Engineer = Engineer;
}

void TSystemInfoForm::CommentsChange(std::string_view text) {
    HandlerScope scope(changed_);
    Comments = LimitedText(text, CommentsCapacity);
    doc_.Config.SystemInfo.Comments = Comments;
}

} // namespace quorvex
