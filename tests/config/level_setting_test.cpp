#include "config/dynamics_times.h"
#include "config/level_setting.h"
#include "config/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorvex {
namespace {

TEST(LevelSlider, MapsItsEndsAndZeroExactly) {
    EXPECT_DOUBLE_EQ(LevelDbFromPosition(61), 0.0);
    EXPECT_DOUBLE_EQ(LevelDbFromPosition(361), -30.0);
    EXPECT_NEAR(LevelDbFromPosition(1), 6.0, 1e-12);
    EXPECT_EQ(LevelPositionFromDb(0.0), 61);
    EXPECT_EQ(LevelPositionFromDb(-6.0), 121);
    EXPECT_EQ(LevelPositionFromDb(-30.0), 361);
    EXPECT_DOUBLE_EQ(GainFactorOf(0.0, 1.0F), 1.0);
    EXPECT_DOUBLE_EQ(GainFactorOf(0.0, -1.0F), -1.0);
    EXPECT_NEAR(GainFactorOf(-6.0, 1.0F), 0.50119, 5e-6);
}

TEST(LevelSlider, EveryPositionRoundTrips) {
    for (int p = 0; p <= LevelSliderMax; ++p) {
        EXPECT_EQ(LevelPositionFromDb(LevelDbFromPosition(p)), p);
    }
}

TEST(Rounding, TiesGoToEvenAndNothingIsUndefined) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<std::int32_t>::min());
}

TEST(DynamicsTimes, MatchTheDocumentedValues) {
    EXPECT_NEAR(static_cast<double>(RmsCoefficientFromAttack(5, 48000)), 2.3985e-5, 5e-10);
    EXPECT_NEAR(static_cast<double>(RmsCoefficientFromAttack(120, 48000)), 5.7548e-4, 5e-9);
    EXPECT_NEAR(static_cast<double>(RmsCoefficientFromAttack(250, 48000)), 1.19854e-3, 5e-9);
    EXPECT_NEAR(AttackFromRmsCoefficient(RmsCoefficientFromAttack(120, 48000), 48000), 120.0, 1e-9);
    EXPECT_EQ(DecayStepsFromRelease(7.0), 51);
    EXPECT_NEAR(ReleaseFromDecaySteps(51), 6.987, 1e-9);
    EXPECT_EQ(SamplesFromMs(40.0, 48000), 1920);
    EXPECT_DOUBLE_EQ(MsFromSamples(1920, 48000), 40.0);
    EXPECT_EQ(SamplesFromMs(2.0, 48000), 96);
}

} // namespace
} // namespace quorvex
