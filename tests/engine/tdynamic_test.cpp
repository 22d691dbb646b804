#include "engine/tdynamic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace quorvex {
namespace {

constexpr double Tolerance = 5e-5; // the documented gains have four decimals

// A block as the dynamics editor leaves it at start-up, designed and composed.
TDYNAMIC StartUpBlock(int block) {
    TDYNAMIC dynamics;
    dynamics.Settings() = DefaultDynamicsSetting(block);
    return dynamics;
}

void Design(TDYNAMIC& dynamics) {
    dynamics.DesignCurve();
    dynamics.ComposeGainTable();
}

double Entry(const TDYNAMIC& dynamics, int j) {
    return static_cast<double>(dynamics.GainTable.at(static_cast<std::size_t>(j)));
}

void ExpectEntries(const TDYNAMIC& dynamics, int from, const std::vector<double>& expected) {
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const int j = from + static_cast<int>(k);
        EXPECT_NEAR(Entry(dynamics, j), expected[k], Tolerance) << "GainTable[" << j << "]";
    }
}

void ExpectRange(const TDYNAMIC& dynamics, int from, int to, double value) {
    for (int j = from; j <= to; ++j) {
        EXPECT_EQ(Entry(dynamics, j), value) << "GainTable[" << j << "]";
    }
}

// --- Documented tables -------------------------------------------------------------------

TEST(TdynamicTables, StartUpBlockOneLimiterWithGate13Slope4) {
    TDYNAMIC dynamics = StartUpBlock(1);
    Design(dynamics);
    ExpectRange(dynamics, 0, 8, 0.0);
    ExpectEntries(dynamics, 9, {0.25, 0.5, 0.75, 1.0});
    ExpectRange(dynamics, 13, 28, 1.0);
    ExpectEntries(dynamics, 29, {0.9928, 0.8913, 0.7029, 0.5012});
}

TEST(TdynamicTables, StartUpBlockOneAsCompressor) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.CompressorMode = 1;
    Design(dynamics);
    ExpectRange(dynamics, 13, 28, 1.0);
    ExpectEntries(dynamics, 29, {0.9964, 0.9441, 0.8384, 0.7079});
}

TEST(TdynamicTables, CompressorWithKneeZeroUsesMinimalKneeAndKeepsUnityBelowIt) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.CompressorMode = 1;
    dynamics.KneeDb = 0.0F;
    Design(dynamics);
    ExpectEntries(dynamics, 29, {1.0, 0.9971, 0.8414, 0.7079});
    // -57 .. -12 dBFS: the knee quadratic underflows there; these levels must pass, not mute.
    ExpectRange(dynamics, 13, 28, 1.0);
}

TEST(TdynamicTables, StartUpBlockThreeLimiterGateOff) {
    TDYNAMIC dynamics = StartUpBlock(3);
    Design(dynamics);
    EXPECT_EQ(Entry(dynamics, 0), 0.0);
    ExpectRange(dynamics, 1, 29, 1.0);
    ExpectEntries(dynamics, 30, {0.9373, 0.7718, 0.5623});
}

TEST(TdynamicTables, HardKneeLimiterIsUnityEverywhereBelowTheKnee) {
    // Knee 0.5 dB is designed with half-width 0.2: quadratic -48.05 - 14.5 x - 1.25 x^2 dB,
    // so -6 dBFS comes out at -6.05 dBFS; above -5.8 the output is flat at -6 dBFS.
    TDYNAMIC dynamics = StartUpBlock(3);
    dynamics.ThresholdDb = -6.0F;
    dynamics.KneeDb = 0.5F;
    Design(dynamics);
    ExpectRange(dynamics, 1, 29, 1.0);
    ExpectEntries(dynamics, 30, {0.99426, 0.70795, 0.50119});
}

// --- Bypass and gate ----------------------------------------------------------------------

TEST(TdynamicGate, BypassLeavesOnlyTheGate) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.Bypass = 1;
    Design(dynamics);
    ExpectRange(dynamics, 0, 8, 0.0);
    ExpectEntries(dynamics, 9, {0.25, 0.5, 0.75});
    ExpectRange(dynamics, 12, 32, 1.0);
}

