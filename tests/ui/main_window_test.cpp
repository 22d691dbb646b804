#include "desktop_fixture.h"

#include "app/delay_fino_form.h"
#include "app/input_pass_form.h"
#include "app/main_form.h"
#include "app/main_form_hints.h"
#include "app/peq_form.h"
#include "app/scratch_folder.h"
#include "ui/qt_text.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>
#include <filesystem>

namespace quorvex::testing {
namespace {

// The main window as a person has it after choosing "Offline" in the connection window.
class MainWindowOffline : public DesktopFixture {
protected:
    MainWindowOffline() { Click("OffLineB"); }

    QWidget* Main() { return Screen.Window("MainForm"); }
    QString Text(const QString& field) { return Control<QLineEdit>(field)->text(); }
    void Type(const QString& field, const QString& text) {
        auto* edit = Control<QLineEdit>(field);
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    bool Asked(std::string_view text) const {
        return std::any_of(Dialogs.Messages.begin(), Dialogs.Messages.end(),
                           [text](const ShownMessage& shown) { return shown.Text == text; });
    }
};

TEST_F(MainWindowOffline, CarriesEveryDocumentedControlWithItsHint) {
    ASSERT_TRUE(Main()->isVisible());
    for (const ControlHint& hint : MainFormHints) {
        auto* control = Main()->findChild<QWidget*>(ToQString(hint.Control));
        ASSERT_NE(control, nullptr) << hint.Control;
        EXPECT_EQ(control->toolTip(), ToQString(hint.Hint)) << hint.Control;
    }
    for (int output = 1; output <= 6; ++output) {
        for (const char* chain :
             {"Peq%1Btn", "Xover%1Btn", "Gain%1Btn", "Delay%1Btn", "Dynamic%1Btn", "Route%1B"}) {
            const QString name = QString(chain).arg(output);
            EXPECT_NE(Main()->findChild<QAbstractButton*>(name), nullptr) << name.toStdString();
        }
    }
    for (const char* field : {"In1Edit", "In2Edit", "Out1Edit", "Out2Edit", "Out3Edit", "Out4Edit",
                              "OutSub1Edit", "OutSub2Edit", "SystemName"}) {
        EXPECT_NE(Main()->findChild<QLineEdit*>(field), nullptr) << field;
    }
}

TEST_F(MainWindowOffline, ShowsTheSixOutputNamesAndTheStatus) {
    EXPECT_EQ(Text("Out1Edit"), "Out1");
    EXPECT_EQ(Text("Out4Edit"), "Out4");
    EXPECT_EQ(Text("OutSub1Edit"), "SUB 1");
    EXPECT_EQ(Text("OutSub2Edit"), "SUB 2");
    EXPECT_EQ(Control<QLabel>("InfoLabel")->text(), "Status : Offline");
    EXPECT_FALSE(Control<QWidget>("WriteButton")->isEnabled()) << "no processor connected";
}

// Pixels of a light caption inside `field` in a picture of the whole window.
int LightPixelsIn(const QImage& picture, const QWidget& window, const QWidget& field) {
    const QRect area(field.mapTo(&window, QPoint(0, 0)), field.size());
    int light = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            light += picture.pixelColor(x, y).lightness() > 150 ? 1 : 0;
        }
    }
    return light;
}

TEST_F(MainWindowOffline, APictureOfTheWindowShowsEveryOutputsNameInItsField) {
    const QStringList fields{"Out1Edit", "Out2Edit",    "Out3Edit",
                             "Out4Edit", "OutSub1Edit", "OutSub2Edit"};
    const QImage named = Main()->grab().toImage();
    for (int output = 1; output <= 6; ++output) {
        App().Main().OutputNameChange(output, "");
    }
    const QImage blank = Main()->grab().toImage();
    for (const QString& name : fields) {
        const QWidget* field = Control<QWidget>(name);
        ASSERT_NE(field, nullptr);
        EXPECT_GT(LightPixelsIn(named, *Main(), *field), 20) << name.toStdString();
        EXPECT_LT(LightPixelsIn(blank, *Main(), *field), 5) << name.toStdString();
    }
}

TEST_F(MainWindowOffline, ARouteSwitchPressedThreeTimesReturnsAndInRealTimeSendsSixValues) {
    GoRealTime();
    auto* route = Control<QAbstractButton>("Route1B");
    ASSERT_NE(route, nullptr);
    QStringList pictures{route->text()};
    for (int press = 0; press < 3; ++press) {
        QTest::mouseClick(route, Qt::LeftButton);
        pictures.push_back(route->text());
    }
    EXPECT_EQ(pictures[3], pictures[0]);
    EXPECT_NE(pictures[1], pictures[0]);
    EXPECT_NE(pictures[2], pictures[1]);
    EXPECT_NE(pictures[2], pictures[0]);
    ASSERT_EQ(Sink.Sent.size(), 6u);
    for (const SentMessage& sent : Sink.Sent) {
        EXPECT_EQ(sent.Dsp, 1) << "Out1 plays on DSP 1";
    }
}

TEST_F(MainWindowOffline, SaveAndOpenGoThroughTheirDialogsAndNameTheFileInTheCaption) {
    ScratchFolder folder;
    const std::string path = (folder.Path() / "rig.QVX").string();
    Type("Out2Edit", "Left");
    Dialogs.SaveAnswers = {path};
    Click("SaveButton");
    ASSERT_EQ(Dialogs.SaveRequests.size(), 1u);
    EXPECT_EQ(Dialogs.SaveRequests[0].Title, "Save Varnel File");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(Main()->windowTitle(), "Quorvex Loudspeaker Management System rig.QVX");

    Type("Out2Edit", "Other");
    Dialogs.Answers = {MessageAnswer::No};
    Dialogs.OpenAnswers = {path};
    Click("OpenButton");
    ASSERT_FALSE(Dialogs.Messages.empty());
    EXPECT_EQ(Dialogs.Messages[0].Text, TMainForm::SaveQuestion);
    EXPECT_EQ(Dialogs.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(Dialogs.Messages[0].Buttons, MessageButtons::YesNoCancel);
    ASSERT_EQ(Dialogs.OpenRequests.size(), 1u);
    EXPECT_EQ(Dialogs.OpenRequests[0].Title, "Open Varnel File");
    EXPECT_EQ(Text("Out2Edit").trimmed(), "Left");
}

TEST_F(MainWindowOffline, NewResetsOnlyWhenTheQuestionIsNotCancelled) {
    Type("Out3Edit", "Mid");
    Dialogs.Answers = {MessageAnswer::Cancel};
    Click("NewButton");
    EXPECT_EQ(Text("Out3Edit"), "Mid");
    Dialogs.Answers = {MessageAnswer::No};
    Click("NewButton");
    EXPECT_EQ(Text("Out3Edit"), "Out3");
    EXPECT_TRUE(Dialogs.SaveRequests.empty());
}

TEST_F(MainWindowOffline, TheTwentiethClickOnProgramRevealsTheWriteToAllMemoriesKey) {
    auto* program = Control<QWidget>("ProgramLabel");
    auto* copyAll = Control<QWidget>("CopyAllMem");
    ASSERT_NE(program, nullptr);
    ASSERT_NE(copyAll, nullptr);
    for (int click = 1; click < TMainForm::CopyAllMemClicks; ++click) {
        QTest::mouseClick(program, Qt::LeftButton);
    }
    EXPECT_FALSE(copyAll->isVisible());
    QTest::mouseClick(program, Qt::LeftButton);
    EXPECT_TRUE(copyAll->isVisible());
    EXPECT_EQ(static_cast<QAbstractButton*>(copyAll)->text(), "Copiar todas las memorias igual");
}

TEST_F(MainWindowOffline, TheLogoAsksForTheAccessCodeThatOpensAllSixtyMemories) {
    Click("LOGOImage");
    QWidget* dialog = WindowNamed("InputPassForm");
    ASSERT_TRUE(dialog->isVisible());
    auto* code = Control<QLineEdit>("PasswordEdit");
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->echoMode(), QLineEdit::Password);
    QTest::keyClicks(code, "8642");
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(Asked(TInputPassForm::UnprotectedText));
    EXPECT_EQ(Control<QSpinBox>("NProgramSpin")->minimum(), 1);
}

TEST_F(MainWindowOffline, ThePresetNameFollowsBetweenTheMainWindowAndSystemInfo) {
    Click("SystemInfoB");
    QWidget* info = WindowNamed("SystemInfoForm");
    ASSERT_TRUE(info->isVisible());
    auto* infoName = info->findChild<QLineEdit*>("SystemName");
    ASSERT_NE(infoName, nullptr);
    infoName->selectAll();
    QTest::keyClicks(infoName, "Arena");
    EXPECT_EQ(Main()->findChild<QLineEdit*>("SystemName")->text(), "Arena");
}

TEST_F(MainWindowOffline, AChainButtonOpensItsEditorOnItsOutput) {
    Click("Peq3Btn");
    EXPECT_TRUE(WindowNamed("PEQForm")->isVisible());
    EXPECT_EQ(App().Peq().Output, 3);
    Click("Delay5Btn");
    EXPECT_TRUE(WindowNamed("DelayFinoForm")->isVisible());
    EXPECT_EQ(App().Delay().CurrentOutput, 5);
}

} // namespace
} // namespace quorvex::testing
