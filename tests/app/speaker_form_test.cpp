#include "app/speaker_form.h"

#include "app/dynamic_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using testing::ProgramHarness;

class SpeakerWindow : public ::testing::Test {
protected:
    ProgramHarness h;
    TSpeakerForm& speaker = h.App.Speaker();
    TDynamicform& dyn = h.App.Dynamics();
};

TEST(SpeakerSpins, PowerStepsFollowTheValue) {
    EXPECT_EQ(BoxPowerStep(24), 1);
    EXPECT_EQ(BoxPowerStep(25), 25);
    EXPECT_EQ(BoxPowerStep(999), 25);
    EXPECT_EQ(BoxPowerStep(1000), 100);
    EXPECT_EQ(AmpPowerStep(975), 25);
    EXPECT_EQ(AmpPowerStep(1000), 100);
}

TEST(SpeakerSpins, GainLabelHasFourSignificantDigits) {
    EXPECT_EQ(AmpGainDbText(41.0), "32.26 dB");
    EXPECT_EQ(AmpGainDbText(5.0), "13.98 dB");
    EXPECT_EQ(AmpGainDbText(200.0), "46.02 dB");
}

TEST_F(SpeakerWindow, AnOutputButtonChoosesItsBlock) {
    h.Config().Block(2).AmpGain = 20.0F;
    speaker.OutputButtonClick(4);
    EXPECT_EQ(dyn.Block, 2);
    EXPECT_EQ(speaker.AmpGainSpin, 20);
    EXPECT_EQ(speaker.AmpGainDbLabel, "26.02 dB");
    EXPECT_EQ(speaker.OutputName, "Out4");
    speaker.OutputButtonClick(6);
    EXPECT_EQ(dyn.Block, 3);
    dyn.SelectBlock(1);
    speaker.Activate();
    EXPECT_EQ(speaker.Button, 1);
}

TEST_F(SpeakerWindow, SpinButtonsRetraceTheirSteps) {
    speaker.OutputButtonClick(1);
    speaker.PowerMaxLoadChange(25);
    speaker.PowerMaxLoadStep(false);
    EXPECT_EQ(speaker.PowerMaxLoadSpin, 24);
    speaker.PowerMaxLoadStep(true);
    speaker.PowerMaxLoadStep(true);
    EXPECT_EQ(speaker.PowerMaxLoadSpin, 50);
    speaker.PowerMaxLoadChange(4001); // refused
    EXPECT_EQ(h.Config().Block(1).SpeakerMaxPower, 50.0F);
    speaker.PowerAmpMaxChange(1000);
    speaker.PowerAmpMaxStep(false);
    EXPECT_EQ(speaker.PowerAmpMaxSpin, 975);
}

TEST_F(SpeakerWindow, EveryChangeEndsInThePowerCheck) {
    speaker.OutputButtonClick(1);
    const double balanced = dyn.Power.OutputPowerWatts;
    speaker.ZloadChange(2); // 4 ohms
    EXPECT_NEAR(dyn.Power.OutputPowerWatts, 2.0 * balanced, 1.0);
    speaker.ZloadChange(3);
    speaker.BalanceadoClick();
    EXPECT_EQ(h.Config().Block(1).Balanced, 0);
    EXPECT_NEAR(dyn.Power.OutputPowerWatts, balanced / 4.0, 0.5);
    speaker.PowerMaxLoadChange(4000);
    EXPECT_FALSE(dyn.Power.Warning);
}

TEST_F(SpeakerWindow, ImpedanceTwoPointSixSevenComesBack) {
    speaker.OutputButtonClick(3);
    speaker.ZloadChange(1);
    EXPECT_EQ(h.Config().Block(2).LoadImpedance, 2.67F);
    speaker.OutputButtonClick(1);
    speaker.OutputButtonClick(3);
    EXPECT_EQ(speaker.ImpedanceItem, 1);
}

TEST_F(SpeakerWindow, BalancedLampSendsTheTableAgain) {
    speaker.OutputButtonClick(1);
    h.GoRealTime();
    speaker.BalanceadoClick();
    EXPECT_EQ(h.Sink.Sent.size(), 9U);
}

} // namespace
} // namespace quorvex
