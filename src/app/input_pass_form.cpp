#include "app/input_pass_form.h"

#include "app/dialogs.h"
#include "app/main_form.h"
#include "app/program.h"
#include "link/message_loop.h"

namespace quorvex {

namespace {

constexpr int UnlockPumps = 100;

} // namespace

TInputPassForm::TInputPassForm(Program& program) : program_(program) {}

void TInputPassForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    FormActivate();
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
    program_.Processor().MemoryMinimum = protection_.MinimumMemory();
    // The selector keeps its value inside its range: protecting again lifts 1..20 to 21.
    program_.Main().NProgramSpinChange(program_.Processor().MemoryNumber);
    if (unlocked) {
        program_.Services().MessagePump.Run(UnlockPumps);
        program_.Services().DialogBoxes.ShowMessage(MessageKind::Information, MessageButtons::Ok,
                                                    UnprotectedText);
    }
}

} // namespace quorvex
