#include "config/measurement_formats.h"
#include "config/measurement_import.h"
#include "config/measurement_messages.h"
#include "measurement_test_files.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using testing::AtColumns;
using testing::Lines;
using testing::SampleExport;
using testing::SampleGrid;
using testing::TempFolder;

constexpr float Tolerance = 1e-4F;

SpeakerImportSettings Format(int code, double referenceLevel = 90.0) {
    SpeakerImportSettings settings;
    settings.Format = code;
    settings.ReferenceLevelDb = referenceLevel;
    return settings;
}

SpeakerImportResult Import(std::string_view text, int code, double referenceLevel = 90.0) {
    return ImportMeasurementText(text, "meas.txt", Format(code, referenceLevel), SampleGrid);
}

void ExpectCurve(const SpeakerCurve& curve, const std::vector<float>& magnitudeDb,
                 const std::vector<float>& phaseRadians) {
    ASSERT_EQ(curve.MagnitudeDb.size(), magnitudeDb.size());
    ASSERT_EQ(curve.PhaseRadians.size(), phaseRadians.size());
    for (std::size_t i = 0; i < magnitudeDb.size(); ++i) {
        EXPECT_NEAR(curve.MagnitudeDb[i], magnitudeDb[i], Tolerance) << "magnitude at " << i;
        EXPECT_NEAR(curve.PhaseRadians[i], phaseRadians[i], Tolerance) << "phase at " << i;
    }
}

// The sample points 100 Hz 90 dB, 200 Hz 96 dB, 1000 Hz 86 dB over the grid 50, 100, 150,
// 200, 600, 1000, 1001 Hz, worked by hand with the reference level 90 dB: 150 Hz lies half
// way from 100 to 200 Hz (93 dB), 600 Hz half way from 200 to 1000 Hz (91 dB).
const std::vector<float> SampleMagnitudes{-140.0F, 0.0F, 3.0F, 6.0F, 1.0F, -4.0F, -140.0F};
// Phases 45, 67.5, 90, 0, -90 degrees at the points inside the range.
const std::vector<float> SamplePhasesFromDegrees{0.0F, 0.785398F,  1.178097F, 1.570796F,
                                                 0.0F, -1.570796F, 0.0F};
const std::vector<float> SamplePhasesAsWritten{0.0F, 45.0F, 67.5F, 90.0F, 0.0F, -90.0F, 0.0F};
const std::vector<float> NoPhase(7, 0.0F);

struct FormatCase {
    std::string_view Name;
    int SampleCode; ///< -1: the second CLIO layout
    int Format;
    const std::vector<float>* Phases;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.Name;
}

class EveryFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(EveryFormat, ImportsItsSampleExportWithItsPhaseUnit) {
    const FormatCase& c = GetParam();
    const SpeakerImportResult result = Import(SampleExport(c.SampleCode), c.Format);
    ASSERT_EQ(result.Status, SpeakerImportStatus::Imported) << result.Message;
    EXPECT_TRUE(result.Message.empty());
    ExpectCurve(result.Curve, SampleMagnitudes, *c.Phases);
}

TEST_P(EveryFormat, ImportsCrLfFilesAlike) {
    const FormatCase& c = GetParam();
    const SpeakerImportResult result =
        Import(SampleExport(c.SampleCode, testing::SamplePoints, "\r\n"), c.Format);
    ASSERT_EQ(result.Status, SpeakerImportStatus::Imported) << result.Message;
    ExpectCurve(result.Curve, SampleMagnitudes, *c.Phases);
}

INSTANTIATE_TEST_SUITE_P(
    MeasurementImport, EveryFormat,
    ::testing::Values(FormatCase{"Clio", 0, 0, &SamplePhasesFromDegrees},
                      FormatCase{"ClioFreqHz", -1, 0, &SamplePhasesFromDegrees},
                      FormatCase{"Mlssa", 1, 1, &SamplePhasesFromDegrees},
                      FormatCase{"Winairr", 2, 2, &SamplePhasesAsWritten},
                      FormatCase{"Smaart", 3, 3, &SamplePhasesFromDegrees},
                      FormatCase{"Calsod", 6, 6, &SamplePhasesFromDegrees},
                      FormatCase{"Daas32", 7, 7, &SamplePhasesAsWritten},
                      FormatCase{"LoudSpeakerLab", 8, 8, &SamplePhasesAsWritten},
                      FormatCase{"MinilyzerSpl", 9, 9, &NoPhase},
                      FormatCase{"MinilyzerFft", 10, 10, &NoPhase}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.Name); });

