#include "app/open_workflow.h"

#include "app/delay_fino_form.h"
#include "app/gains_form.h"
#include "app/import_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/system_info_form.h"
#include "config/qvx_encoder.h"
#include "fakes.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quorvex {
namespace {

using testing::ProgramHarness;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

constexpr std::string_view Prefix = "Quorvex Loudspeaker Management System ";

std::vector<std::uint8_t> RecordOf(const Configuration& config, const std::string& path) {
    const QvxRecord record = EncodeConfigurationRecord(config, path);
    return {record.begin(), record.end()};
}

/// The offsets at which two records differ, so a failure names the fields.
std::vector<std::size_t> DifferingOffsets(const std::vector<std::uint8_t>& a,
                                          const std::vector<std::uint8_t>& b) {
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            offsets.push_back(i);
        }
    }
    return offsets;
}

/// Answers the save question No and chooses `path` in the open dialog.
OpenOutcome OpenWithoutSaving(ProgramHarness& h, const std::string& path) {
    h.Dialogs.Answers.push_back(MessageAnswer::No);
    h.Dialogs.OpenAnswers.push_back(path);
    return OpenConfiguration(h.App);
}

class OpenAndSave : public ::testing::Test {
protected:
    ScratchFolder folder;
    ProgramHarness h;

    /// A configuration written by the program itself, with values set as the editors
    /// set them, at `path`.
    void SaveEdited(const std::string& path) {
        ProgramHarness writer;
        writer.App.Main().SystemNameChange("Touring rig");
        writer.App.SystemInfo().ProjectNameChange("Arena");
        writer.App.SystemInfo().CommentsChange("first line\r\nsecond line");
        writer.App.Main().OutputNameChange(3, "Bass");
        writer.App.Main().RouteBClick(1);
        writer.App.Gains().GainEditEnter(2, "-3.5");
        writer.App.Gains().InvClick(4);
        writer.App.Gains().MuteClick(6);
        writer.App.Delay().SetPosition(5, 234 - 17);
        writer.App.Delay().TemperatureCChange(30);
        // Every band selected once, as opening does, so all are on the equaliser's steps.
        for (int output = 1; output <= 6; ++output) {
            writer.App.Peq().SelectOutput(output);
            for (int band = 1; band <= (output <= 4 ? 7 : 3); ++band) {
                writer.App.Peq().SelectBand(band);
            }
        }
        writer.Dialogs.SaveAnswers.push_back(path);
        ASSERT_TRUE(writer.App.Main().SaveButtonClick());
        saved = writer.Config();
    }

    Configuration saved;
};

TEST_F(OpenAndSave, SavingThenOpeningGivesBackWhatTheEditorsSet) {
    const std::string path = folder / "rig.QVX";
    SaveEdited(path);
    ASSERT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Loaded);

    EXPECT_EQ(DifferingOffsets(RecordOf(h.Config(), path), RecordOf(saved, path)),
              std::vector<std::size_t>{});
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Touring rig");
    EXPECT_EQ(h.App.Main().SystemName, "Touring rig");
    EXPECT_EQ(h.App.SystemInfo().ProjectName, "Arena");
    EXPECT_EQ(h.App.SystemInfo().Comments, "first line\r\nsecond line");
    EXPECT_EQ(h.Config().Route[0], 1);
    EXPECT_DOUBLE_EQ(h.Config().RouteGainA[0], 0.5);
    EXPECT_EQ(h.App.Main().RoutePicture[0], 1);
    EXPECT_EQ(h.Config().Output(5).Delay.DelaySamples, 17);
    EXPECT_EQ(h.App.Delay().Position[4], 234 - 17);
    EXPECT_EQ(h.App.Gains().GainText[1], "-3.5");
    EXPECT_TRUE(h.App.Gains().InvLamp[3]);
    EXPECT_TRUE(h.App.Main().MuteLabelVisible[5]);
    EXPECT_EQ(h.App.Main().Caption, std::string(Prefix) + "rig.QVX");
}

