#include "engine/combined_response.h"
#include "engine/fixed_sub_low_pass.h"
#include "engine/response_grid.h"
#include "engine/wrapped_degrees.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <numbers>

namespace quorvex {
namespace {

constexpr double Pi = std::numbers::pi;

FrequencyResponse Flat(float magnitudeDb, float phaseRadians) {
    FrequencyResponse response;
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        response.Magnitude[i] = magnitudeDb;
        response.Phase[i] = phaseRadians;
    }
    return response;
}

ResponseViewFlags NoStages() {
    return {false, false, false, false, false};
}

std::size_t GridIndexOf(int frequencyHz) {
    const ResponseGrid& grid = TheResponseGrid();
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        if (grid.FrequencyHz[i] == frequencyHz) {
            return i;
        }
    }
    ADD_FAILURE() << frequencyHz << " Hz is not a grid point";
    return 0;
}

OutputResponseInputs& Out(CombinedResponseInputs& inputs, int output) {
    return inputs.Outputs.at(static_cast<std::size_t>(output - 1));
}

// Difference of two angles in degrees, folded into -180 .. +180.
double AngleApart(double a, double b) {
    return std::remainder(a - b, 360.0);
}

TEST(WrappedDegrees, FoldsWholeTurnsAwayAndHalfTurnsLandOnTheOppositeEnd) {
    EXPECT_DOUBLE_EQ(WrappedDegrees(0.0), 0.0);
    EXPECT_NEAR(WrappedDegrees(-Pi / 2), -90.0, 1e-12);
    EXPECT_NEAR(WrappedDegrees(1.5 * Pi), -90.0, 1e-12);
    EXPECT_NEAR(WrappedDegrees(-20.0 * Pi / 3), -120.0, 1e-9); // -1200 deg
    EXPECT_NEAR(WrappedDegrees(-Pi), 180.0, 1e-12);
    EXPECT_NEAR(WrappedDegrees(Pi), -180.0, 1e-12);
    EXPECT_NEAR(WrappedDegrees(7.0 * Pi), -180.0, 1e-9);
}

TEST(WrappedDegrees, StaysInRangeAndKeepsTheAngle) {
    for (double phi = -60.0; phi <= 60.0; phi += 0.0137) {
        const double degrees = WrappedDegrees(phi);
        ASSERT_GE(degrees, -180.0) << phi;
        ASSERT_LE(degrees, 180.0) << phi;
        ASSERT_NEAR(AngleApart(degrees, phi * 180.0 / Pi), 0.0, 1e-9) << phi;
    }
}

class CombinedResponseTest : public ::testing::Test {
protected:
    CombinedResponseTest() {
        for (OutputResponseInputs& out : inputs.Outputs) {
            out.Equaliser = &equaliser;
            out.Crossover = &crossover;
            out.Speaker = &speaker;
        }
        inputs.SubLowPass = &FixedSubLowPassResponse();
    }

    FrequencyResponse equaliser = Flat(2.0F, 0.3F);
    FrequencyResponse crossover = Flat(-4.0F, -0.7F);
    FrequencyResponse speaker = Flat(1.0F, 0.2F);
    CombinedResponseInputs inputs;
};

TEST_F(CombinedResponseTest, WithNoStageEveryOutputIsFlatAndSixOutputsAddTo15Point56Db) {
    inputs.View = NoStages();
    Out(inputs, 2).GainFactor = -0.5;
    Out(inputs, 2).PolarityInverted = true;
    Out(inputs, 4).DelaySamples = 100;
    for (ResponseMode mode : {ResponseMode::Magnitude, ResponseMode::Phase}) {
        inputs.Mode = mode;
        const CombinedCurves curves = ComputeCombinedResponse(inputs);
        for (int o = 0; o < OutputCount; ++o) {
            for (std::size_t i = 0; i < GridPointCount; ++i) {
                ASSERT_EQ(curves[o][i], 0.0F) << "output " << o + 1 << " point " << i;
            }
        }
        for (std::size_t i = 0; i < GridPointCount; ++i) {
            ASSERT_NEAR(curves[SumCurveIndex][i], mode == ResponseMode::Magnitude ? 15.563 : 0.0,
                        1e-3);
        }
    }
}

TEST_F(CombinedResponseTest, StagesAddInDbAndSubsAlsoGetTheFixedLowPassUnderTheCrossover) {
    inputs.View = {true, true, true, false, false};
    const CombinedCurves curves = ComputeCombinedResponse(inputs);
    const std::size_t at445 = GridIndexOf(445);
    EXPECT_NEAR(curves[0][at445], 1.0 + 2.0 - 4.0, 1e-6);
    EXPECT_NEAR(curves[3][at445], -1.0, 1e-6);
    EXPECT_NEAR(curves[4][at445], -1.0 - 2.56, 0.005);
    EXPECT_NEAR(curves[5][at445], -1.0 - 2.56, 0.005);

    inputs.Mode = ResponseMode::Phase;
    const CombinedCurves phases = ComputeCombinedResponse(inputs);
    EXPECT_NEAR(phases[0][at445], (0.2 + 0.3 - 0.7) * 180.0 / Pi, 1e-4);
}

