#include "app/loudness_form.h"

#include "app/xover_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using testing::ProgramHarness;
using testing::SentMessage;

constexpr std::size_t Grid55Hz = 57; // the grid point at 55 Hz

class SubReinforcement : public ::testing::Test {
protected:
    ProgramHarness h;
    TLoudnessForm& loud = h.App.Loudness();

    const TSOS& Section(int sub) {
        return h.Doc().Engine.Reinforcement.at(static_cast<std::size_t>(sub - 1));
    }
};

TEST_F(SubReinforcement, StartsFlatAtFiftyFiveHertz) {
    for (int sub = 1; sub <= 2; ++sub) {
        EXPECT_EQ(Section(sub).FilterType, 1);
        EXPECT_EQ(Section(sub).Q, 1.5);
        EXPECT_EQ(Section(sub).Frequency, 55.0);
        EXPECT_EQ(Section(sub).Gain, 0.0);
        EXPECT_EQ(Section(sub).DspAddress, 116);
        EXPECT_EQ(
            h.Doc().ReinforcementResponse.at(static_cast<std::size_t>(sub - 1)).Magnitude[Grid55Hz],
            0.0F);
    }
    EXPECT_EQ(loud.Sub, 1);
    EXPECT_EQ(loud.FilterGainEdit, "0.0");
    EXPECT_EQ(loud.FrecEdit, "55");
}

TEST_F(SubReinforcement, SlidersMapToHertzAndTenthsOfADecibel) {
    loud.FilterGainSlider.SetPosition(0);
    EXPECT_EQ(loud.FilterGainEdit, "12.0");
    loud.FilterGainSlider.SetPosition(120);
    EXPECT_EQ(Section(1).Gain, 0.0);
    loud.FilterGainSlider.SetPosition(121);
    EXPECT_EQ(loud.FilterGainEdit, "0.0");
    loud.FrecSlider.SetPosition(51);
    EXPECT_EQ(Section(1).Frequency, 29.0);
    loud.FrecSlider.SetPosition(0);
    EXPECT_EQ(loud.FrecEdit, "80");
}

TEST_F(SubReinforcement, ASliderMovedByThePersonAnnouncesTheNewValuesOnce) {
    const int before = loud.Changed().AnnouncementCount();
    loud.FrecSliderMove(30);
    EXPECT_EQ(loud.Changed().AnnouncementCount(), before + 1);
    EXPECT_EQ(loud.FrecEdit, "50");
    EXPECT_EQ(Section(1).Frequency, 50.0);
    loud.FilterGainSliderMove(60);
    EXPECT_EQ(loud.Changed().AnnouncementCount(), before + 2);
    EXPECT_EQ(loud.FilterGainEdit, "6.0");
}

TEST_F(SubReinforcement, HighPassQFollowsTheGain) {
    loud.HighLEDClick();
    loud.FilterGainSlider.SetPosition(44);
    EXPECT_EQ(loud.FilterGainEdit, "7.6");
    EXPECT_EQ(Section(1).FilterType, 11);
    EXPECT_NEAR(Section(1).Q, 2.707, 1e-12);
    EXPECT_TRUE(loud.HighLEDLit);
    EXPECT_FALSE(loud.ParamLEDLit);
}

TEST_F(SubReinforcement, ParamResetsTheQOfBothSubs) {
    loud.SelectSub(2);
    loud.HighLEDClick();
    loud.FilterGainSlider.SetPosition(44);
    loud.SelectSub(1);
    loud.ParamLEDClick();
    EXPECT_EQ(Section(2).Q, 1.5);
    EXPECT_EQ(Section(2).FilterType, 11);
    loud.SelectSub(2);
    EXPECT_TRUE(loud.HighLEDLit);
    EXPECT_EQ(loud.FilterGainSlider.Position(), 44);
}

TEST_F(SubReinforcement, TheBoostShowsOnTheSubsCrossoverCurve) {
    const float before = h.App.Xover().Curves[4][Grid55Hz];
    const float otherSub = h.App.Xover().Curves[5][Grid55Hz];
    loud.FilterGainSlider.SetPosition(0);
    EXPECT_NEAR(h.App.Xover().Curves[4][Grid55Hz] - before, 12.0, 0.01);
    EXPECT_NEAR(h.Doc().ReinforcementResponse[0].Magnitude[Grid55Hz], 12.0, 0.01);
    EXPECT_EQ(h.App.Xover().Curves[5][Grid55Hz], otherSub);
}

TEST_F(SubReinforcement, RealTimeWritesTheSubsFirstBandAddress) {
    loud.SelectSub(2);
    h.GoRealTime();
    loud.FrecSlider.SetPosition(30);
    ASSERT_FALSE(h.Sink.Sent.empty());
    const SentMessage& first = h.Sink.Sent.front();
    EXPECT_EQ(first.Dsp, 2);
    EXPECT_EQ(first.Address, 116);
    EXPECT_EQ(first.Coefficients[0], Section(2).b0);
}

TEST_F(SubReinforcement, ResetBringsBothFiltersBack) {
    loud.HighLEDClick();
    loud.FilterGainSlider.SetPosition(10);
    loud.FrecSlider.SetPosition(40);
    loud.Reset();
    EXPECT_EQ(Section(1).FilterType, 1);
    EXPECT_EQ(Section(1).Gain, 0.0);
    EXPECT_EQ(Section(1).Frequency, 55.0);
    EXPECT_EQ(loud.FrecSlider.Position(), 25);
    EXPECT_TRUE(loud.ParamLEDLit);
}

} // namespace
} // namespace quorvex
