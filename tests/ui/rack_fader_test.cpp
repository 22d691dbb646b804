#include "ui/rack_fader.h"

#include "ui/rack_slider.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace quorvex {
namespace {

TEST(RackFader, RunsFromItsTopAtPositionZeroAndReportsThePersonsMoves) {
    QWidget panel;
    std::vector<int> moves;
    RackSlider* fader =
        MakeFader(&panel, "Output2Track", 80, 14, [&](int position) { moves.push_back(position); });
    EXPECT_EQ(fader->objectName(), "Output2Track");
    EXPECT_EQ(fader->orientation(), Qt::Vertical);
    EXPECT_EQ(fader->minimum(), 0);
    EXPECT_EQ(fader->maximum(), 80);
    EXPECT_TRUE(fader->invertedAppearance());
    EXPECT_GE(fader->minimumHeight(), panel.fontMetrics().height() * 14);
    fader->resize(fader->sizeHint().width(), fader->minimumHeight());
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    // A position set by the program is no move of the person's.
    fader->SetPosition(40);
    EXPECT_TRUE(moves.empty());
    QTest::mouseClick(fader, Qt::LeftButton, {}, fader->KnobCentre(0).toPoint());
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), 0);
}

} // namespace
} // namespace quorvex
