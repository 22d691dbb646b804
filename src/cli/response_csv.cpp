#include "cli/response_csv.h"

#include "engine/response_grid.h"

#include <cstdio>

namespace quorvex {

namespace {

void WriteValue(float value, std::ostream& out) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    out << text;
}

} // namespace

void WriteResponseCsv(std::span<const ResponseColumn> columns, std::ostream& out) {
    out << "freq_hz";
    for (const ResponseColumn& column : columns) {
        out << ',' << column.Header;
    }
    out << '\n';
    const auto& frequencies = TheResponseGrid().FrequencyHz;
    for (std::size_t point = 0; point < GridPointCount; ++point) {
        out << frequencies[point];
        for (const ResponseColumn& column : columns) {
            out << ',';
            WriteValue(column.Values[point], out);
        }
        out << '\n';
    }
}

} // namespace quorvex
