#include "engine/response_grid.h"
#include "engine/tsos.h"

#include "engine/response_probe.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace quorvex {
namespace {

constexpr float Pi = std::numbers::pi_v<float>;

TSOS Designed(std::uint8_t type, double hz, double gainDb, double q) {
    TSOS section;
    section.FilterType = type;
    section.Frequency = hz;
    section.Gain = gainDb;
    section.Q = q;
    section.Design();
    return section;
}

TSOS Constant(long double b0) {
    TSOS section;
    section.b0 = b0;
    return section;
}

FrequencyResponse Dirty() {
    FrequencyResponse r;
    r.Magnitude.fill(7.0F);
    r.Phase.fill(7.0F);
    return r;
}

TEST(CascadeResponse, NoSectionsLeaveBothCurvesAtZero) {
    const std::array<TSOS, 1> sections{Designed(1, 1000.0, 6.0, 1.0)};
    FrequencyResponse r = Dirty();
    AddResponse(std::span<const TSOS>(sections), 0, r);
    for (int i = 0; i <= GridLastIndex; ++i) {
        ASSERT_EQ(r.Magnitude[static_cast<std::size_t>(i)], 0.0F);
        ASSERT_EQ(r.Phase[static_cast<std::size_t>(i)], 0.0F);
    }
    // Entries past the grid are not the evaluation's.
    EXPECT_EQ(r.Magnitude[GridPointCount], 7.0F);
}

TEST(CascadeResponse, MatchesTheTransferFunctionAtEveryGridPoint) {
    const std::array<TSOS, 3> sections{Designed(1, 180.0, -9.0, 4.0), Designed(11, 60.0, 0.0, 0.8),
                                       Designed(9, 7000.0, 0.0, 2.5)};
    FrequencyResponse r = Dirty();
    AddResponse(std::span<const TSOS>(sections), 3, r);
    const ResponseGrid& grid = TheResponseGrid();
    for (std::size_t i = 0; i <= static_cast<std::size_t>(GridLastIndex); ++i) {
        const double hz = grid.FrequencyHz[i];
        EXPECT_NEAR(r.Magnitude[i], testing::GainDbAt(sections, hz), 1e-4) << hz;
        double phase = 0.0;
        for (const TSOS& s : sections) {
            phase += testing::PhaseAt(s, hz);
        }
        EXPECT_NEAR(r.Phase[i], phase, 1e-5) << hz;
    }
}

TEST(CascadeResponse, CountBeyondTheListStopsAtItsEnd) {
    const std::array<TSOS, 2> sections{Designed(1, 1000.0, 6.0, 1.0),
                                       Designed(1, 1000.0, 6.0, 1.0)};
    FrequencyResponse two;
    AddResponse(std::span<const TSOS>(sections), 2, two);
    FrequencyResponse many;
    AddResponse(std::span<const TSOS>(sections), 9, many);
    EXPECT_EQ(two.Magnitude, many.Magnitude);
    FrequencyResponse negative = Dirty();
    AddResponse(std::span<const TSOS>(sections), -3, negative);
    EXPECT_EQ(negative.Magnitude[0], 0.0F);
}

TEST(CascadeResponse, ListOfPointersGivesTheSameCurves) {
    const TSOS peak = Designed(1, 1000.0, 6.0, 1.0);
    const TSOS low = Designed(10, 3000.0, 0.0, 0.707);
    const std::array<TSOS, 2> contiguous{peak, low};
    const std::array<const TSOS*, 3> pointers{&peak, nullptr, &low};
    FrequencyResponse a;
    AddResponse(std::span<const TSOS>(contiguous), 2, a);
    FrequencyResponse b;
    AddResponse(std::span<const TSOS* const>(pointers), 3, b);
    EXPECT_EQ(a.Magnitude, b.Magnitude);
    EXPECT_EQ(a.Phase, b.Phase);
}

TEST(CascadeResponse, NegativeRealIsMinusPiAndSumsAreNotWrapped) {
    const std::array<TSOS, 2> inverted{Constant(-1.0L), Constant(-1.0L)};
    FrequencyResponse one;
    AddResponse(std::span<const TSOS>(inverted), 1, one);
    FrequencyResponse two;
    AddResponse(std::span<const TSOS>(inverted), 2, two);
    for (std::size_t i = 0; i <= static_cast<std::size_t>(GridLastIndex); ++i) {
        ASSERT_EQ(one.Phase[i], -Pi) << i;
        ASSERT_EQ(two.Phase[i], -2.0F * Pi) << i;
        ASSERT_EQ(two.Magnitude[i], 0.0F) << i;
    }
}

TEST(CascadeResponse, PositiveRealIsZeroPhaseAndGainIsInDb) {
    const std::array<TSOS, 1> half{Constant(0.5L)};
    FrequencyResponse r;
    AddResponse(std::span<const TSOS>(half), 1, r);
    EXPECT_EQ(r.Phase[0], 0.0F);
    EXPECT_EQ(r.Phase[400], 0.0F);
    EXPECT_NEAR(r.Magnitude[123], -6.0206, 1e-4);
}

TEST(CascadeResponse, UnitDelayTurnsByTheGridAngle) {
    TSOS delay;
    delay.b0 = 0.0L;
    delay.b1 = 1.0L;
    const std::array<TSOS, 1> sections{delay};
    FrequencyResponse r;
    AddResponse(std::span<const TSOS>(sections), 1, r);
    const ResponseGrid& grid = TheResponseGrid();
    for (std::size_t i = 0; i <= static_cast<std::size_t>(GridLastIndex); ++i) {
        ASSERT_NEAR(r.Phase[i], -grid.Omega[i], 1e-6) << i;
        ASSERT_EQ(r.Magnitude[i], 0.0F) << i;
    }
}

TEST(CascadeResponse, FirstOrderAllPassIsFlatAndTurnsFromZeroToMinusPi) {
    const std::array<TSOS, 1> sections{Designed(8, 1000.0, 0.0, 0.707)};
    FrequencyResponse r;
    AddResponse(std::span<const TSOS>(sections), 1, r);
    for (std::size_t i = 0; i <= static_cast<std::size_t>(GridLastIndex); ++i) {
        ASSERT_NEAR(r.Magnitude[i], 0.0F, 1e-5) << i;
        if (i > 0) {
            ASSERT_LT(r.Phase[i], r.Phase[i - 1] + 1e-7F) << i;
        }
    }
    EXPECT_NEAR(r.Phase[0], 0.0F, 0.05F);
    EXPECT_NEAR(r.Phase[GridLastIndex], -Pi, 1e-3F);
}

TEST(CascadeResponse, ShelfCurveAtTheGridsDocumentedPoints) {
    const std::array<TSOS, 1> low{Designed(2, 100.0, 6.0, 0.707)};
    FrequencyResponse r;
    AddResponse(std::span<const TSOS>(low), 1, r);
    EXPECT_NEAR(r.Magnitude[0], 5.75F, 0.01F);  // 20 Hz
    EXPECT_NEAR(r.Magnitude[91], 2.99F, 0.01F); // 100 Hz
    EXPECT_NEAR(r.Magnitude[400], 0.0F, 1e-3F); // 23999 Hz
}

} // namespace
} // namespace quorvex
