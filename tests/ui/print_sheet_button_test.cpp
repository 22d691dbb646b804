#include "desktop_fixture.h"

#include "app/main_form.h"
#include "app/scratch_folder.h"

#include <filesystem>

namespace quorvex::testing {
namespace {

using PrintSheetButton = DesktopFixture;

TEST_F(PrintSheetButton, AsksWhereAndWritesTheSheet) {
    App().Main().Show();
    ScratchFolder folder;
    Dialogs.SaveAnswers.push_back(folder / "rig.pdf");
    Click("PrintSheetB");
    ASSERT_EQ(Dialogs.SaveRequests.size(), 1U);
    EXPECT_EQ(Dialogs.SaveRequests[0].Title, "Print sheet");
    ASSERT_TRUE(std::filesystem::exists(folder.Path() / "rig.pdf"));
    EXPECT_GT(std::filesystem::file_size(folder.Path() / "rig.pdf"), 1000U);
}

} // namespace
} // namespace quorvex::testing