TEST_F(OpenAndSave, OpeningShowsEveryStepAndLetsMessagesRunBeforeEach) {
    const std::string path = folder / "steps.QVX";
    SaveEdited(path);
    h.ClearRecords();
    h.Progress.StepTexts.clear();
    h.Progress.FirstLines.clear();
    OpenWithoutSaving(h, path);

    const std::vector<std::string> readingSteps{"Reading VERSION and HEADER...",
                                                "Reading PEQs...",
                                                "Reading Gains, and Polarity...",
                                                "Reading CrossOvers...",
                                                "Reading Dinamics...",
                                                "Reading Sub Route...",
                                                "Reading Import File Route...",
                                                "Updating Delays...",
                                                "Updating relative distance between speakers...",
                                                "Updating Gains...",
                                                "Updating Xover...",
                                                "Updating Dinamics...",
                                                "Updating Equalization...",
                                                "DONE"};
    const auto& steps = h.Progress.StepTexts;
    ASSERT_GE(steps.size(), readingSteps.size());
    EXPECT_EQ(
        std::vector<std::string>(steps.end() - static_cast<long>(readingSteps.size()), steps.end()),
        readingSteps);
    EXPECT_EQ(h.Progress.FirstLines.back(), "Opening " + path);

    const std::vector<int> percents{0, 5, 10, 15, 20, 25, 28, 30, 35, 45, 65, 75, 85, 100};
    for (std::size_t i = 0; i < readingSteps.size(); ++i) {
        const auto step = std::find(h.Log.begin(), h.Log.end(), "step:" + readingSteps[i]);
        ASSERT_NE(step, h.Log.end()) << readingSteps[i];
        ASSERT_GE(std::distance(step, h.Log.end()), 3);
        EXPECT_EQ(*(step + 1), "percent:" + std::to_string(percents[i]));
        EXPECT_EQ(*(step + 2), "pump:10");
    }
    // Opened with the bar visible, closed at the end.
    EXPECT_NE(std::find(h.Log.begin(), h.Log.end(), "bar shown"), h.Log.end());
    EXPECT_EQ(h.Log.back(), "progress close");
    EXPECT_EQ(h.Dialogs.WaitCursor, (std::vector<bool>{true, false}));
}

TEST_F(OpenAndSave, TheOpenDialogAsksForAnExistingQuorvexFileEvenAfterCancel) {
    const std::string path = folder / "kept.QVX";
    SaveEdited(path);
    h.App.Main().OutputNameChange(1, "Left");
    h.Dialogs.Answers.push_back(MessageAnswer::Cancel);
    h.Dialogs.OpenAnswers.push_back(path);
    EXPECT_EQ(OpenConfiguration(h.App), OpenOutcome::Loaded);

    ASSERT_EQ(h.Dialogs.OpenRequests.size(), 1U);
    const FileDialogRequest& request = h.Dialogs.OpenRequests[0];
    EXPECT_EQ(request.Title, "Open Varnel File");
    EXPECT_EQ(request.Filter, "Quorvex Files *.QVX|*.QVX|All Files *.*|*.*");
    EXPECT_EQ(request.DefaultExtension, "QVX");
    EXPECT_TRUE(request.MustExist);
    EXPECT_EQ(h.Dialogs.Texts().front(), "Do you want to save the present configuration?");
    // No reset ran, and the file still replaced what it holds.
    for (const auto& line : h.Progress.FirstLines) {
        EXPECT_EQ(line.rfind("Initializing ", 0), std::string::npos) << line;
    }
    EXPECT_EQ(h.Config().OutputNames[2], "Bass");
}

TEST_F(OpenAndSave, CancellingTheOpenDialogStillRedrawsAndClosesTheProgress) {
    h.App.Main().SystemNameChange("Before");
    h.Dialogs.Answers.push_back(MessageAnswer::Cancel);
    EXPECT_EQ(OpenConfiguration(h.App), OpenOutcome::Cancelled);
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Before");
    EXPECT_EQ(h.Dialogs.OpenRequests.size(), 1U);
    EXPECT_FALSE(h.Progress.Visible);
    EXPECT_EQ(h.App.Main().Caption, Prefix);
}

