#include "app/peq_form.h"

#include "app/main_form.h"
#include "app/show_coeff_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using testing::ProgramHarness;
using testing::SentMessage;

class EqualiserEditor : public ::testing::Test {
protected:
    ProgramHarness h;
    TPEQForm& peq = h.App.Peq();

    const PeqBand& Band(int output, int band) { return h.Config().Output(output).Band(band); }
    const TSOS& Section(int output, int band) { return h.Doc().Engine.Band(output, band); }
    /// Out1, band `band`, made a parametric band so that gain and Q are live.
    void ParametricBandOfOut1(int band = 1) {
        peq.SelectOutput(1);
        peq.SelectBand(band);
        peq.TipoFiltroComboChange(1);
    }
};

TEST_F(EqualiserEditor, CreationNumbersEveryBandAtItsProcessorAddress) {
    EXPECT_EQ(Section(1, 1).DspAddress, 6);
    EXPECT_EQ(Section(1, 7).DspAddress, 36);
    EXPECT_EQ(Section(3, 2).DspAddress, 11);
    EXPECT_EQ(Section(2, 1).DspAddress, 41);
    EXPECT_EQ(Section(4, 7).DspAddress, 71);
    EXPECT_EQ(Section(5, 1).DspAddress, 116);
    EXPECT_EQ(Section(6, 3).DspAddress, 126);
    for (int output = 1; output <= OutputCount; ++output) {
        EXPECT_EQ(h.Config().Output(output).BandsInUse, 2);
        EXPECT_EQ(peq.SelectedBand[static_cast<std::size_t>(output - 1)], 1);
    }
    EXPECT_EQ(h.Config().SampleRate, 48000);
}

TEST_F(EqualiserEditor, NewConfigurationSelectsBandOneWithoutMovingIt) {
    ParametricBandOfOut1();
    peq.QEditExit("3.0");
    peq.SelectOutput(5);
    peq.SelectBand(3);
    h.Dialogs.Answers = {MessageAnswer::No};
    h.App.Main().NewButtonClick();
    for (int output = 1; output <= OutputCount; ++output) {
        for (const PeqBand& band : h.Config().Output(output).Bands()) {
            EXPECT_EQ(band.FilterType, 0) << output;
            EXPECT_EQ(band.Frequency, 1000.0) << output; // not the subs' 500 Hz field limit
            EXPECT_EQ(band.Q, 0.707) << output;          // not the Q slider's 0.7
        }
        EXPECT_EQ(h.Config().Output(output).BandsInUse, 2);
        EXPECT_EQ(peq.SelectedBand[static_cast<std::size_t>(output - 1)], 1);
    }
    EXPECT_EQ(Section(5, 1).Frequency, 1000.0);
    // Opening the editor selects the band, which puts it on the sliders' grid.
    h.App.Main().PeqBtnClick(5);
    EXPECT_EQ(Band(5, 1).Frequency, 500.0);
    EXPECT_EQ(Band(5, 1).Q, 0.7);
    EXPECT_EQ(Band(5, 2).Q, 0.707);
}

TEST_F(EqualiserEditor, SelectingAnOutputSetsItsLimitsAndTitle) {
    peq.SelectOutput(3);
    EXPECT_EQ(peq.PlotTitle, "OUT 3 Equalization");
    EXPECT_EQ(peq.SpinFiltroMaximum, 7);
    EXPECT_EQ(peq.FrequencyMaximum, 20000.0);
    EXPECT_EQ(peq.ModPEQLit, (std::array<bool, 6>{false, false, true, false, false, false}));

    peq.SelectOutput(5);
    EXPECT_EQ(peq.PlotTitle, "OUT 5 Equalization");
    EXPECT_EQ(peq.SpinFiltroMaximum, 3);
    EXPECT_EQ(peq.XMaximum, 500.0);
    peq.SelectBand(5);
    EXPECT_EQ(peq.SpinFiltro, 3);
    peq.FrecEditExit("800");
    EXPECT_EQ(peq.FrecEdit, "500");
    EXPECT_EQ(Band(5, 3).Frequency, 500.0);
}

TEST_F(EqualiserEditor, BandSelectionRaisesBandsInUseAndShowsTheAddress) {
    peq.SelectOutput(1);
    peq.SelectBand(5);
    EXPECT_EQ(h.Config().Output(1).BandsInUse, 5);
    EXPECT_EQ(h.App.Main().BandAddressText, "26");
    // Band 5 enters the response: a +6 dB peak at 1000 Hz.
    peq.TipoFiltroComboChange(1);
    peq.FilterGainEditExit("6");
    peq.SelectBand(3);
    EXPECT_EQ(h.Config().Output(1).BandsInUse, 5);
    const FrequencyResponse& response = h.Doc().EqualiserResponse[0];
    float peak = -100.0F;
    for (int i = 0; i < GridPointCount; ++i) {
        peak = std::max(peak, response.Magnitude[static_cast<std::size_t>(i)]);
    }
    EXPECT_NEAR(peak, 6.0, 0.05);
}

