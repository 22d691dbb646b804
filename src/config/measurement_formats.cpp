#include "config/measurement_formats.h"

#include "config/measurement_messages.h"

#include <array>

namespace quorvex {

namespace {

constexpr std::string_view ClioHeader = "    Freq\t      dB\t   Phase";
constexpr std::string_view ClioSecondHeaderStart = "Freq [Hz]";
// 6 blanks, "Hz", 2 blanks, "Mag (dB)", 7 blanks, "deg": 34 characters and nothing after.
constexpr std::string_view MlssaHeader = "      \"Hz\"  \"Mag (dB)\"       \"deg\"";
constexpr std::string_view WinairHeader = " WinAIRR saved file";
constexpr std::string_view SmaartHeader = "; Frequency (Hz)\tMagnitude (dB)\tPhase (degrees)";
constexpr std::string_view MinilyzerHeader = "    f[Hz] Level[dBu]";
constexpr std::string_view CalsodHeader = "CALSOD";

constexpr ColumnSpan NoColumn{};
constexpr int SmaartPhaseWidth = 15;
constexpr int SmaartLastHeaderLine = 39;

using enum HeaderTest;
using enum LineLayout;
using enum MagnitudeUnit;
using enum PhaseUnit;

// Layouts of one code are tried in the order listed.
// clang-format off
constexpr std::array<MeasurementLayout, 11> Layouts{{
    // code, name in messages, header test, header line, header text, first data line,
    // line layout, digit lines only, frequency, magnitude, phase columns, tab phase width,
    // magnitude unit, phase unit
    {0, "CLIO", ExactLine, 0, ClioHeader, 1,
     FixedColumns, false, {1, 8}, {10, 17}, {19, 26}, 0, Db, Degrees},
    {0, "CLIO", LineStart, 0, ClioSecondHeaderStart, 1,
     FixedColumns, false, {1, 9}, {17, 24}, {33, 39}, 0, Db, Degrees},
    {1, "MLSSA", ExactLine, 1, MlssaHeader, 2,
     FixedColumns, false, {1, 10}, {12, 22}, {24, 34}, 0, Db, Degrees},
    {2, "WINAIR", ExactLine, 0, WinairHeader, 4,
     FixedColumns, false, {1, 10}, {11, 22}, {23, 34}, 0, Db, AsWritten},
    {3, "SIA Smaart Pro - Transfer Function", AnyOfLines1To39, 1, SmaartHeader, 18,
     TabSeparated, true, NoColumn, NoColumn, NoColumn, SmaartPhaseWidth, Db, Degrees},
    {4, "MiniLyzer", ExactLine, 0, MinilyzerHeader, 1,
     FixedColumns, false, {1, 9}, {12, 20}, NoColumn, 0, Dbu, Absent},
    {6, " CALSOD ", ExactLine, 0, CalsodHeader, 8,
     FixedColumns, false, {1, 9}, {10, 17}, {18, 25}, 0, Db, Degrees},
    {7, "DAAS 32 - CALSOD ", ExactLine, 0, CalsodHeader, 8,
     FixedColumns, false, {1, 9}, {10, 17}, {18, 25}, 0, Db, AsWritten},
    {8, "LoudSpeaker Lab - CALSOD ", ExactLine, 0, CalsodHeader, 8,
     FixedColumns, false, {1, 9}, {10, 17}, {18, 25}, 0, Db, AsWritten},
    {9, "MiniLyzerSPL", None, 0, {}, 1,
     FixedColumns, false, {1, 9}, {12, 20}, NoColumn, 0, Db, Absent},
    {10, "MiniLyzerFFT", None, 0, {}, 7,
     FixedColumns, false, {1, 9}, {12, 18}, NoColumn, 0, Db, Absent},
}};
// clang-format on

// Every header text is non-empty, so a missing line never matches.
std::string_view LineOrEmpty(std::span<const std::string_view> lines, int index) {
    return index < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(index)]
                                                  : std::string_view{};
}

bool HeaderMatches(const MeasurementLayout& layout, std::span<const std::string_view> lines) {
    switch (layout.Header) {
    case ExactLine:
        return LineOrEmpty(lines, layout.HeaderLine) == layout.HeaderText;
    case LineStart:
        return LineOrEmpty(lines, layout.HeaderLine).starts_with(layout.HeaderText);
    case AnyOfLines1To39:
        for (int line = 1; line <= SmaartLastHeaderLine; ++line) {
            if (LineOrEmpty(lines, line) == layout.HeaderText) {
                return true;
            }
        }
        return false;
    case None:
        return true;
    }
    return false;
}

} // namespace

const MeasurementLayout* FindMeasurementFormat(std::int32_t code) {
    for (const MeasurementLayout& layout : Layouts) {
        if (layout.Code == code) {
            return &layout;
        }
    }
    return nullptr;
}

const MeasurementLayout* RecogniseLayout(std::int32_t code,
                                         std::span<const std::string_view> lines) {
    for (const MeasurementLayout& layout : Layouts) {
        if (layout.Code == code && HeaderMatches(layout, lines)) {
            return &layout;
        }
    }
    return nullptr;
}

ImportFormatChoice ChooseImportFormat(std::int32_t code) {
    if (FindMeasurementFormat(code) != nullptr) {
        return {code, {}};
    }
    return {ClioFormat, UnderConstructionMessage};
}

} // namespace quorvex
