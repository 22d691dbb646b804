#pragma once

#include "app/program.h"
#include "cli/console_dialogs.h"

#include <ostream>
#include <string>

namespace quorvex {

/// The desktop program without windows, for the offline commands: boxes go to `err`, the
/// save question is answered No, and the open and save dialogs return the paths given.
class OfflineProgram {
public:
    explicit OfflineProgram(std::ostream& err);
    OfflineProgram(const OfflineProgram&) = delete;
    OfflineProgram& operator=(const OfflineProgram&) = delete;

    Program& App() { return program_; }
    Configuration& Config() { return program_.Doc().Config; }

    /// New configuration, without the question.
    void New();
    /// The Open button on `path`; false when nothing was loaded (the box is on `err`).
    bool Open(const std::string& path);
    /// The Save button on `path`; false when the file could not be written (the system's
    /// message is on `err`, and no file at `path` was touched).
    bool Save(const std::string& path);

private:
    ConsoleDialogs dialogs_;
    ConsoleProgress progress_;
    ConsolePump pump_;
    Program program_;
};

} // namespace quorvex
