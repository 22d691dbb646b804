#pragma once

#include "engine/frequency_response.h"

#include <array>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

namespace quorvex {

/// One column of a response table: its header and a value per grid point.
struct ResponseColumn {
    std::string_view Header;
    std::array<float, GridPointCount> Values{};
};

/// The table as CSV: "freq_hz" and the column headers, then one row per point of the
/// response grid with its integer frequency and every value with 9 significant digits,
/// enough to give back each single-precision value exactly.
void WriteResponseCsv(std::span<const ResponseColumn> columns, std::ostream& out);

} // namespace quorvex