TEST(MeasurementImport, MinilyzerConvertsDbuWithTheMicrophoneSensitivity) {
    // 0 dBu at 20 mV/Pa: 0.775 V / 0.020 V/Pa = 38.75 Pa; 20 log10(38.75 / 0.00002) =
    // 125.7448 dB. At 10 mV/Pa the pressure doubles: 131.7654 dB. -6 dBu: 119.7448 dB.
    const std::string text = Lines({"    f[Hz] Level[dBu]", AtColumns({{1, "100.0"}, {12, "0.0"}}),
                                    AtColumns({{1, "1000.0"}, {12, "-6.0"}})});
    const std::vector<std::int32_t> grid{100, 1000};

    SpeakerImportSettings settings = Format(4, 0.0);
    ASSERT_EQ(settings.MicrophoneSensitivity, 0.020);
    SpeakerImportResult result = ImportMeasurementText(text, "mini.txt", settings, grid);
    ASSERT_EQ(result.Status, SpeakerImportStatus::Imported) << result.Message;
    EXPECT_NEAR(result.Curve.MagnitudeDb[0], 125.7448F, Tolerance);
    EXPECT_NEAR(result.Curve.MagnitudeDb[1], 119.7448F, Tolerance);
    EXPECT_EQ(result.Curve.PhaseRadians[0], 0.0F);

    settings.MicrophoneSensitivity = 0.010;
    settings.ReferenceLevelDb = 90.0;
    result = ImportMeasurementText(text, "mini.txt", settings, grid);
    ASSERT_EQ(result.Status, SpeakerImportStatus::Imported) << result.Message;
    EXPECT_NEAR(result.Curve.MagnitudeDb[0], 41.7654F, Tolerance);
}

TEST(MeasurementImport, MinilyzerNeedsAPositiveSensitivity) {
    SpeakerImportSettings settings = Format(4);
    settings.MicrophoneSensitivity = 0.0;
    const SpeakerImportResult result =
        ImportMeasurementText(SampleExport(4), "mini.txt", settings, SampleGrid);
    EXPECT_EQ(result.Status, SpeakerImportStatus::Failed);
    EXPECT_EQ(result.Message,
              "mini.txt cannot be converted from dBu: the microphone sensitivity must be above 0.");
}

TEST(MeasurementImport, FlatNinetyDbImportsAsZeroAtReferenceNinety) {
    const std::string text = Lines({"CALSOD", "", "", "", "", "", "", "",
                                    AtColumns({{1, "20"}, {10, "90.0"}, {18, "0"}}),
                                    AtColumns({{1, "23999"}, {10, "90.0"}, {18, "0"}})});
    const std::vector<std::int32_t> grid{20, 21, 1000, 12345, 23999};
    const SpeakerImportResult at90 = ImportMeasurementText(text, "f", Format(6, 90.0), grid);
    const SpeakerImportResult at80 = ImportMeasurementText(text, "f", Format(6, 80.0), grid);
    ASSERT_EQ(at90.Status, SpeakerImportStatus::Imported) << at90.Message;
    ASSERT_EQ(at80.Status, SpeakerImportStatus::Imported) << at80.Message;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        EXPECT_EQ(at90.Curve.MagnitudeDb[i], 0.0F) << grid[i];
        EXPECT_EQ(at80.Curve.MagnitudeDb[i], 10.0F) << grid[i];
    }
}

