#include "config/measurement_file.h"
#include "config/measurement_import.h"
#include "measurement_test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using testing::AtColumns;
using testing::Lines;
using testing::SampleExport;
using testing::SampleGrid;
using testing::TempFolder;

const std::string ClioHeader = "    Freq\t      dB\t   Phase";

std::string ClioLine(std::string_view f, std::string_view m, std::string_view p) {
    return AtColumns({{1, f}, {9, "\t"}, {10, m}, {18, "\t"}, {19, p}});
}

SpeakerImportResult ImportAs(std::string_view text, int code) {
    SpeakerImportSettings settings;
    settings.Format = code;
    return ImportMeasurementText(text, "spk1.txt", settings, SampleGrid);
}

/// A failure leaves a cleared curve and a message; nothing of the file reaches the plot.
void ExpectFailure(const SpeakerImportResult& result, std::string_view message) {
    EXPECT_EQ(result.Status, SpeakerImportStatus::Failed);
    EXPECT_EQ(result.Message, message);
    EXPECT_EQ(result.Curve.MagnitudeDb, std::vector<float>(SampleGrid.size(), 0.0F));
    EXPECT_EQ(result.Curve.PhaseRadians, std::vector<float>(SampleGrid.size(), 0.0F));
}

TEST(MeasurementBadInput, NonNumericColumnNamesTheLineAsAnEditorCountsIt) {
    const std::string text = Lines({ClioHeader, ClioLine("100", "90", "0"),
                                    ClioLine("200", "abc", "0"), ClioLine("300", "90", "0")});
    ExpectFailure(ImportAs(text, 0),
                  "spk1.txt, line 3: 'abc' is not a valid floating point value.");
}

TEST(MeasurementBadInput, OnlyAPointIsADecimalSeparator) {
    const std::string text =
        Lines({ClioHeader, ClioLine("100", "90,5", "0"), ClioLine("200", "90", "0")});
    ExpectFailure(ImportAs(text, 0),
                  "spk1.txt, line 2: '90,5' is not a valid floating point value.");
}

TEST(MeasurementBadInput, RejectsNumbersWithTrailingTextAndNonFiniteValues) {
    for (const char* value : {"90dB", "1e999", "nan", "inf", "--3", "+-3", "0x10"}) {
        const std::string text =
            Lines({ClioHeader, ClioLine("100", value, "0"), ClioLine("200", "90", "0")});
        EXPECT_EQ(ImportAs(text, 0).Status, SpeakerImportStatus::Failed) << value;
    }
    for (const char* value : {"+90", "9.0e1", "90.", " 90 "}) {
        const std::string text =
            Lines({ClioHeader, ClioLine("100", value, "0"), ClioLine("200", "90", "0")});
        EXPECT_EQ(ImportAs(text, 0).Status, SpeakerImportStatus::Imported) << value;
    }
}

TEST(MeasurementBadInput, ShortLinesSayWhichValueIsMissing) {
    const std::string noPhase = Lines(
        {ClioHeader, ClioLine("100", "90", "0"), AtColumns({{1, "200"}, {9, "\t"}, {10, "90"}})});
    ExpectFailure(ImportAs(noPhase, 0),
                  "spk1.txt, line 3: the phase value is missing (columns 19-26).");

    const std::string onlyFrequency = Lines({ClioHeader, "100"});
    ExpectFailure(ImportAs(onlyFrequency, 0),
                  "spk1.txt, line 2: the magnitude value is missing (columns 10-17).");

    std::vector<std::string> smaart(18, "; x");
    smaart[1] = "; Frequency (Hz)\tMagnitude (dB)\tPhase (degrees)";
    smaart.push_back("100\t90");
    ExpectFailure(ImportAs(Lines(smaart), 3), "spk1.txt, line 19: the phase value is missing.");
}

