#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The text exports of measurement systems that the speaker import reads: how each is
// recognised and which part of a line holds what. Line numbers count from 0 (the first
// line of a file is line 0); columns are character positions counted from 1, both ends
// included.

namespace quorvex {

/// Characters First..Last of a line, counted from 1. First == 0: the format has no such column.
struct ColumnSpan {
    int First = 0;
    int Last = 0;

    constexpr bool Present() const { return First > 0; }
};

enum class HeaderTest {
    ExactLine,       ///< line HeaderLine equals HeaderText
    LineStart,       ///< line HeaderLine begins with HeaderText
    AnyOfLines1To39, ///< one of lines 1..39 equals HeaderText
    None,            ///< nothing is checked
};

enum class LineLayout {
    FixedColumns, ///< values at the character positions of the column spans
    TabSeparated, ///< frequency, magnitude and phase are the first three tab-separated fields
};

enum class MagnitudeUnit { Db, Dbu };

enum class PhaseUnit {
    Degrees,   ///< converted to radians
    AsWritten, ///< taken unchanged
    Absent,    ///< no phase column: the phase stays 0
};

/// One recognisable layout of a format code. Code 0 (CLIO) has two.
struct MeasurementLayout {
    std::int32_t Code;
    std::string_view MessageName; ///< the format's name in " is not a valid ..." messages
    HeaderTest Header;
    int HeaderLine;
    std::string_view HeaderText;
    int FirstDataLine;
    LineLayout Layout;
    bool DigitLinesOnly; ///< only lines whose first character is a digit hold data
    ColumnSpan Frequency;
    ColumnSpan Magnitude;
    ColumnSpan Phase;
    int TabPhaseWidth; ///< TabSeparated: the phase is at most this many characters
    MagnitudeUnit MagnitudeIn;
    PhaseUnit PhaseIn;
};

inline constexpr std::int32_t ClioFormat = 0;
inline constexpr std::int32_t SmaartFormat = 3;
inline constexpr std::int32_t MinilyzerDbuFormat = 4;
inline constexpr std::int32_t UnderConstructionFormat = 5;
inline constexpr std::int32_t DaasFormat = 7;

/// The first layout of a format code; nullptr for 5 and for any code outside the table.
const MeasurementLayout* FindMeasurementFormat(std::int32_t code);

/// The layout whose header the lines carry under a format code, or nullptr when the file is
/// refused (or the code is unknown). Code 0 takes the second CLIO layout when line 0 is not
/// the first layout's header but begins with "Freq [Hz]". Missing lines never match.
const MeasurementLayout* RecogniseLayout(std::int32_t code,
                                         std::span<const std::string_view> lines);

/// Outcome of choosing a format: the code now in force and, when the choice was refused,
/// the text of the warning box (empty otherwise).
struct ImportFormatChoice {
    std::int32_t Format;
    std::string_view Warning;
};

/// A code of the table is taken as it is. Code 5, and any code outside the table (a stored
/// value from a damaged configuration file), falls back to 0 with the warning
/// "Option Under Construction. Please Select Another".
ImportFormatChoice ChooseImportFormat(std::int32_t code);

} // namespace quorvex
