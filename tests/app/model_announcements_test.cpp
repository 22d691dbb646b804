#include "app/connect_form.h"
#include "app/copy_outputs_form.h"
#include "app/delay_fino_form.h"
#include "app/dynamic_form.h"
#include "app/final_response_form.h"
#include "app/gains_form.h"
#include "app/import_form.h"
#include "app/input_pass_form.h"
#include "app/loudness_form.h"
#include "app/main_form.h"
#include "app/password_form.h"
#include "app/peq_form.h"
#include "app/sensitivity_form.h"
#include "app/show_coeff_form.h"
#include "app/speaker_form.h"
#include "app/system_info_form.h"
#include "app/xover_form.h"
#include "device_harness.h"
#include "fakes.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using testing::DeviceHarness;
using testing::ProgramHarness;
using testing::ScratchFolder;

/// Every window model's signal by the window's name, so that a failure names the window.
std::map<std::string, ChangeSignal*> Signals(Program& app) {
    return {{"Main", &app.Main().Changed()},
            {"Connect", &app.Connect().Changed()},
            {"SystemInfo", &app.SystemInfo().Changed()},
            {"ShowCoeff", &app.ShowCoeff().Changed()},
            {"FinalResponse", &app.FinalResponse().Changed()},
            {"Peq", &app.Peq().Changed()},
            {"Xover", &app.Xover().Changed()},
            {"Gains", &app.Gains().Changed()},
            {"Delay", &app.Delay().Changed()},
            {"Dynamics", &app.Dynamics().Changed()},
            {"Speaker", &app.Speaker().Changed()},
            {"Loudness", &app.Loudness().Changed()},
            {"CopyOutputs", &app.CopyOutputs().Changed()},
            {"InputPass", &app.InputPass().Changed()},
            {"Password", &app.Password().Changed()},
            {"Sensitivity", &app.Sensitivity().Changed()},
            {"Import", &app.Import().Changed()}};
}

/// How many times each window announced while `action` ran; windows that stayed silent
/// are left out.
template <typename Action>
std::map<std::string, int> AnnouncementsDuring(Program& app, Action action) {
    std::map<std::string, int> before;
    for (const auto& [name, signal] : Signals(app)) {
        before[name] = signal->AnnouncementCount();
    }
    action();
    std::map<std::string, int> made;
    for (const auto& [name, signal] : Signals(app)) {
        const int count = signal->AnnouncementCount() - before[name];
        if (count != 0) {
            made[name] = count;
        }
    }
    return made;
}

TEST(ModelAnnouncements, AHandlerAnnouncesItsWindowOnce) {
    ProgramHarness h;
    EXPECT_EQ(AnnouncementsDuring(h.App, [&] { h.App.Sensitivity().SensitivityChange("35"); }),
              (std::map<std::string, int>{{"Sensitivity", 1}}));
    EXPECT_EQ(AnnouncementsDuring(h.App, [&] { h.App.Xover().MagnClick(); }),
              (std::map<std::string, int>{{"Xover", 1}}));
}

TEST(ModelAnnouncements, ListenersSeeTheStateTheHandlerLeft) {
    ProgramHarness h;
    std::vector<std::string> seen;
    h.App.Gains().Changed().Listen([&] { seen.push_back(h.App.Gains().GainText[0]); });
    h.App.Gains().GainEditEnter(1, "-6");
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0], h.App.Gains().GainText[0]);
    EXPECT_NE(seen[0], "0.0");
}

TEST(ModelAnnouncements, AHandlerThatDrivesOtherWindowsAnnouncesEachOnce) {
    ProgramHarness h;
    // A mute changes the levels editor and the main window's indicators.
    const auto made = AnnouncementsDuring(h.App, [&] { h.App.Gains().MuteClick(1); });
    EXPECT_EQ(made.at("Gains"), 1);
    EXPECT_EQ(made.at("Main"), 1);
    for (const auto& [name, count] : made) {
        EXPECT_EQ(count, 1) << name;
    }
}

TEST(ModelAnnouncements, OpeningAFileAnnouncesEveryEditorOnce) {
    ScratchFolder folder;
    const std::string path = folder / "hall.qvx";
    ProgramHarness h;
    h.App.Gains().GainEditEnter(2, "-3");
    h.Dialogs.SaveAnswers.push_back(path);
    ASSERT_TRUE(h.App.Main().SaveButtonClick());

    h.Dialogs.Answers.push_back(MessageAnswer::No);
    h.Dialogs.OpenAnswers.push_back(path);
    const auto made = AnnouncementsDuring(h.App, [&] { h.App.Main().OpenButtonClick(); });
    for (const char* editor : {"Main", "Peq", "Xover", "Gains", "Delay", "Dynamics", "SystemInfo",
                               "Loudness", "ShowCoeff"}) {
        EXPECT_EQ(made.count(editor), 1U) << editor << " stayed silent";
    }
    for (const auto& [name, count] : made) {
        EXPECT_EQ(count, 1) << name;
    }
}