TEST(TdynamicGate, HighNoisePosition16MutesUpToEleven) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.NoiseGatePosition = 16.0F;
    Design(dynamics);
    ExpectRange(dynamics, 0, 11, 0.0);
    ExpectEntries(dynamics, 12, {0.25, 0.5, 0.75, 1.0});
    ExpectRange(dynamics, 16, 28, 1.0);
    ExpectEntries(dynamics, 29, {0.9928, 0.8913, 0.7029, 0.5012});
}

TEST(TdynamicGate, SlopeLargerThanPositionStartsAtEntryOne) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.NoiseGatePosition = 3.0F;
    Design(dynamics);
    EXPECT_EQ(Entry(dynamics, 0), 0.0);
    ExpectEntries(dynamics, 1, {0.25, 0.5});
    ExpectRange(dynamics, 3, 28, 1.0);
}

TEST(TdynamicGate, PositionAndSlopeRoundTiesToEven) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.NoiseGatePosition = 12.5F; // 12
    dynamics.NoiseGateSlope = 2.5F;     // 2
    Design(dynamics);
    ExpectRange(dynamics, 0, 9, 0.0);
    ExpectEntries(dynamics, 10, {0.5, 1.0});
    ExpectRange(dynamics, 12, 28, 1.0);
}

TEST(TdynamicGate, PositionBeyondTheTableIsTakenAsTheLastEntry) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.NoiseGatePosition = 100.0F;
    Design(dynamics);
    ExpectRange(dynamics, 0, 28, 0.0);
    ExpectEntries(dynamics, 29, {0.25, 0.5, 0.75, 1.0});
    EXPECT_EQ(dynamics.NoiseGatePosition, 100.0F); // the stored setting is not rewritten
}

TEST(TdynamicGate, NonsensicalGateSettingsStayInsideTheTable) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.NoiseGatePosition = -7.0F;
    Design(dynamics);
    EXPECT_EQ(Entry(dynamics, 0), 0.0);
    ExpectRange(dynamics, 1, 28, 1.0);

    dynamics.NoiseGatePosition = std::numeric_limits<float>::quiet_NaN();
    Design(dynamics);
    EXPECT_EQ(Entry(dynamics, 0), 0.0);
    EXPECT_EQ(Entry(dynamics, 1), 1.0);

    dynamics.NoiseGatePosition = 13.0F;
    dynamics.NoiseGateSlope = 0.0F; // one step: opens at once at entry 12
    Design(dynamics);
    ExpectRange(dynamics, 0, 11, 0.0);
    ExpectRange(dynamics, 12, 28, 1.0);

    dynamics.NoiseGateSlope = std::numeric_limits<float>::infinity();
    Design(dynamics);
    ExpectRange(dynamics, 12, 28, 1.0);
    EXPECT_EQ(Entry(dynamics, 11), 0.0);
}

// --- Ratio, threshold and point count at their edges -------------------------------------

TEST(TdynamicEdges, RatioZeroOrInvalidIsTheMostSevereRatio) {
    const float invalid[] = {0.0F, -2.0F, std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity()};
    for (float ratio : invalid) {
        TDYNAMIC dynamics = StartUpBlock(1);
        dynamics.CompressorMode = 1;
        dynamics.Ratio = ratio;
        Design(dynamics);
        // The limiter's curve: nothing above the threshold gets through.
        ExpectEntries(dynamics, 29, {0.9928, 0.8913, 0.7029, 0.5012});
        EXPECT_NEAR(dynamics.OutputDb[92], -6.0, 1e-4);
    }
}

TEST(TdynamicEdges, CompressorOfRatioOneAppliesTheMakeupGainEvenly) {
    TDYNAMIC dynamics = StartUpBlock(3);
    dynamics.CompressorMode = 1;
    dynamics.Ratio = 1.0F;
    dynamics.MakeupGainDb = 6.0F;
    Design(dynamics);
    EXPECT_EQ(Entry(dynamics, 0), 0.0); // gate off still mutes -96 dBFS
    const double first = Entry(dynamics, 1);
    EXPECT_NEAR(first, 1.99526, 1e-5);
    ExpectRange(dynamics, 1, 32, first);

    dynamics.MakeupGainDb = 0.0F;
    Design(dynamics);
    ExpectRange(dynamics, 1, 32, 1.0);
}

