#pragma once

#include <string>
#include <string_view>

namespace quorvex {

class Program;

/// How an Open ended.
enum class OpenOutcome {
    Cancelled, ///< no file was chosen in the open dialog
    Refused,   ///< the file could not be read or is not a configuration file: nothing loaded
    Loaded,    ///< the configuration holds the file (an older layout after its warning)
};

/// The main window's Open: New configuration with its save question, then the open dialog
/// (shown even when the question was cancelled), then the chosen file read into the
/// configuration with every editor brought up to date, and the caption. The combined
/// response is redrawn and the progress window closed in every case.
OpenOutcome OpenConfiguration(Program& program);

/// What Open does once `path` is chosen (the desktop program's command line names the file
/// instead of the dialog): the editors closed, real-time mode off, the file read, the
/// caption, the combined response redrawn and the progress window closed.
OpenOutcome OpenChosenFile(Program& program, const std::string& path);

/// Reads the file at `path` into a configuration that New configuration has just reset,
/// step by step with the progress window, updating the editors through their own handlers
/// so that every value ends on its editor's resolution. Failures are shown in their boxes;
/// the chosen file name is forgotten after a refused or older file. Does not close the
/// progress window after a successful read (Open does, at its end).
OpenOutcome ReadConfiguration(Program& program, const std::string& path);

} // namespace quorvex
