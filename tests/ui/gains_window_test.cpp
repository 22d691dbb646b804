#include "desktop_fixture.h"

#include "app/gains_form.h"
#include "app/main_form.h"
#include "ui/led_button.h"
#include "ui/rack_slider.h"
#include "ui/real_spin_edit.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace quorvex::testing {
namespace {

class LevelsWindow : public DesktopFixture {
protected:
    void SetUp() override {
        App().Gains().Show();
        (void)QTest::qWaitForWindowExposed(WindowNamed("GainsForm"));
    }
    QString GainShown(int output) {
        return ControlIn<QLineEdit>("GainsForm", QString("Gain%1Field").arg(output))->text();
    }
};

TEST_F(LevelsWindow, AFaderPressedAtItsTopShowsSixDecibelsAndSendsTheGain) {
    GoRealTime();
    auto* fader = ControlIn<RackSlider>("GainsForm", "Output3Track");
    ASSERT_NE(fader, nullptr);
    QTest::mouseClick(fader, Qt::LeftButton, {}, fader->KnobCentre(0).toPoint());
    EXPECT_EQ(GainShown(3), "6.0");
    EXPECT_EQ(fader->value(), 0);
    ASSERT_FALSE(Sink.Sent.empty());
    const SentMessage& sent = Sink.Sent.back();
    EXPECT_EQ(sent.Dsp, 2); // Out3 runs on DSP 2
    EXPECT_NEAR(sent.Value, std::pow(10.0, 6.0 / 20.0), 1e-9);
    // The other strips are untouched.
    EXPECT_EQ(GainShown(1), "0.0");
}

TEST_F(LevelsWindow, ATypedGainMovesTheFaderAndAnOutOfRangeOneIsRefused) {
    auto* field = ControlIn<QLineEdit>("GainsForm", "Gain2Field");
    ASSERT_NE(field, nullptr);
    TypeInto(field, "-6.0");
    EXPECT_EQ(ControlIn<RackSlider>("GainsForm", "Output2Track")->value(), 121);
    EXPECT_NEAR(Doc().Config.Output(2).Level.GainFactor, 0.50119, 1e-5);
    TypeInto(field, "7.5");
    EXPECT_EQ(GainShown(2), "-6.0");
    EXPECT_EQ(ControlIn<RackSlider>("GainsForm", "Output2Track")->value(), 121);
}

TEST_F(LevelsWindow, ArrowKeysInTheGainFieldStepATenthOfADecibel) {
    auto* field = ControlIn<QLineEdit>("GainsForm", "Gain1Field");
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Up);
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(GainShown(1), "0.2");
    EXPECT_EQ(ControlIn<RackSlider>("GainsForm", "Output1Track")->value(), 59);
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(GainShown(1), "0.1");
}

TEST_F(LevelsWindow, MuteLightsItsLampAndTheMainWindowsMuteLabel) {
    App().Main().Show();
    ClickIn("GainsForm", "MuteOutput2");
    EXPECT_TRUE(ControlIn<LedButton>("GainsForm", "MuteOutput2")->IsLit());
    EXPECT_TRUE(ControlIn<QLabel>("MainForm", "MuteLabel2")->isVisible());
    EXPECT_FALSE(ControlIn<QLineEdit>("MainForm", "Out2Edit")->isEnabled());
    // Muting keeps the gain the person set.
    EXPECT_EQ(GainShown(2), "0.0");
    ClickIn("GainsForm", "MuteOutput2");
    EXPECT_FALSE(ControlIn<QLabel>("MainForm", "MuteLabel2")->isVisible());
}

TEST_F(LevelsWindow, InvLightsItsLampAndTurnsTheGainFactorNegative) {
    ClickIn("GainsForm", "PolOutput5");
    EXPECT_TRUE(ControlIn<LedButton>("GainsForm", "PolOutput5")->IsLit());
    EXPECT_EQ(Doc().Config.Output(5).Level.GainFactor, -1.0);
    EXPECT_EQ(GainShown(5), "0.0");
}

TEST_F(LevelsWindow, StripsAreNamedAfterTheMainWindowsOutputNames) {
    App().Main().OutputNameChange(4, "Fill L");
    App().Gains().Activate();
    EXPECT_EQ(ControlIn<QLabel>("GainsForm", "Channel4Label")->text(), "Fill L");
}

} // namespace
} // namespace quorvex::testing
