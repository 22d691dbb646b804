#include "engine/response_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace quorvex {
namespace {

TEST(ResponseGrid, RunsFrom20HzTo23999HzIn401IntegerSteps) {
    const ResponseGrid& grid = TheResponseGrid();
    EXPECT_EQ(grid.FrequencyHz.size(), 401U);
    EXPECT_EQ(grid.FrequencyHz.front(), 20);
    EXPECT_EQ(grid.FrequencyHz.back(), 23999);
    // The midpoint of a log grid is the geometric mean: sqrt(20 * 23999) = 692.8.
    EXPECT_EQ(grid.FrequencyHz[200], 693);
    // 20 * (23999 / 20)^(91/400) = 100.17, the grid's point nearest 100 Hz.
    EXPECT_EQ(grid.FrequencyHz[91], 100);
    // The lowest points repeat once rounded: 20 * 1.0179 = 20.36.
    EXPECT_EQ(grid.FrequencyHz[1], 20);
    EXPECT_EQ(grid.FrequencyHz[2], 21);
    EXPECT_EQ(grid.FrequencyHz[399], 23577);
}

TEST(ResponseGrid, NeverStepsDown) {
    const ResponseGrid& grid = TheResponseGrid();
    for (std::size_t i = 1; i < grid.FrequencyHz.size(); ++i) {
        EXPECT_GE(grid.FrequencyHz[i], grid.FrequencyHz[i - 1]) << i;
    }
}

TEST(ResponseGrid, KeepsTheAngleAndUnitDelayOfEveryPoint) {
    const ResponseGrid& grid = TheResponseGrid();
    for (std::size_t i = 0; i < grid.FrequencyHz.size(); ++i) {
        const double omega = 2.0 * std::numbers::pi * grid.FrequencyHz[i] / 48000.0;
        EXPECT_NEAR(grid.Omega[i], omega, 4e-7 * omega) << i;
        EXPECT_NEAR(grid.ZInverse[i].real(), std::cos(omega), 1e-6) << i;
        EXPECT_NEAR(grid.ZInverse[i].imag(), -std::sin(omega), 1e-6) << i;
        EXPECT_NEAR(std::abs(grid.ZInverse[i]), 1.0, 1e-15) << i;
    }
    // 20 Hz: 2 pi 20 / 48000 = 0.0026180
    EXPECT_NEAR(grid.Omega[0], 0.0026180, 1e-7);
}

TEST(ResponseGrid, FollowsTheSampleRate) {
    const ResponseGrid grid = ResponseGrid::Build(44100);
    EXPECT_EQ(grid.FrequencyHz.front(), 20);
    EXPECT_EQ(grid.FrequencyHz.back(), 22049);
    EXPECT_NEAR(grid.Omega.back(), 2.0 * std::numbers::pi * 22049 / 44100, 1e-6);
}

} // namespace
} // namespace quorvex