TEST(MeasurementImport, GivesMinus140OutsideTheMeasuredRangeWhateverTheReference) {
    // 100 Hz to 10 kHz; the reference level never moves the "no data" floor.
    const std::string text = Lines({"CALSOD", "", "", "", "", "", "", "",
                                    AtColumns({{1, "100"}, {10, "80.0"}, {18, "10"}}),
                                    AtColumns({{1, "10000"}, {10, "80.0"}, {18, "10"}})});
    const std::vector<std::int32_t> grid{20, 99, 100, 10000, 10001, 23999};
    const SpeakerImportResult result = ImportMeasurementText(text, "f", Format(6, 60.0), grid);
    ASSERT_EQ(result.Status, SpeakerImportStatus::Imported) << result.Message;
    ExpectCurve(result.Curve, {-140.0F, -140.0F, 20.0F, 20.0F, -140.0F, -140.0F},
                {0.0F, 0.0F, 0.174533F, 0.174533F, 0.0F, 0.0F});
}

TEST(MeasurementImport, MlssaIsRecognisedByItsSecondLine) {
    const std::string header = "      \"Hz\"  \"Mag (dB)\"       \"deg\"";
    const std::string data = Lines({AtColumns({{1, "100"}, {12, "90"}, {24, "0"}}),
                                    AtColumns({{1, "200"}, {12, "90"}, {24, "0"}})});
    EXPECT_EQ(Import("anything at all\n" + header + "\n" + data, 1).Status,
              SpeakerImportStatus::Imported);
    EXPECT_EQ(Import("anything at all\r\n" + header + "\r\n" + data, 1).Status,
              SpeakerImportStatus::Imported);

    const SpeakerImportResult onFirstLine = Import(header + "\nanything\n" + data, 1);
    EXPECT_EQ(onFirstLine.Status, SpeakerImportStatus::Refused);
    EXPECT_EQ(onFirstLine.Message, "meas.txt is not a valid MLSSA exported data file.");
    // The header is the 34 characters and nothing after them.
    EXPECT_EQ(Import("x\n" + header + " \n" + data, 1).Status, SpeakerImportStatus::Refused);
}

TEST(MeasurementImport, SmaartFindsItsHeaderOnLinesOneTo39AndReadsDigitLinesOnly) {
    // Header on line 30 (the sample), after lines that begin with a digit before line 18:
    // those are never data.
    std::string text = SampleExport(3);
    text.insert(text.find('\n') + 1, "5 averages\n");
    text.erase(text.rfind("; note"), std::string("; note 29\n").size());
    SpeakerImportResult result = Import(text, 3);
    ASSERT_EQ(result.Status, SpeakerImportStatus::Imported) << result.Message;
    ExpectCurve(result.Curve, SampleMagnitudes, SamplePhasesFromDegrees);

    const std::string header = "; Frequency (Hz)\tMagnitude (dB)\tPhase (degrees)";
    const std::string data = "100\t90\t0\n200\t90\t0\n";
    std::vector<std::string> lines(40, "; x");
    lines[39] = header;
    EXPECT_EQ(Import(Lines(lines) + data, 3).Status, SpeakerImportStatus::Imported);
    lines[39] = "; x";
    lines.push_back(header); // line 40: too late
    const SpeakerImportResult late = Import(Lines(lines) + data, 3);
    EXPECT_EQ(late.Status, SpeakerImportStatus::Refused);
    EXPECT_EQ(late.Message,
              "meas.txt is not a valid SIA Smaart Pro - Transfer Function exported data file.");
    EXPECT_EQ(Import(header + "\n" + data, 3).Status, SpeakerImportStatus::Refused); // line 0
}

TEST(MeasurementImport, SmaartPhaseIsAtMost15CharactersAndStopsAtAFurtherColumn) {
    std::vector<std::string> lines(18, "; x");
    lines[1] = "; Frequency (Hz)\tMagnitude (dB)\tPhase (degrees)";
    lines.push_back("100\t90\t1234567890123456"); // the 16th digit is not read
    lines.push_back("200\t90\t90.0\t0.97");       // coherence after the phase
    const std::vector<std::int32_t> grid{100, 200};
    const SpeakerImportResult result = ImportMeasurementText(Lines(lines), "s", Format(3), grid);
    ASSERT_EQ(result.Status, SpeakerImportStatus::Imported) << result.Message;
    EXPECT_NEAR(result.Curve.PhaseRadians[0], 123456789012345.0 * 3.14159265358979 / 180.0, 1e9);
    EXPECT_NEAR(result.Curve.PhaseRadians[1], 1.570796F, Tolerance);
}

