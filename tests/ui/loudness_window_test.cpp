#include "desktop_fixture.h"

#include "app/loudness_form.h"
#include "ui/led_button.h"
#include "ui/rack_slider.h"
#include "ui/rounded_button.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace quorvex::testing {
namespace {

class SubReinforcementWindow : public DesktopFixture {
protected:
    void SetUp() override {
        App().Loudness().Show();
        (void)QTest::qWaitForWindowExposed(WindowNamed("LoudnessForm"));
    }
    const TSOS& Section(int sub) {
        return Doc().Engine.Reinforcement.at(static_cast<std::size_t>(sub - 1));
    }
};

TEST_F(SubReinforcementWindow, TheGainFadersTopBoostsTwelveDecibelsAndSendsTheSection) {
    GoRealTime();
    auto* fader = ControlIn<RackSlider>("LoudnessForm", "FilterGainSlider");
    ASSERT_NE(fader, nullptr);
    QTest::mouseClick(fader, Qt::LeftButton, {}, fader->KnobCentre(0).toPoint());
    EXPECT_EQ(ControlIn<QLineEdit>("LoudnessForm", "FilterGainEdit")->text(), "12.0");
    EXPECT_EQ(Section(1).Gain, 12.0);
    const auto reinforcement =
        std::find_if(Sink.Sent.begin(), Sink.Sent.end(), [](const SentMessage& sent) {
            return sent.What == SentMessage::Kind::Section && sent.Address == 116;
        });
    ASSERT_NE(reinforcement, Sink.Sent.end());
    EXPECT_EQ(reinforcement->Dsp, 1);
    EXPECT_EQ(reinforcement->Coefficients[0], Section(1).b0);
}

TEST_F(SubReinforcementWindow, TheFrequencyFadersBottomIsTwentyNineHertz) {
    auto* fader = ControlIn<RackSlider>("LoudnessForm", "FrecSlider");
    ASSERT_NE(fader, nullptr);
    QTest::mouseClick(fader, Qt::LeftButton, {}, fader->KnobCentre(fader->maximum()).toPoint());
    EXPECT_EQ(ControlIn<QLineEdit>("LoudnessForm", "FrecEdit")->text(), "29");
    EXPECT_EQ(Section(1).Frequency, 29.0);
}

TEST_F(SubReinforcementWindow, HighPassLightsItsLampAndPutsTheParametricOneOut) {
    ClickIn("LoudnessForm", "HighLED");
    EXPECT_TRUE(ControlIn<LedButton>("LoudnessForm", "HighLED")->IsLit());
    EXPECT_FALSE(ControlIn<LedButton>("LoudnessForm", "ParamLED")->IsLit());
    EXPECT_EQ(Section(1).FilterType, 11);
    EXPECT_EQ(ControlIn<LedButton>("LoudnessForm", "HighLED")->toolTip(), "High Pass filter");
    EXPECT_EQ(ControlIn<LedButton>("LoudnessForm", "ParamLED")->toolTip(), "Parametric Filter");
}

TEST_F(SubReinforcementWindow, TheSubKeysSelectASubAndShowItsFilter) {
    ClickIn("LoudnessForm", "ModSub2");
    ClickIn("LoudnessForm", "HighLED");
    auto* fader = ControlIn<RackSlider>("LoudnessForm", "FrecSlider");
    QTest::mouseClick(fader, Qt::LeftButton, {}, fader->KnobCentre(0).toPoint());
    EXPECT_EQ(Section(2).Frequency, 80.0);
    EXPECT_EQ(ControlIn<QLabel>("LoudnessForm", "SubLabel")->text(), "2");
    EXPECT_TRUE(ControlIn<RoundedButton>("LoudnessForm", "ModSub2")->IsLit());

    ClickIn("LoudnessForm", "ModSub1");
    EXPECT_EQ(ControlIn<QLineEdit>("LoudnessForm", "FrecEdit")->text(), "55");
    EXPECT_TRUE(ControlIn<LedButton>("LoudnessForm", "ParamLED")->IsLit());
    EXPECT_FALSE(ControlIn<RoundedButton>("LoudnessForm", "ModSub2")->IsLit());
    ClickIn("LoudnessForm", "ModSub2");
    EXPECT_EQ(ControlIn<QLineEdit>("LoudnessForm", "FrecEdit")->text(), "80");
    EXPECT_EQ(fader->value(), 0);
    EXPECT_TRUE(ControlIn<LedButton>("LoudnessForm", "HighLED")->IsLit());
}

} // namespace
} // namespace quorvex::testing
