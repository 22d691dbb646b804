#include "engine/delay_alignment.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(RelativeDistances, NormalisingPutsTheNearestSpeakerAtZero) {
    EXPECT_EQ(NormaliseRelativeDistances({30, 40, 35, 50, 60, 45}),
              (SamplesPerOutput{0, 10, 5, 20, 30, 15}));
    EXPECT_EQ(NormaliseRelativeDistances({7, 7, 7, 7, 7, 7}), (SamplesPerOutput{}));
}

TEST(RelativeDistances, StepsStopAbove232AndAtZero) {
    EXPECT_EQ(StepRelativeDistance(10, DistanceEdit::StepUp), 11);
    EXPECT_EQ(StepRelativeDistance(232, DistanceEdit::StepUp), 233);
    EXPECT_EQ(StepRelativeDistance(233, DistanceEdit::StepUp), 233);
    EXPECT_EQ(StepRelativeDistance(10, DistanceEdit::StepDown), 9);
    EXPECT_EQ(StepRelativeDistance(0, DistanceEdit::StepDown), 0);
    EXPECT_EQ(StepRelativeDistance(10, DistanceEdit::Confirm), 10);
}

TEST(RelativeDistances, ConfirmingAFieldQuantisesItToWholeSamples) {
    const auto result = EditRelativeDistance({100.0, 0, 0, 0, 0, 0}, 1, DistanceEdit::Confirm, 25);
    EXPECT_EQ(result.RelativeDistanceSamples, (SamplesPerOutput{139, 0, 0, 0, 0, 0}));
    EXPECT_NEAR(result.EditedFieldCm, 100.28, 0.005);
}

TEST(RelativeDistances, SteppingRecomputesAllSixThenNormalises) {
    // 34.6 cm is 48 samples, 69.3 cm is 96 samples at 25 degrees.
    const CmPerOutput fields{34.6, 34.6, 69.3, 34.6, 34.6, 34.6};
    const auto down = EditRelativeDistance(fields, 3, DistanceEdit::StepDown, 25);
    EXPECT_EQ(down.RelativeDistanceSamples, (SamplesPerOutput{0, 0, 47, 0, 0, 0}));
    // The field shows 95 samples before normalisation: 1.97917 ms, 68.54 cm.
    EXPECT_NEAR(down.EditedFieldCm, 68.537, 0.005);

    const auto up = EditRelativeDistance(fields, 1, DistanceEdit::StepUp, 25);
    EXPECT_EQ(up.RelativeDistanceSamples, (SamplesPerOutput{1, 0, 48, 0, 0, 0}));
    EXPECT_NEAR(up.EditedFieldCm, 35.350, 0.005);
}

TEST(RelativeDistances, StepUpAtTheFarthestDistanceKeepsIt) {
    // 168.1 cm is 233 samples at 25 degrees.
    const auto result = EditRelativeDistance({168.1, 0, 0, 0, 0, 0}, 1, DistanceEdit::StepUp, 25);
    EXPECT_EQ(result.RelativeDistanceSamples[0], 233);
}

TEST(RelativeDistances, ColderAirMeansMoreSamplesForTheSameDistance) {
    // 100 cm at 0 degrees: 100 / 33145 x 1000 = 3.0171 ms, 144.8 samples.
    const auto result = EditRelativeDistance({0, 100.0, 0, 0, 0, 0}, 2, DistanceEdit::Confirm, 0);
    EXPECT_EQ(result.RelativeDistanceSamples[1], 145);
}

TEST(AutoAlign, WithoutLookAheadEachDelayIsItsDistance) {
    EXPECT_EQ(AutoAlign({0, 48, 96, 0, 24, 24}, 0, 0), (SamplesPerOutput{0, 48, 96, 0, 24, 24}));
}

TEST(AutoAlign, LookAheadIsTakenOffThePairAndPutOnTheSub) {
    EXPECT_EQ(AutoAlign({48, 48, 0, 0, 30, 0}, 10, 0), (SamplesPerOutput{38, 38, 0, 0, 30, 0}));
    EXPECT_EQ(AutoAlign({0, 0, 48, 48, 0, 30}, 0, 10), (SamplesPerOutput{0, 0, 38, 38, 0, 30}));
}

TEST(AutoAlign, LookAheadEqualToTheDistanceGivesZeroNotNegative) {
    // Out1 and Out2: 48 - 48 - 48 limited to 0; SUB1: 20 + 48 - 48.
    EXPECT_EQ(AutoAlign({48, 48, 0, 0, 20, 0}, 48, 0), (SamplesPerOutput{0, 0, 0, 0, 20, 0}));
}

TEST(AutoAlign, UnequalPairKeepsTheLookAheadOnlyWhereBothAreFarther) {
    // L1 = 10 is not below R2 = 5: neither output loses it, and the sub keeps +10.
    EXPECT_EQ(AutoAlign({20, 5, 0, 0, 7, 0}, 10, 0), (SamplesPerOutput{20, 5, 0, 0, 17, 0}));
    // Both outputs farther than L2 = 10: each loses it, and the sub does not gain it.
    EXPECT_EQ(AutoAlign({0, 0, 30, 20, 0, 7}, 0, 10), (SamplesPerOutput{0, 0, 20, 10, 0, 7}));
    // An output at 0 stays at 0 whatever the look-ahead.
    EXPECT_EQ(AutoAlign({0, 30, 0, 0, 0, 0}, 10, 0), (SamplesPerOutput{0, 30, 0, 0, 10, 0}));
}

TEST(AutoAlign, EqualPairNearerThanTheLookAheadLosesItsDistance) {
    // R3 = R4 = 6 < L2 = 10: the pair loses its whole distance, the sub gains L2 - R3.
    EXPECT_EQ(AutoAlign({0, 0, 6, 6, 0, 3}, 0, 10), (SamplesPerOutput{0, 0, 0, 0, 0, 7}));
}

TEST(AutoAlign, DelaysAreLimitedTo234) {
    EXPECT_EQ(AutoAlign({0, 0, 0, 5, 0, 230}, 0, 10), (SamplesPerOutput{0, 0, 0, 5, 0, 234}));
}

} // namespace
} // namespace quorvex
