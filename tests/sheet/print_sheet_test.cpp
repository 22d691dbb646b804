#include "app/fakes.h"
#include "app/scratch_folder.h"
#include "sheet/print_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvex::testing {
namespace {

TEST(PrintSheet, AsksForAPdfNamedAfterTheSystemThenWritesIt) {
    ProgramHarness rig;
    ScratchFolder folder;
    rig.Dialogs.SaveAnswers.push_back(folder / "hall.pdf");
    EXPECT_TRUE(PrintSheetClick(rig.App));
    ASSERT_EQ(rig.Dialogs.SaveRequests.size(), 1U);
    EXPECT_EQ(rig.Dialogs.SaveRequests[0].ProposedName, "NoName.pdf");
    EXPECT_EQ(rig.Dialogs.SaveRequests[0].DefaultExtension, "pdf");
    EXPECT_TRUE(rig.Dialogs.SaveRequests[0].ConfirmOverwrite);
    EXPECT_GT(std::filesystem::file_size(folder.Path() / "hall.pdf"), 1000U);
    EXPECT_TRUE(rig.Dialogs.Messages.empty());
}

TEST(PrintSheet, ACancelledDialogWritesNothing) {
    ProgramHarness rig;
    rig.Dialogs.SaveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(PrintSheetClick(rig.App));
    EXPECT_TRUE(rig.Dialogs.Messages.empty());
}

TEST(PrintSheet, AFileThatCannotBeWrittenIsToldInAnErrorBox) {
    ProgramHarness rig;
    ScratchFolder folder;
    rig.Dialogs.SaveAnswers.push_back(folder / "no-such-folder/hall.pdf");
    EXPECT_FALSE(PrintSheetClick(rig.App));
    ASSERT_EQ(rig.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(rig.Dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(rig.Dialogs.Messages[0].Text.rfind(PrintSheetFailure, 0), 0U);
}

} // namespace
} // namespace quorvex::testing
