#include "app/dynamic_form.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvex {
namespace {

using testing::ProgramHarness;
using testing::SentMessage;

class DynamicsEditor : public ::testing::Test {
protected:
    ProgramHarness h;
    TDynamicform& dyn = h.App.Dynamics();

    DynamicsSetting& Setting(int block) { return h.Config().Block(block); }
    const TDYNAMIC& Engine(int block) { return h.Doc().Engine.Block(block); }
    double Table(int block, int entry) {
        return static_cast<double>(Engine(block).GainTable.at(static_cast<std::size_t>(entry)));
    }
};

TEST_F(DynamicsEditor, LoadingABlockStoresNothingBack) {
    EXPECT_EQ(dyn.Block, 3);
    EXPECT_EQ(Setting(3).ThresholdDb, -5.0F);
    dyn.SelectBlock(1);
    EXPECT_EQ(dyn.ThresholdSlider.Position(), 7);
    EXPECT_EQ(dyn.ThresholdEdit, "14.6");
    EXPECT_EQ(Setting(1).ThresholdDb, -6.0F);
    EXPECT_EQ(Setting(2).ThresholdDb, -6.0F);
    EXPECT_EQ(dyn.KneeSlider.Position(), 12);
    EXPECT_EQ(dyn.RatioLabel, "2: 1");
    EXPECT_EQ(dyn.AttackEdit, "120");
    EXPECT_EQ(dyn.HoldEdit, "40");
    EXPECT_EQ(dyn.ReleaseEdit, "07");
    EXPECT_EQ(dyn.NoiseLevelIndex, 4); // position 13
    EXPECT_EQ(dyn.GroupCaption, "Dynamic OUT 1-2");
    // The worked example of the start-up block 1.
    EXPECT_NEAR(Table(1, 29), 0.9928, 1e-4);
    EXPECT_NEAR(Table(1, 32), 0.5012, 1e-4);
}

TEST_F(DynamicsEditor, ThresholdFieldMovesTheSliderInHalfDecibels) {
    dyn.SelectBlock(1);
    dyn.ThresholdEditExit("14.6");
    EXPECT_EQ(dyn.ThresholdSlider.Position(), 7);
    EXPECT_NEAR(Setting(1).ThresholdDb, -6.1, 1e-6);
    EXPECT_EQ(dyn.ThresholdEdit, "14.5");
    dyn.ThresholdEditExit("-");
    dyn.ThresholdEditExit("25");
    EXPECT_EQ(dyn.ThresholdSlider.Position(), 7);
    dyn.ThresholdEditKey(true);
    EXPECT_EQ(dyn.ThresholdEdit, "15.0");
}

TEST_F(DynamicsEditor, ThresholdSliderTopIsEighteenDbuOnEveryBlock) {
    dyn.SelectBlock(1);
    dyn.ThresholdSlider.SetPosition(0);
    EXPECT_NEAR(Setting(1).ThresholdDb, -2.6, 1e-6);
    EXPECT_EQ(dyn.ThresholdEdit, "18.0");
    dyn.ThresholdSlider.SetPosition(100);
    EXPECT_EQ(dyn.ThresholdEdit, "-32.0");
    // The last position is half a decibel below what the field holds.
    dyn.ThresholdSlider.SetPosition(101);
    EXPECT_NEAR(Setting(1).ThresholdDb, -53.1, 1e-5);
    EXPECT_EQ(dyn.ThresholdEdit, "-32.0");
    dyn.SelectBlock(3);
    dyn.ThresholdSlider.SetPosition(0);
    EXPECT_NEAR(Setting(3).ThresholdDb, -5.6, 1e-6);
    EXPECT_EQ(dyn.ThresholdEdit, "18.0");
}

TEST_F(DynamicsEditor, KneeSliderMapsToHalfDecibels) {
    dyn.SelectBlock(2);
    dyn.KneeSlider.SetPosition(12);
    EXPECT_EQ(Setting(2).KneeDb, 4.0F);
    dyn.KneeSlider.SetPosition(21);
    EXPECT_EQ(Setting(2).KneeDb, -0.5F);
    EXPECT_EQ(dyn.KneeEdit, "0.0");
    EXPECT_TRUE(std::isfinite(Table(2, 32)));
    dyn.KneeEditExit("3");
    EXPECT_EQ(dyn.KneeSlider.Position(), 14);
    EXPECT_EQ(dyn.KneeEdit, "3.0");
}

TEST_F(DynamicsEditor, TheLastRatioPositionIsTheMostSevereRatio) {
    dyn.SelectBlock(1);
    dyn.CompressorBClick();
    EXPECT_NEAR(Table(1, 32), 0.7079, 1e-4); // compressor 2:1, the worked example
    dyn.RatioSlider.SetPosition(10);
    EXPECT_EQ(Setting(1).Ratio, 0.0F);
    EXPECT_EQ(dyn.RatioLabel, "oo: 1");
    // Designed as a limiter: the limiter's worked-example gains.
    EXPECT_NEAR(Table(1, 29), 0.9928, 1e-4);
    EXPECT_NEAR(Table(1, 31), 0.7029, 1e-4);
    EXPECT_NEAR(Table(1, 32), 0.5012, 1e-4);
}

TEST_F(DynamicsEditor, LimiterAndBypassSwitchTheControls) {
    dyn.SelectBlock(1);
    EXPECT_EQ(dyn.ThresholdCaptionText, "     Limit");
    EXPECT_FALSE(dyn.RatioEnabled);
    dyn.CompressorBClick();
    EXPECT_EQ(dyn.ThresholdCaptionText, "Threshold");
    EXPECT_TRUE(dyn.RatioEnabled);
    dyn.DynBypassBotonClick();
    EXPECT_TRUE(dyn.BypassCaptionRed);
    EXPECT_FALSE(dyn.ControlsEnabled);
    EXPECT_FALSE(dyn.RatioEnabled);
    EXPECT_TRUE(dyn.CurvePoints.empty());
    EXPECT_EQ(dyn.ReferenceLine.second.InputDbu, 100.0);
    EXPECT_EQ(Table(1, 32), 1.0);
    dyn.DynBypassBotonClick();
    EXPECT_TRUE(dyn.RatioEnabled);
    EXPECT_EQ(dyn.CurvePoints.size(), 61U); // 60 grid points and the closing point
}

TEST_F(DynamicsEditor, HighNoiseLevelMutesTheLowTableEntries) {
    dyn.SelectBlock(1);
    dyn.NoiseLevelChange(7);
    EXPECT_EQ(Setting(1).NoiseGatePosition, 16.0F);
    EXPECT_EQ(dyn.GateEdit, "16");
    for (int j = 0; j <= 11; ++j) {
        EXPECT_EQ(Table(1, j), 0.0) << j;
    }
    EXPECT_EQ(Table(1, 12), 0.25);
    EXPECT_EQ(Table(1, 15), 1.0);
    dyn.NoiseLevelChange(0);
    EXPECT_EQ(Setting(1).NoiseGatePosition, 1.0F);
    EXPECT_EQ(Table(1, 1), 1.0);
}

TEST_F(DynamicsEditor, GateValuesFromOutsideAreBroughtIntoTheTable) {
    Setting(2).NoiseGatePosition = 40.0F;
    Setting(2).NoiseGateSlope = 0.0F;
    dyn.SelectBlock(2);
    EXPECT_EQ(dyn.GateEdit, "33");
    EXPECT_EQ(dyn.PendienteEdit, "01");
    EXPECT_EQ(Table(2, 31), 0.0);
    EXPECT_EQ(Table(2, 32), 1.0);
    Setting(2).NoiseGatePosition = std::nanf("");
    dyn.SelectBlock(2);
    EXPECT_EQ(dyn.NoiseLevelIndex, 0);
    EXPECT_EQ(Table(2, 0), 0.0);
    EXPECT_EQ(Table(2, 1), 1.0);
}

TEST_F(DynamicsEditor, GainTableGoesOutThreeSinglyThenInFives) {
    dyn.SelectBlock(1);
    h.GoRealTime();
    dyn.CompressorBClick();
    ASSERT_EQ(h.Sink.Sent.size(), 9U);
    for (int j = 0; j < 3; ++j) {
        const SentMessage& m = h.Sink.Sent[static_cast<std::size_t>(j)];
        EXPECT_EQ(m.What, SentMessage::Kind::Coefficient);
        EXPECT_EQ(m.Dsp, 1);
        EXPECT_EQ(m.Address, 148 + j);
    }
    for (int g = 0; g < 6; ++g) {
        const SentMessage& m = h.Sink.Sent[static_cast<std::size_t>(3 + g)];
        EXPECT_EQ(m.What, SentMessage::Kind::Section);
        EXPECT_EQ(m.Address, 151 + 5 * g);
        EXPECT_EQ(m.Coefficients[4], Engine(1).GainTable[static_cast<std::size_t>(7 + 5 * g)]);
    }
}

TEST_F(DynamicsEditor, AFailedWriteSaysErrorOnceAndKeepsTheNewValues) {
    dyn.SelectBlock(1);
    h.GoRealTime();
    h.Sink.Fails = true;
    dyn.CompressorBClick();
    EXPECT_EQ(h.Sink.Sent.size(), 1U);
    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Text, "ERROR");
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(Setting(1).CompressorMode, 1);
    EXPECT_NEAR(Table(1, 32), 0.7079, 1e-4);
}

