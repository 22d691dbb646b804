#include "desktop_fixture.h"

#include "app/connect_form.h"
#include "app/main_form.h"
#include "app/processor_links.h"
#include "cli/served_unit.h"
#include "link/device_messages.h"
#include "link/port_map.h"
#include "ui/led_button.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <memory>

namespace quorvex::testing {
namespace {

// Every text a label was painted with: what a person saw in it, however briefly.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
    QStringList Texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == label_ && event->type() == QEvent::Paint &&
            (Texts.isEmpty() || Texts.back() != label_->text())) {
            Texts.push_back(label_->text());
        }
        return false;
    }

private:
    QLabel* label_;
};

// The desktop program with COM1 pointed at the virtual processor on a real pseudo-terminal,
// answered on the program's own event loop (Qt's message pump, the reply timer).
class ConnectionOverPty : public DesktopFixture {
protected:
    explicit ConnectionOverPty(FaultPlan fault = {}) : unit_(PtyRunnerOptions{}, fault) {
        PortMap ports;
        ports.Set(1, unit_.Path());
        App().Connect().Links = SystemLinks(ports);
    }

    LedButton* Lamp(const QString& name) { return Control<LedButton>(name); }
    QString Status() { return Control<QLabel>("InfoLabel")->text(); }
    bool Shown(std::string_view text) const {
        return std::any_of(Dialogs.Messages.begin(), Dialogs.Messages.end(),
                           [text](const ShownMessage& shown) { return shown.Text == text; });
    }
    void ClickLamp(const QString& name) {
        if (LedButton* lamp = Lamp(name)) {
            QTest::mouseClick(lamp, Qt::LeftButton);
        }
    }
    void Type(const QString& field, const QString& text) {
        auto* edit = Control<QLineEdit>(field);
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    ServedUnit unit_;
};

TEST_F(ConnectionOverPty, TheSixChoicesAreLampsAndOnlyTheChosenOneLights) {
    for (const char* name : {"OffLineB", "Com1B", "Com2B", "USBButton", "Com3B", "Com4B"}) {
        EXPECT_NE(Lamp(name), nullptr) << name;
    }
    ClickLamp("OffLineB");
    EXPECT_TRUE(Lamp("OffLineB")->IsLit());
    EXPECT_FALSE(Lamp("Com1B")->IsLit());
    EXPECT_EQ(Status(), "Status : Offline");
    EXPECT_TRUE(WindowNamed("MainForm")->isVisible());
    EXPECT_FALSE(Screen.ConnectionWindow()->isVisible());
    EXPECT_FALSE(Control<QWidget>("WriteButton")->isEnabled());
}

TEST_F(ConnectionOverPty, Com1ConnectsAndTheStatusReadsConnectedAtCom1) {
    ClickLamp("Com1B");
    EXPECT_TRUE(Dialogs.Messages.empty());
    EXPECT_EQ(Status(), "Status : Connected at COM1");
    EXPECT_TRUE(Lamp("Com1B")->IsLit());
    EXPECT_FALSE(Lamp("OffLineB")->IsLit());
    EXPECT_FALSE(Screen.ConnectionWindow()->isVisible());
    EXPECT_TRUE(WindowNamed("MainForm")->isVisible());
    for (const char* name : {"ReadButton", "WriteButton", "ChangeButton", "UpdateDSP", "BlockB",
                             "UnblockB", "PasswordB", "NProgramSpin"}) {
        EXPECT_TRUE(Control<QWidget>(name)->isEnabled()) << name;
    }
}

TEST_F(ConnectionOverPty, ALampIsChosenFromTheKeyboardToo) {
    LedButton* com1 = Lamp("Com1B");
    ASSERT_NE(com1, nullptr);
    EXPECT_EQ(com1->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(com1, Qt::Key_Space);
    EXPECT_EQ(Status(), "Status : Connected at COM1");
}

TEST_F(ConnectionOverPty, WriteAndReadFromTheMainWindowBringTheConfigurationBack) {
    ClickLamp("Com1B");
    ASSERT_EQ(Status(), "Status : Connected at COM1");
    Type("Out3Edit", "MidHi");
    Type("SystemName", "Hall B");
    Dialogs.Answers = {MessageAnswer::Yes};
    Click("WriteButton");
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_EQ(Dialogs.Messages[0].Text,
              "The memory 21 have a preset stored. Do you want to overwrite it?");
    EXPECT_TRUE(Control<QWidget>("WriteButton")->isEnabled()) << "the write went through";

    // Read runs New first (its save question answered No), then takes memory 21 back.
    PaintedTexts progress(Control<QLabel>("FirstLine"));
    PaintedTexts transfer(Control<QLabel>("Info"));
    Dialogs.Answers = {MessageAnswer::No};
    Click("ReadButton");
    EXPECT_EQ(Dialogs.Messages.size(), 2u) << Dialogs.Messages.back().Text;
    EXPECT_EQ(Control<QLineEdit>("Out3Edit")->text(), "MidHi ");
    EXPECT_EQ(Control<QLineEdit>("SystemName")->text().trimmed(), "Hall B");
    EXPECT_TRUE(progress.Texts.contains("Loading...")) << progress.Texts.join('|').toStdString();
    EXPECT_FALSE(transfer.Texts.isEmpty()) << "the communication window shows the read";
    EXPECT_FALSE(WindowNamed("ProgressForm")->isVisible()) << "closed at the end";
    EXPECT_FALSE(WindowNamed("TW_Serial_Info_Form")->isVisible());
    EXPECT_TRUE(Control<QWidget>("ReadButton")->isEnabled());
    EXPECT_EQ(Status(), "Status : Connected at COM1");
}

TEST_F(ConnectionOverPty, TheConnectionWindowClosedWithCancelKeepsTheProgramAndItsLink) {
    ClickLamp("Com1B");
    Click("ConnectButton");
    ASSERT_TRUE(Screen.ConnectionWindow()->isVisible());
    Dialogs.Answers = {MessageAnswer::Cancel};
    Screen.ConnectionWindow()->close();
    EXPECT_EQ(Dialogs.Messages.back().Text, TMainForm::ClosingQuestion);
    EXPECT_EQ(EndRequests, 0);
    EXPECT_TRUE(Screen.ConnectionWindow()->isVisible());
    EXPECT_TRUE(Processor().Connected);
    EXPECT_TRUE(Control<QWidget>("WriteButton")->isEnabled());
}

class SilentUnitOverPty : public ConnectionOverPty {
protected:
    SilentUnitOverPty() : ConnectionOverPty(FaultPlan{Fault::Silence, 0}) {}
};

TEST_F(SilentUnitOverPty, GivesTheCommunicationErrorAndTheProgramStaysUsableOffline) {
    ClickLamp("Com1B");
    EXPECT_TRUE(Shown(device_message::ComCommunicationError));
    EXPECT_FALSE(Processor().Connected);
    EXPECT_FALSE(Lamp("Com1B")->IsLit());
    EXPECT_TRUE(Lamp("OffLineB")->IsLit());
    EXPECT_TRUE(Screen.ConnectionWindow()->isVisible()) << "for another choice";
    EXPECT_TRUE(Lamp("Com2B")->isEnabled());

    ClickLamp("OffLineB");
    EXPECT_EQ(Status(), "Status : Offline");
    ASSERT_TRUE(WindowNamed("MainForm")->isVisible());
    EXPECT_FALSE(Control<QWidget>("WriteButton")->isEnabled());
    const QString route = Control<QAbstractButton>("Route1B")->text();
    Click("Route1B");
    EXPECT_NE(Control<QAbstractButton>("Route1B")->text(), route);
}

} // namespace
} // namespace quorvex::testing
