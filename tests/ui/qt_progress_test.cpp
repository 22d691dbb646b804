#include "ui/qt_progress.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace quorvex {
namespace {

TEST(QtProgress, ShowsWhatWasReportedBeforeTheWindowExisted) {
    QtProgress progress;
    progress.Show();
    progress.SetFirstLine("Initializing NoName");
    progress.SetStepText("Init PEQ...");
    progress.SetPercent(40);

    QWidget owner;
    QWidget* window = progress.CreateWindow(&owner);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->findChild<QLabel*>("FirstLine")->text(), "Initializing NoName");
    EXPECT_EQ(window->findChild<QLabel*>("StepText")->text(), "Init PEQ...");
    EXPECT_EQ(window->findChild<QProgressBar*>("ProgressBar")->value(), 40);
}

TEST(QtProgress, FollowsEachReportWhileTheWindowExists) {
    QtProgress progress;
    QWidget owner;
    QWidget* window = progress.CreateWindow(&owner);
    EXPECT_FALSE(window->isVisible());

    progress.Show();
    EXPECT_TRUE(window->isVisible());
    progress.SetStepText("DONE...");
    progress.SetPercent(130);
    progress.SetBarVisible(false);
    auto* bar = window->findChild<QProgressBar*>("ProgressBar");
    EXPECT_EQ(window->findChild<QLabel*>("StepText")->text(), "DONE...");
    EXPECT_EQ(bar->value(), 100);
    EXPECT_FALSE(bar->isVisible());

    progress.Close();
    EXPECT_FALSE(window->isVisible());
}

TEST(QtProgress, OutlivingItsOwnerIsSafe) {
    QtProgress progress;
    {
        auto owner = std::make_unique<QWidget>();
        progress.CreateWindow(owner.get());
    }
    EXPECT_EQ(progress.Window(), nullptr);
    progress.Show();
    progress.SetStepText("after the windows are gone");
    progress.Close();
}

} // namespace
} // namespace quorvex