TEST_F(DynamicsEditor, TheSubBlockIsWrittenToBothDsps) {
    h.GoRealTime();
    dyn.SelectBlock(3);
    dyn.LimiterBClick();
    ASSERT_EQ(h.Sink.Sent.size(), 18U);
    EXPECT_EQ(h.Sink.Sent[0].Dsp, 1);
    EXPECT_EQ(h.Sink.Sent[0].Address, 185);
    EXPECT_EQ(h.Sink.Sent[1].Dsp, 2);
    EXPECT_EQ(h.Sink.Sent[1].Address, 185);
    EXPECT_EQ(h.Sink.Sent[17].Address, 213);
    h.ClearRecords();
    dyn.HoldEditExit("20");
    EXPECT_EQ(Setting(3).HoldSamples, 960);
    ASSERT_EQ(h.Sink.Sent.size(), 4U);
    EXPECT_EQ(h.Sink.Sent[0].Address, 220);
    EXPECT_EQ(h.Sink.Sent[0].IntegerValue, 960);
    EXPECT_EQ(h.Sink.Sent[1].Dsp, 2);
    EXPECT_EQ(h.Sink.Sent[2].Address, 221);
    EXPECT_EQ(h.Sink.Sent[3].IntegerValue, 51);
}

TEST_F(DynamicsEditor, AttackIsFollowedByTheRelease) {
    dyn.SelectBlock(2);
    h.GoRealTime();
    dyn.AttackEditExit("250");
    EXPECT_NEAR(static_cast<double>(Setting(2).RmsCoefficient), 1.19854e-3, 1e-8);
    ASSERT_EQ(h.Sink.Sent.size(), 2U);
    EXPECT_EQ(h.Sink.Sent[0].Dsp, 2);
    EXPECT_EQ(h.Sink.Sent[0].Address, 181);
    EXPECT_EQ(h.Sink.Sent[1].Address, 184);
    dyn.AttackEditExit("300"); // refused
    EXPECT_EQ(dyn.AttackEdit, "250");
    dyn.ReleaseStep(true);
    EXPECT_EQ(Setting(2).DecaySteps, 58); // 8 dB/s
}

