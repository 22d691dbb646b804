#include "config/measurement_import.h"
#include "config/speaker_file_path.h"
#include "measurement_test_files.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using testing::SampleExport;
using testing::SampleGrid;
using testing::TempFolder;

const std::vector<float> ClearedMagnitudes(SampleGrid.size(), 0.0F);

TEST(SpeakerFilePath, SplitsAtEitherSeparator) {
    EXPECT_EQ(FileNameOf("C:\\Meas\\Hall\\out1.txt"), "out1.txt");
    EXPECT_EQ(FileNameOf("/home/ana/meas/out1.txt"), "out1.txt");
    EXPECT_EQ(FileNameOf("D:/mixed\\out1.txt"), "out1.txt");
    EXPECT_EQ(FileNameOf("out1.txt"), "out1.txt");
    EXPECT_EQ(FileNameOf("C:\\Meas\\"), "");
    EXPECT_EQ(FolderOf("C:\\Meas\\Hall\\show.qvx"), "C:\\Meas\\Hall\\");
    EXPECT_EQ(FolderOf("/home/ana/show.qvx"), "/home/ana/");
    EXPECT_EQ(FolderOf("/show.qvx"), "/");
    EXPECT_EQ(FolderOf("show.qvx"), "");
}

TEST(SpeakerFilePath, JoinsWithTheFoldersOwnSeparator) {
    EXPECT_EQ(JoinPath("/home/ana", "out1.txt"), "/home/ana/out1.txt");
    EXPECT_EQ(JoinPath("/home/ana/", "out1.txt"), "/home/ana/out1.txt");
    EXPECT_EQ(JoinPath("C:\\Meas", "out1.txt"), "C:\\Meas\\out1.txt");
    EXPECT_EQ(JoinPath("C:\\Meas\\", "out1.txt"), "C:\\Meas\\out1.txt");
    EXPECT_EQ(JoinPath("", "out1.txt"), "out1.txt");
}

TEST(SpeakerFile, ReadsTheFileTheFieldNames) {
    TempFolder folder;
    const std::string path = folder.Write("out1.txt", SampleExport(0));
    const SpeakerImportResult result = ImportSpeakerFile(path, {}, SampleGrid);
    ASSERT_EQ(result.Status, SpeakerImportStatus::Imported) << result.Message;
    EXPECT_EQ(result.FieldText, path);
    EXPECT_EQ(result.ReadFrom, path);
    EXPECT_EQ(result.FileName, "out1.txt");
    EXPECT_NEAR(result.Curve.MagnitudeDb[2], 3.0F, 1e-4F);
}

TEST(SpeakerFile, FindsAMovedFileBesideTheConfigurationFile) {
    TempFolder moved;
    moved.Write("out1.txt", SampleExport(0));
    SpeakerImportSettings settings;
    const std::string withSeparator = moved.Folder();
    const std::string withoutSeparator = withSeparator.substr(0, withSeparator.size() - 1);
    for (const std::string& folder : {withSeparator, withoutSeparator}) {
        settings.ConfigurationFolder = folder;
        for (const std::string_view field :
             {"C:\\Mediciones\\Sala\\out1.txt", "/no/such/folder/out1.txt", "out1.txt"}) {
            const SpeakerImportResult result = ImportSpeakerFile(field, settings, SampleGrid);
            ASSERT_EQ(result.Status, SpeakerImportStatus::Imported) << field << result.Message;
            EXPECT_EQ(result.FieldText, field);
            EXPECT_EQ(result.ReadFrom, moved.Folder() + "out1.txt");
            EXPECT_NEAR(result.Curve.MagnitudeDb[4], 1.0F, 1e-4F);
        }
    }
}

