#include "desktop_fixture.h"

#include "app/dynamic_form.h"
#include "app/speaker_form.h"
#include "ui/led_button.h"
#include "ui/rounded_button.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace quorvex::testing {
namespace {

class SpeakerScreen : public DesktopFixture {
protected:
    void SetUp() override {
        App().Speaker().Show();
        (void)QTest::qWaitForWindowExposed(WindowNamed("SpeakerForm"));
        ClickIn("SpeakerForm", "Output1Button");
    }
    QLineEdit* Field(const QString& name) {
        return ControlIn<QLineEdit>("SpeakerForm", name + "Field");
    }
    void Type(const QString& name, const QString& text) { TypeInto(Field(name), text); }
    DynamicsSetting& Block(int block) { return Doc().Config.Block(block); }
};

TEST_F(SpeakerScreen, OpensOnTheButtonOfTheDynamicsEditorsBlock) {
    App().Dynamics().SelectBlock(2);
    App().Speaker().Close();
    App().Speaker().Show();
    EXPECT_TRUE(ControlIn<RoundedButton>("SpeakerForm", "Output3Button")->IsLit());
    EXPECT_FALSE(ControlIn<RoundedButton>("SpeakerForm", "Output1Button")->IsLit());
}

TEST_F(SpeakerScreen, IsModalAndShowsTheStartUpData) {
    EXPECT_TRUE(WindowNamed("SpeakerForm")->isModal());
    EXPECT_EQ(ControlIn<QComboBox>("SpeakerForm", "Zload")->currentText(), "8");
    EXPECT_EQ(Field("PowerMaxLoad")->text(), "400");
    EXPECT_EQ(Field("PowerAmpMax")->text(), "600");
    EXPECT_EQ(Field("AmpGain")->text(), "41");
    EXPECT_EQ(ControlIn<QLabel>("SpeakerForm", "AmpGainDbLabel")->text(), "32.26 dB");
    EXPECT_TRUE(ControlIn<LedButton>("SpeakerForm", "Balanceado")->IsLit());
}

TEST_F(SpeakerScreen, ASubButtonEditsTheSubsBlock) {
    ClickIn("SpeakerForm", "Output5Button");
    EXPECT_EQ(App().Dynamics().Block, 3);
    EXPECT_TRUE(ControlIn<RoundedButton>("SpeakerForm", "Output5Button")->IsLit());
    EXPECT_FALSE(ControlIn<RoundedButton>("SpeakerForm", "Output1Button")->IsLit());
    ControlIn<QComboBox>("SpeakerForm", "Zload")->setFocus();
    QTest::keyClick(ControlIn<QComboBox>("SpeakerForm", "Zload"), Qt::Key_Up); // "4"
    EXPECT_EQ(Block(3).LoadImpedance, 4.0F);
    EXPECT_EQ(Block(1).LoadImpedance, 8.0F);
}

TEST_F(SpeakerScreen, TheBoxPowerButtonsStepAsTheValueSays) {
    auto* box = WindowNamed("SpeakerForm")->findChild<QWidget*>("PowerMaxLoad");
    ASSERT_NE(box, nullptr);
    const auto arrows = box->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QToolButton* up = arrows[0]->arrowType() == Qt::UpArrow ? arrows[0] : arrows[1];
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(Field("PowerMaxLoad")->text(), "425");
    Type("PowerMaxLoad", "1000");
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(Block(1).SpeakerMaxPower, 1100.0F);
}

TEST_F(SpeakerScreen, AGainOutsideItsRangeIsRefused) {
    Type("AmpGain", "300");
    EXPECT_EQ(Field("AmpGain")->text(), "41");
    EXPECT_EQ(Block(1).AmpGain, 41.0F);
    Type("AmpGain", "100");
    EXPECT_EQ(Block(1).AmpGain, 100.0F);
    EXPECT_EQ(ControlIn<QLabel>("SpeakerForm", "AmpGainDbLabel")->text(), "40.00 dB");
}

TEST_F(SpeakerScreen, TheBalancedLampSwitchesTheSignalAndThePowerCheckFollows) {
    const double balanced = App().Dynamics().Power.OutputPowerWatts;
    ClickIn("SpeakerForm", "Balanceado");
    EXPECT_FALSE(ControlIn<LedButton>("SpeakerForm", "Balanceado")->IsLit());
    EXPECT_EQ(Block(1).Balanced, 0);
    EXPECT_NEAR(App().Dynamics().Power.OutputPowerWatts, balanced / 4.0, 1e-6 * balanced);
}

} // namespace
} // namespace quorvex::testing