TEST_F(DynamicsEditor, LookAheadReachesTheDelaysAndEndsWithTheRelease) {
    dyn.SelectBlock(1);
    h.GoRealTime();
    dyn.LookAheadEditExit("1.00");
    EXPECT_EQ(Setting(1).LookAheadSamples, 48);
    ASSERT_GE(h.Sink.Sent.size(), 6U);
    EXPECT_EQ(h.Sink.Sent.front().Address, 181);
    EXPECT_EQ(h.Sink.Sent.front().IntegerValue, 48);
    EXPECT_EQ(h.Sink.Sent.back().Address, 184);
    int delayWrites = 0;
    for (const SentMessage& m : h.Sink.Sent) {
        delayWrites += (m.Address == 141 || m.Address == 142) ? 1 : 0;
    }
    EXPECT_EQ(delayWrites, 4);
    dyn.LookAheadStep(true);
    EXPECT_EQ(Setting(1).LookAheadSamples, 50);
    EXPECT_EQ(dyn.LookAheadEdit, "1.04");
}

TEST_F(DynamicsEditor, LookAheadDoesNothingOnTheSubBlock) {
    dyn.SelectBlock(3);
    h.GoRealTime();
    dyn.LookAheadEditExit("1.00");
    dyn.LookAheadStep(true);
    EXPECT_EQ(Setting(3).LookAheadSamples, 0);
    EXPECT_TRUE(h.Sink.Sent.empty());
}

TEST_F(DynamicsEditor, ServiceControlsNeedTheirClickCounts) {
    for (int i = 0; i < 9; ++i) {
        dyn.RmsDynamicsCaptionClick();
    }
    EXPECT_FALSE(dyn.LookAheadVisible);
    dyn.RmsDynamicsCaptionClick();
    EXPECT_TRUE(dyn.LookAheadVisible);
    for (int i = 0; i < 13; ++i) {
        dyn.NoiseLevelCaptionClick();
    }
    EXPECT_FALSE(dyn.GateFieldsVisible);
    dyn.NoiseLevelCaptionClick();
    EXPECT_TRUE(dyn.GateFieldsVisible);
    dyn.Activate();
    EXPECT_FALSE(dyn.LookAheadVisible);
    EXPECT_FALSE(dyn.GateFieldsVisible);
}

TEST_F(DynamicsEditor, PowerCheckOfTheStartUpBlock) {
    dyn.SelectBlock(1);
    EXPECT_NEAR(dyn.Power.OutputPowerWatts, 3640.0, 1.0);
    EXPECT_TRUE(dyn.Power.Warning);
    EXPECT_EQ(dyn.InfoLines[0], "1 - Max RMS Out Power : 3640 Watts");
    dyn.ShowInfoClick(false);
    EXPECT_TRUE(dyn.InfoLines[0].empty());
}

} // namespace
} // namespace quorvex
