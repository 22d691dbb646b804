#include "plot/axis_ticks.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

std::vector<std::string> MajorLabels(const std::vector<AxisTick>& ticks) {
    std::vector<std::string> labels;
    for (const AxisTick& tick : ticks) {
        if (tick.Major) {
            labels.push_back(tick.Label);
        }
    }
    return labels;
}

TEST(FrequencyTicks, LabelsOneTwoFiveOfEveryDecadeUpTo20k) {
    const auto ticks = FrequencyTicks({20.0, 20000.0, AxisScale::Logarithmic});
    EXPECT_EQ(MajorLabels(ticks), (std::vector<std::string>{"20", "50", "100", "200", "500", "1k",
                                                            "2k", "5k", "10k", "20k"}));
    EXPECT_EQ(ticks.front().Value, 20.0);
    EXPECT_EQ(ticks.back().Value, 20000.0);
}

TEST(FrequencyTicks, StopsAtTheSubsMaximum) {
    const auto ticks = FrequencyTicks({20.0, 500.0, AxisScale::Logarithmic});
    EXPECT_EQ(MajorLabels(ticks), (std::vector<std::string>{"20", "50", "100", "200", "500"}));
}

TEST(FrequencyTicks, DrawsUnlabelledMinorLinesBetweenTheLabels) {
    const auto ticks = FrequencyTicks({20.0, 200.0, AxisScale::Logarithmic});
    // 20 30 40 50 60 70 80 90 100 200
    ASSERT_EQ(ticks.size(), 10u);
    EXPECT_EQ(ticks[1], (AxisTick{30.0, "", false}));
    EXPECT_EQ(ticks[3], (AxisTick{50.0, "50", true}));
    EXPECT_EQ(ticks[8], (AxisTick{100.0, "100", true}));
}

TEST(FrequencyTicks, ReturnsNothingForARangeThatCannotBeLogarithmic) {
    EXPECT_TRUE(FrequencyTicks({0.0, 100.0, AxisScale::Logarithmic}).empty());
    EXPECT_TRUE(FrequencyTicks({100.0, 100.0, AxisScale::Logarithmic}).empty());
}

TEST(FrequencyLabel, WritesKilohertzWithoutTrailingZeros) {
    EXPECT_EQ(FrequencyLabel(20.0), "20");
    EXPECT_EQ(FrequencyLabel(1000.0), "1k");
    EXPECT_EQ(FrequencyLabel(2500.0), "2.5k");
    EXPECT_EQ(FrequencyLabel(23999.0), "24k");
    EXPECT_EQ(FrequencyLabel(0.5), "0.5");
}

TEST(LinearTicks, StepsFromTheGivenSpacingThroughZero) {
    const auto ticks = LinearTicks({-20.0, 20.0, AxisScale::Linear}, 5.0);
    EXPECT_EQ(MajorLabels(ticks),
              (std::vector<std::string>{"-20", "-15", "-10", "-5", "0", "5", "10", "15", "20"}));
}

TEST(LinearTicks, PhaseInFortyFiveDegreeSteps) {
    const auto ticks = LinearTicks({-180.0, 180.0, AxisScale::Linear}, 45.0);
    ASSERT_EQ(ticks.size(), 9u);
    EXPECT_EQ(ticks.front().Label, "-180");
    EXPECT_EQ(ticks.back().Label, "180");
}

TEST(LinearTicks, KeepsOnlyMultiplesInsideAnUnevenRange) {
    // The crossover window's range: -40 .. 10 dB in its default, -20 .. 15 otherwise.
    const auto ticks = LinearTicks({-22.0, 13.0, AxisScale::Linear}, 10.0);
    EXPECT_EQ(MajorLabels(ticks), (std::vector<std::string>{"-20", "-10", "0", "10"}));
}

TEST(LinearTicks, PicksANiceStepWhenGivenNone) {
    EXPECT_EQ(NiceStep(40.0, 10), 5.0);
    EXPECT_EQ(NiceStep(35.0, 10), 5.0);
    EXPECT_EQ(NiceStep(150.0, 10), 20.0);
    EXPECT_EQ(NiceStep(1.0, 10), 0.1);
    EXPECT_EQ(NiceStep(25.0, 10), 2.5);
    const auto ticks = LinearTicks({-1.0, 1.0, AxisScale::Linear}, 0.0, 4);
    EXPECT_EQ(MajorLabels(ticks), (std::vector<std::string>{"-1", "-0.5", "0", "0.5", "1"}));
}

TEST(LinearTicks, NeverWritesMinusZeroAndShowsTheStepsDecimals) {
    const auto ticks = LinearTicks({-0.3, 0.3, AxisScale::Linear}, 0.1);
    EXPECT_EQ(MajorLabels(ticks),
              (std::vector<std::string>{"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"}));
}

TEST(LinearTicks, FallsBackToANiceStepWhenTheGivenOneIsFarTooFine) {
    const auto ticks = LinearTicks({0.0, 1e6, AxisScale::Linear}, 1e-3);
    EXPECT_LE(ticks.size(), 11u);
    EXPECT_TRUE(LinearTicks({5.0, 5.0, AxisScale::Linear}, 1.0).empty());
}

} // namespace
} // namespace quorvex
