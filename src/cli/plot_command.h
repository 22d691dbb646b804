#pragma once

#include "cli/offline_commands.h"

#include <QSize>

namespace quorvex {

inline constexpr std::string_view PlotUsage =
    "plot FILE.QVX --stage eq|xover|final [--phase] [--views KPXGD] -o OUT.png|svg|pdf";

/// The size every plot file is drawn at: pixels of the PNG, 1/96 inch in SVG and PDF.
inline constexpr QSize PlotFileSize{1000, 600};

/// The plot the window of the stage shows, as the window would draw it after opening the
/// file, written as PNG, SVG or PDF by the extension of `-o`.
int RunPlotCommand(const CommandArguments& arguments, std::ostream& out, std::ostream& err);

} // namespace quorvex
