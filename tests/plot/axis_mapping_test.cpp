#include "plot/axis_mapping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvex {
namespace {

const AxisRange Frequency{20.0, 20000.0, AxisScale::Logarithmic};
const AxisRange Decibels{-20.0, 20.0, AxisScale::Linear};

TEST(AxisMappingLogarithmic, PutsTheRangeEndsExactlyOnTheEdgePixels) {
    const AxisMapping x(Frequency, 60.5, 939.5);
    EXPECT_EQ(x.PixelOf(20.0), 60.5);
    EXPECT_EQ(x.PixelOf(20000.0), 939.5);
    EXPECT_EQ(x.ValueAt(60.5), 20.0);
    EXPECT_EQ(x.ValueAt(939.5), 20000.0);
}

TEST(AxisMappingLogarithmic, SpacesDecadesEqually) {
    // 20 .. 20000 is three decades: 200 Hz lies a third of the way, 2 kHz two thirds.
    const AxisMapping x(Frequency, 0.0, 300.0);
    EXPECT_NEAR(x.PixelOf(200.0), 100.0, 1e-9);
    EXPECT_NEAR(x.PixelOf(2000.0), 200.0, 1e-9);
    // 1 kHz: log10(50) / 3 of the width.
    EXPECT_NEAR(x.PixelOf(1000.0), 300.0 * std::log10(50.0) / 3.0, 1e-9);
}

TEST(AxisMappingLogarithmic, RoundTripsEveryFrequencyOfTheRange) {
    const AxisMapping x(Frequency, 12.5, 1011.5);
    for (double hz = 20.0; hz <= 20000.0; hz *= 1.0173) {
        EXPECT_NEAR(x.ValueAt(x.PixelOf(hz)), hz, hz * 1e-12);
    }
    for (double pixel = 12.5; pixel <= 1011.5; pixel += 7.0) {
        EXPECT_NEAR(x.PixelOf(x.ValueAt(pixel)), pixel, 1e-9);
    }
}

TEST(AxisMappingLogarithmic, MapsValuesOutsideTheRangeOutsideThePixels) {
    const AxisMapping x(AxisRange{20.0, 500.0, AxisScale::Logarithmic}, 10.0, 110.0);
    EXPECT_LT(x.PixelOf(10.0), 10.0);
    EXPECT_GT(x.PixelOf(20000.0), 110.0);
    EXPECT_EQ(x.PixelOf(0.0), -INFINITY);
    EXPECT_EQ(x.PixelOf(-5.0), -INFINITY);
}

TEST(AxisMappingLinear, PutsZeroDecibelsHalfWayOnASymmetricAxis) {
    // A Y axis: the minimum at the bottom pixel, the maximum at the top.
    const AxisMapping y(Decibels, 540.5, 40.5);
    EXPECT_EQ(y.PixelOf(-20.0), 540.5);
    EXPECT_EQ(y.PixelOf(20.0), 40.5);
    EXPECT_EQ(y.PixelOf(0.0), 290.5);
    EXPECT_EQ(y.PixelOf(6.0), 290.5 - 75.0);
    EXPECT_EQ(y.ValueAt(290.5), 0.0);
}

TEST(AxisMappingLinear, RoundTripsAndExtrapolates) {
    const AxisMapping y(AxisRange{-180.0, 180.0, AxisScale::Linear}, 400.5, 20.5);
    for (double degrees = -180.0; degrees <= 180.0; degrees += 3.7) {
        EXPECT_NEAR(y.ValueAt(y.PixelOf(degrees)), degrees, 1e-9);
    }
    EXPECT_NEAR(y.ValueAt(0.5), 180.0 + 20.0 * 360.0 / 380.0, 1e-9);
    EXPECT_GT(y.PixelOf(-360.0), 400.5);
}

TEST(AxisRangeContains, IncludesBothEnds) {
    EXPECT_TRUE(Decibels.Contains(-20.0));
    EXPECT_TRUE(Decibels.Contains(20.0));
    EXPECT_FALSE(Decibels.Contains(20.0001));
    EXPECT_FALSE(Decibels.Contains(std::nan("")));
}

} // namespace
} // namespace quorvex
