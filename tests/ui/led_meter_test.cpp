#include "ui/led_meter.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(LedMeter, LightsTheSegmentsTheValueReaches) {
    LedMeter meter;
    meter.SetMaximum(100);
    meter.SetSegmentCount(10);
    meter.SetValue(0);
    EXPECT_EQ(meter.LitSegments(), 0);
    meter.SetValue(9);
    EXPECT_EQ(meter.LitSegments(), 0);
    meter.SetValue(10);
    EXPECT_EQ(meter.LitSegments(), 1);
    meter.SetValue(100);
    EXPECT_EQ(meter.LitSegments(), 10);
}

TEST(LedMeter, KeepsTheValueInsideItsRange) {
    LedMeter meter;
    meter.SetMaximum(50);
    meter.SetValue(80);
    EXPECT_EQ(meter.Value(), 50);
    meter.SetValue(-3);
    EXPECT_EQ(meter.Value(), 0);
    meter.SetValue(40);
    meter.SetMaximum(20);
    EXPECT_EQ(meter.Value(), 20);
    meter.SetMaximum(0);
    EXPECT_EQ(meter.Maximum(), 1);
}

TEST(LedMeter, FillsAVerticalBarFromTheBottom) {
    LedMeter meter(Qt::Vertical);
    meter.SetMaximum(10);
    meter.SetSegmentCount(10);
    meter.SetValue(3);
    meter.resize(20, 200);
    const QImage image = meter.grab().toImage();
    const QColor bottom = image.pixelColor(10, 190);
    const QColor top = image.pixelColor(10, 10);
    EXPECT_GT(bottom.lightness(), top.lightness() + 40);
}

} // namespace
} // namespace quorvex
