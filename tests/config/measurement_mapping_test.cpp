#include "config/measurement_mapping.h"
#include "config/sound_pressure_level.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace quorvex {
namespace {

TEST(MeasurementMapping, InterpolatesLinearlyInFrequency) {
    // 1234 Hz lies 234/1000 of the way from 1000 Hz (80 dB, 10 deg) to 2000 Hz (90 dB, 30 deg):
    // 80 + 2.34 = 82.34 dB, 10 + 4.68 = 14.68 deg = 0.256215 rad; minus the 80 dB reference.
    const MeasurementPoints points{{1000.0, 2000.0}, {80.0, 90.0}, {10.0, 30.0}};
    const std::vector<std::int32_t> grid{1234, 1500};
    const SpeakerCurve curve = MapOntoGrid(points, grid, 80.0, 3.14159265358979 / 180.0);
    EXPECT_NEAR(curve.MagnitudeDb[0], 2.34F, 1e-5F);
    EXPECT_NEAR(curve.PhaseRadians[0], 0.256215F, 1e-6F);
    EXPECT_NEAR(curve.MagnitudeDb[1], 5.0F, 1e-5F);
    EXPECT_NEAR(curve.PhaseRadians[1], 0.349066F, 1e-6F);
}

TEST(MeasurementMapping, TheLastFrequencyTakesTheLastLineExactly) {
    const MeasurementPoints points{{100.0, 300.0, 700.0}, {0.1, 0.7, 0.3}, {1.0, 2.0, 3.0}};
    const std::vector<std::int32_t> grid{300, 700, 701};
    const SpeakerCurve curve = MapOntoGrid(points, grid, 0.0, 1.0);
    EXPECT_EQ(curve.MagnitudeDb[0], 0.7F);
    EXPECT_EQ(curve.MagnitudeDb[1], 0.3F);
    EXPECT_EQ(curve.PhaseRadians[1], 3.0F);
    EXPECT_EQ(curve.MagnitudeDb[2], OutsideMeasuredRangeDb);
    EXPECT_EQ(curve.PhaseRadians[2], 0.0F);
}

TEST(MeasurementMapping, RepeatedGridFrequenciesGetTheSameValue) {
    const MeasurementPoints points{{10.0, 30.0}, {0.0, 20.0}, {0.0, 0.0}};
    const std::vector<std::int32_t> grid{20, 20, 21};
    const SpeakerCurve curve = MapOntoGrid(points, grid, 0.0, 1.0);
    EXPECT_EQ(curve.MagnitudeDb[0], 10.0F);
    EXPECT_EQ(curve.MagnitudeDb[1], 10.0F);
    EXPECT_EQ(curve.MagnitudeDb[2], 11.0F);
}

TEST(MeasurementMapping, EveryGridPointIsMapped) {
    std::vector<std::int32_t> grid;
    for (int i = 0; i <= 400; ++i) {
        grid.push_back(20 + i * 59);
    }
    const MeasurementPoints points{{20.0, 23620.0}, {95.0, 95.0}, {0.0, 0.0}};
    const SpeakerCurve curve = MapOntoGrid(points, grid, 90.0, 1.0);
    ASSERT_EQ(curve.MagnitudeDb.size(), 401U);
    for (const float magnitude : curve.MagnitudeDb) {
        EXPECT_EQ(magnitude, 5.0F);
    }
}

TEST(MeasurementMapping, AbsurdValuesStayFinite) {
    const double huge = std::numeric_limits<double>::max();
    const MeasurementPoints points{
        {100.0, 100.000000001, 200.0}, {-huge, huge, huge}, {huge, -huge, 0}};
    const std::vector<std::int32_t> grid{100, 150, 200};
    const SpeakerCurve curve = MapOntoGrid(points, grid, -1e300, 3.14159265358979 / 180.0);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        EXPECT_TRUE(std::isfinite(curve.MagnitudeDb[i])) << i;
        EXPECT_TRUE(std::isfinite(curve.PhaseRadians[i])) << i;
    }
}

TEST(SoundPressureLevel, MatchesTheWorkedMinilyzerExample) {
    // 0.775 V at 20 mV/Pa is 38.75 Pa: 20 log10(38.75 / 0.00002) = 125.7448 dB.
    EXPECT_NEAR(SoundPressureLevelFromDbu(0.0, 0.020), 125.74483, 1e-5);
    // +20 dBu is ten times the voltage: 20 dB more.
    EXPECT_NEAR(SoundPressureLevelFromDbu(20.0, 0.020), 145.74483, 1e-5);
    EXPECT_TRUE(std::isfinite(SoundPressureLevelFromDbu(1e6, 0.001)));
}

} // namespace
} // namespace quorvex
