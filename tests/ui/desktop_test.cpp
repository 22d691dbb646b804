#include "desktop_fixture.h"

#include "app/connect_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/scratch_folder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorvex::testing {
namespace {

using DesktopStart = DesktopFixture;

TEST_F(DesktopStart, CreatesTheWindowsInTheProgramsOrder) {
    QStringList names;
    for (QWidget* window : Screen.Windows()) {
        names.push_back(window->objectName());
    }
    const QStringList expected{
        "ConnectForm", "CopyOutputsForm", "SensitivityForm", "ProgressForm",  "FinalResponseForm",
        "PEQForm",     "GainsForm",       "Dynamicform",     "DelayFinoForm", "XOVERForm",
        "SpeakerForm", "LoudnessForm",    "ImportForm"};
    for (const QString& name : expected) {
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
    }
    // Every window of the list keeps its place relative to the others.
    qsizetype last = -1;
    for (const QString& name : expected) {
        const qsizetype at = names.indexOf(name);
        EXPECT_GT(at, last) << name.toStdString();
        last = at;
    }
    EXPECT_EQ(Screen.ConnectionWindow()->objectName(), "ConnectForm");
}

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
