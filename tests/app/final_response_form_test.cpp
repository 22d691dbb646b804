#include "app/final_response_form.h"

#include "app/dynamic_form.h"
#include "app/gains_form.h"
#include "engine/response_grid.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvex {
namespace {

using testing::ProgramHarness;

class FinalResponse : public ::testing::Test {
protected:
    ProgramHarness h;
    TFinalResponseForm& window = h.App.FinalResponse();

    void AllBoxesOff() {
        window.SpkDataClick(false);
        window.PEQBoxClick(false);
        window.XOVERBoxClick(false);
        window.GAINBoxClick(false);
        window.DelayBoxClick(false);
    }
    float Sum(std::size_t point) const { return window.Curves.back().at(point); }
};

TEST_F(FinalResponse, CheckBoxesWriteTheViewFlags) {
    window.XOVERBoxClick(false);
    window.DelayBoxClick(false);
    const ResponseViewFlags& view = h.Config().ResponseView;
    EXPECT_FALSE(view.CrossoverView);
    EXPECT_FALSE(view.DelayView);
    EXPECT_TRUE(view.SpeakerDataView && view.PeqView && view.GainView);
}

TEST_F(FinalResponse, WithNoStageSixOutputsAddUpToSixTimesUnity) {
    AllBoxesOff();
    for (std::size_t point = 0; point < GridPointCount; point += 50) {
        EXPECT_NEAR(Sum(point), 15.56, 0.005) << point;
        EXPECT_EQ(window.Curves[0][point], 0.0F);
    }
}

TEST_F(FinalResponse, MutedOutputIsFlatAndLeavesTheSum) {
    AllBoxesOff();
    h.App.Gains().MuteClick(2);
    EXPECT_EQ(window.Curves[1][100], 0.0F);
    EXPECT_NEAR(Sum(100), 20.0 * std::log10(5.0), 0.005);
}

TEST_F(FinalResponse, LevelChangesRedrawTheCurves) {
    AllBoxesOff();
    window.GAINBoxClick(true);
    h.App.Gains().GainEditEnter(3, "-6.0");
    EXPECT_NEAR(window.Curves[2][200], -6.0, 1e-4);
}

TEST_F(FinalResponse, PhaseModeShowsDegreesAndAnInvertedOutputAt180) {
    AllBoxesOff();
    window.GAINBoxClick(true);
    h.App.Gains().InvClick(4);
    window.PhaseClick();
    EXPECT_EQ(window.YAxisTitle, "Phase");
    EXPECT_EQ(window.YMinimum, -180.0);
    EXPECT_EQ(window.YMaximum, 180.0);
    EXPECT_NEAR(window.Curves[3][10], 180.0, 1e-3);
    EXPECT_NEAR(window.Curves[0][10], 0.0, 1e-3);
    window.MagClick();
    EXPECT_EQ(window.YAxisTitle, "dB");
    EXPECT_EQ(window.YMinimum, -20.0);
}

TEST_F(FinalResponse, ActivationReadsTheLookAheadOfBothBlocks) {
    AllBoxesOff();
    window.DelayBoxClick(true);
    window.PhaseClick();
    h.Config().Block(1).LookAheadSamples = 48; // 1 ms
    window.DibujaFinalResponse();
    EXPECT_NEAR(window.Curves[0][200], 0.0, 1e-3); // not read yet
    window.Show();
    EXPECT_EQ(window.LookAhead, (std::array<int, 2>{48, 0}));
    // 1 ms falls by 360 degrees per 1000 Hz: below 500 Hz without a wrap.
    const ResponseGrid& grid = TheResponseGrid();
    for (std::size_t point = 0; point < GridPointCount; point += 20) {
        const double hz = grid.FrequencyHz[point];
        if (hz < 450.0) {
            EXPECT_NEAR(window.Curves[0][point], -0.36 * hz, 0.01) << hz;
            EXPECT_NEAR(window.Curves[4][point], 0.0, 1e-3) << hz; // SUB1 has none
        }
    }
}

TEST_F(FinalResponse, LookAheadEditedWhileTheWindowIsOpenIsDrawnAtOnce) {
    AllBoxesOff();
    window.DelayBoxClick(true);
    window.PhaseClick();
    window.Show();
    TDynamicform& dynamics = h.App.Dynamics();
    dynamics.SelectBlock(2);
    dynamics.LookAheadEditExit("0.50"); // 24 samples on Out3 and Out4
    EXPECT_EQ(window.LookAhead, (std::array<int, 2>{0, 24}));
    const ResponseGrid& grid = TheResponseGrid();
    for (std::size_t point = 0; point < GridPointCount; point += 20) {
        const double hz = grid.FrequencyHz[point];
        if (hz < 900.0) {
            // 0.5 ms falls by 180 degrees per 1000 Hz.
            EXPECT_NEAR(window.Curves[2][point], -0.18 * hz, 0.01) << hz;
            EXPECT_NEAR(window.Curves[3][point], -0.18 * hz, 0.01) << hz;
            EXPECT_NEAR(window.Curves[0][point], 0.0, 1e-3) << hz;
        }
    }

    // A closed window reads the look-ahead again only when it is shown.
    window.Close();
    dynamics.LookAheadEditExit("1.00");
    EXPECT_EQ(window.LookAhead[1], 24);
    window.Show();
    EXPECT_EQ(window.LookAhead[1], 48);
    EXPECT_NEAR(window.Curves[2][100], -0.36 * grid.FrequencyHz[100], 0.01);
}

TEST_F(FinalResponse, ViaButtonsToggleTheirCurve) {
    window.ViaClick(7);
    EXPECT_FALSE(window.ViaVisible[6]);
    window.ViaClick(7);
    EXPECT_TRUE(window.ViaVisible[6]);
    window.Show();
    EXPECT_EQ(window.ViaLabel[4], "SUB 1");
    EXPECT_EQ(window.ViaLabel[6], "ADD");
}

TEST_F(FinalResponse, InformationLabelNamesFrequencyAndValue) {
    window.MouseMove(1000.4, 3.14159);
    EXPECT_EQ(window.InfoLabel, "1000 Hz , 3.14 dBs");
    window.MouseMove(20000.5, 0.0);
    EXPECT_EQ(window.InfoLabel, "");
    window.MouseMove(100.0, -20.5);
    EXPECT_EQ(window.InfoLabel, "");
    window.PhaseClick();
    window.MouseMove(99.5, -90.125);
    EXPECT_EQ(window.InfoLabel, "100 Hz , -90.13\u00ba ");
}

} // namespace
} // namespace quorvex
