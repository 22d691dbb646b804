#include "app/gains_form.h"

#include "app/main_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvex {
namespace {

using testing::ProgramHarness;
using testing::SentMessage;

class LevelsEditor : public ::testing::Test {
protected:
    ProgramHarness h;
    TGainsForm& gains = h.App.Gains();

    const LevelSetting& Level(int output) { return h.Config().Output(output).Level; }
    void ExpectSubFeed(int dsp, double p, double q, double r, double s) {
        const SubFeedCoefficients& feed = h.Config().SubFeed.at(static_cast<std::size_t>(dsp - 1));
        EXPECT_EQ(feed.P, p);
        EXPECT_EQ(feed.Q, q);
        EXPECT_EQ(feed.R, r);
        EXPECT_EQ(feed.S, s);
    }
};

TEST_F(LevelsEditor, StartsAtZeroDecibelsWithLampsOff) {
    for (int output = 1; output <= OutputCount; ++output) {
        const auto i = static_cast<std::size_t>(output - 1);
        EXPECT_EQ(gains.Position[i], 61);
        EXPECT_EQ(gains.GainText[i], "0.0");
        EXPECT_FALSE(gains.MuteLamp[i]);
        EXPECT_FALSE(gains.InvLamp[i]);
        EXPECT_EQ(Level(output).GainFactor, 1.0);
        EXPECT_EQ(Level(output).MuteFactor, 1.0);
        EXPECT_FALSE(h.App.Main().MuteLabelVisible[i]);
        EXPECT_TRUE(h.App.Main().OutputNameEnabled[i]);
    }
    ExpectSubFeed(1, 1, 0, 0, 1);
    ExpectSubFeed(2, 1, 0, 0, 1);
    EXPECT_EQ(gains.ChannelLabel[4], "SUB   1");
}

TEST_F(LevelsEditor, SliderPositionsMapToTenthsOfADecibel) {
    gains.SetPosition(2, 1);
    EXPECT_EQ(gains.GainText[1], "6.0");
    EXPECT_NEAR(Level(2).GainFactor, 1.995262, 1e-6);
    gains.SetPosition(2, 361);
    EXPECT_EQ(gains.GainText[1], "-30.0");
    EXPECT_NEAR(Level(2).GainFactor, 0.0316228, 1e-7);
    gains.SetPosition(2, 400);
    EXPECT_EQ(gains.Position[1], 361);
    // Position 0 would be +6.1 dB, beyond what the field holds.
    gains.SetPosition(2, 0);
    EXPECT_EQ(gains.GainText[1], "6.0");
    EXPECT_NEAR(Level(2).GainFactor, 1.995262, 1e-6);
    gains.SetPosition(2, 61);
    EXPECT_EQ(Level(2).GainFactor, 1.0);
    gains.InvClick(2);
    EXPECT_EQ(Level(2).GainFactor, -1.0);
}

TEST_F(LevelsEditor, TypedGainPlacesTheSliderAndKeepsThePolarity) {
    gains.GainEditEnter(1, "-6.0");
    EXPECT_EQ(gains.Position[0], 121);
    EXPECT_NEAR(Level(1).GainFactor, 0.50119, 1e-5);
    gains.InvClick(1);
    EXPECT_NEAR(Level(1).GainFactor, -0.50119, 1e-5);
    gains.GainEditEnter(1, "-6.0");
    EXPECT_NEAR(Level(1).GainFactor, -0.50119, 1e-5);
    EXPECT_EQ(gains.GainText[0], "-6.0");
}

TEST_F(LevelsEditor, FieldRefusesWhatIsNoGainInRange) {
    gains.GainEditEnter(1, "-6.0");
    for (const char* text : {"6.1", "-30.1", "abc", ""}) {
        gains.GainEditEnter(1, text);
        EXPECT_EQ(gains.GainText[0], "-6.0") << text;
        EXPECT_EQ(gains.Position[0], 121) << text;
    }
}

TEST_F(LevelsEditor, ArrowKeysStepATenthAndStopAtTheEnds) {
    gains.GainEditKeyDown(3);
    EXPECT_EQ(gains.GainText[2], "-0.1");
    EXPECT_EQ(gains.Position[2], 62);
    gains.GainEditEnter(3, "6.0");
    gains.GainEditKeyUp(3);
    EXPECT_EQ(gains.GainText[2], "6.0");
    EXPECT_EQ(gains.Position[2], 1);
}

TEST_F(LevelsEditor, MutesDriveTheSubFeedOfTheirDsp) {
    gains.MuteClick(2);
    ExpectSubFeed(1, 1, 0, 1, 0);
    gains.MuteClick(1);
    ExpectSubFeed(1, 1, 0, 0, 1);
    gains.MuteClick(2);
    ExpectSubFeed(1, 0, 1, 0, 1);
    gains.MuteClick(1);
    ExpectSubFeed(1, 1, 0, 0, 1);
    ExpectSubFeed(2, 1, 0, 0, 1);
    gains.MuteClick(4);
    ExpectSubFeed(2, 1, 0, 1, 0);
    ExpectSubFeed(1, 1, 0, 0, 1);
}

TEST_F(LevelsEditor, MuteShowsOnTheMainWindowAndKeepsTheGain) {
    gains.GainEditEnter(5, "-3.0");
    gains.MuteClick(5);
    EXPECT_TRUE(h.App.Main().MuteLabelVisible[4]);
    EXPECT_TRUE(h.App.Main().MuteMarkVisible[4]);
    EXPECT_FALSE(h.App.Main().OutputNameEnabled[4]);
    EXPECT_EQ(Level(5).MuteFactor, 0.0);
    EXPECT_EQ(gains.GainText[4], "-3.0");
    EXPECT_EQ(gains.Position[4], 91);
    gains.MuteClick(5);
    EXPECT_FALSE(h.App.Main().MuteLabelVisible[4]);
    EXPECT_TRUE(h.App.Main().OutputNameEnabled[4]);
}

TEST_F(LevelsEditor, RealTimeMuteSendsGainThenBothSubFeeds) {
    h.GoRealTime();
    gains.MuteClick(3);
    const std::vector<std::pair<int, int>> where{{2, 255}, {1, 144}, {1, 145}, {1, 146}, {1, 147},
                                                 {2, 144}, {2, 145}, {2, 146}, {2, 147}};
    const std::vector<double> values{0, 1, 0, 0, 1, 0, 1, 0, 1};
    ASSERT_EQ(h.Sink.Sent.size(), where.size());
    for (std::size_t i = 0; i < where.size(); ++i) {
        EXPECT_EQ(h.Sink.Sent[i].What, SentMessage::Kind::Coefficient);
        EXPECT_EQ(h.Sink.Sent[i].Dsp, where[i].first) << i;
        EXPECT_EQ(h.Sink.Sent[i].Address, where[i].second) << i;
        EXPECT_EQ(h.Sink.Sent[i].Value, values[i]) << i;
    }
    h.ClearRecords();
    gains.GainEditEnter(3, "-6.0");
    ASSERT_EQ(h.Sink.Sent.size(), 1U);
    EXPECT_EQ(h.Sink.Sent[0].Value, 0.0); // still muted
    h.ClearRecords();
    gains.MuteClick(3);
    EXPECT_NEAR(h.Sink.Sent.at(0).Value, 0.50119, 1e-5);
}

TEST_F(LevelsEditor, AFailedWriteSaysErrorOnceAndKeepsTheNewState) {
    h.GoRealTime();
    h.Sink.Fails = true;
    gains.MuteClick(1);
    // The gain was refused: the sub feeds are not sent behind it.
    ASSERT_EQ(h.Sink.Sent.size(), 1U);
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(h.Dialogs.Messages[0].Text, "ERROR");
    EXPECT_TRUE(Level(1).Muted);
    ExpectSubFeed(1, 0, 1, 0, 1);
    h.ClearRecords();
    gains.GainEditEnter(2, "-6.0");
    EXPECT_EQ(h.Dialogs.Texts(), (std::vector<std::string>{"ERROR"}));
    EXPECT_NEAR(Level(2).GainFactor, 0.50119, 1e-5);
}

TEST_F(LevelsEditor, RealTimeGainGoesToTheOutputsAddress) {
    h.GoRealTime();
    gains.SetPosition(5, 61);
    gains.SetPosition(6, 61);
    gains.SetPosition(2, 61);
    ASSERT_EQ(h.Sink.Sent.size(), 3U);
    EXPECT_EQ(std::make_pair(h.Sink.Sent[0].Dsp, h.Sink.Sent[0].Address), std::make_pair(1, 257));
    EXPECT_EQ(std::make_pair(h.Sink.Sent[1].Dsp, h.Sink.Sent[1].Address), std::make_pair(2, 257));
    EXPECT_EQ(std::make_pair(h.Sink.Sent[2].Dsp, h.Sink.Sent[2].Address), std::make_pair(1, 256));
    h.Processor().TransferRunning = true;
    gains.SetPosition(2, 100);
    EXPECT_EQ(h.Sink.Sent.size(), 3U);
}

TEST_F(LevelsEditor, RefreshTakesStoredFactorsAndLamps) {
    LevelSetting& level = h.Config().Output(4).Level;
    level.GainFactor = -0.501187;
    level.PolarityInverted = true;
    level.Muted = true;
    gains.RefreshFromSettings();
    EXPECT_EQ(gains.GainText[3], "-6.0");
    EXPECT_EQ(gains.Position[3], 121);
    EXPECT_TRUE(gains.InvLamp[3]);
    EXPECT_TRUE(gains.MuteLamp[3]);
    EXPECT_EQ(level.PolaritySign, -1.0F);
    EXPECT_EQ(level.MuteFactor, 0.0);
    EXPECT_NEAR(level.GainFactor, -0.50119, 1e-5);
    EXPECT_TRUE(h.App.Main().MuteLabelVisible[3]);
}

TEST_F(LevelsEditor, RefreshShowsASilentOrDamagedFactorAsTheBottomOfTheScale) {
    h.Config().Output(1).Level.GainFactor = 0.0;
    h.Config().Output(2).Level.GainFactor = std::nan("");
    h.Config().Output(3).Level.GainFactor = INFINITY;
    gains.RefreshFromSettings();
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(gains.GainText[i], "-30.0") << i;
        EXPECT_EQ(gains.Position[i], 361) << i;
        EXPECT_NEAR(h.Config().Outputs[i].Level.GainFactor, 0.0316228, 1e-7) << i;
    }
}

} // namespace
} // namespace quorvex
