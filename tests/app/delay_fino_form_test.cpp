#include "app/delay_fino_form.h"

#include "app/main_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using testing::ProgramHarness;
using testing::SentMessage;

class DelayEditor : public ::testing::Test {
protected:
    ProgramHarness h;
    TDelayFinoForm& delay = h.App.Delay();

    int Samples(int output) { return h.Config().Output(output).Delay.DelaySamples; }
    int Distance(int output) { return h.Config().Output(output).Delay.RelativeDistanceSamples; }
};

TEST_F(DelayEditor, StartsWithNoDelayAt25Degrees) {
    for (std::size_t i = 0; i < OutputCount; ++i) {
        EXPECT_EQ(delay.Position[i], 234);
        EXPECT_EQ(delay.MsText[i], "0.00");
        EXPECT_EQ(delay.CmText[i], "0.0");
        EXPECT_EQ(delay.DistanceText[i], "0.0");
        EXPECT_EQ(h.App.Main().DelayText[i], "0.00 ms");
    }
    EXPECT_EQ(h.Config().TemperatureC, 25);
    EXPECT_EQ(delay.TemperatureF, 77);
}

TEST_F(DelayEditor, SliderEndsShowTheWholeRange) {
    delay.SetPosition(2, 0);
    EXPECT_EQ(Samples(2), 234);
    EXPECT_EQ(delay.MsText[1], "4.88");
    EXPECT_EQ(delay.CmText[1], "168.8");
    EXPECT_EQ(h.App.Main().DelayText[1], "4.88 ms");
}

TEST_F(DelayEditor, DelayStaysInsideItsRangeAtEveryPosition) {
    delay.SetPosition(1, 235);
    EXPECT_EQ(Samples(1), 0);
    EXPECT_EQ(delay.MsText[0], "0.00");
    delay.SetPosition(1, -7);
    EXPECT_EQ(Samples(1), 234);
    delay.SetPosition(1, 300);
    EXPECT_EQ(delay.Position[0], 235);
    EXPECT_EQ(Samples(1), 0);
}

TEST_F(DelayEditor, TypedMillisecondsBecomeSamples) {
    delay.MsEditEnter(1, "1.00");
    EXPECT_EQ(Samples(1), 48);
    EXPECT_EQ(delay.Position[0], 186);
    EXPECT_EQ(delay.CmText[0], "34.6");
    EXPECT_EQ(h.App.Main().DelayText[0], "1.00 ms");
    delay.MsEditEnter(1, "5.00");
    EXPECT_EQ(Samples(1), 234);
    delay.MsEditEnter(1, "5.01");
    delay.MsEditEnter(1, "-0.01");
    delay.MsEditEnter(1, "x");
    EXPECT_EQ(Samples(1), 234);
}

TEST_F(DelayEditor, TypedCentimetresBecomeSamples) {
    delay.CmEditEnter(4, "100.0");
    EXPECT_EQ(Samples(4), 139);
    EXPECT_EQ(delay.CmText[3], "100.3");
    delay.CmEditEnter(4, "168.9");
    EXPECT_EQ(Samples(4), 139);
}

TEST_F(DelayEditor, TemperatureChangesTheDistanceShownNotTheDelay) {
    delay.MsEditEnter(2, "1.00");
    delay.TemperatureCChange(0);
    EXPECT_EQ(Samples(2), 48);
    EXPECT_EQ(delay.CmText[1], "33.1");
    EXPECT_EQ(delay.TemperatureF, 32);
    delay.TemperatureFChange(122);
    EXPECT_EQ(h.Config().TemperatureC, 50);
    delay.TemperatureCChange(25);
    EXPECT_EQ(delay.CmText[1], "34.6");
    EXPECT_EQ(delay.TemperatureF, 77);
}

TEST_F(DelayEditor, StepsStopAt233AndAtZero) {
    delay.SetPosition(1, 2); // 232 samples
    delay.StepUp(1);
    EXPECT_EQ(Samples(1), 233);
    delay.StepUp(1);
    EXPECT_EQ(Samples(1), 233);
    delay.SetPosition(1, 0);
    delay.StepUp(1);
    EXPECT_EQ(Samples(1), 234);
    delay.SetPosition(1, 234);
    delay.StepDown(1);
    EXPECT_EQ(Samples(1), 0);
    delay.StepUp(1);
    EXPECT_EQ(Samples(1), 1);
}

TEST_F(DelayEditor, StepAtTheLimitSendsNothing) {
    delay.SetPosition(3, 1);
    h.GoRealTime();
    delay.StepUp(3);
    EXPECT_TRUE(h.Sink.Sent.empty());
}

