#pragma once

// The dialogs, progress window and message pump of a benchmark: nothing to show, nothing to wait
// for, so only the program's own work is timed.

#include "app/dialogs.h"
#include "app/progress.h"
#include "link/message_loop.h"

namespace quorvex::bench {

class SilentProgress : public Progress {
public:
    void Show() override {}
    void SetFirstLine(std::string_view) override {}
    void SetStepText(std::string_view) override {}
    void SetPercent(int) override {}
    void SetBarVisible(bool) override {}
    void Close() override {}
};

/// Every box answered OK, every file dialog cancelled.
class SilentDialogs : public Dialogs {
public:
    MessageAnswer ShowMessage(MessageKind, MessageButtons, std::string_view) override {
        return MessageAnswer::Ok;
    }
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override { return {}; }
    void Beep() override {}
    void SetWaitCursor(bool) override {}
};

class SilentPump : public MessageLoop {
public:
    void Run(int) override {}
};

} // namespace quorvex::bench