TEST(TdynamicEdges, ThresholdAtFullScaleIsDesignedJustBelowIt) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.ThresholdDb = 0.0F;
    Design(dynamics);
    EXPECT_EQ(dynamics.ThresholdDb, -0.001F);
    // Knee from -4 to +4 dBFS, quadratic about -1 + 0.5 x - x^2 / 16: -3 dBFS comes out at
    // -3.0626 and 0 dBFS at -1.0005 dBFS; -6 dBFS is below the knee.
    ExpectEntries(dynamics, 30, {1.0, 0.99282, 0.89120});
    for (int j = 0; j < GainTableSize; ++j) {
        EXPECT_TRUE(std::isfinite(Entry(dynamics, j)));
    }
}

TEST(TdynamicEdges, PointCountIsBroughtIntoRange) {
    TDYNAMIC dynamics = StartUpBlock(1);
    dynamics.PointCount = 10;
    Design(dynamics);
    EXPECT_EQ(dynamics.PointCount, 35);
    ExpectEntries(dynamics, 29, {0.9928, 0.8913, 0.7029, 0.5012});

    dynamics.PointCount = 100000;
    Design(dynamics);
    EXPECT_EQ(dynamics.PointCount, 254);
    ExpectEntries(dynamics, 29, {0.9928, 0.8913, 0.7029, 0.5012});
}

// --- Construction and the design grid ----------------------------------------------------

TEST(TdynamicConstruction, StartsWithItsOwnValuesAndADesignedCurve) {
    const TDYNAMIC dynamics;
    EXPECT_EQ(dynamics.ThresholdDb, -29.6F);
    EXPECT_EQ(dynamics.Ratio, 1.0F);
    EXPECT_EQ(dynamics.XdBmaxLimit, 10.0F);
    EXPECT_EQ(dynamics.KneeDb, 4.0F);
    EXPECT_EQ(dynamics.PointCount, 93);
    EXPECT_EQ(dynamics.Decimation, 1);
    EXPECT_EQ(dynamics.DetectorConstant, 1.008L);
    EXPECT_NEAR(static_cast<double>(dynamics.RmsCoefficient), 5.7548e-4, 1e-8);
    // Limiter at -29.6 dBFS: full scale comes out at the threshold.
    EXPECT_NEAR(dynamics.OutputDb[92], -29.6, 1e-4);
    EXPECT_NEAR(dynamics.Gain[92], 0.033113, 1e-6);
}

TEST(TdynamicGrid, LinearRunFromTheLowerBoundThenTheTableLevels) {
    TDYNAMIC dynamics;
    dynamics.BuildLevelGrid(93, 0.4);
    EXPECT_FLOAT_EQ(dynamics.LevelGrid[1], 0.4F);
    EXPECT_FLOAT_EQ(dynamics.LevelGrid[2], 0.41F); // step 0.6 / 60
    EXPECT_FLOAT_EQ(dynamics.LevelGrid[59], 0.98F);
    EXPECT_NEAR(dynamics.LevelGridDb[1], -7.9588, 1e-4);
    // Slot 60 would end the linear run; it holds -96 dBFS instead.
    EXPECT_EQ(dynamics.LevelGridDb[60], -96.0F);
    EXPECT_NEAR(dynamics.LevelGrid[60], 1.58489e-5, 1e-10);
    EXPECT_EQ(dynamics.LevelGridDb[92], 0.0F);
    EXPECT_EQ(dynamics.LevelGrid[92], 1.0F);
}

TEST(TdynamicGrid, PointCountBeyondTheSlotsIsTakenAsTheLargest) {
    TDYNAMIC dynamics;
    dynamics.BuildLevelGrid(1000, 0.5);
    EXPECT_EQ(dynamics.LevelGridDb[221], -96.0F);
    EXPECT_EQ(dynamics.LevelGridDb[253], 0.0F);
}

} // namespace
} // namespace quorvex
