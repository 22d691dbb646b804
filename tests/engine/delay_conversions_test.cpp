#include "engine/delay_conversions.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(SpeedOfSound, UsesWholeDegreesPlus273) {
    EXPECT_NEAR(SpeedOfSound(0), 331.45, 0.005);
    EXPECT_NEAR(SpeedOfSound(25), 346.29, 0.005);
    EXPECT_NEAR(SpeedOfSound(50), 360.52, 0.005);
}

TEST(DelayMs, TypedMillisecondsRoundToWholeSamples) {
    EXPECT_EQ(DelaySamplesFromMs(1.0), 48);
    EXPECT_EQ(DelaySamplesFromMs(0.01), 0);   // 0.48 samples
    EXPECT_EQ(DelaySamplesFromMs(0.02), 1);   // 0.96 samples
    EXPECT_EQ(DelaySamplesFromMs(5.00), 240); // beyond the maximum until limited
    EXPECT_EQ(LimitDelaySamples(DelaySamplesFromMs(5.00)), 234);
}

TEST(DelayDistance, HundredCentimetresAt25DegreesIs139Samples) {
    // t = 100 / 34629 x 1000 = 2.8877 ms, x 48 = 138.6 samples.
    EXPECT_EQ(SamplesFromDistanceCm(100.0, 25), 139);
    // 139 samples = 2.89583 ms, shown back as 100.3 cm.
    EXPECT_NEAR(DistanceCmFromSamples(139, 25), 100.28, 0.005);
}

TEST(DelayDistance, SamplesShowAsCentimetresAtTheCurrentTemperature) {
    EXPECT_DOUBLE_EQ(DistanceCmFromSamples(0, 25), 0.0);
    EXPECT_NEAR(DistanceCmFromSamples(48, 25), 34.629, 0.001);
    EXPECT_NEAR(DistanceCmFromSamples(48, 0), 33.145, 0.001);
    EXPECT_NEAR(DistanceCmFromSamples(234, 25), 168.82, 0.005);
}

TEST(DelayDistance, FieldLimitComesBackAsTheMaximumDelay) {
    EXPECT_EQ(SamplesFromDistanceCm(168.8, 25), 234);
    EXPECT_EQ(SamplesFromDistanceCm(0.0, 25), 0);
    EXPECT_EQ(SamplesFromDistanceCm(0.36, 25), 0); // 0.4990 samples
    EXPECT_EQ(SamplesFromDistanceCm(0.37, 25), 1); // 0.5129 samples
}

TEST(Temperature, CelsiusAndFahrenheitRoundToWholeDegrees) {
    EXPECT_EQ(FahrenheitFromCelsius(0), 32);
    EXPECT_EQ(FahrenheitFromCelsius(25), 77);
    EXPECT_EQ(FahrenheitFromCelsius(50), 122);
    EXPECT_EQ(FahrenheitFromCelsius(1), 34); // 33.8
    EXPECT_EQ(CelsiusFromFahrenheit(122), 50);
    EXPECT_EQ(CelsiusFromFahrenheit(32), 0);
    EXPECT_EQ(CelsiusFromFahrenheit(77), 25);
    EXPECT_EQ(CelsiusFromFahrenheit(33), 1);   // 0.56
    EXPECT_EQ(CelsiusFromFahrenheit(100), 38); // 37.8
}

TEST(DelayLimits, SetDelayStaysWithinZeroTo234) {
    EXPECT_EQ(LimitDelaySamples(-1), 0);
    EXPECT_EQ(LimitDelaySamples(0), 0);
    EXPECT_EQ(LimitDelaySamples(234), 234);
    EXPECT_EQ(LimitDelaySamples(235), 234);
}

TEST(DelayLimits, SteppingUpStopsAt233AndDownAtZero) {
    EXPECT_EQ(StepDelayUp(0), 1);
    EXPECT_EQ(StepDelayUp(232), 233);
    EXPECT_EQ(StepDelayUp(233), 233);
    EXPECT_EQ(StepDelayUp(234), 234);
    EXPECT_EQ(StepDelayDown(1), 0);
    EXPECT_EQ(StepDelayDown(0), 0);
    EXPECT_EQ(StepDelayDown(234), 233);

    std::int32_t delay = 0;
    for (int press = 0; press < 300; ++press) {
        delay = StepDelayUp(delay);
    }
    EXPECT_EQ(delay, 233);
}

} // namespace
} // namespace quorvex
