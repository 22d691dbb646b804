#include "desktop_fixture.h"

#include "app/connect_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/scratch_folder.h"

#include "ui/qt_pump.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace quorvex::testing {
namespace {

// The windows that exist (in creation order, as the application lists them) each time the
// program lets pending messages run, with how many times it let them run.
struct PumpMoment {
    int Times = 0;
    QStringList Windows;
};

class WindowCountingPump : public MessageLoop {
public:
    std::vector<PumpMoment> Moments;

    void Run(int times) override {
        PumpMoment moment{times, {}};
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->objectName().isEmpty()) {
                moment.Windows.push_back(window->objectName());
            }
        }
        Moments.push_back(moment);
        messages_.Run(times);
    }

private:
    QtPump messages_;
};

// The program's start-up order; the combined-response window is "FinalResponseForm", the
// speaker window holds the rack amplifier too, and the coefficient-image builder has no
// window of its own.
const QStringList WindowsBeforeThePause{"ConnectForm", "CopyOutputsForm", "SensitivityForm",
                                        "ProgressForm", "InputPassForm"};
const QStringList WindowsAfterThePause{
    "MainForm",    "ShowCoeffForm",       "FinalResponseForm", "PEQForm",      "GainsForm",
    "Dynamicform", "DelayFinoForm",       "XOVERForm",         "SpeakerForm",  "LoudnessForm",
    "AboutForm",   "TW_Serial_Info_Form", "SystemInfoForm",    "PasswordForm", "ImportForm"};

TEST(DesktopStartOrder, CreatesEveryWindowInTheProgramsOrder) {
    ScriptedDialogs dialogs;
    WindowCountingPump pump;
    Desktop screen(&dialogs, &pump, [] {});
    QStringList names;
    for (QWidget* window : screen.Windows()) {
        names.push_back(window->objectName());
    }
    EXPECT_EQ(names, WindowsBeforeThePause + WindowsAfterThePause);
    EXPECT_EQ(screen.ConnectionWindow()->objectName(), "ConnectForm");
}

TEST(DesktopStartOrder, LetsMessagesRunAHundredTimesBetweenTheFirstWindowsAndTheMainOne) {
    ScriptedDialogs dialogs;
    WindowCountingPump pump;
    Desktop screen(&dialogs, &pump, [] {});
    const auto pause =
        std::find_if(pump.Moments.begin(), pump.Moments.end(),
                     [](const PumpMoment& moment) { return !moment.Windows.isEmpty(); });
    ASSERT_NE(pause, pump.Moments.end()) << "no pause once windows exist";
    EXPECT_EQ(pause->Times, 100);
    QStringList existing = pause->Windows;
    existing.sort();
    QStringList expected = WindowsBeforeThePause;
    expected.sort();
    EXPECT_EQ(existing, expected);
}

using DesktopStart = DesktopFixture;

TEST_F(DesktopStart, ShowsOnlyTheConnectionWindowAndKeepsThePlatformsTitleBars) {
    for (QWidget* window : Screen.Windows()) {
        EXPECT_EQ(window->isVisible(), window == Screen.ConnectionWindow())
            << window->objectName().toStdString();
        EXPECT_TRUE(window->isWindow());
        EXPECT_FALSE(window->windowFlags() & Qt::FramelessWindowHint);
    }
}

TEST_F(DesktopStart, EveryWindowButTheConnectionOneIsOwned) {
    for (QWidget* window : Screen.Windows()) {
        if (window != Screen.ConnectionWindow()) {
            EXPECT_NE(window->parentWidget(), nullptr) << window->objectName().toStdString();
        }
    }
}

using DesktopEditors = DesktopFixture;

TEST_F(DesktopEditors, AChainButtonsHandlerShowsItsEditorAndTheCloseIconHidesIt) {
    QWidget* peq = WindowNamed("PEQForm");
    ASSERT_NE(peq, nullptr);
    App().Main().PeqBtnClick(3);
    EXPECT_TRUE(peq->isVisible());
    EXPECT_TRUE(App().Peq().Visible);
    peq->close();
    EXPECT_FALSE(App().Peq().Visible);
    EXPECT_FALSE(peq->isVisible());
}

using DesktopClosing = DesktopFixture;

TEST_F(DesktopClosing, CancelAtTheClosingQuestionKeepsTheProgramRunning) {
    Dialogs.Answers = {MessageAnswer::Cancel};
    Screen.ConnectionWindow()->close();
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_EQ(Dialogs.Messages[0].Text, TMainForm::ClosingQuestion);
    EXPECT_EQ(Dialogs.Messages[0].Buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(EndRequests, 0);
    EXPECT_TRUE(Screen.ConnectionWindow()->isVisible());
}

TEST_F(DesktopClosing, NoAtTheClosingQuestionEndsTheProgramWithoutSaving) {
    Dialogs.Answers = {MessageAnswer::No};
    Screen.ConnectionWindow()->close();
    EXPECT_EQ(EndRequests, 1);
    EXPECT_TRUE(Dialogs.SaveRequests.empty());
}

using DesktopGrab = DesktopFixture;

TEST_F(DesktopGrab, WritesAPictureOfEveryWindowAndNamesThemInTheReport) {
    ScratchFolder folder;
    const QString dir = QString::fromStdString(folder.Path().string()) + "/grab";
    std::string error;
    ASSERT_TRUE(Screen.Grab(dir, error)) << error;

    QFile file(dir + "/grab.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray windows = QJsonDocument::fromJson(file.readAll())["windows"].toArray();
    ASSERT_EQ(windows.size(), static_cast<qsizetype>(Screen.Windows().size()));
    for (const QJsonValue& entry : windows) {
        const QImage picture(dir + "/" + entry["file"].toString());
        ASSERT_FALSE(picture.isNull()) << entry["file"].toString().toStdString();
        EXPECT_EQ(picture.width(), entry["width"].toInt());
        EXPECT_EQ(picture.height(), entry["height"].toInt());
        EXPECT_NE(Screen.Window(entry["window"].toString()), nullptr);
    }
    // Grabbing shows nothing that was hidden.
    for (QWidget* window : Screen.Windows()) {
        EXPECT_EQ(window->isVisible(), window == Screen.ConnectionWindow());
    }
}

TEST_F(DesktopGrab, ReportsAFolderItCannotWrite) {
    std::string error;
    EXPECT_FALSE(Screen.Grab("/proc/quorvex-grab", error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace quorvex::testing