TEST_F(OpenAndSave, OpeningClearsRealTimeAndClosesTheEditors) {
    const std::string path = folder / "rt.QVX";
    SaveEdited(path);
    h.App.Gains().Show();
    h.App.Delay().Show();
    h.GoRealTime();
    h.Dialogs.Answers.push_back(MessageAnswer::Cancel);
    h.Dialogs.OpenAnswers.push_back(path);
    OpenConfiguration(h.App);
    EXPECT_FALSE(h.Processor().RealTime);
    EXPECT_FALSE(h.App.Main().RealTimePictureOn);
    EXPECT_FALSE(h.App.Gains().Visible);
    EXPECT_FALSE(h.App.Delay().Visible);
}

TEST_F(OpenAndSave, AFileNamedWithoutTheDialogIsOpenedAsTheDialogWouldOpenIt) {
    const std::string path = folder / "named.QVX";
    SaveEdited(path);
    h.App.Gains().Show();
    h.GoRealTime();
    h.Progress.Show();
    EXPECT_EQ(OpenChosenFile(h.App, path), OpenOutcome::Loaded);
    EXPECT_TRUE(h.Dialogs.OpenRequests.empty());
    EXPECT_TRUE(h.Dialogs.Messages.empty()) << "no save question";
    EXPECT_EQ(h.App.Main().SystemName, "Touring rig");
    EXPECT_EQ(h.App.Main().Caption, std::string(Prefix) + "named.QVX");
    EXPECT_FALSE(h.Processor().RealTime);
    EXPECT_FALSE(h.App.Gains().Visible);
    EXPECT_FALSE(h.Progress.Visible);
    EXPECT_EQ(h.Dialogs.WaitCursor, (std::vector<bool>{true, false}));
}

TEST_F(OpenAndSave, GainFactorsComeBackOnTheLevelEditorsTenthOfADecibel) {
    Configuration written;
    written.Output(1).Level.GainFactor = 0.7;  // -3.098 dB
    written.Output(2).Level.GainFactor = -0.5; // -6.021 dB, inverted
    written.Output(2).Level.PolarityInverted = true;
    const std::string path = folder / "gains.QVX";
    WriteBytes(path, RecordOf(written, path));
    ASSERT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Loaded);

    EXPECT_NEAR(h.Config().Output(1).Level.GainFactor, 0.69984199600227, 1e-12);  // -3.1 dB
    EXPECT_NEAR(h.Config().Output(2).Level.GainFactor, -0.50118723362727, 1e-12); // -6.0 dB
    EXPECT_EQ(h.App.Gains().GainText[0], "-3.1");
    EXPECT_EQ(h.App.Gains().GainText[1], "-6.0");
}

TEST_F(OpenAndSave, BandsComeBackOnTheEqualisersSteps) {
    Configuration written;
    written.Output(2).Band(4) = {1, -2.46, 1234.4, 0.707};
    written.Output(5).Band(1) = {1, 3.0, 1000.0, 2.0};
    const std::string path = folder / "bands.QVX";
    WriteBytes(path, RecordOf(written, path));
    ASSERT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Loaded);

    const PeqBand& band = h.Config().Output(2).Band(4);
    EXPECT_DOUBLE_EQ(band.Q, 0.7);
    EXPECT_DOUBLE_EQ(band.Frequency, 1234.0);
    EXPECT_DOUBLE_EQ(band.Gain, -2.5);
    // A sub's bands end at 500 Hz.
    EXPECT_DOUBLE_EQ(h.Config().Output(5).Band(1).Frequency, 500.0);
}

