#include "engine/stage_responses.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

namespace quorvex {
namespace {

// A section that only scales: its response is 20 log10(gain) dB at every frequency.
TSOS Scaling(long double gain) {
    TSOS section;
    section.b0 = gain;
    return section;
}

void ExpectFlat(const FrequencyResponse& response, double magnitudeDb) {
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        ASSERT_NEAR(response.Magnitude[i], magnitudeDb, 1e-4) << i;
    }
}

TEST(EqualiserResponse, CascadesBandsOneToBandsInUseWithinTheBandsThere) {
    const std::array<TSOS, 3> bands{Scaling(2.0L), Scaling(2.0L), Scaling(10.0L)};
    FrequencyResponse response;
    EqualiserResponse(bands, 2, response);
    ExpectFlat(response, 12.0412);
    EqualiserResponse(bands, 7, response); // a stored 7 on a sub output
    ExpectFlat(response, 32.0412);
    EqualiserResponse(bands, -3, response);
    ExpectFlat(response, 0.0);
}

TEST(CrossoverSections, LowPassSectionsComeFirstAndADamagedCountStaysInside) {
    TXOVER crossover;
    crossover.LowPass.SectionCount = 2;
    crossover.HighPass.SectionCount = 1;
    CrossoverSectionList list = CrossoverSections(crossover);
    ASSERT_EQ(list.Count, 3);
    EXPECT_EQ(list.Sections[0], &crossover.LowPass.Sections[0]);
    EXPECT_EQ(list.Sections[1], &crossover.LowPass.Sections[1]);
    EXPECT_EQ(list.Sections[2], &crossover.HighPass.Sections[0]);

    crossover.LowPass.SectionCount = 9;
    crossover.HighPass.SectionCount = -1;
    list = CrossoverSections(crossover);
    ASSERT_EQ(list.Count, 3);
    EXPECT_EQ(list.Sections[2], &crossover.LowPass.Sections[2]);
}

TEST(CrossoverResponse, CascadesBothSidesOverTheirSectionCounts) {
    TXOVER crossover;
    crossover.LowPass.Sections = {Scaling(0.5L), Scaling(0.5L), Scaling(0.001L)};
    crossover.LowPass.SectionCount = 2;
    crossover.HighPass.Sections = {Scaling(0.1L), Scaling(0.001L), Scaling(0.001L)};
    crossover.HighPass.SectionCount = 1;
    FrequencyResponse response;
    CrossoverResponse(crossover, response);
    ExpectFlat(response, -32.0412);
}

} // namespace
} // namespace quorvex
