#pragma once

#include <string_view>

namespace quorvex {

class Program;

inline constexpr std::string_view PrintSheetTitle = "Print sheet";
inline constexpr std::string_view PrintSheetFilter = "PDF Files *.pdf|*.pdf";
inline constexpr std::string_view PrintSheetFailure = "The settings sheet could not be written: ";

/// The main window's "Print sheet...": the save dialog for a PDF file (proposed after the
/// system name), then the settings sheet of the configuration as it stands, its plots as
/// the editors show them. True when the file was written; nothing when the dialog was
/// cancelled; an error box with the system's message when the file could not be written.
bool PrintSheetClick(Program& program);

} // namespace quorvex