TEST_F(OpenAndSave, ASubsCrossoverOpensAsItReopensOnceSaved) {
    // Found by fuzzing Open: both edges of SUB1 at 20 kHz with the high pass switched off.
    // The upper edge comes down to the sub's 480 Hz; the lower one must stay below it from
    // the first Open on, or every Save and Open moves it again.
    Configuration written;
    CrossoverSetting& crossover = written.Output(5).Crossover;
    crossover.HighPass.Frequency = 20000.0;
    crossover.LowPass.Frequency = 20000.0;
    crossover.SoloLowPass = true;
    const std::string path = folder / "sub.QVX";
    WriteBytes(path, RecordOf(written, path));
    ASSERT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Loaded);
    EXPECT_DOUBLE_EQ(h.Config().Output(5).Crossover.LowPass.Frequency, 480.0);
    EXPECT_DOUBLE_EQ(h.Config().Output(5).Crossover.HighPass.Frequency, 480.0);

    const std::string resaved = folder / "resaved.QVX";
    h.Dialogs.SaveAnswers.push_back(resaved);
    ASSERT_TRUE(h.App.Main().SaveButtonClick());
    ProgramHarness again;
    ASSERT_EQ(OpenWithoutSaving(again, resaved), OpenOutcome::Loaded);
    EXPECT_EQ(DifferingOffsets(RecordOf(again.Config(), path), RecordOf(h.Config(), path)),
              std::vector<std::size_t>{});
}

TEST_F(OpenAndSave, TheDelayEditorShowsTheTemperatureAndTheRelativeDistances) {
    Configuration written;
    written.TemperatureC = 30;
    written.Output(2).Delay.RelativeDistanceSamples = 48;
    written.Output(2).Delay.DelaySamples = 5;
    const std::string path = folder / "distances.QVX";
    WriteBytes(path, RecordOf(written, path));
    ASSERT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Loaded);
    EXPECT_EQ(h.App.Delay().TemperatureF, 86);
    // 48 samples = 1 ms at 20.06 x sqrt(303) = 349.18 m/s: 34.9 cm.
    EXPECT_EQ(h.App.Delay().DistanceText[1], "34.9");
    EXPECT_EQ(h.Config().Output(2).Delay.RelativeDistanceSamples, 48);
    EXPECT_EQ(h.App.Main().DelayText[1], "0.10 ms");
}

TEST_F(OpenAndSave, StoredRouteCodesComeBackThroughTheRouteCycle) {
    Configuration written;
    written.Route = {2, 1, 1, 0, 0, 2};
    const std::string path = folder / "routes.QVX";
    WriteBytes(path, RecordOf(written, path));
    ASSERT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Loaded);
    EXPECT_EQ(h.Config().Route, (std::array<std::int32_t, 6>{2, 1, 1, 0, 0, 2}));
    EXPECT_EQ(h.Config().RouteGainA, (std::array<double, 6>{0.0, 0.5, 0.5, 1.0, 1.0, 0.0}));
    EXPECT_EQ(h.Config().RouteGainB, (std::array<double, 6>{1.0, 0.5, 0.5, 0.0, 0.0, 1.0}));
    EXPECT_EQ(h.App.Main().RoutePicture, (std::array<int, 6>{2, 1, 1, 0, 0, 2}));
}

class OpenRefused : public OpenAndSave {
protected:
    /// Opens `bytes` written at `path` and expects the "is not a" error box.
    void ExpectRefused(const std::vector<std::uint8_t>& bytes) {
        const std::string path = folder / "bad.QVX";
        WriteBytes(path, bytes);
        h.App.Main().SystemNameChange("Untouched");
        EXPECT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Refused);
        ASSERT_FALSE(h.Dialogs.Messages.empty());
        const auto& box = h.Dialogs.Messages.back();
        EXPECT_EQ(box.Kind, MessageKind::Error);
        EXPECT_EQ(box.Buttons, MessageButtons::Ok);
        EXPECT_EQ(box.Text, path + " is not a QuorvexFile");
        // New configuration ran; nothing of the file was loaded.
        EXPECT_EQ(h.Config().SystemInfo.SystemName, "NoName");
        EXPECT_TRUE(h.Doc().ChosenFileName.empty());
        EXPECT_EQ(h.App.Main().Caption, Prefix);
        EXPECT_FALSE(h.Progress.Visible);
    }

    std::vector<std::uint8_t> Current() {
        Configuration config;
        config.SystemInfo.SystemName = "Loaded";
        return RecordOf(config, "x");
    }
};

