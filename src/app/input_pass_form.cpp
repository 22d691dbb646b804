#include "app/input_pass_form.h"

#include "app/dialogs.h"
#include "app/processor_connection.h"
#include "link/message_loop.h"

namespace quorvex {

namespace {

constexpr int UnlockPumps = 100;

} // namespace

TInputPassForm::TInputPassForm(ProcessorConnection& processor, Dialogs& dialogs, MessageLoop& pump)
    : processor_(processor), dialogs_(dialogs), pump_(pump) {}

void TInputPassForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    FormActivate();
}

void TInputPassForm::Show(std::function<void()> memoryRangeChanged) {
    HandlerScope scope(changed_);
    memoryRangeChanged_ = std::move(memoryRangeChanged);
    Show();
}

void TInputPassForm::FormActivate() {
    HandlerScope scope(changed_);
    PasswordEdit.clear();
}

void TInputPassForm::PasswordEditChange(std::string_view text) {
    HandlerScope scope(changed_);
    PasswordEdit = std::string(text.substr(0, CodeCapacity));
}

void TInputPassForm::PasswordEditEnter() {
    HandlerScope scope(changed_);
    const bool unlocked = protection_.EnterCode(PasswordEdit);
    Close();
    processor_.MemoryMinimum = protection_.MinimumMemory();
    // The selector keeps its value inside its range: protecting again lifts 1..20 to 21.
    if (memoryRangeChanged_) {
        memoryRangeChanged_();
    }
    if (unlocked) {
        pump_.Run(UnlockPumps);
        dialogs_.ShowMessage(MessageKind::Information, MessageButtons::Ok, UnprotectedText);
    }
}

} // namespace quorvex
