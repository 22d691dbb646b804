#include "ui/widget_values.h"

#include "app/track_bar.h"
#include "ui/rack_slider.h"
#include "ui/real_spin_edit.h"

#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(ShowTrack, PutsTheWholeRangeInBeforeThePositionAndEmitsNothing) {
    RackSlider slider(Qt::Vertical);
    slider.setRange(0, 10);
    QSignalSpy moved(&slider, &RackSlider::PositionMoved);
    QSignalSpy value(&slider, &RackSlider::valueChanged);
    // A position beyond the old range: set before the range it would be clamped to 10.
    ShowTrack(&slider, TrackBar(10, 20000, 12632));
    EXPECT_EQ(slider.minimum(), 10);
    EXPECT_EQ(slider.maximum(), 20000);
    EXPECT_EQ(slider.value(), 12632);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(value.count(), 0);
}

TEST(ShowTextOfASpinEdit, LeavesATextAloneWhenItIsShownAndReplacesAnother) {
    RealSpinEdit edit;
    ShowText(&edit, QStringLiteral("1000"));
    EXPECT_EQ(edit.Text(), "1000");
    EXPECT_FALSE(edit.Field()->isModified());

    // Someone typing "1000" again keeps the cursor where it is.
    edit.Field()->setCursorPosition(2);
    ShowText(&edit, QStringLiteral("1000"));
    EXPECT_EQ(edit.Field()->cursorPosition(), 2);

    edit.Field()->setModified(true);
    ShowText(&edit, QStringLiteral("2000"));
    EXPECT_EQ(edit.Text(), "2000");
    EXPECT_FALSE(edit.Field()->isModified());
}

} // namespace
} // namespace quorvex
