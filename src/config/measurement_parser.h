#pragma once

#include "config/measurement_formats.h"
#include "config/measurement_points.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvex {

enum class MeasurementColumn { Frequency, Magnitude, Phase };

enum class MeasurementFault {
    MissingValue,          ///< the line ends before the column, or the column is blank
    NotANumber,            ///< the column holds something other than one finite number
    FrequencyNotAscending, ///< the frequency is not above the previous data line's
    TooFewDataLines,       ///< fewer than two data lines: nothing to interpolate between
};

struct MeasurementReadFault {
    MeasurementFault Kind = MeasurementFault::TooFewDataLines;
    int LineNumber = 0; ///< counted from 1, as an editor shows it; 0 for TooFewDataLines
    MeasurementColumn Column = MeasurementColumn::Frequency;
    std::string Text; ///< NotANumber: the column's text without its surrounding blanks
};

/// Points read, or the first fault met (the points are then incomplete and not to be used).
struct MeasurementRead {
    MeasurementPoints Points;
    std::optional<MeasurementReadFault> Fault;
};

/// Reads the data lines of a file that has been recognised as `layout`: every line from its
/// first data line to the end, skipping blank lines (and, where the layout says so, lines that
/// do not begin with a digit). Numbers use "." as the decimal separator and may have blanks
/// or tabs around them; magnitudes stay in the file's unit.
MeasurementRead ReadMeasurementPoints(std::span<const std::string_view> lines,
                                      const MeasurementLayout& layout);

} // namespace quorvex
