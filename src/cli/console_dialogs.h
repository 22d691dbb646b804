#pragma once

#include "app/dialogs.h"
#include "app/progress.h"
#include "link/message_loop.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorvex {

/// The command-line tool's face: message boxes are written to a stream (stderr), questions
/// are answered from what the command was told, file dialogs return the paths the command
/// line gave. Errors and warnings shown are kept, so a command can tell that it failed.
class ConsoleDialogs : public Dialogs {
public:
    explicit ConsoleDialogs(std::ostream& out) : out_(out) {}

    /// Answers for the next questions, in order. Without one, a question is answered No
    /// (Cancel where there is no No).
    std::deque<MessageAnswer> Answers;
    /// Paths the next open and save dialogs return; without one the dialog is cancelled.
    std::deque<std::string> OpenPaths;
    std::deque<std::string> SavePaths;

    /// Texts of the error and warning boxes shown so far.
    std::vector<std::string> Problems;

    MessageAnswer ShowMessage(MessageKind kind, MessageButtons buttons,
                              std::string_view text) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    void Beep() override {}
    void SetWaitCursor(bool) override {}

private:
    std::ostream& out_;
};

/// Progress of long operations: silent unless verbose, then one line per step on the stream.
class ConsoleProgress : public Progress {
public:
    ConsoleProgress(std::ostream& out, bool verbose) : out_(out), verbose_(verbose) {}

    void Show() override {}
    void SetFirstLine(std::string_view text) override;
    void SetStepText(std::string_view text) override;
    void SetPercent(int) override {}
    void SetBarVisible(bool) override {}
    void Close() override {}

private:
    std::ostream& out_;
    bool verbose_;
};

/// Nothing to draw on a console: letting messages run is a no-op.
class ConsolePump : public MessageLoop {
public:
    void Run(int) override {}
};

} // namespace quorvex