TEST_F(CombinedResponseTest, SubWithOnlyTheCrossoverShowsTheFixedLowPass) {
    const FrequencyResponse bypassed;
    Out(inputs, 5).Crossover = &bypassed;
    inputs.View = {false, false, true, false, false};
    const CombinedCurves curves = ComputeCombinedResponse(inputs);
    EXPECT_NEAR(curves[4][0], 0.0, 0.005);
    EXPECT_NEAR(curves[4][GridIndexOf(286)], -0.56, 0.005);
    EXPECT_NEAR(curves[4][GridIndexOf(445)], -2.56, 0.005);
    EXPECT_NEAR(curves[4][GridIndexOf(693)], -7.58, 0.005);

    inputs.Mode = ResponseMode::Phase;
    const CombinedCurves phases = ComputeCombinedResponse(inputs);
    // A second-order low pass Q 0.7071 at 470 Hz lags by about 85.6 deg at 445 Hz.
    EXPECT_NEAR(phases[4][GridIndexOf(445)], -85.58, 0.02);
}

TEST_F(CombinedResponseTest, InvertedOutputWithOnlyTheGainShowsPlus180Everywhere) {
    inputs.View = {false, false, false, true, false};
    inputs.Mode = ResponseMode::Phase;
    Out(inputs, 3).GainFactor = -1.0;
    Out(inputs, 3).PolarityInverted = true;
    const CombinedCurves curves = ComputeCombinedResponse(inputs);
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        ASSERT_NEAR(curves[2][i], 180.0, 1e-4) << i;
        ASSERT_NEAR(curves[1][i], 0.0, 1e-6) << i;
    }
}

TEST_F(CombinedResponseTest, TwoEqualOutputsOneInvertedCancelToADeepFiniteNull) {
    for (int o = 3; o <= OutputCount; ++o) {
        Out(inputs, o).Muted = true;
    }
    Out(inputs, 2).GainFactor = -1.0;
    Out(inputs, 2).PolarityInverted = true;

    inputs.View = {false, false, false, true, false};
    const CombinedCurves exact = ComputeCombinedResponse(inputs);
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        ASSERT_TRUE(std::isfinite(exact[SumCurveIndex][i])) << i;
        ASSERT_LT(exact[SumCurveIndex][i], -250.0) << i;
    }

    inputs.View = {true, true, true, true, true};
    const CombinedCurves staged = ComputeCombinedResponse(inputs);
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        ASSERT_LT(staged[SumCurveIndex][i], -100.0) << i;
    }
}

TEST_F(CombinedResponseTest, A48SampleDelayTurnsThePhase360DegreesPer1000Hz) {
    inputs.View = {false, false, false, false, true};
    inputs.Mode = ResponseMode::Phase;
    Out(inputs, 1).DelaySamples = 48;
    // The dynamics look-ahead delays too; a relative distance moves the other way.
    Out(inputs, 2).DelaySamples = 30;
    Out(inputs, 2).LookAheadSamples = 48;
    Out(inputs, 2).RelativeDistanceSamples = 30;
    const CombinedCurves curves = ComputeCombinedResponse(inputs);
    const ResponseGrid& grid = TheResponseGrid();
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        const double expected = -360.0 * grid.FrequencyHz[i] / 1000.0;
        for (int o : {0, 1}) {
            ASSERT_GE(curves[o][i], -180.0F);
            ASSERT_LE(curves[o][i], 180.0F);
            ASSERT_NEAR(AngleApart(curves[o][i], expected), 0.0, 2e-3) << o << " " << i;
        }
    }
    EXPECT_NEAR(curves[0][GridIndexOf(20)], -7.2, 1e-4);
}

TEST_F(CombinedResponseTest, AMutedOutputIsFlatAndLeavesTheSum) {
    inputs.View = {false, true, false, true, false};
    FrequencyResponse silentBoost = Flat(6.0F, 1.0F);
    Out(inputs, 3).Equaliser = &silentBoost;
    Out(inputs, 3).Muted = true;
    Out(inputs, 3).GainFactor = 0.0;
    const CombinedCurves curves = ComputeCombinedResponse(inputs);
    // Five outputs at +2 dB in phase: 20 log10(5) + 2 dB.
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        ASSERT_EQ(curves[2][i], 0.0F) << i;
        ASSERT_NEAR(curves[SumCurveIndex][i], 13.979 + 2.0, 1e-3) << i;
    }
}

TEST_F(CombinedResponseTest, ZeroGainFactorIsMinusInfinityButTheSumStaysFinite) {
    inputs.View = {false, false, false, true, false};
    Out(inputs, 6).GainFactor = 0.0;
    const CombinedCurves curves = ComputeCombinedResponse(inputs);
    EXPECT_TRUE(std::isinf(curves[5][100]) && curves[5][100] < 0.0F);
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        ASSERT_NEAR(curves[SumCurveIndex][i], 13.979, 1e-3) << i;
    }

    // Without the gain stage a zero factor must not leak in as 0 x -inf.
    inputs.View = {true, false, false, false, false};
    const CombinedCurves ungained = ComputeCombinedResponse(inputs);
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        ASSERT_NEAR(ungained[5][i], 1.0, 1e-6) << i;
        ASSERT_NEAR(ungained[SumCurveIndex][i], 15.563 + 1.0, 1e-3) << i;
    }
}

TEST(CombinedResponseSettings, LookAheadComesFromTheBlockServingTheOutput) {
    Configuration config;
    config.Block(1).LookAheadSamples = 96;
    config.Block(2).LookAheadSamples = 48;
    config.Block(3).LookAheadSamples = 24;
    CombinedResponseInputs inputs;
    TakeOutputSettings(config, inputs);
    const int expected[OutputCount] = {96, 96, 48, 48, 0, 0};
    for (int o = 1; o <= OutputCount; ++o) {
        EXPECT_EQ(Out(inputs, o).LookAheadSamples, expected[o - 1]) << o;
    }
}

} // namespace
} // namespace quorvex