TEST_F(DelayEditor, RealTimeWritesSamplesPlusOneToTheOutputsAddress) {
    h.GoRealTime();
    delay.SetPosition(3, 224);
    ASSERT_EQ(h.Sink.Sent.size(), 1U);
    EXPECT_EQ(h.Sink.Sent[0].What, SentMessage::Kind::Integer);
    EXPECT_EQ(h.Sink.Sent[0].Dsp, 2);
    EXPECT_EQ(h.Sink.Sent[0].Address, 141);
    EXPECT_EQ(h.Sink.Sent[0].IntegerValue, 11);
    delay.SetPosition(5, 234);
    EXPECT_EQ(h.Sink.Sent[1].Dsp, 1);
    EXPECT_EQ(h.Sink.Sent[1].Address, 143);
    EXPECT_EQ(h.Sink.Sent[1].IntegerValue, 1);
    delay.SetPosition(2, 0);
    EXPECT_EQ(h.Sink.Sent[2].Address, 142);
    EXPECT_EQ(h.Sink.Sent[2].IntegerValue, 235);
    EXPECT_TRUE(h.Dialogs.Messages.empty());
}

TEST_F(DelayEditor, FailedWriteSaysErrorAndKeepsTheDelay) {
    h.GoRealTime();
    h.Sink.Fails = true;
    delay.MsEditEnter(6, "1.00");
    EXPECT_EQ(Samples(6), 48);
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Text, "ERROR");
}

TEST_F(DelayEditor, DistanceFieldShowsWholeSamplesAndDrawsTheLine) {
    delay.DistanceEnter(1, "100.0");
    EXPECT_EQ(Distance(1), 139);
    EXPECT_EQ(delay.DistanceText[0], "100.3");
    EXPECT_EQ(delay.LineLength[0], 36); // 139 * 60 / 234 = 35.6
    EXPECT_EQ(Samples(1), 0);
    delay.DistanceEnter(2, "200.0");
    EXPECT_EQ(delay.DistanceText[1], "0.0");
}

TEST_F(DelayEditor, DistanceStepsMoveOneSample) {
    delay.DistanceStepUp(2);
    EXPECT_EQ(Distance(2), 1);
    EXPECT_EQ(delay.DistanceText[1], "0.7");
    delay.DistanceStepDown(2);
    delay.DistanceStepDown(2);
    EXPECT_EQ(Distance(2), 0);
}

TEST_F(DelayEditor, AutoAlignPutsEveryOutputAtItsDistance) {
    // 48, 96 and 24 samples at 25 degrees.
    delay.DistanceEnter(2, "34.6");
    delay.DistanceEnter(3, "69.3");
    delay.DistanceEnter(5, "17.3");
    delay.DistanceEnter(6, "17.3");
    h.GoRealTime();
    delay.AutoAlignClick();
    const std::array<int, 6> expected{0, 48, 96, 0, 24, 24};
    for (int output = 1; output <= OutputCount; ++output) {
        EXPECT_EQ(Samples(output), expected[static_cast<std::size_t>(output - 1)]) << output;
        EXPECT_EQ(delay.LineLength[static_cast<std::size_t>(output - 1)], 0) << output;
    }
    EXPECT_EQ(h.Sink.Sent.size(), 6U);
}

TEST_F(DelayEditor, AutoAlignTakesTheLookAheadOffThePair) {
    delay.DistanceEnter(1, "34.6");
    delay.DistanceEnter(2, "34.6");
    delay.DistanceEnter(5, "17.3");
    delay.SetLookAhead(1, 10);
    delay.AutoAlignClick();
    EXPECT_EQ(Samples(1), 38);
    EXPECT_EQ(Samples(2), 38);
    EXPECT_EQ(Samples(5), 24);
}

TEST_F(DelayEditor, ShowsTheLookAheadOfEachPairInSamplesAndMilliseconds) {
    EXPECT_EQ(delay.LookAheadText[0], "0 samples (0.00 ms)");
    delay.SetLookAhead(2, 48);
    EXPECT_EQ(delay.LookAheadText[1], "48 samples (1.00 ms)");
    EXPECT_EQ(delay.LookAheadText[0], "0 samples (0.00 ms)");
    // Block 3 (the subs) has no look-ahead compensation.
    delay.SetLookAhead(3, 24);
    EXPECT_EQ(delay.LookAheadText[1], "48 samples (1.00 ms)");
}

TEST_F(DelayEditor, ReapplyingADelaySendsItAgain) {
    delay.SetPosition(4, 200);
    h.GoRealTime();
    delay.ReapplyDelay(4);
    ASSERT_EQ(h.Sink.Sent.size(), 1U);
    EXPECT_EQ(h.Sink.Sent[0].IntegerValue, 35);
    EXPECT_EQ(h.Sink.Sent[0].Address, 142);
}

} // namespace
} // namespace quorvex