TEST_F(EqualiserEditor, FrequencySliderAndFieldMeetAtThousandHertz) {
    ParametricBandOfOut1();
    peq.FrecSlider.SetPosition(12632);
    EXPECT_EQ(peq.FrecEdit, "1000");
    EXPECT_EQ(Band(1, 1).Frequency, 1000.0);

    peq.FrecSlider.SetPosition(500);
    peq.FrecEditExit("1000");
    EXPECT_EQ(peq.FrecSlider.Position(), 12632);

    peq.FrecSpinBClick(true);
    EXPECT_EQ(peq.FrecSlider.Position(), 12629);
    EXPECT_EQ(peq.FrecEdit, "1001");
    EXPECT_EQ(Band(1, 1).Frequency, 1001.0);
}

TEST_F(EqualiserEditor, GainAndQSlidersMapToTenths) {
    ParametricBandOfOut1();
    peq.FilterGainSlider.SetPosition(123);
    EXPECT_EQ(peq.FilterGainEdit, "0.0");
    peq.FilterGainSlider.SetPosition(3);
    EXPECT_EQ(peq.FilterGainEdit, "12.0");
    peq.FilterGainSlider.SetPosition(0); // 12.3 dB is beyond the field
    EXPECT_EQ(Band(1, 1).Gain, 12.0);
    peq.FilterGainSlider.SetPosition(274);
    EXPECT_EQ(peq.FilterGainEdit, "-15.0");

    peq.QSlider.SetPosition(193);
    EXPECT_EQ(peq.QEdit, "0.7");
    peq.QSlider.SetPosition(2);
    EXPECT_EQ(Band(1, 1).Q, 19.8);
    peq.QSlider.SetPosition(200);
    EXPECT_EQ(peq.QEdit, "0.5");
}

TEST_F(EqualiserEditor, SpinsAndArrowKeysStepTheFields) {
    ParametricBandOfOut1();
    peq.GainSpinBClick(true);
    peq.FilterGainEditKey(true);
    EXPECT_EQ(peq.FilterGainEdit, "0.2");
    EXPECT_EQ(peq.FilterGainSlider.Position(), 121);
    peq.QEditExit("2");
    peq.QSpinBClick(false);
    EXPECT_EQ(Band(1, 1).Q, 1.9);
    EXPECT_EQ(peq.QSlider.Position(), 181);
}

TEST_F(EqualiserEditor, TypedValuesOutsideTheRulesFallBackToLimits) {
    ParametricBandOfOut1();
    peq.FilterGainEditExit("99");
    EXPECT_EQ(peq.FilterGainEdit, "12.0");
    peq.FilterGainEditExit("abc");
    EXPECT_EQ(peq.FilterGainEdit, "-15.0");
    peq.FilterGainEditExit("");
    EXPECT_EQ(peq.FilterGainEdit, "0.0");
    peq.QEditExit("x");
    EXPECT_EQ(Band(1, 1).Q, 0.5);
    peq.FrecEditExit("3");
    EXPECT_EQ(peq.FrecEdit, "10");
}

TEST_F(EqualiserEditor, BandPassAndStopBandRaiseALowQ) {
    ParametricBandOfOut1();
    peq.QEditExit("0.7");
    peq.TipoFiltroComboChange(6);
    EXPECT_EQ(peq.QEdit, "1.7");
    EXPECT_EQ(Band(1, 1).Q, 1.7);

    peq.TipoFiltroComboChange(1);
    peq.QEditExit("0.7");
    peq.TipoFiltroComboChange(7);
    EXPECT_EQ(peq.QEdit, "1.0");
    EXPECT_EQ(Band(1, 1).Q, 1.0); // designed with what is shown
    EXPECT_EQ(Section(1, 1).Q, 1.0);
}

TEST_F(EqualiserEditor, SixDecibelShelvesLimitTheGain) {
    ParametricBandOfOut1();
    peq.FilterGainEditExit("10");
    peq.TipoFiltroComboChange(2);
    EXPECT_EQ(peq.FilterGainEdit, "6.0");
    EXPECT_EQ(Band(1, 1).Gain, 6.0);
    peq.FilterGainSlider.SetPosition(3);
    EXPECT_EQ(Band(1, 1).Gain, 6.0);
}

TEST_F(EqualiserEditor, TypesEnableTheirControls) {
    ParametricBandOfOut1();
    EXPECT_TRUE(peq.GainControlsEnabled);
    EXPECT_TRUE(peq.QControlsEnabled);
    peq.FilterGainEditExit("4");
    peq.TipoFiltroComboChange(11);
    EXPECT_FALSE(peq.GainControlsEnabled);
    EXPECT_TRUE(peq.QControlsEnabled);
    EXPECT_EQ(peq.FilterGainEdit, "0.0");
    peq.TipoFiltroComboChange(3);
    EXPECT_TRUE(peq.GainControlsEnabled);
    EXPECT_FALSE(peq.QControlsEnabled);
    peq.TipoFiltroComboChange(8);
    EXPECT_FALSE(peq.GainControlsEnabled);
    EXPECT_FALSE(peq.QControlsEnabled);
}

