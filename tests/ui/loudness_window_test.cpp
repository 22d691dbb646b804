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
        return State().Engine.Reinforcement.at(static_cast<std::size_t>(sub - 1));
    }
};

TEST_F(SubReinforcementWindow, TheGainFadersTopBoostsTwelveDecibelsAndSendsTheSection) {
    GoRealTime();
    auto* fader = Control<RackSlider>("FilterGainSlider");
    ASSERT_NE(fader, nullptr);
    QTest::mouseClick(fader, Qt::LeftButton, {}, fader->KnobCentre(0).toPoint());
    EXPECT_EQ(Control<QLineEdit>("FilterGainEdit")->text(), "12.0");
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
    auto* fader = Control<RackSlider>("FrecSlider");
    ASSERT_NE(fader, nullptr);
    QTest::mouseClick(fader, Qt::LeftButton, {}, fader->KnobCentre(fader->maximum()).toPoint());
    EXPECT_EQ(Control<QLineEdit>("FrecEdit")->text(), "29");
    EXPECT_EQ(Section(1).Frequency, 29.0);
}

TEST_F(SubReinforcementWindow, HighPassLightsItsLampAndPutsTheParametricOneOut) {
    Click("HighLED");
    EXPECT_TRUE(Control<LedButton>("HighLED")->IsLit());
    EXPECT_FALSE(Control<LedButton>("ParamLED")->IsLit());
    EXPECT_EQ(Section(1).FilterType, 11);
    EXPECT_EQ(Control<LedButton>("HighLED")->toolTip(), "High Pass filter");
    EXPECT_EQ(Control<LedButton>("ParamLED")->toolTip(), "Parametric Filter");
}

TEST_F(SubReinforcementWindow, TheSubKeysSelectASubAndShowItsFilter) {
    Click("ModSub2");
    Click("HighLED");
    auto* fader = Control<RackSlider>("FrecSlider");
    QTest::mouseClick(fader, Qt::LeftButton, {}, fader->KnobCentre(0).toPoint());
    EXPECT_EQ(Section(2).Frequency, 80.0);
    EXPECT_EQ(Control<QLabel>("SubLabel")->text(), "2");
    EXPECT_TRUE(Control<RoundedButton>("ModSub2")->IsLit());

    Click("ModSub1");
    EXPECT_EQ(Control<QLineEdit>("FrecEdit")->text(), "55");
    EXPECT_TRUE(Control<LedButton>("ParamLED")->IsLit());
    EXPECT_FALSE(Control<RoundedButton>("ModSub2")->IsLit());
    Click("ModSub2");
    EXPECT_EQ(Control<QLineEdit>("FrecEdit")->text(), "80");
    EXPECT_EQ(fader->value(), 0);
    EXPECT_TRUE(Control<LedButton>("HighLED")->IsLit());
}

} // namespace
} // namespace quorvex::testing
