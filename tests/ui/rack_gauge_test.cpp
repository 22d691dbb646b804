#include "ui/rack_gauge.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvex {
namespace {

TEST(RackGauge, SweepsTheNeedleOverThreeQuartersOfACircle) {
    RackGauge gauge;
    gauge.SetRange(-30.0, 6.0);
    gauge.SetValue(-30.0);
    EXPECT_DOUBLE_EQ(gauge.NeedleAngle(), 225.0);
    gauge.SetValue(6.0);
    EXPECT_DOUBLE_EQ(gauge.NeedleAngle(), -45.0);
    gauge.SetValue(-12.0);
    EXPECT_DOUBLE_EQ(gauge.NeedleAngle(), 90.0); // half way points straight up
}

TEST(RackGauge, StopsTheNeedleAtTheEnds) {
    RackGauge gauge;
    gauge.SetRange(0.0, 400.0);
    gauge.SetValue(3640.0);
    EXPECT_DOUBLE_EQ(gauge.NeedleAngle(), -45.0);
    gauge.SetValue(-1.0);
    EXPECT_DOUBLE_EQ(gauge.NeedleAngle(), 225.0);
    gauge.SetValue(std::nan(""));
    EXPECT_DOUBLE_EQ(gauge.NeedleAngle(), 225.0);
}

TEST(RackGauge, RefusesAnEmptyRange) {
    RackGauge gauge;
    gauge.SetRange(0.0, 10.0);
    gauge.SetRange(5.0, 5.0);
    gauge.SetValue(5.0);
    EXPECT_DOUBLE_EQ(gauge.NeedleAngle(), 225.0 - 270.0 / 2.0);
}

} // namespace
} // namespace quorvex
