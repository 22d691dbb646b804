#include "ui/rack_slider.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quorvex {
namespace {

struct ShownSlider {
    explicit ShownSlider(Qt::Orientation orientation = Qt::Vertical) : slider(orientation) {
        slider.setRange(0, 361);
        slider.resize(orientation == Qt::Vertical ? QSize(40, 400) : QSize(400, 40));
        slider.show();
        (void)QTest::qWaitForWindowExposed(&slider);
    }
    RackSlider slider;
};

TEST(RackSlider, EmitsEveryPositionOfADrag) {
    ShownSlider shown;
    QSignalSpy moved(&shown.slider, &RackSlider::PositionMoved);
    QTest::mousePress(&shown.slider, Qt::LeftButton, {}, shown.slider.KnobCentre(0).toPoint());
    QTest::mouseMove(&shown.slider, shown.slider.KnobCentre(100).toPoint());
    QTest::mouseMove(&shown.slider, shown.slider.KnobCentre(200).toPoint());
    QTest::mouseRelease(&shown.slider, Qt::LeftButton, {}, shown.slider.KnobCentre(200).toPoint());
    ASSERT_EQ(moved.count(), 2); // from 0 to about 100, then to about 200
    EXPECT_NEAR(moved.at(0).at(0).toInt(), 100, 1);
    EXPECT_NEAR(moved.at(1).at(0).toInt(), 200, 1);
    EXPECT_EQ(shown.slider.value(), moved.at(1).at(0).toInt());
}

TEST(RackSlider, PutsTheMinimumAtTheBottomUnlessInverted) {
    ShownSlider shown;
    EXPECT_GT(shown.slider.KnobCentre(0).y(), shown.slider.KnobCentre(361).y());
    shown.slider.setInvertedAppearance(true);
    EXPECT_LT(shown.slider.KnobCentre(0).y(), shown.slider.KnobCentre(361).y());
    // A press at the top of an inverted fader is its position 0.
    shown.slider.SetPosition(50);
    QTest::mouseClick(&shown.slider, Qt::LeftButton, {}, QPoint(20, 1));
    EXPECT_EQ(shown.slider.value(), 0);
}

TEST(RackSlider, MapsPointsToPositionsAndBack) {
    ShownSlider shown(Qt::Horizontal);
    for (int position : {0, 1, 61, 180, 360, 361}) {
        EXPECT_EQ(shown.slider.PositionAt(shown.slider.KnobCentre(position)), position);
    }
    EXPECT_EQ(shown.slider.PositionAt(QPointF(-50, 20)), 0);
    EXPECT_EQ(shown.slider.PositionAt(QPointF(5000, 20)), 361);
}

TEST(RackSlider, SteppingByKeyIsAMoveButTheOwnersPositionIsNot) {
    ShownSlider shown;
    QSignalSpy moved(&shown.slider, &RackSlider::PositionMoved);
    shown.slider.SetPosition(61);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(shown.slider.value(), 61);
    QTest::keyClick(&shown.slider, Qt::Key_Up);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 62);
}

} // namespace
} // namespace quorvex
