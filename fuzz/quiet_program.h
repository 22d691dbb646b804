#pragma once

#include "app/dialogs.h"
#include "app/program.h"
#include "app/progress.h"
#include "link/message_loop.h"

#include <deque>
#include <string>

namespace quorvex::fuzz {

/// Answers every box as the command-line tool does (OK; No to a question) and shows nothing.
class QuietDialogs : public Dialogs {
public:
    MessageAnswer ShowMessage(MessageKind, MessageButtons buttons, std::string_view) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override;
    void Beep() override {}
    void SetWaitCursor(bool) override {}

    std::deque<std::string> OpenPaths;
    std::deque<std::string> SavePaths;
    int Boxes = 0; ///< boxes shown since the last reset of the count
};

class QuietProgress : public Progress {
public:
    void Show() override {}
    void SetFirstLine(std::string_view) override {}
    void SetStepText(std::string_view) override {}
    void SetPercent(int) override {}
    void SetBarVisible(bool) override {}
    void Close() override {}
};

class QuietPump : public MessageLoop {
public:
    void Run(int) override {}
};

/// The whole program without windows, its boxes answered quietly.
class QuietProgram {
public:
    QuietProgram() : program_(dialogs_, progress_, pump_) {}

    Program& App() { return program_; }
    QuietDialogs& Boxes() { return dialogs_; }

private:
    QuietDialogs dialogs_;
    QuietProgress progress_;
    QuietPump pump_;
    Program program_;
};

} // namespace quorvex::fuzz
