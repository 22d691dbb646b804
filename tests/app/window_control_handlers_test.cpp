#include "app/dynamic_form.h"
#include "app/final_response_form.h"
#include "app/import_form.h"
#include "app/peq_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using testing::ProgramHarness;

// A person's slider move is one handler call: the window hears of it once, and the
// slider's own change handling gives the value.
class SliderMoves : public ::testing::Test {
protected:
    ProgramHarness h;
    TPEQForm& peq = h.App.Peq();
    TDynamicform& dynamics = h.App.Dynamics();
};

TEST_F(SliderMoves, AnEqualiserSliderMoveSetsTheBandAndIsAnnouncedOnce) {
    peq.SelectOutput(1);
    peq.TipoFiltroComboChange(1);
    const int before = peq.Changed().AnnouncementCount();
    peq.FrecSliderMoved(12632);
    EXPECT_EQ(peq.FrecEdit, "1000");
    EXPECT_EQ(h.Config().Output(1).Band(1).Frequency, 1000.0);
    peq.FilterGainSliderMoved(213); // (273 - 213) * 0.1 - 15
    EXPECT_EQ(peq.FilterGainEdit, "-9.0");
    peq.QSliderMoved(180);
    EXPECT_EQ(peq.QEdit, "2.0");
    EXPECT_EQ(peq.Changed().AnnouncementCount(), before + 3);
}

TEST_F(SliderMoves, ADynamicsSliderMoveDesignsTheBlockAndIsAnnouncedOnce) {
    dynamics.SelectBlock(1);
    dynamics.CompressorBClick();
    const int before = dynamics.Changed().AnnouncementCount();
    dynamics.ThresholdSliderMoved(7);
    EXPECT_EQ(dynamics.ThresholdEdit, "14.5");
    dynamics.RatioSliderMoved(6);
    EXPECT_EQ(h.Config().Dynamics[0].Ratio, 4.0f);
    dynamics.KneeSliderMoved(12);
    EXPECT_EQ(h.Config().Dynamics[0].KneeDb, 4.0f);
    EXPECT_EQ(dynamics.Changed().AnnouncementCount(), before + 3);
}

class EqualiserWheel : public ::testing::Test {
protected:
    ProgramHarness h;
    TPEQForm& peq = h.App.Peq();

    const PeqBand& Band() { return h.Config().Output(1).Band(1); }
    /// Band 1 of Out1 made parametric at 1000 Hz, 0 dB, Q 1.0.
    void ParametricBand() {
        peq.SelectOutput(1);
        peq.SelectBand(1);
        peq.TipoFiltroComboChange(1);
        peq.FrecEditExit("1000");
        peq.QEditExit("1.0");
    }
};

TEST_F(EqualiserWheel, EachNotchOverTheBandStepsItsQByATenth) {
    ParametricBand();
    peq.MouseWheel(1010.0, 0.5, 1.0);
    EXPECT_EQ(peq.QEdit, "1.1");
    EXPECT_DOUBLE_EQ(Band().Q, 1.1);
    peq.MouseWheel(1010.0, 0.5, -3.0);
    EXPECT_EQ(peq.QEdit, "0.8");
    EXPECT_EQ(peq.QSlider.Position(), 192);
}

TEST_F(EqualiserWheel, PartsOfANotchAddUpToOneStep) {
    ParametricBand();
    peq.MouseWheel(1000.0, 0.0, 0.5);
    EXPECT_EQ(peq.QEdit, "1.0");
    peq.MouseWheel(1000.0, 0.0, 0.5);
    EXPECT_EQ(peq.QEdit, "1.1");
}

TEST_F(EqualiserWheel, LeavesTheQAloneAwayFromTheBandInPhaseModeAndForTypesWithoutQ) {
    ParametricBand();
    peq.MouseWheel(3000.0, 0.0, 1.0); // half a decade away
    peq.MouseWheel(1000.0, 5.0, 1.0); // 5 dB above the band
    EXPECT_EQ(peq.QEdit, "1.0");
    peq.PhaseClick();
    peq.MouseWheel(1000.0, 0.0, 1.0);
    EXPECT_EQ(peq.QEdit, "1.0");
    peq.MagClick();
    peq.TipoFiltroComboChange(2); // a 6 dB shelf has no Q of its own
    peq.MouseWheel(1000.0, 0.0, 1.0);
    EXPECT_EQ(peq.QEdit, "1.0");
    EXPECT_DOUBLE_EQ(Band().Q, 1.0);
}

TEST_F(EqualiserWheel, StopsAtTheTopOfTheQSlider) {
    ParametricBand();
    peq.QEditExit("19.5");
    peq.MouseWheel(1000.0, 0.0, 5.0);
    EXPECT_EQ(peq.QEdit, "19.8"); // slider position 2, its highest Q
}

TEST(FinalResponseImport, TheImportButtonShowsTheImportWindowWithTheOutputNames) {
    ProgramHarness h;
    h.Config().OutputNames[0] = "Left";
    h.App.FinalResponse().ImportBClick();
    EXPECT_TRUE(h.App.Import().Visible);
    EXPECT_EQ(h.App.Import().OutputLabel[0], "Left");
}

} // namespace
} // namespace quorvex