TEST(ModelAnnouncements, ListenersRunAfterTheOutermostHandlerReturns) {
    ProgramHarness h;
    // Selecting an output redesigns and redraws through nested handlers; the equaliser's
    // listener must see the final selection, never a half-done one.
    std::vector<int> outputs;
    h.App.Peq().Changed().Listen([&] { outputs.push_back(h.App.Peq().Output); });
    h.App.Main().PeqBtnClick(4);
    EXPECT_EQ(outputs, std::vector<int>{4});
    EXPECT_TRUE(h.App.Peq().Visible);
}

TEST(ModelAnnouncements, ModalWindowsShownByAnotherWindowAnnounceOnTheirOwnSignal) {
    ProgramHarness h;
    std::vector<bool> passwordVisible;
    h.App.Password().Changed().Listen([&] { passwordVisible.push_back(h.App.Password().Visible); });
    h.App.Main().PasswordBClick();
    EXPECT_EQ(passwordVisible, std::vector<bool>{true});

    std::vector<bool> copyVisible;
    h.App.CopyOutputs().Changed().Listen(
        [&] { copyVisible.push_back(h.App.CopyOutputs().Visible); });
    h.App.Main().CopyOutsBClick();
    EXPECT_EQ(copyVisible, std::vector<bool>{true});

    h.App.CopyOutputs().Close();
    EXPECT_EQ(copyVisible, (std::vector<bool>{true, false}));
}

TEST(ModelAnnouncements, FieldsSetByAnotherWindowAnnounceTheWindowShowingThem) {
    ProgramHarness h;
    // The delay button tells the delay editor which output opened it.
    const auto delay = AnnouncementsDuring(h.App, [&] { h.App.Main().DelayBtnClick(3); });
    EXPECT_EQ(delay.count("Delay"), 1U);
    EXPECT_EQ(h.App.Delay().CurrentOutput, 3);

    // Offline, the real-time switch puts the sub editor's picture back off.
    h.Dialogs.Answers.clear();
    const auto realTime = AnnouncementsDuring(h.App, [&] { h.App.Main().RealTimeBClick(); });
    EXPECT_EQ(realTime.count("Loudness"), 1U);

    // Copying a route changes the main window's route button.
    h.App.CopyOutputs().CopyAllClick(true);
    h.App.CopyOutputs().SetOrigen(1);
    h.App.CopyOutputs().SetCopia(2);
    const auto copy = AnnouncementsDuring(h.App, [&] { h.App.CopyOutputs().CopyOutput(1, 2); });
    EXPECT_EQ(copy.count("Main"), 1U);
}

TEST(ModelAnnouncements, TheCommunicationWindowAnnouncesThroughTheConnectionWindow) {
    ProgramHarness h;
    std::vector<std::string> statuses;
    h.App.Connect().Changed().Listen(
        [&] { statuses.push_back(h.App.Connect().Communication.Status()); });
    h.App.Connect().Communication.SetStatus("Sending");
    EXPECT_EQ(statuses, std::vector<std::string>{"Sending"});
}

TEST(ModelAnnouncements, ATransfersMessagePassesDeliverTheChangesMadeSoFar) {
    DeviceHarness h;
    h.Connect();
    // What the windows had been told each time the transfer let messages run.
    std::vector<int> toldAtEachPass;
    std::vector<std::string> statusesTold;
    int connectTold = 0;
    int mainTold = 0;
    h.App.Connect().Changed().Listen([&] {
        ++connectTold;
        statusesTold.push_back(h.App.Connect().Communication.Status());
    });
    h.App.Main().Changed().Listen([&] { ++mainTold; });
    h.Pump.OnRun = [&](int) { toldAtEachPass.push_back(connectTold); };

    h.Dialogs.Answers = {MessageAnswer::No};
    ASSERT_TRUE(h.Main().ReadButtonClick());

    ASSERT_FALSE(toldAtEachPass.empty());
    // The device buttons went off before the first pass, and the window was told so.
    EXPECT_GE(mainTold, 2);
    // Status lines reached the window while the read was still running.
    EXPECT_GT(toldAtEachPass.back(), 0);
    EXPECT_GT(connectTold, 1);
    // The last status shown is the one the window was told last.
    EXPECT_EQ(statusesTold.back(), h.App.Connect().Communication.Status());
}

} // namespace
} // namespace quorvex
