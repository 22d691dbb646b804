#include "app/open_workflow.h"

#include "app/peq_form.h"
#include "config/qvx_encoder.h"
#include "fakes.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(OpenBandSelection, EveryOutputEndsWithAllItsBandsInUseAndBandOneSelected) {
    testing::ScratchFolder folder;
    Configuration written;
    for (auto& output : written.Outputs) {
        output.BandsInUse = 1;
    }
    const std::string path = folder / "bands.QVX";
    const QvxRecord record = EncodeConfigurationRecord(written, path);
    testing::WriteBytes(path, {record.begin(), record.end()});

    testing::ProgramHarness h;
    h.Dialogs.Answers.push_back(MessageAnswer::No);
    h.Dialogs.OpenAnswers.push_back(path);
    ASSERT_EQ(OpenConfiguration(h.App), OpenOutcome::Loaded);
    for (int output = 1; output <= 6; ++output) {
        EXPECT_EQ(h.Config().Output(output).BandsInUse, output <= 4 ? 7 : 3) << output;
        EXPECT_EQ(h.App.Peq().SelectedBand[static_cast<std::size_t>(output - 1)], 1) << output;
    }
    EXPECT_EQ(h.App.Peq().Output, 1);
}

} // namespace
} // namespace quorvex
