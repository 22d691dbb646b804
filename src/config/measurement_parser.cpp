#include "config/measurement_parser.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace quorvex {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

/// One finite decimal number and nothing else; "." is the only decimal separator.
std::optional<double> ParseNumber(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-' || text.front() == '+') {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

/// The three value texts of a data line; a missing column is an empty view.
using LineValues = std::array<std::string_view, 3>;

std::string_view FixedColumn(std::string_view line, ColumnSpan span) {
    if (!span.Present() || line.size() < static_cast<std::size_t>(span.First)) {
        return {};
    }
    return line.substr(static_cast<std::size_t>(span.First - 1),
                       static_cast<std::size_t>(span.Last - span.First + 1));
}

LineValues FixedColumnValues(std::string_view line, const MeasurementLayout& layout) {
    return {FixedColumn(line, layout.Frequency), FixedColumn(line, layout.Magnitude),
            FixedColumn(line, layout.Phase)};
}

LineValues TabSeparatedValues(std::string_view line, const MeasurementLayout& layout) {
    LineValues values{};
    const std::size_t firstTab = line.find('\t');
    values[0] = line.substr(0, firstTab);
    if (firstTab == std::string_view::npos) {
        return values;
    }
    const std::string_view rest = line.substr(firstTab + 1);
    const std::size_t secondTab = rest.find('\t');
    values[1] = rest.substr(0, secondTab);
    if (secondTab == std::string_view::npos) {
        return values;
    }
    // A further column (coherence, say) may follow within the phase's width: no number holds
    // a tab, so the phase ends there.
    std::string_view phase =
        rest.substr(secondTab + 1, static_cast<std::size_t>(layout.TabPhaseWidth));
    values[2] = phase.substr(0, phase.find('\t'));
    return values;
}

bool IsBlankLine(std::string_view line) {
    return Trimmed(line).empty();
}

bool HoldsData(std::string_view line, const MeasurementLayout& layout) {
    if (layout.DigitLinesOnly) {
        return !line.empty() && IsDigit(line.front());
    }
    return !IsBlankLine(line);
}

MeasurementReadFault FaultAt(MeasurementFault kind, std::size_t lineIndex, MeasurementColumn column,
                             std::string_view text = {}) {
    return {kind, static_cast<int>(lineIndex + 1), column, std::string(text)};
}

} // namespace

MeasurementRead ReadMeasurementPoints(std::span<const std::string_view> lines,
                                      const MeasurementLayout& layout) {
    MeasurementRead read;
    MeasurementPoints& points = read.Points;
    const auto first = static_cast<std::size_t>(layout.FirstDataLine);
    const bool hasPhase = layout.PhaseIn != PhaseUnit::Absent;
    const int columnCount = hasPhase ? 3 : 2;
    if (lines.size() > first) {
        const std::size_t expected = lines.size() - first;
        points.FrequencyHz.reserve(expected);
        points.MagnitudeDb.reserve(expected);
        points.Phase.reserve(expected);
    }
    for (std::size_t index = first; index < lines.size(); ++index) {
        const std::string_view line = lines[index];
        if (!HoldsData(line, layout)) {
            continue;
        }
        const LineValues texts = layout.Layout == LineLayout::TabSeparated
                                     ? TabSeparatedValues(line, layout)
                                     : FixedColumnValues(line, layout);
        std::array<double, 3> values{};
        for (int column = 0; column < columnCount; ++column) {
            const auto which = static_cast<MeasurementColumn>(column);
            const std::string_view text = Trimmed(texts[static_cast<std::size_t>(column)]);
            if (text.empty()) {
                read.Fault = FaultAt(MeasurementFault::MissingValue, index, which);
                return read;
            }
            const std::optional<double> value = ParseNumber(text);
            if (!value) {
                read.Fault = FaultAt(MeasurementFault::NotANumber, index, which, text);
                return read;
            }
            values[static_cast<std::size_t>(column)] = *value;
        }
        if (!points.FrequencyHz.empty() && !(values[0] > points.FrequencyHz.back())) {
            read.Fault = FaultAt(MeasurementFault::FrequencyNotAscending, index,
                                 MeasurementColumn::Frequency);
            return read;
        }
        points.FrequencyHz.push_back(values[0]);
        points.MagnitudeDb.push_back(values[1]);
        points.Phase.push_back(values[2]);
    }
    if (points.FrequencyHz.size() < 2) {
        read.Fault = MeasurementReadFault{};
    }
    return read;
}

} // namespace quorvex