TEST(MeasurementBadInput, NeedsTwoDataLines) {
    ExpectFailure(ImportAs(Lines({ClioHeader}), 0), "spk1.txt holds fewer than two data lines.");
    ExpectFailure(ImportAs(Lines({ClioHeader, ClioLine("100", "90", "0")}), 0),
                  "spk1.txt holds fewer than two data lines.");
    // Code 10 starts reading on line 7; a file that ends before gives no data at all.
    ExpectFailure(ImportAs("a\nb\nc\n", 10), "spk1.txt holds fewer than two data lines.");
}

TEST(MeasurementBadInput, BlankLinesAreNotDataLines) {
    const std::string text = Lines(
        {ClioHeader, ClioLine("100", "90", "0"), "", "   \t ", ClioLine("200", "90", "0"), "", ""});
    EXPECT_EQ(ImportAs(text, 0).Status, SpeakerImportStatus::Imported);
}

TEST(MeasurementBadInput, FrequenciesMustRiseStrictly) {
    const std::string repeated = Lines({ClioHeader, ClioLine("100", "90", "0"),
                                        ClioLine("200", "90", "0"), ClioLine("200", "91", "0")});
    ExpectFailure(ImportAs(repeated, 0),
                  "spk1.txt, line 4: the frequency is not higher than on the data line before.");
    const std::string falling =
        Lines({ClioHeader, ClioLine("1000", "90", "0"), ClioLine("100", "90", "0")});
    ExpectFailure(ImportAs(falling, 0),
                  "spk1.txt, line 3: the frequency is not higher than on the data line before.");
}

TEST(MeasurementBadInput, EmptyAndBinaryFilesAreNamedSo) {
    ExpectFailure(ImportAs("", 0), "spk1.txt is empty.");
    ExpectFailure(ImportAs(" \r\n\t\n", 9), "spk1.txt is empty.");
    std::string binary = SampleExport(9);
    binary[20] = '\0';
    ExpectFailure(ImportAs(binary, 9), "spk1.txt is not a text file.");
}

TEST(MeasurementBadInput, ControlBytesInAValueAreShownAsQuestionMarks) {
    const std::string text =
        Lines({ClioHeader, ClioLine("100", "9\x01\x7f", "0"), ClioLine("200", "90", "0")});
    ExpectFailure(ImportAs(text, 0),
                  "spk1.txt, line 2: '9?\?' is not a valid floating point value.");
}

TEST(MeasurementBadInput, TooManyLinesAreRefusedBeforeTheyAreKept) {
    const std::string manyLines(MaxMeasurementLines + 1, '\n');
    ExpectFailure(ImportAs("x" + manyLines, 9),
                  "spk1.txt has more than 262144 lines: it is not a measurement export.");
    // Exactly at the limit the file is read (and then judged on its data).
    const std::string atLimit = "x" + std::string(MaxMeasurementLines, '\n');
    EXPECT_EQ(ImportAs(atLimit, 9).Message, "spk1.txt holds fewer than two data lines.");
}

TEST(MeasurementBadInput, TooLargeFilesAreNotRead) {
    TempFolder folder;
    const std::string path = folder.Write("huge.txt", "");
    std::filesystem::resize_file(path, MaxMeasurementFileBytes + 1);
    SpeakerImportSettings settings;
    const SpeakerImportResult result = ImportSpeakerFile(path, settings, SampleGrid);
    EXPECT_EQ(result.Status, SpeakerImportStatus::Failed);
    EXPECT_EQ(result.Message, path + " is larger than 16 MB: it is not a measurement export.");
    EXPECT_EQ(result.FieldText, path);
}

TEST(MeasurementBadInput, AFolderIsNotAMeasurementFile) {
    TempFolder folder;
    SpeakerImportSettings settings;
    const SpeakerImportResult result = ImportSpeakerFile(folder.Folder(), settings, SampleGrid);
    EXPECT_EQ(result.Status, SpeakerImportStatus::NotFound);
}

} // namespace
} // namespace quorvex
