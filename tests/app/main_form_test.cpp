#include "app/main_form.h"

#include "app/connect_form.h"
#include "app/delay_fino_form.h"
#include "app/dynamic_form.h"
#include "app/gains_form.h"
#include "app/loudness_form.h"
#include "app/system_info_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace quorvex {
namespace {

using testing::ProgramHarness;

class MainWindow : public ::testing::Test {
protected:
    ProgramHarness h;
    TMainForm& main = h.App.Main();

    /// Leaves marks in every section that New configuration resets.
    void ChangeEverything() {
        h.App.Gains().GainEditEnter(1, "-6.0");
        h.App.Gains().MuteClick(2);
        h.App.Delay().MsEditEnter(3, "1.00");
        h.App.Delay().DistanceEnter(4, "50.0");
        h.App.Delay().TemperatureCChange(10);
        main.RouteBClick(1);
        main.SystemNameChange("Arena");
        h.App.SystemInfo().EngineerChange("Ana");
        main.OutputNameChange(5, "Bass");
        h.Config().Output(2).Band(3).Gain = 4.0;
        h.Config().Block(1).ThresholdDb = -20.0F;
        h.Config().ResponseView.PeqView = false;
        h.Config().ResponseView.DelayView = false;
        h.Processor().MemoryNumber = 33;
        h.Doc().MicrophoneSensitivity = 0.05;
        h.Config().ImportFormat = 3;
        h.Config().Output(2).SpeakerFile = "C:\\gone\\mid.txt";
        h.Doc().SpeakerResponse[1].Magnitude[7] = -3.0F;
    }
};

TEST_F(MainWindow, StartsWithTheNamesAndRoutesOfTheMainWindow) {
    EXPECT_EQ(h.Config().OutputNames[4], "SUB 1");
    EXPECT_EQ(h.Config().OutputNames[5], "SUB 2");
    EXPECT_EQ(main.RoutePicture, (std::array<int, 6>{0, 2, 0, 2, 1, 1}));
    EXPECT_EQ(main.SystemName, "NoName");
    EXPECT_EQ(h.App.SystemInfo().SystemName, "NoName");
    EXPECT_EQ(h.App.SystemInfo().Comments, "");
    EXPECT_EQ(h.App.Main().Caption, "Quorvex Loudspeaker Management System ");
    EXPECT_EQ(main.DelayText[5], "0.00 ms");
    EXPECT_FALSE(main.CopyAllMemVisible);
    const ResponseViewFlags& view = h.Config().ResponseView;
    EXPECT_TRUE(view.SpeakerDataView && view.PeqView && view.CrossoverView && view.GainView &&
                view.DelayView);
    // The windows created before the main one get their pending messages run once.
    EXPECT_EQ(h.Pump.Runs, (std::vector<int>{100}));
}

TEST_F(MainWindow, CancelAtTheSaveQuestionResetsNothing) {
    ChangeEverything();
    h.Dialogs.Answers = {MessageAnswer::Cancel};
    main.NewButtonClick();
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(h.Dialogs.Messages[0].Buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(h.Dialogs.Messages[0].Text, "Do you want to save the present configuration?");
    EXPECT_TRUE(h.Doc().SaveQuestionCancelled);
    EXPECT_TRUE(h.Progress.StepTexts.empty());
    EXPECT_EQ(h.Config().Route[0], 1);
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Arena");
    EXPECT_TRUE(h.Dialogs.SaveRequests.empty());
}

TEST_F(MainWindow, NoResetsEverySectionInTenSteps) {
    ChangeEverything();
    h.GoRealTime();
    h.App.Gains().Show();
    h.App.Delay().Show();
    h.Doc().ChosenFileName = "show.QVX";
    h.ClearRecords();
    h.Dialogs.Answers = {MessageAnswer::No};
    main.NewButtonClick();

    EXPECT_TRUE(h.Dialogs.SaveRequests.empty());
    EXPECT_FALSE(h.Doc().SaveQuestionCancelled);
    EXPECT_EQ(h.Progress.FirstLines, (std::vector<std::string>{"Initializing show.QVX"}));
    EXPECT_EQ(h.Progress.StepTexts,
              (std::vector<std::string>{"Gains...", "Crossover...", "Equalization...",
                                        "Dynamics...", "Delays...", "Loudness...", "System Info...",
                                        "Names...", "Import Data...", "DONE..."}));
    EXPECT_EQ(h.Progress.Percents, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_FALSE(h.Progress.Visible);
    // Every step text is drawn before its step runs.
    for (std::size_t i = 0; i < h.Log.size(); ++i) {
        if (h.Log[i].rfind("step:", 0) == 0) {
            ASSERT_LT(i + 2, h.Log.size());
            EXPECT_EQ(h.Log[i + 2], "pump:4") << h.Log[i];
        }
    }
    EXPECT_EQ(h.Pump.CallsOf(4), 10);
    EXPECT_TRUE(h.Sink.Sent.empty()); // real-time mode went off first

    const Configuration& config = h.Config();
    EXPECT_FALSE(h.Processor().RealTime);
    EXPECT_FALSE(main.RealTimePictureOn);
    EXPECT_FALSE(h.App.Gains().Visible);
    EXPECT_FALSE(h.App.Delay().Visible);
    EXPECT_EQ(h.App.Gains().Position[0], 61);
    EXPECT_EQ(config.Output(1).Level.GainFactor, 1.0);
    EXPECT_FALSE(h.App.Gains().MuteLamp[1]);
    EXPECT_FALSE(main.MuteLabelVisible[1]);
    EXPECT_TRUE(main.OutputNameEnabled[1]);
    EXPECT_EQ(config.SubFeed[0].R, 0.0);
    EXPECT_EQ(config.Output(3).Delay.DelaySamples, 0);
    EXPECT_EQ(h.App.Delay().Position[2], 234);
    EXPECT_EQ(main.DelayText[2], "0.00 ms");
    EXPECT_EQ(config.Output(4).Delay.RelativeDistanceSamples, 0);
    EXPECT_EQ(h.App.Delay().DistanceText[3], "0.0");
    EXPECT_EQ(config.TemperatureC, 25);
    EXPECT_EQ(h.App.Delay().TemperatureF, 77);
    EXPECT_EQ(config.Output(2).Band(3).Gain, 0.0);
    EXPECT_EQ(config.Block(1).ThresholdDb, -6.0F);
    EXPECT_EQ(config.SystemInfo.SystemName, "NoName");
    EXPECT_EQ(main.SystemName, "NoName");
    EXPECT_EQ(h.App.SystemInfo().SystemName, "NoName");
    EXPECT_EQ(h.App.SystemInfo().Engineer, "");
    EXPECT_EQ(config.OutputNames[4], "SUB1");
    EXPECT_EQ(config.Route, (std::array<std::int32_t, 6>{0, 2, 0, 2, 1, 1}));
    EXPECT_EQ(main.RoutePicture, (std::array<int, 6>{0, 2, 0, 2, 1, 1}));
    EXPECT_EQ(config.RouteGainA[0], 1.0);
    EXPECT_TRUE(config.ResponseView.PeqView);
    EXPECT_TRUE(h.App.Connect().ButtonsEnabled);
    EXPECT_EQ(config.Output(2).SpeakerFile, "");
    EXPECT_EQ(h.Doc().SpeakerResponse[1].Magnitude[7], 0.0F);
    // What New configuration leaves alone.
    EXPECT_FALSE(config.ResponseView.DelayView);
    EXPECT_EQ(h.Processor().MemoryNumber, 33);
    EXPECT_EQ(h.Doc().MicrophoneSensitivity, 0.05);
    EXPECT_EQ(config.ImportFormat, 3);
    EXPECT_TRUE(h.Processor().Connected);
}

TEST_F(MainWindow, YesSavesFirstThenResetsEvenWhenTheSaveIsCancelled) {
    ChangeEverything();
    h.Dialogs.Answers = {MessageAnswer::Yes};
    main.NewButtonClick();
    ASSERT_EQ(h.Dialogs.SaveRequests.size(), 1U);
    const FileDialogRequest& request = h.Dialogs.SaveRequests[0];
    EXPECT_EQ(request.Title, "Save Varnel File");
    EXPECT_EQ(request.Filter, "Quorvex Files *.QVX|*.QVX|All Files *.*|*.*");
    EXPECT_EQ(request.DefaultExtension, "QVX");
    EXPECT_EQ(request.ProposedName, "NoName");
    EXPECT_TRUE(request.ConfirmOverwrite);
    const auto save = std::find(h.Log.begin(), h.Log.end(), "save dialog");
    const auto reset = std::find(h.Log.begin(), h.Log.end(), "step:Gains...");
    EXPECT_LT(save, reset);
    EXPECT_EQ(h.Config().Route[0], 0);
    EXPECT_EQ(h.App.Main().Caption, "Quorvex Loudspeaker Management System ");
}

TEST_F(MainWindow, SaveWritesTheFileAndNamesItInTheCaption) {
    const auto folder = std::filesystem::temp_directory_path() / "quorvex_main_window_save";
    std::filesystem::create_directories(folder);
    const auto path = folder / "Arena.QVX";
    std::filesystem::remove(path);
    h.Dialogs.SaveAnswers = {path.string()};
    EXPECT_TRUE(main.SaveButtonClick());
    EXPECT_EQ(std::filesystem::file_size(path), 2688U);
    EXPECT_EQ(h.App.Main().Caption, "Quorvex Loudspeaker Management System Arena.QVX");
    EXPECT_EQ(h.Doc().ChosenFileName, path.string());
    EXPECT_TRUE(h.Dialogs.Messages.empty());
    std::filesystem::remove_all(folder);
}

TEST_F(MainWindow, FailedSaveSaysWhyAndKeepsTheCaption) {
    const auto path = std::filesystem::temp_directory_path() / "quorvex_no_such_folder" / "a.QVX";
    h.Dialogs.SaveAnswers = {path.string()};
    EXPECT_FALSE(main.SaveButtonClick());
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_FALSE(h.Dialogs.Messages[0].Text.empty());
    EXPECT_EQ(h.App.Main().Caption, "Quorvex Loudspeaker Management System ");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(MainWindow, RouteButtonCyclesAndSendsBothFactorsInRealTime) {
    h.GoRealTime();
    for (int press = 0; press < 3; ++press) {
        main.RouteBClick(1);
    }
    EXPECT_EQ(h.Config().Route[0], 0);
    EXPECT_EQ(main.RoutePicture[0], 0);
    ASSERT_EQ(h.Sink.Sent.size(), 6U);
    const std::array<double, 6> values{0.5, 0.5, 0.0, 1.0, 1.0, 0.0};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(h.Sink.Sent[i].Dsp, 1);
        EXPECT_EQ(h.Sink.Sent[i].Address, static_cast<int>(i % 2)) << i;
        EXPECT_EQ(h.Sink.Sent[i].Value, values[i]) << i;
    }
    EXPECT_EQ(h.Pump.CallsOf(100), 1 + 6);
}

TEST_F(MainWindow, ARefusedRouteFactorSaysErrorAndSendsNoSecond) {
    h.GoRealTime();
    h.Sink.Fails = true;
    main.RouteBClick(3);
    ASSERT_EQ(h.Sink.Sent.size(), 1U);
    EXPECT_EQ(h.Dialogs.Texts(), (std::vector<std::string>{"ERROR"}));
    // The route itself has moved on.
    EXPECT_EQ(h.Config().Route[2], 1);
    EXPECT_EQ(main.RoutePicture[2], 1);
}

TEST_F(MainWindow, RouteFactorsOfEachOutputHaveTheirPlace) {
    h.GoRealTime();
    main.RouteBClick(4);
    main.RouteBClick(5);
    main.RouteBClick(6);
    ASSERT_EQ(h.Sink.Sent.size(), 6U);
    const std::array<std::pair<int, int>, 6> where{
        {{2, 2}, {2, 3}, {1, 4}, {1, 5}, {2, 4}, {2, 5}}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(std::make_pair(h.Sink.Sent[i].Dsp, h.Sink.Sent[i].Address), where[i]) << i;
    }
    EXPECT_EQ(main.RoutePicture[4], 2);
}

TEST_F(MainWindow, RouteSendsNothingOfflineOrDuringATransfer) {
    main.RouteBClick(2);
    h.GoRealTime();
    h.Processor().TransferRunning = true;
    main.RouteBClick(2);
    EXPECT_TRUE(h.Sink.Sent.empty());
    EXPECT_EQ(main.RoutePicture[1], 1);
}

TEST_F(MainWindow, SystemNameIsOneValueInBothWindows) {
    main.SystemNameChange("Main hall");
    EXPECT_EQ(h.App.SystemInfo().SystemName, "Main hall");
    h.App.SystemInfo().SystemNameChange("Side stage");
    EXPECT_EQ(main.SystemName, "Side stage");
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Side stage");
    main.SystemNameChange(std::string(45, 'x'));
    EXPECT_EQ(h.App.SystemInfo().SystemName, std::string(40, 'x'));
    main.OutputNameChange(1, "Front Left");
    EXPECT_EQ(h.Config().OutputNames[0], "Front ");
}

TEST_F(MainWindow, NamesAreNeverCutInsideACharacter) {
    // "ñ" takes two bytes: the sixth byte would be its first half.
    main.OutputNameChange(2, "Bajo1\u00f1");
    EXPECT_EQ(h.Config().OutputNames[1], "Bajo1");
    main.InputNameChange(1, "Se\u00f1al1");
    EXPECT_EQ(h.Config().InputNames[0], "Se\u00f1al");
    h.App.SystemInfo().EngineerChange(std::string(29, 'a') + "\u00e9");
    EXPECT_EQ(h.App.SystemInfo().Engineer, std::string(29, 'a'));
}

TEST_F(MainWindow, TwentiethProgramClickRevealsCopyAllMem) {
    for (int click = 0; click < 19; ++click) {
        main.ProgramLabelClick();
    }
    EXPECT_FALSE(main.CopyAllMemVisible);
    main.Activate();
    main.ProgramLabelClick();
    EXPECT_FALSE(main.CopyAllMemVisible);
    for (int click = 0; click < 19; ++click) {
        main.ProgramLabelClick();
    }
    EXPECT_TRUE(main.CopyAllMemVisible);
}

TEST_F(MainWindow, ClosingAsksToSave) {
    h.Dialogs.Answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(main.CloseQuery());
    EXPECT_TRUE(main.Running);
    EXPECT_EQ(h.Dialogs.Messages.at(0).Text,
              "Quorvex is closing...Do you want to save the present configuration before?");
    EXPECT_EQ(h.Dialogs.Messages[0].Buttons, MessageButtons::YesNoCancel);

    h.Dialogs.Answers = {MessageAnswer::Yes};
    EXPECT_TRUE(main.CloseQuery());
    EXPECT_FALSE(main.Running);
    EXPECT_EQ(h.Dialogs.SaveRequests.size(), 1U);
}

TEST_F(MainWindow, ClosingWithNoEndsWithoutSaving) {
    h.Dialogs.Answers = {MessageAnswer::No};
    EXPECT_TRUE(main.CloseQuery());
    EXPECT_FALSE(main.Running);
    EXPECT_TRUE(h.Dialogs.SaveRequests.empty());
}

TEST_F(MainWindow, RealTimeIsRefusedOffline) {
    main.RealTimeBClick();
    EXPECT_FALSE(h.Processor().RealTime);
    EXPECT_FALSE(main.RealTimePictureOn);
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Information);
    EXPECT_EQ(h.Dialogs.Messages[0].Buttons, MessageButtons::Ok);
    EXPECT_EQ(h.Dialogs.Messages[0].Text, "You are Offline, Real Time Mode is not posible");
}

TEST_F(MainWindow, RealTimeOffWhenSwitchedAgain) {
    h.GoRealTime();
    h.App.Loudness().RealTimePictureOn = true;
    main.RealTimeBClick();
    EXPECT_FALSE(h.App.Loudness().RealTimePictureOn);
    EXPECT_FALSE(h.Processor().RealTime);
    EXPECT_FALSE(main.RealTimePictureOn);
    EXPECT_TRUE(h.Dialogs.Messages.empty());
}

TEST_F(MainWindow, ChainButtonsChooseTheEditorsTarget) {
    main.DelayBtnClick(5);
    EXPECT_EQ(h.App.Delay().CurrentOutput, 5);
    EXPECT_TRUE(h.App.Delay().Visible);
    main.DynamicBtnClick(4);
    EXPECT_EQ(h.App.Dynamics().EditorBlock, 2);
    main.DynamicBtnClick(6);
    EXPECT_EQ(h.App.Dynamics().EditorBlock, 3);
    main.OutputNameChange(3, "Fill");
    main.GainBtnClick(3);
    EXPECT_TRUE(h.App.Gains().Visible);
    EXPECT_EQ(h.App.Gains().ChannelLabel[2], "Fill");
}

} // namespace
} // namespace quorvex
