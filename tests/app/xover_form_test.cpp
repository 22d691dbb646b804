#include "app/xover_form.h"

#include "config/new_configuration.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex {
namespace {

using testing::ProgramHarness;
using testing::SentMessage;

constexpr auto Lower = CrossoverEdge::Lower;
constexpr auto Upper = CrossoverEdge::Upper;

class CrossoverEditor : public ::testing::Test {
protected:
    ProgramHarness h;
    TXOVERForm& xover = h.App.Xover();

    CrossoverSetting& Setting(int output) { return h.Config().Output(output).Crossover; }
    const TXOVER& Engine(int output) { return h.Doc().Engine.Crossover(output); }
    int Messages(const std::string& text) {
        int count = 0;
        for (const auto& message : h.Dialogs.Messages) {
            count += message.Text == text ? 1 : 0;
        }
        return count;
    }
};

bool IsPassThrough(const TSOS& s) {
    return s.b0 == 1.0L && s.b1 == 0.0L && s.b2 == 0.0L && s.a1 == 0.0L && s.a2 == 0.0L;
}

TEST_F(CrossoverEditor, SectionsSitAtTheirProcessorAddresses) {
    EXPECT_EQ(Engine(1).LowPass.Sections[0].DspAddress, 76);
    EXPECT_EQ(Engine(1).LowPass.Sections[1].DspAddress, 81);
    EXPECT_EQ(Engine(3).HighPass.Sections[0].DspAddress, 86);
    EXPECT_EQ(Engine(3).HighPass.Sections[1].DspAddress, 91);
    EXPECT_EQ(Engine(2).LowPass.Sections[1].DspAddress, 101);
    EXPECT_EQ(Engine(4).HighPass.Sections[0].DspAddress, 106);
    EXPECT_EQ(Engine(5).LowPass.Sections[0].DspAddress, 131);
    EXPECT_EQ(Engine(6).HighPass.Sections[1].DspAddress, 136);
}

TEST_F(CrossoverEditor, SelectingAnOutputShowsItsCrossover) {
    xover.SelectOutput(2);
    EXPECT_EQ(xover.PlotTitle, "OUT 2 CrossOver");
    EXPECT_EQ(xover.PanelTitle, "CrossOver 2");
    EXPECT_EQ(xover.Lower.FrecEdit, "100");
    EXPECT_EQ(xover.Upper.FrecSpin, 5000);
    EXPECT_TRUE(xover.Lower.Enabled);
    EXPECT_EQ(xover.UpperFamilyNames[0], "ByPass");
    EXPECT_EQ(xover.Summary[1].HighPass, "  -- ");
}

TEST_F(CrossoverEditor, SummaryNamesFrequencyCustomOrBypassedPerEdge) {
    xover.SelectOutput(3);
    xover.TipoXComboChange(Upper, 1);
    EXPECT_EQ(xover.Summary[2].HighPass, "  -- ");
    EXPECT_EQ(xover.Summary[2].LowPass, "5000");
    // The per-section families of a stored file have no list entry; they are kept.
    Setting(3).HighPass.Family = 8;
    Setting(3).LowPass.Family = 7;
    xover.SelectOutput(3);
    EXPECT_EQ(xover.Lower.TipoXCombo, TXOVERForm::NoFamilyEntry);
    EXPECT_EQ(Setting(3).HighPass.Family, 8);
    EXPECT_EQ(xover.Summary[2].HighPass, "   C ");
    EXPECT_EQ(xover.Summary[2].LowPass, "   C ");
}

TEST_F(CrossoverEditor, TheLowerEdgeStopsAtTheUpperUnlessSoloed) {
    xover.SelectOutput(1);
    xover.FrecEditExit(Lower, "6000");
    EXPECT_EQ(Setting(1).HighPass.Frequency, 5000.0);
    EXPECT_EQ(xover.Lower.FrecEdit, "5000");

    xover.OnlyLClick();
    xover.FrecEditExit(Lower, "6000");
    EXPECT_EQ(Setting(1).HighPass.Frequency, 6000.0);
}

TEST_F(CrossoverEditor, TheUpperEdgeStopsAtTheLower) {
    xover.SelectOutput(3);
    xover.FrecSpinChange(Upper, 50);
    EXPECT_EQ(Setting(3).LowPass.Frequency, 100.0);
    EXPECT_EQ(xover.Upper.FrecSpin, 100);
}

TEST_F(CrossoverEditor, BesselAboveItsMaximumMovesToIt) {
    xover.SelectOutput(1);
    xover.FrecEditExit(Upper, "15000");
    xover.OrdenSpinChange(Upper, 4);
    xover.TipoXComboChange(Upper, 3);
    EXPECT_EQ(Messages("Maximum Bessel Cutoff = 14900 for LowPass of order 4"), 1);
    EXPECT_EQ(h.Dialogs.Messages.back().Kind, MessageKind::Information);
    EXPECT_EQ(Setting(1).LowPass.Frequency, 14900.0);
    EXPECT_EQ(xover.Upper.FrecEdit, "14900");
    EXPECT_EQ(Setting(1).LowPass.Family, 5);
    EXPECT_FALSE(IsPassThrough(Engine(1).LowPass.Sections[0]));
    EXPECT_EQ(xover.Summary[0].LowPass, "14900");
}

TEST_F(CrossoverEditor, BesselBelowAHigherLowerEdgeEndsAfterOnePass) {
    // The edge rule would lift the low pass back to 16000 Hz after every move to 14900 Hz.
    xover.SelectOutput(1);
    xover.FrecEditExit(Upper, "20000");
    xover.FrecEditExit(Lower, "16000");
    ASSERT_EQ(Setting(1).HighPass.Frequency, 16000.0);
    xover.OrdenSpinChange(Upper, 4);
    xover.TipoXComboChange(Upper, 3);
    EXPECT_EQ(Messages("Maximum Bessel Cutoff = 14900 for LowPass of order 4"), 1);
    EXPECT_EQ(Setting(1).LowPass.Frequency, 14900.0);
    EXPECT_EQ(Engine(1).LowPass.Frequency, 14900.0);
    EXPECT_FALSE(IsPassThrough(Engine(1).LowPass.Sections[0]));
}

TEST_F(CrossoverEditor, StepsStartFromWhatTheFieldHolds) {
    xover.SelectOutput(2);
    xover.FrecEditChange(Upper, "3000");
    xover.FrecStep(Upper, true);
    EXPECT_EQ(Setting(2).LowPass.Frequency, 3001.0);
    EXPECT_EQ(xover.Upper.FrecEdit, "3001");
    xover.FrecEditChange(Lower, "250.6");
    xover.FrecStep(Lower, false);
    EXPECT_EQ(Setting(2).HighPass.Frequency, 250.0);
}

TEST_F(CrossoverEditor, SubsKeepTheirLowerEdgeBypassedAndStopAt480Hertz) {
    xover.SelectOutput(5);
    EXPECT_FALSE(xover.Lower.Enabled);
    EXPECT_EQ(xover.UpperFamilyNames[0], "-----------");
    xover.FrecEditExit(Upper, "1000");
    EXPECT_EQ(Setting(5).LowPass.Frequency, 480.0);
    xover.FrecStep(Upper, true);
    EXPECT_EQ(xover.Upper.FrecSpin, 480);
    xover.TipoXComboChange(Lower, 1);
    EXPECT_EQ(Setting(5).HighPass.Family, 0);
}

TEST_F(CrossoverEditor, TheSubsEmptyEntryKeepsTheLowPassFamily) {
    xover.SelectOutput(5);
    xover.TipoXComboChange(Upper, 0);
    EXPECT_EQ(Setting(5).LowPass.Family, 1);
    xover.FrecSpinChange(Upper, 200);
    // Designed at the frequency it stores.
    EXPECT_EQ(Engine(5).LowPass.Sections[0].Frequency, 200.0);
    EXPECT_FALSE(IsPassThrough(Engine(5).LowPass.Sections[0]));
}

TEST_F(CrossoverEditor, FourthOrderLinkwitzRileyOnOut2SendsTwoEqualSections) {
    xover.SelectOutput(2);
    h.GoRealTime();
    xover.OrdenSpinChange(Upper, 4);
    h.ClearRecords();
    xover.TipoXComboChange(Upper, 2);
    ASSERT_EQ(h.Sink.Sent.size(), 4U);
    const SentMessage& first = h.Sink.Sent[0];
    const SentMessage& second = h.Sink.Sent[1];
    EXPECT_EQ(first.Dsp, 1);
    EXPECT_EQ(first.Address, 96);
    EXPECT_EQ(second.Address, 101);
    EXPECT_EQ(first.Coefficients, second.Coefficients);
    EXPECT_NE(first.Coefficients[0], 1.0L);
    EXPECT_EQ(h.Sink.Sent[2].Address, 106);
    EXPECT_EQ(h.Sink.Sent[3].Address, 111);
    EXPECT_NEAR(Engine(2).LowPass.Sections[0].Q, 0.7071, 1e-4);
}

TEST_F(CrossoverEditor, SubsSendOnlyTheirLowPass) {
    xover.SelectOutput(6);
    h.GoRealTime();
    xover.FrecSpinChange(Upper, 300);
    ASSERT_EQ(h.Sink.Sent.size(), 2U);
    EXPECT_EQ(h.Sink.Sent[0].Dsp, 2);
    EXPECT_EQ(h.Sink.Sent[0].Address, 131);
    EXPECT_EQ(h.Sink.Sent[1].Address, 136);
}

TEST_F(CrossoverEditor, SoloButtonsSetTheOtherFamilyAsideAndRestoreIt) {
    xover.SelectOutput(1);
    xover.TipoXComboChange(Upper, 1);
    xover.TipoXComboChange(Lower, 2);
    xover.OnlyLClick();
    EXPECT_TRUE(Setting(1).SoloHighPass);
    EXPECT_TRUE(xover.OnlyLLit);
    EXPECT_EQ(Setting(1).LowPass.Family, 0);
    EXPECT_TRUE(IsPassThrough(Engine(1).LowPass.Sections[0]));

    // Switching to the other solo gives the low pass its family back first.
    xover.OnlyHClick();
    EXPECT_FALSE(Setting(1).SoloHighPass);
    EXPECT_TRUE(Setting(1).SoloLowPass);
    EXPECT_EQ(Setting(1).LowPass.Family, 1);
    EXPECT_EQ(Setting(1).HighPass.Family, 0);

    xover.OnlyHClick();
    EXPECT_FALSE(Setting(1).SoloLowPass);
    EXPECT_EQ(Setting(1).HighPass.Family, 4);
    EXPECT_EQ(xover.Lower.TipoXCombo, 2);
}

TEST_F(CrossoverEditor, PendingFieldsAreAppliedOnRequest) {
    xover.SelectOutput(4);
    xover.FrecEditChange(Lower, "250");
    EXPECT_EQ(Setting(4).HighPass.Frequency, 100.0);
    xover.ApplyPendingParameters();
    EXPECT_EQ(Setting(4).HighPass.Frequency, 250.0);
}

TEST_F(CrossoverEditor, ResetBringsBackTheDefaults) {
    xover.SelectOutput(1);
    xover.TipoXComboChange(Upper, 1);
    xover.OnlyLClick();
    ResetCrossovers(h.Config()); // New configuration's step before the editor's own reset
    xover.Reset();
    EXPECT_FALSE(Setting(1).SoloHighPass);
    EXPECT_EQ(Setting(1).LowPass.Family, 0);
    EXPECT_EQ(Setting(1).LowPass.Frequency, 5000.0);
    EXPECT_EQ(Setting(5).LowPass.Family, 1);
    EXPECT_EQ(Setting(5).LowPass.Frequency, 480.0);
    EXPECT_EQ(Engine(1).LowPass.Sections[0].DspAddress, 76);
}

TEST_F(CrossoverEditor, AxisButtonsMoveInStepsOfFive) {
    xover.YMaxUpDownClick(true);
    EXPECT_EQ(xover.YMaximum, 15.0);
    for (int i = 0; i < 10; ++i) {
        xover.YMaxUpDownClick(true);
    }
    EXPECT_EQ(xover.YMaxUpDown, 40);
    xover.YMinUpDownClick(true);
    EXPECT_EQ(xover.YMinimum, -35.0);
    xover.PhasClick();
    EXPECT_EQ(xover.YAxisTitle, "Phase");
    EXPECT_EQ(xover.YMaximum, 180.0);
}

TEST_F(CrossoverEditor, ButterworthCurveIsThreeDecibelsDownAtItsFrequency) {
    // Grid point 300 is 4078 Hz.
    xover.SelectOutput(1);
    xover.FrecEditExit(Upper, "4078");
    xover.TipoXComboChange(Upper, 1);
    EXPECT_NEAR(xover.Curves[0][300], -3.01, 0.02);
    EXPECT_EQ(xover.Summary[0].LowPass, "4078");
}

} // namespace
} // namespace quorvex
