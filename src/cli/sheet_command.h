#pragma once

#include "cli/offline_commands.h"

namespace quorvex {

inline constexpr std::string_view SheetUsage = "sheet FILE.QVX -o SHEET.pdf";

/// The settings sheet of the file as an A4 PDF, its plots as the editors' windows draw them
/// in magnitude after opening the file.
int RunSheetCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);

} // namespace quorvex