TEST(SpeakerFile, ANamedFileThatExistsIsPreferredToTheConfigurationFolder) {
    TempFolder original;
    TempFolder beside;
    const std::string path = original.Write("out1.txt", SampleExport(0));
    beside.Write("out1.txt", "not a measurement");
    SpeakerImportSettings settings;
    settings.ConfigurationFolder = beside.Folder();
    const SpeakerImportResult result = ImportSpeakerFile(path, settings, SampleGrid);
    EXPECT_EQ(result.Status, SpeakerImportStatus::Imported) << result.Message;
    EXPECT_EQ(result.ReadFrom, path);
}

TEST(SpeakerFile, AFileFoundNowhereEmptiesTheFieldSilently) {
    TempFolder empty;
    SpeakerImportSettings settings;
    settings.ConfigurationFolder = empty.Folder();
    const SpeakerImportResult result =
        ImportSpeakerFile("C:\\Meas\\gone.txt", settings, SampleGrid);
    EXPECT_EQ(result.Status, SpeakerImportStatus::NotFound);
    EXPECT_EQ(result.FieldText, "");
    EXPECT_EQ(result.FileName, "gone.txt");
    EXPECT_EQ(result.Message, "");
    EXPECT_EQ(result.Curve.MagnitudeDb, ClearedMagnitudes);

    // Without a configuration folder only the path itself is tried.
    EXPECT_EQ(ImportSpeakerFile("gone.txt", {}, SampleGrid).Status, SpeakerImportStatus::NotFound);
}

TEST(SpeakerFile, AMessageNamesTheFieldEvenWhenTheFileWasFoundBesideTheConfiguration) {
    TempFolder moved;
    moved.Write("out2.txt", "garbage\n");
    SpeakerImportSettings settings;
    settings.ConfigurationFolder = moved.Folder();
    const SpeakerImportResult result =
        ImportSpeakerFile("C:\\Meas\\out2.txt", settings, SampleGrid);
    EXPECT_EQ(result.Status, SpeakerImportStatus::Refused);
    EXPECT_EQ(result.Message, "C:\\Meas\\out2.txt is not a valid CLIO exported data file.");
    EXPECT_EQ(result.FieldText, "C:\\Meas\\out2.txt");
}

TEST(ImportSpeakerData, OneFailingOutputLeavesTheOthersImported) {
    TempFolder folder;
    const std::string good = folder.Write("good.txt", SampleExport(6));
    const std::string wrongHeader = folder.Write("wrong.txt", SampleExport(0));
    std::string badData = SampleExport(6);
    badData.replace(badData.rfind("86"), 2, "x6");
    const std::string bad = folder.Write("bad.txt", badData);
    const std::string missing = folder.Folder() + "missing.txt";

    SpeakerImportSettings settings;
    settings.Format = 6;
    const SpeakerImport import =
        ImportSpeakerData({good, wrongHeader, "", missing, bad, good}, settings, SampleGrid);

    EXPECT_FALSE(import.OutOfMemory);
    const std::array<SpeakerImportStatus, 6> expected{
        SpeakerImportStatus::Imported, SpeakerImportStatus::Refused, SpeakerImportStatus::NoFile,
        SpeakerImportStatus::NotFound, SpeakerImportStatus::Failed,  SpeakerImportStatus::Imported};
    for (std::size_t output = 0; output < expected.size(); ++output) {
        EXPECT_EQ(import.Outputs[output].Status, expected[output]) << "output " << output + 1;
        EXPECT_EQ(import.Outputs[output].Curve.MagnitudeDb.size(), SampleGrid.size());
    }
    EXPECT_EQ(import.Outputs[1].Message,
              wrongHeader + " is not a valid  CALSOD  exported data file.");
    EXPECT_EQ(import.Outputs[4].Message,
              bad + ", line 11: 'x6' is not a valid floating point value.");
    EXPECT_EQ(import.Outputs[3].FieldText, "");
    EXPECT_EQ(import.Outputs[2].Curve.MagnitudeDb, ClearedMagnitudes);
    EXPECT_NEAR(import.Outputs[5].Curve.MagnitudeDb[3], 6.0F, 1e-4F);
}

} // namespace
} // namespace quorvex
