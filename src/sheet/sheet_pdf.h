#pragma once

#include "sheet/settings_sheet.h"

#include <QByteArray>
#include <QRectF>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

/// The sheet's drawing unit: 1/96 inch, as the plots' PDF files use, so an A4 page is
/// about 794 x 1123 of them.
inline constexpr int SheetResolution = 96;

/// Where a plot of the sheet landed: its page (from 1) and its plot rectangle (inside the
/// axes) in 1/96 inch from the page's top left corner.
struct PlacedGraph {
    int Page = 0;
    QRectF Plot;
};

/// The sheet as a PDF document of A4 pages: the bytes, the number of pages, and each plot's
/// place in the order of `SettingsSheet::Graphs`.
struct SheetPdf {
    QByteArray Bytes;
    int PageCount = 0;
    std::vector<PlacedGraph> Graphs;
};

/// Lays out the tables on portrait A4 pages with 15 mm margins, a table never split over
/// two pages, then the plots stacked on a page of their own. Needs a GUI application (for
/// the fonts); empty bytes when the PDF could not be made.
SheetPdf RenderSheetPdf(const SettingsSheet& sheet);

/// Writes the sheet's PDF to `path` (through a new file beside it, replacing the target
/// only once complete). Returns the system's message on failure.
std::optional<std::string> WriteSheetPdf(const SettingsSheet& sheet,
                                         const std::filesystem::path& path);

} // namespace quorvex
