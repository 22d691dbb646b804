#include "engine/power_check.h"
#include "engine/speaker_choices.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

// A block as the dynamics editor leaves it at start-up, with its curve designed.
TDYNAMIC DesignedStartUpBlock(int block) {
    TDYNAMIC dynamics;
    dynamics.Settings() = DefaultDynamicsSetting(block);
    dynamics.DesignCurve();
    return dynamics;
}

// Threshold -6 dBFS on blocks 1 and 2 sits at slider position round(2 x 3.4) = 7 of 0..101.
constexpr ThresholdSliderPosition StartUpSlider{101, 7};

TEST(PowerCheck, StartUpBlockOneExceedsTheBox) {
    const TDYNAMIC block = DesignedStartUpBlock(1);
    const PowerCheckResult check = CheckPower(block, 1, StartUpSlider);
    EXPECT_NEAR(check.MaxOutputLevelDbu, 14.6, 1e-5);
    EXPECT_NEAR(check.MaxOutputVolts, 4.16200, 1e-5);
    // 0.775 x 10^(14.6 / 20) V; (4.16200 x 41)^2 / 8 ohms.
    EXPECT_NEAR(check.OutputPowerWatts, 3639.8, 0.05);
    EXPECT_EQ(check.PowerLine, "1 - Max RMS Out Power : 3640 Watts");
    EXPECT_EQ(check.VoltageLine, "    Quorvex max Out Voltage : 4.16 vrms");
    EXPECT_EQ(check.PowerLabel, "3640 W");
    EXPECT_TRUE(check.Warning);
    EXPECT_EQ(check.WarningLine, "The Out Power exceeds your Box Power capacity!");
    // 20 log10(sqrt(400 x 8) / (41 x 0.775)) = 5.01 dBu.
    EXPECT_EQ(check.MeterMaximum, 74);
    EXPECT_EQ(check.MeterPosition, 94);
}

TEST(PowerCheck, BypassedBlockDeliversTheProcessorMaximum) {
    TDYNAMIC block = DesignedStartUpBlock(1);
    block.Bypass = 1;
    block.DesignCurve();
    const PowerCheckResult check = CheckPower(block, 1, StartUpSlider);
    EXPECT_EQ(check.MaxOutputLevelDbu, 18.0);
    EXPECT_NEAR(check.MaxOutputVolts, 6.156, 5e-4);
    EXPECT_NEAR(check.OutputPowerWatts, 7963.1, 0.1);
    EXPECT_EQ(check.VoltageLine, "    Quorvex max Out Voltage : 6.16 vrms");
}

TEST(PowerCheck, SubBlockUsesItsOwnReferenceAndIsCappedAt18Dbu) {
    // Block 3 limits at -5 dBFS: -5 + 23.6 = 18.6 dBu, more than the output can give.
    const TDYNAMIC block = DesignedStartUpBlock(3);
    const PowerCheckResult check = CheckPower(block, 3, {101, 0});
    EXPECT_EQ(check.MaxOutputLevelDbu, 18.0);

    TDYNAMIC lower = block;
    lower.ThresholdDb = -10.0F;
    lower.DesignCurve();
    EXPECT_NEAR(CheckPower(lower, 3, {101, 9}).MaxOutputLevelDbu, 13.6, 1e-5);
    EXPECT_NEAR(CheckPower(lower, 1, {101, 9}).MaxOutputLevelDbu, 10.6, 1e-5);
}

TEST(PowerCheck, UnbalancedDriveQuartersThePowerAndHalvesTheVoltage) {
    TDYNAMIC block = DesignedStartUpBlock(1);
    block.Balanced = 0;
    const PowerCheckResult check = CheckPower(block, 1, StartUpSlider);
    EXPECT_NEAR(check.OutputPowerWatts, 909.96, 0.02);
    EXPECT_NEAR(check.MaxOutputVolts, 2.08100, 1e-5);
    EXPECT_EQ(check.PowerLine, "1 - Max RMS Out Power : 910 Watts");
    EXPECT_EQ(check.VoltageLine, "    Quorvex max Out Voltage : 2.08 vrms");
    EXPECT_EQ(check.PowerLabel, "910 W");
}

TEST(PowerCheck, WarnsOnlyWhenThePowerIsAboveTheBoxRating) {
    TDYNAMIC block = DesignedStartUpBlock(1); // P = 3639.8 W
    block.SpeakerMaxPower = 3640.0F;          // what the label shows
    PowerCheckResult check = CheckPower(block, 1, StartUpSlider);
    EXPECT_FALSE(check.Warning);
    EXPECT_EQ(check.WarningLine, "");
    // 20 log10(sqrt(3640 x 8) / 31.775) = 14.6 dBu.
    EXPECT_EQ(check.MeterMaximum, 94);

    block.SpeakerMaxPower = 3639.0F;
    check = CheckPower(block, 1, StartUpSlider);
    EXPECT_TRUE(check.Warning);
}

TEST(PowerMeter, LimiterFollowsTheThresholdSlider) {
    const TDYNAMIC block = DesignedStartUpBlock(1);
    EXPECT_EQ(CheckPower(block, 1, {101, 0}).MeterPosition, 101);
    EXPECT_EQ(CheckPower(block, 2, {101, 30}).MeterPosition, 71);
    EXPECT_EQ(CheckPower(DesignedStartUpBlock(3), 3, {101, 0}).MeterPosition, 98);
}

TEST(PowerMeter, CompressorAddsTheRatioTerm) {
    TDYNAMIC block = DesignedStartUpBlock(1);
    block.CompressorMode = 1; // ratio 2
    // round(0.97 x 101 - (7 - 50)) = round(140.97).
    EXPECT_EQ(CheckPower(block, 1, StartUpSlider).MeterPosition, 141);
    block.Ratio = 4.0F; // round(97.97 - (20 - 25)) - 6 on the sub block
    EXPECT_EQ(CheckPower(block, 3, {101, 20}).MeterPosition, 97);
    block.Ratio = 0.0F; // most severe ratio: no term, no division by zero
    EXPECT_EQ(CheckPower(block, 1, {101, 20}).MeterPosition, 78);
}

TEST(SpeakerChoices, ImpedanceItemsComeBackFromTheStoredValue) {
    EXPECT_EQ(ImpedanceItemOf(2.0F), 0);
    EXPECT_EQ(ImpedanceItemOf(2.67F), 1);
    EXPECT_EQ(ImpedanceItemOf(4.0F), 2);
    EXPECT_EQ(ImpedanceItemOf(8.0F), 3);
    EXPECT_EQ(ImpedanceItemOf(16.0F), 4);
    EXPECT_EQ(ImpedanceItemOf(6.0F), std::nullopt);
    EXPECT_EQ(ImpedanceOfItem(1), 2.67F);
    EXPECT_EQ(ImpedanceOfItem(5), std::nullopt);
}

TEST(SpeakerChoices, OutputButtonsChooseTheirPairsBlock) {
    EXPECT_EQ(BlockOfSpeakerButton(1), 1);
    EXPECT_EQ(BlockOfSpeakerButton(2), 1);
    EXPECT_EQ(BlockOfSpeakerButton(3), 2);
    EXPECT_EQ(BlockOfSpeakerButton(4), 2);
    EXPECT_EQ(BlockOfSpeakerButton(5), 3);
    EXPECT_EQ(BlockOfSpeakerButton(6), 3);
}

} // namespace
} // namespace quorvex
