#pragma once

#include "app/change_signal.h"

#include "link/memory_protection.h"

#include <functional>
#include <string>
#include <string_view>

namespace quorvex {

class Dialogs;
class MessageLoop;
struct ProcessorConnection;

/// The access-code dialog opened from the main window's logo: the right code lets memories
/// 1..20 be chosen and written, any other code protects them again without a word.
class TInputPassForm {
public:
    static constexpr std::string_view Caption = "P a s s W o r d";
    static constexpr std::string_view UnprotectedText =
        "Unprotected System. Now you can write in all the memories";
    static constexpr int CodeCapacity = 4;

    TInputPassForm(ProcessorConnection& processor, Dialogs& dialogs, MessageLoop& pump);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    std::string PasswordEdit; ///< what was typed; the window shows it masked with '*'

    /// Shown modally; the field starts empty.
    void Show();
    /// The main window's request: the window shown, `memoryRangeChanged` told once a code
    /// has been entered (the lowest memory may have moved).
    void Show(std::function<void()> memoryRangeChanged);
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    void FormActivate();
    /// A change of the field; at most four characters are kept.
    void PasswordEditChange(std::string_view text);
    /// Enter in the field: the typed code is taken.
    void PasswordEditEnter();

    const MemoryProtection& Protection() const { return protection_; }

private:
    ProcessorConnection& processor_;
    Dialogs& dialogs_;
    MessageLoop& pump_;
    ChangeSignal changed_;
    std::function<void()> memoryRangeChanged_;
    MemoryProtection protection_;
};

} // namespace quorvex