TEST_F(OpenRefused, ASizeOfNoLayout) {
    auto bytes = Current();
    bytes.resize(2687);
    ExpectRefused(bytes);
    ExpectRefused(std::vector<std::uint8_t>(100, 0x05));
}

TEST_F(OpenRefused, AFirstByteOtherThanFive) {
    auto bytes = Current();
    bytes[0] = 6;
    ExpectRefused(bytes);
}

TEST_F(OpenRefused, ASignatureLetterChanged) {
    for (std::size_t letter = 1; letter <= 5; ++letter) {
        auto bytes = Current();
        bytes[letter] = static_cast<std::uint8_t>(bytes[letter] + 1);
        ExpectRefused(bytes);
    }
}

TEST_F(OpenRefused, AFileThatCannotBeReadShowsTheSystemsMessage) {
    const std::string path = folder / "missing.QVX";
    EXPECT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Refused);
    EXPECT_EQ(h.Dialogs.Messages.back().Text, path + ": No such file or directory");
    EXPECT_EQ(h.App.Main().Caption, Prefix);
}

class OlderLayout : public OpenAndSave {
protected:
    /// A current record written by the program, cut to `size` bytes.
    std::string WriteOlder(std::size_t size) {
        const std::string path = folder / "old.QVX";
        SaveEdited(path);
        auto bytes = ReadBytes(path);
        bytes.resize(size);
        WriteBytes(path, bytes);
        return path;
    }
};

TEST_F(OlderLayout, LoadsAfterTheWarningWithTheGatesOfTheCurrentVersion) {
    const std::string path = WriteOlder(2664);
    ASSERT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Loaded);
    const auto& box = h.Dialogs.Messages.back();
    EXPECT_EQ(box.Kind, MessageKind::Warning);
    EXPECT_EQ(box.Buttons, MessageButtons::Ok);
    EXPECT_EQ(box.Text, path + " is not a Quorvex File or is an older version (then re-save the "
                               "file to translate it to VERSION 2.1.0.1");
    for (int block = 1; block <= 3; ++block) {
        EXPECT_EQ(h.Config().Block(block).NoiseGatePosition, 13.0F) << block;
        EXPECT_EQ(h.Config().Block(block).NoiseGateSlope, 4.0F) << block;
    }
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Touring rig");
    // The chosen name is forgotten: the progress and the caption name no file.
    EXPECT_EQ(h.Progress.FirstLines.back(), "Opening ");
    EXPECT_EQ(h.App.Main().Caption, Prefix);
}

TEST_F(OlderLayout, TheOldestLayoutKeepsTheResetValuesOfWhatItLacks) {
    const std::string path = WriteOlder(2436);
    ASSERT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Loaded);
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Touring rig");
    EXPECT_EQ(h.Config().ImportReferenceLevel, 90.0F);
    EXPECT_EQ(h.Config().Output(6).SpeakerFile, "");
    EXPECT_EQ(h.Config().Block(3).NoiseGatePosition, 13.0F);
}

TEST_F(OlderLayout, ResavingWritesTheCurrentLayout) {
    const std::string path = WriteOlder(2664);
    OpenWithoutSaving(h, path);
    const std::string resaved = folder / "new.QVX";
    h.Dialogs.SaveAnswers.push_back(resaved);
    ASSERT_TRUE(h.App.Main().SaveButtonClick());
    EXPECT_EQ(ReadBytes(resaved).size(), 2688U);
    EXPECT_EQ(h.App.Main().Caption, std::string(Prefix) + "new.QVX");
}