TEST_F(EqualiserEditor, PlacingASliderAlwaysRunsItsHandlingEvenInPlace) {
    ParametricBandOfOut1();
    peq.FilterGainEditExit("3");
    const std::string b0Before = h.App.ShowCoeff().b0Edit;
    h.Config().Output(1).Band(1).Gain = 9.0; // changed behind the editor's back
    peq.FilterGainSlider.SetPosition(peq.FilterGainSlider.Position());
    EXPECT_EQ(Band(1, 1).Gain, 3.0);
    EXPECT_EQ(h.App.ShowCoeff().b0Edit, b0Before);
}

TEST_F(EqualiserEditor, TheResponseFollowsBandsChangedInTheConfiguration) {
    peq.SelectOutput(2);
    PeqBand& other = h.Config().Output(2).Band(2);
    other.FilterType = 1;
    other.Gain = 6.0;
    other.Q = 0.7;
    peq.FrecEditExit("500"); // band 1 moves; band 2 was changed behind the editor's back
    EXPECT_EQ(Section(2, 2).Gain, 6.0);
    float peak = -100.0F;
    for (const float m : h.Doc().EqualiserResponse[1].Magnitude) {
        peak = std::max(peak, m);
    }
    EXPECT_NEAR(peak, 6.0, 0.05);
}

TEST_F(EqualiserEditor, RealTimeSendsTheBandToTheOutputsDsp) {
    peq.SelectOutput(3);
    peq.SelectBand(2);
    peq.TipoFiltroComboChange(1);
    EXPECT_TRUE(h.Sink.Sent.empty());
    h.GoRealTime();
    peq.FilterGainEditExit("6");
    ASSERT_FALSE(h.Sink.Sent.empty());
    const SentMessage& last = h.Sink.Sent.back();
    EXPECT_EQ(last.What, SentMessage::Kind::Section);
    EXPECT_EQ(last.Dsp, 2);
    EXPECT_EQ(last.Address, 11);
    EXPECT_EQ(last.Coefficients[0], Section(3, 2).b0);
    EXPECT_GT(Section(3, 2).b0, 1.0L); // a boost
}

TEST_F(EqualiserEditor, RealTimeTakesTheBandsAddressFromTheAddressMap) {
    peq.SelectOutput(4);
    peq.SelectBand(7);
    peq.TipoFiltroComboChange(1);
    h.Doc().Engine.Band(4, 7).DspAddress = 0; // a section's copy cannot send it elsewhere
    h.GoRealTime();
    peq.FilterGainEditExit("3");
    ASSERT_FALSE(h.Sink.Sent.empty());
    EXPECT_EQ(h.Sink.Sent.back().Dsp, 2);
    EXPECT_EQ(h.Sink.Sent.back().Address, 71);
}

TEST_F(EqualiserEditor, DraggingALowPassQBandKeepsItsGainAtZero) {
    peq.SelectOutput(1);
    peq.TipoFiltroComboChange(10);
    peq.MouseDown(1000.0, 0.5);
    ASSERT_TRUE(peq.Dragging);
    peq.MouseMove(2000.0, 5.0);
    EXPECT_NEAR(Band(1, 1).Frequency, 2000.0, 2.0);
    EXPECT_EQ(Band(1, 1).Gain, 0.0);
    peq.MouseUp();
    EXPECT_FALSE(peq.Dragging);
    EXPECT_TRUE(peq.StatusText.empty());
}

TEST_F(EqualiserEditor, DraggingAParametricBandTakesTheGainToATenth) {
    ParametricBandOfOut1();
    peq.MouseDown(1300.0, 0.0); // 0.11 decade away: missed
    EXPECT_FALSE(peq.Dragging);
    peq.MouseDown(1100.0, 1.26);
    ASSERT_TRUE(peq.Dragging);
    EXPECT_EQ(Band(1, 1).Gain, 1.3);
    EXPECT_EQ(Band(1, 1).Frequency, 1100.0);
    peq.MouseMove(900.0, -2.04);
    EXPECT_EQ(Band(1, 1).Gain, -2.0);
}

TEST_F(EqualiserEditor, PhaseModeStopsDraggingAndShowsDegrees) {
    ParametricBandOfOut1();
    peq.MouseMove(999.6, -3.456);
    EXPECT_EQ(peq.InfoLabel, "1000 Hz , -3.46 dBs");
    peq.PhaseClick();
    EXPECT_EQ(peq.YAxisTitle, "Phase");
    peq.MouseDown(1000.0, 0.0);
    EXPECT_FALSE(peq.Dragging);
    peq.MouseMove(50.0, 12.0);
    EXPECT_EQ(peq.InfoLabel, "50 Hz , 12.00\u00ba ");
    peq.MouseMove(50.0, 12.0, false);
    EXPECT_TRUE(peq.InfoLabel.empty());
}

TEST_F(EqualiserEditor, XoverCheckLightsTheOtherShownOutputs) {
    peq.SelectOutput(2);
    peq.VerPEQClick(4);
    peq.XoverCheckClick(true);
    EXPECT_EQ(peq.ModPEQLit, (std::array<bool, 6>{true, true, true, false, true, true}));
    EXPECT_TRUE(peq.SelectedCurveRed);
}

} // namespace
} // namespace quorvex
