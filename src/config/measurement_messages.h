#pragma once

#include "config/measurement_formats.h"
#include "config/measurement_parser.h"

#include <cstdint>
#include <string>
#include <string_view>

// Every text the speaker import shows, in one place. Each file message begins with the
// output's field text, so the engineer knows which of the six files it speaks of.

namespace quorvex {

inline constexpr std::string_view UnderConstructionMessage =
    "Option Under Construction. Please Select Another";

inline constexpr std::string_view NotEnoughMemoryMessage =
    "Not enough memory. Please close the others programs.";

/// "<field> is not a valid <format name> exported data file."
std::string NotValidExportMessage(std::string_view fieldText, const MeasurementLayout& layout);

/// A data fault, with the line it was found on: "<field>, line 12: 'abc' is not a valid
/// floating point value", "<field>, line 12: the phase value is missing (columns 19-26)." ...
std::string ReadFaultMessage(std::string_view fieldText, const MeasurementLayout& layout,
                             const MeasurementReadFault& fault);

enum class MeasurementFileFault {
    Empty,
    NotText,       ///< holds NUL bytes: a binary file or a UTF-16 text
    TooLarge,      ///< over MaxMeasurementFileBytes
    TooManyLines,  ///< over MaxMeasurementLines
    NoSensitivity, ///< a dBu export without a positive microphone sensitivity
};

/// "<field> is empty.", "<field> is not a text file." ...
std::string FileFaultMessage(std::string_view fieldText, MeasurementFileFault fault);

/// "<field> cannot be imported: 12 is not a measurement format code."
std::string UnknownFormatMessage(std::string_view fieldText, std::int32_t format);

} // namespace quorvex