TEST_F(OlderLayout, FindsItsMeasurementBesideItAndResavesItsName) {
    // Stored as written on another machine: the path is gone, the file moved with the
    // configuration.
    const std::string stored = "C:\\Measures\\left.txt";
    testing::WriteText(folder / "left.txt", testing::FlatClioExport(10.0, 30000.0, 50, 96.0));
    {
        ProgramHarness writer;
        writer.App.Import().FileFieldChange(1, stored);
        writer.Dialogs.SaveAnswers.push_back(folder / "moved.QVX");
        ASSERT_TRUE(writer.App.Main().SaveButtonClick());
    }
    const std::string path = folder / "moved.QVX";
    auto bytes = ReadBytes(path);
    bytes.resize(2664);
    WriteBytes(path, bytes);

    ASSERT_EQ(OpenWithoutSaving(h, path), OpenOutcome::Loaded);
    EXPECT_EQ(h.Config().Output(1).SpeakerFile, stored);
    // 96 dB measured over a 90 dB reference.
    EXPECT_NEAR(h.Doc().SpeakerResponse[0].Magnitude[0], 6.0F, 1e-4);
    EXPECT_NEAR(h.Doc().SpeakerResponse[0].Magnitude[400], 6.0F, 1e-4);

    const std::string resaved = folder / "resaved.QVX";
    h.Dialogs.SaveAnswers.push_back(resaved);
    ASSERT_TRUE(h.App.Main().SaveButtonClick());
    Configuration reread;
    reread.Output(1).SpeakerFile = stored;
    const auto record = ReadBytes(resaved);
    // SpeakerFile of output 1 is the text at 2025: its length, then its characters.
    ASSERT_EQ(record.size(), 2688U);
    EXPECT_EQ(record[2025], stored.size());
    EXPECT_EQ(std::string(record.begin() + 2026, record.begin() + 2026 + 20), stored);
}

TEST_F(OpenAndSave, SaveProposesNoNameAndWritesTheHeaderWithThePathCutTo100) {
    const std::string longName = std::string(80, 'n') + ".QVX";
    const std::string path = folder / longName;
    h.Dialogs.SaveAnswers.push_back(path);
    ASSERT_TRUE(h.App.Main().SaveButtonClick());
    const FileDialogRequest& request = h.Dialogs.SaveRequests.back();
    EXPECT_EQ(request.Title, "Save Varnel File");
    EXPECT_EQ(request.ProposedName, "NoName");
    EXPECT_EQ(request.Filter, "Quorvex Files *.QVX|*.QVX|All Files *.*|*.*");
    EXPECT_EQ(request.DefaultExtension, "QVX");
    EXPECT_TRUE(request.ConfirmOverwrite);

    const auto record = ReadBytes(path);
    ASSERT_EQ(record.size(), 2688U);
    const std::string expected = ("Tessaline S.A. Quorvex2.1.0.1" + path).substr(0, 100);
    EXPECT_EQ(record[15], 100);
    EXPECT_EQ(std::string(record.begin() + 16, record.begin() + 116), expected);
    EXPECT_EQ(h.App.Main().Caption, std::string(Prefix) + longName);
}

TEST_F(OpenAndSave, AWriteErrorShowsTheSystemsMessageAndKeepsTheCaption) {
    const std::string path = folder / "no-such-folder/x.QVX";
    h.Dialogs.SaveAnswers.push_back(path);
    EXPECT_FALSE(h.App.Main().SaveButtonClick());
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(h.Dialogs.Messages[0].Text, "No such file or directory");
    EXPECT_EQ(h.App.Main().Caption, Prefix);
    EXPECT_TRUE(h.Doc().ChosenFileName.empty());
}

TEST_F(OpenAndSave, AFailedSaveLeavesNoFileBehind) {
    // A folder where the file should go makes the write fail once the record is complete.
    const std::string blocked = folder / "blocked.QVX";
    std::filesystem::create_directory(blocked);
    testing::WriteText(blocked + "/inside", "x");
    h.Dialogs.SaveAnswers.push_back(blocked);
    EXPECT_FALSE(h.App.Main().SaveButtonClick());
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_FALSE(h.Dialogs.Messages[0].Text.empty());
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator{}),
              1);
}

} // namespace
} // namespace quorvex