TEST(MeasurementImport, ClioAcceptsBothLayoutsAndRefusesAnyOtherFirstLine) {
    EXPECT_EQ(Import(SampleExport(0), 0).Status, SpeakerImportStatus::Imported);
    EXPECT_EQ(Import(SampleExport(-1), 0).Status, SpeakerImportStatus::Imported);
    std::string other = SampleExport(0);
    other.replace(0, 8, "    freq");
    const SpeakerImportResult refused = Import(other, 0);
    EXPECT_EQ(refused.Status, SpeakerImportStatus::Refused);
    EXPECT_EQ(refused.Message, "meas.txt is not a valid CLIO exported data file.");
    EXPECT_EQ(refused.Curve.MagnitudeDb, std::vector<float>(SampleGrid.size(), 0.0F));
}

TEST(MeasurementImport, RefusalsNameTheFormatAsTheSystemDoes) {
    const std::string noHeader = "nothing\n1\n2\n3\n4\n5\n6\n7\n8\n9\n";
    const std::array<std::pair<int, std::string>, 7> expected{{
        {1, "f.txt is not a valid MLSSA exported data file."},
        {2, "f.txt is not a valid WINAIR exported data file."},
        {4, "f.txt is not a valid MiniLyzer exported data file."},
        {6, "f.txt is not a valid  CALSOD  exported data file."},
        {7, "f.txt is not a valid DAAS 32 - CALSOD  exported data file."},
        {8, "f.txt is not a valid LoudSpeaker Lab - CALSOD  exported data file."},
        {3, "f.txt is not a valid SIA Smaart Pro - Transfer Function exported data file."},
    }};
    for (const auto& [code, message] : expected) {
        const SpeakerImportResult result =
            ImportMeasurementText(noHeader, "f.txt", Format(code), SampleGrid);
        EXPECT_EQ(result.Status, SpeakerImportStatus::Refused) << code;
        EXPECT_EQ(result.Message, message);
    }
}

TEST(MeasurementImport, CodesNineAndTenCheckNoHeader) {
    std::string nine = SampleExport(9);
    nine.replace(0, 3, "@@@");
    EXPECT_EQ(Import(nine, 9).Status, SpeakerImportStatus::Imported);
    // Code 10's data begin on line 7: the same lines under code 9 are read from line 1.
    const SpeakerImportResult tenAsNine = Import(SampleExport(10), 9);
    EXPECT_EQ(tenAsNine.Status, SpeakerImportStatus::Failed);
}

TEST(ImportFormatChoice, RefusesFiveAndCodesOutsideTheTable) {
    for (const int code : {0, 1, 2, 3, 4, 6, 7, 8, 9, 10}) {
        const ImportFormatChoice choice = ChooseImportFormat(code);
        EXPECT_EQ(choice.Format, code);
        EXPECT_TRUE(choice.Warning.empty());
    }
    for (const int code : {5, -1, 11, 1000}) {
        const ImportFormatChoice choice = ChooseImportFormat(code);
        EXPECT_EQ(choice.Format, 0);
        EXPECT_EQ(choice.Warning, "Option Under Construction. Please Select Another");
    }
}

TEST(ImportFormatChoice, AnImportUnderCodeFiveReadsNothing) {
    const SpeakerImportResult result = Import(SampleExport(0), 5);
    EXPECT_EQ(result.Status, SpeakerImportStatus::Failed);
    EXPECT_EQ(result.Message, "meas.txt cannot be imported: 5 is not a measurement format code.");
    EXPECT_EQ(result.Curve.MagnitudeDb, std::vector<float>(SampleGrid.size(), 0.0F));
}

} // namespace
} // namespace quorvex
