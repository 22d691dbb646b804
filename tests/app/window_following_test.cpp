#include "app/delay_fino_form.h"
#include "app/final_response_form.h"
#include "app/gains_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/show_coeff_form.h"
#include "app/system_info_form.h"
#include "app/xover_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using testing::ProgramHarness;

struct StageEdit {
    std::string Name;
    std::function<void(Program&)> Prepare;
    std::function<void(Program&)> Edit; ///< one handler call
};

// An edit of each editor whose stage responses the combined response is drawn from.
std::vector<StageEdit> StageEdits() {
    return {
        {"equaliser",
         [](Program& app) {
             app.Peq().SelectOutput(1);
             app.Peq().TipoFiltroComboChange(1);
         },
         [](Program& app) { app.Peq().FilterGainEditExit("6"); }},
        {"crossover", [](Program& app) { app.Xover().SelectOutput(1); },
         [](Program& app) { app.Xover().TipoXComboChange(CrossoverEdge::Upper, 1); }},
        {"levels", [](Program&) {}, [](Program& app) { app.Gains().MuteClick(1); }},
        {"delay", [](Program&) {}, [](Program& app) { app.Delay().SetPosition(1, 0); }},
    };
}

TEST(WindowFollowing, TheOpenCombinedResponseIsDrawnAgainOnceAfterEachStageEdit) {
    for (const StageEdit& stage : StageEdits()) {
        SCOPED_TRACE(stage.Name);
        ProgramHarness h;
        TFinalResponseForm& combined = h.App.FinalResponse();
        combined.Show();
        combined.PhaseClick(); // the delay moves the phase only
        stage.Prepare(h.App);
        const auto before = combined.Curves;
        const int announcements = combined.Changed().AnnouncementCount();

        stage.Edit(h.App);

        EXPECT_NE(combined.Curves, before);
        EXPECT_EQ(combined.Changed().AnnouncementCount(), announcements + 1);
        // What it shows is what it draws from the document as it now stands.
        const auto followed = combined.Curves;
        combined.DibujaFinalResponse();
        EXPECT_EQ(combined.Curves, followed);
    }
}

TEST(WindowFollowing, TheCombinedResponseIsDrawnFromTheStagesStartUpLeaves) {
    ProgramHarness h;
    const auto startUp = h.App.FinalResponse().Curves;
    h.App.FinalResponse().DibujaFinalResponse();
    EXPECT_EQ(h.App.FinalResponse().Curves, startUp);
    // The subs' crossovers already cut the top end.
    EXPECT_LT(startUp[4].back(), -20.0F);
}

TEST(WindowFollowing, TheCoefficientDisplayShowsTheBandTheEqualiserDesignedLast) {
    ProgramHarness h;
    TPEQForm& peq = h.App.Peq();
    peq.SelectOutput(2);
    peq.SelectBand(3);
    peq.TipoFiltroComboChange(1);
    peq.FilterGainEditExit("-4.5");

    TShowCoeffForm expected;
    expected.Update(h.Doc().Engine.Band(2, 3));
    EXPECT_EQ(h.App.ShowCoeff().b0Edit, expected.b0Edit);
    EXPECT_EQ(h.App.ShowCoeff().b1Edit, expected.b1Edit);
    EXPECT_EQ(h.App.ShowCoeff().a2Edit, expected.a2Edit);
    EXPECT_NE(h.App.ShowCoeff().b0Edit, "1.000000000000000000");
}

TEST(WindowFollowing, TheShownEqualiserIsDrawnAgainAfterACrossoverChangeTheHiddenOneIsNot) {
    ProgramHarness h;
    TPEQForm& peq = h.App.Peq();
    peq.Show();
    h.App.Xover().SelectOutput(1);
    const int shown = peq.Changed().AnnouncementCount();
    h.App.Xover().TipoXComboChange(CrossoverEdge::Upper, 1);
    EXPECT_EQ(peq.Changed().AnnouncementCount(), shown + 1);

    peq.Close();
    const int hidden = peq.Changed().AnnouncementCount();
    h.App.Xover().TipoXComboChange(CrossoverEdge::Lower, 1);
    EXPECT_EQ(peq.Changed().AnnouncementCount(), hidden);
}

TEST(WindowFollowing, TheSystemNameTypedInEitherWindowStandsInBoth) {
    ProgramHarness h;
    h.App.SystemInfo().SystemNameChange("Hall A");
    EXPECT_EQ(h.App.Main().SystemName, "Hall A");
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Hall A");

    h.App.Main().SystemNameChange("Arena");
    EXPECT_EQ(h.App.SystemInfo().SystemName, "Arena");
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Arena");
}

} // namespace
} // namespace quorvex
