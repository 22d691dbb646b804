#include "engine/txover.h"

#include "engine/response_probe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <span>

namespace quorvex {
namespace {

using testing::GainDbAt;
using testing::ResponseAt;

constexpr double HalfPowerDb = -3.0103;
constexpr double HalfAmplitudeDb = -6.0206;

/// A filter set up as the crossover editor does before each design.
TXOVERPB Filter(std::uint8_t family, int order, double hz) {
    TXOVERPB filter;
    filter.Family = family;
    filter.Order = order;
    filter.Frequency = hz;
    for (TSOS& s : filter.Sections) {
        s.Frequency = hz;
    }
    return filter;
}

std::span<const TSOS> Used(const TXOVERPB& filter) {
    return std::span<const TSOS>(filter.Sections)
        .first(static_cast<std::size_t>(filter.SectionCount));
}

void ExpectPassThrough(const TSOS& s) {
    EXPECT_EQ(s.b0, 1.0L);
    EXPECT_EQ(s.b1, 0.0L);
    EXPECT_EQ(s.b2, 0.0L);
    EXPECT_EQ(s.a1, 0.0L);
    EXPECT_EQ(s.a2, 0.0L);
}

void Dirty(TXOVERPB& filter) {
    for (TSOS& s : filter.Sections) {
        s.b0 = 0.3L;
        s.a1 = 0.4L;
    }
    filter.SectionCount = 3;
}

TEST(CrossoverDefaults, NewFilterIsBypassedOrder4At1000Hz) {
    const TXOVER crossover;
    for (const TXOVERPB* filter :
         {static_cast<const TXOVERPB*>(&crossover), &crossover.HighPass, &crossover.LowPass}) {
        EXPECT_EQ(filter->Order, 4);
        EXPECT_EQ(filter->Frequency, 1000.0);
        EXPECT_EQ(filter->Family, 0);
        EXPECT_EQ(filter->SectionCount, 1);
        for (const TSOS& s : filter->Sections) {
            ExpectPassThrough(s);
            EXPECT_EQ(s.Frequency, 1000.0);
        }
    }
}

TEST(CrossoverBypass, LeavesThreePassThroughSectionsAndCountOne) {
    for (const std::uint8_t family : {0, 9, 200}) {
        TXOVERPB filter = Filter(family, 4, 500.0);
        Dirty(filter);
        const CrossoverDesignResult result = filter.DesignCrossover();
        EXPECT_EQ(result.Outcome, CrossoverDesignOutcome::Designed);
        EXPECT_TRUE(result.Message.empty());
        EXPECT_EQ(filter.SectionCount, 1);
        for (const TSOS& s : filter.Sections) {
            ExpectPassThrough(s);
        }
    }
}

TEST(Butterworth, Order4LowPassHasThePoleAngleQsAndIsHalfPowerAtItsFrequency) {
    TXOVERPB filter = Filter(1, 4, 1000.0);
    EXPECT_EQ(filter.DesignCrossover().Outcome, CrossoverDesignOutcome::Designed);
    ASSERT_EQ(filter.SectionCount, 2);
    // Q = 1 / (2 sin(pi/8)) and 1 / (2 sin(3 pi/8)).
    EXPECT_NEAR(filter.Sections[0].Q, 1.306563, 1e-6);
    EXPECT_NEAR(filter.Sections[1].Q, 0.541196, 1e-6);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(filter.Sections[static_cast<std::size_t>(k)].Frequency, 1000.0);
        EXPECT_EQ(filter.Sections[static_cast<std::size_t>(k)].FilterType, 10);
    }
    ExpectPassThrough(filter.Sections[2]);
    EXPECT_NEAR(GainDbAt(Used(filter), 1000.0), HalfPowerDb, 1e-4);
    EXPECT_NEAR(GainDbAt(Used(filter), 0.0), 0.0, 1e-9);
    // 24 dB per octave: 8 kHz is three octaves up (the warped axis steepens it a little).
    EXPECT_LT(GainDbAt(Used(filter), 8000.0), -72.0);
}

TEST(Butterworth, Order2IsTheSecondOrderButterworthSection) {
    TXOVERPB low = Filter(1, 2, 2500.0);
    low.DesignCrossover();
    TSOS reference;
    reference.Frequency = 2500.0;
    reference.DesignLowPassButterworth();
    ASSERT_EQ(low.SectionCount, 1);
    EXPECT_NEAR(static_cast<double>(low.Sections[0].b0), static_cast<double>(reference.b0), 1e-15);
    EXPECT_NEAR(static_cast<double>(low.Sections[0].b1), static_cast<double>(reference.b1), 1e-15);
    EXPECT_NEAR(static_cast<double>(low.Sections[0].a1), static_cast<double>(reference.a1), 1e-15);
    EXPECT_NEAR(static_cast<double>(low.Sections[0].a2), static_cast<double>(reference.a2), 1e-15);
    EXPECT_NEAR(low.Sections[0].Q, 1.0 / std::sqrt(2.0), 1e-12);

    TXOVERPB high = Filter(2, 2, 2500.0);
    high.DesignCrossover();
    reference.DesignHighPassButterworth();
    EXPECT_NEAR(static_cast<double>(high.Sections[0].b0), static_cast<double>(reference.b0), 1e-15);
    EXPECT_NEAR(static_cast<double>(high.Sections[0].b1), static_cast<double>(reference.b1), 1e-15);
    EXPECT_NEAR(static_cast<double>(high.Sections[0].a1), static_cast<double>(reference.a1), 1e-15);
    EXPECT_NEAR(static_cast<double>(high.Sections[0].a2), static_cast<double>(reference.a2), 1e-15);
    EXPECT_EQ(high.Sections[0].FilterType, 11);
    EXPECT_NEAR(high.Sections[0].Q, 1.0 / std::sqrt(2.0), 1e-12);
}

TEST(Butterworth, OddHighPassStartsWithAFirstOrderSection) {
    TXOVERPB filter = Filter(2, 3, 200.0);
    filter.DesignCrossover();
    ASSERT_EQ(filter.SectionCount, 2);
    EXPECT_EQ(filter.Sections[0].FilterType, 13);
    EXPECT_EQ(filter.Sections[0].b2, 0.0L);
    EXPECT_EQ(filter.Sections[0].a2, 0.0L);
    EXPECT_EQ(filter.Sections[1].FilterType, 11);
    // Order 3: the pole pair at 120 degrees has Q = 1.
    EXPECT_NEAR(filter.Sections[1].Q, 1.0, 1e-9);
    EXPECT_NEAR(GainDbAt(Used(filter), 200.0), HalfPowerDb, 1e-4);
    EXPECT_NEAR(GainDbAt(Used(filter), 24000.0), 0.0, 1e-9);
    // 18 dB per octave: 25 Hz is three octaves down.
    EXPECT_NEAR(GainDbAt(Used(filter), 25.0), -54.2, 0.2);
}

TEST(Butterworth, Order5FillsAllThreeSections) {
    TXOVERPB filter = Filter(1, 5, 3000.0);
    filter.DesignCrossover();
    ASSERT_EQ(filter.SectionCount, 3);
    EXPECT_EQ(filter.Sections[0].FilterType, 12);
    // Q = 1 / (2 cos(72 degrees)) and 1 / (2 cos(36 degrees)).
    EXPECT_NEAR(filter.Sections[1].Q, 1.618034, 1e-6);
    EXPECT_NEAR(filter.Sections[2].Q, 0.618034, 1e-6);
    EXPECT_NEAR(GainDbAt(Used(filter), 3000.0), HalfPowerDb, 1e-4);
}

TEST(Butterworth, OrdersBeyondThreeSectionsAreRefused) {
    for (const int order : {0, -2, 7, 8, 12}) {
        TXOVERPB filter = Filter(1, order, 1000.0);
        Dirty(filter);
        const CrossoverDesignResult result = filter.DesignCrossover();
        EXPECT_EQ(result.Outcome, CrossoverDesignOutcome::OrderRefused) << order;
        EXPECT_EQ(filter.SectionCount, 1);
        EXPECT_EQ(filter.Order, order);
        for (const TSOS& s : filter.Sections) {
            ExpectPassThrough(s);
        }
    }
    TXOVERPB seven = Filter(2, 7, 1000.0);
    EXPECT_EQ(seven.DesignCrossover().Message, "ButtW order 7 is not available: use order 2 or 4");
}

TEST(LinkwitzRiley, Order4IsTwoButterworthPairsAndHalfAmplitudeAtTheCrossover) {
    TXOVERPB filter = Filter(3, 4, 1000.0);
    EXPECT_EQ(filter.DesignCrossover().Outcome, CrossoverDesignOutcome::Designed);
    ASSERT_EQ(filter.SectionCount, 2);
    EXPECT_EQ(filter.Sections[0].b0, filter.Sections[1].b0);
    EXPECT_EQ(filter.Sections[0].a1, filter.Sections[1].a1);
    EXPECT_EQ(filter.Sections[0].a2, filter.Sections[1].a2);
    EXPECT_NEAR(filter.Sections[0].Q, 0.707107, 1e-6);
    EXPECT_NEAR(filter.Sections[1].Q, 0.707107, 1e-6);
    EXPECT_EQ(filter.Sections[1].FilterType, 10);
    ExpectPassThrough(filter.Sections[2]);
    EXPECT_NEAR(GainDbAt(Used(filter), 1000.0), HalfAmplitudeDb, 1e-4);
}

TEST(LinkwitzRiley, Order4LowAndHighPassSumToAFlatResponse) {
    TXOVERPB low = Filter(3, 4, 800.0);
    low.DesignCrossover();
    TXOVERPB high = Filter(4, 4, 800.0);
    high.DesignCrossover();
    for (const double hz : {20.0, 400.0, 800.0, 1600.0, 15000.0}) {
        const auto sum = ResponseAt(Used(low), hz) + ResponseAt(Used(high), hz);
        EXPECT_NEAR(static_cast<double>(std::abs(sum)), 1.0, 1e-9) << hz;
    }
}

TEST(LinkwitzRiley, Order2IsTwoFirstOrderSections) {
    TXOVERPB filter = Filter(4, 2, 300.0);
    filter.DesignCrossover();
    ASSERT_EQ(filter.SectionCount, 2);
    EXPECT_EQ(filter.Sections[0].FilterType, 13);
    EXPECT_EQ(filter.Sections[1].FilterType, 13);
    EXPECT_EQ(filter.Sections[0].b0, filter.Sections[1].b0);
    EXPECT_EQ(filter.Sections[0].a1, filter.Sections[1].a1);
    EXPECT_EQ(filter.Sections[1].a2, 0.0L);
    EXPECT_NEAR(GainDbAt(Used(filter), 300.0), HalfAmplitudeDb, 1e-4);
}

TEST(LinkwitzRiley, OddOrderIsRaisedAndStored) {
    TXOVERPB filter = Filter(3, 3, 1000.0);
    filter.DesignCrossover();
    EXPECT_EQ(filter.Order, 4);
    EXPECT_EQ(filter.SectionCount, 2);
    EXPECT_NEAR(GainDbAt(Used(filter), 1000.0), HalfAmplitudeDb, 1e-4);
    TXOVERPB first = Filter(4, 1, 1000.0);
    first.DesignCrossover();
    EXPECT_EQ(first.Order, 2);
}

TEST(LinkwitzRiley, OrdersNeedingFourSectionsAreRefusedUntouched) {
    for (const int order : {5, 6, 8, 0}) {
        TXOVERPB filter = Filter(3, order, 1000.0);
        Dirty(filter);
        const CrossoverDesignResult result = filter.DesignCrossover();
        EXPECT_EQ(result.Outcome, CrossoverDesignOutcome::OrderRefused) << order;
        EXPECT_EQ(filter.Order, order);
        EXPECT_EQ(filter.SectionCount, 1);
        for (const TSOS& s : filter.Sections) {
            ExpectPassThrough(s);
        }
    }
    TXOVERPB six = Filter(4, 6, 1000.0);
    EXPECT_EQ(six.DesignCrossover().Message, "L-Riley order 6 is not available: use order 2 or 4");
}

TEST(Bessel, Order2LowPassMovesItsSectionByTheSquareRootOfB) {
    TXOVERPB filter = Filter(5, 2, 1000.0);
    EXPECT_EQ(filter.DesignCrossover().Outcome, CrossoverDesignOutcome::Designed);
    ASSERT_EQ(filter.SectionCount, 1);
    // 1000 / sqrt(0.618) and sqrt(0.618) / 1.3617.
    EXPECT_NEAR(filter.Sections[0].Frequency, 1272.05, 0.01);
    EXPECT_NEAR(filter.Sections[0].Q, 0.57732, 1e-5);
    EXPECT_EQ(filter.Sections[0].FilterType, 10);
    EXPECT_EQ(filter.Frequency, 1000.0);
    // The prototype is normalised to half power at its frequency.
    EXPECT_NEAR(GainDbAt(Used(filter), 1000.0), HalfPowerDb, 0.02);
}

TEST(Bessel, Order3HighPassScalesTheFirstOrderAndSecondOrderSections) {
    TXOVERPB filter = Filter(6, 3, 100.0);
    filter.DesignCrossover();
    ASSERT_EQ(filter.SectionCount, 2);
    EXPECT_NEAR(filter.Sections[0].Frequency, 100.0 / 1.323, 1e-4);
    EXPECT_EQ(filter.Sections[0].FilterType, 12);
    // 100 sqrt(0.4772) and sqrt(0.4772) / 0.9996.
    EXPECT_NEAR(filter.Sections[1].Frequency, 69.080, 1e-3);
    EXPECT_NEAR(filter.Sections[1].Q, 0.69107, 1e-5);
    EXPECT_EQ(filter.Sections[1].FilterType, 11);
    EXPECT_NEAR(GainDbAt(Used(filter), 100.0), HalfPowerDb, 0.05);
    EXPECT_NEAR(GainDbAt(Used(filter), 24000.0), 0.0, 1e-9);
}

TEST(Bessel, LowPassAboveItsMaximumIsMovedThereAndNotDesigned) {
    TXOVERPB filter = Filter(5, 4, 15000.0);
    Dirty(filter);
    const CrossoverDesignResult result = filter.DesignCrossover();
    EXPECT_EQ(result.Outcome, CrossoverDesignOutcome::BesselLimited);
    EXPECT_EQ(result.MaximumFrequency, 14900.0);
    EXPECT_EQ(result.Message, "Maximum Bessel Cutoff = 14900 for LowPass of order 4");
    EXPECT_EQ(filter.Frequency, 14900.0);
    for (const TSOS& s : filter.Sections) {
        EXPECT_EQ(s.Frequency, 14900.0);
        ExpectPassThrough(s);
    }

    // The caller designs again at the maximum, which is allowed.
    for (TSOS& s : filter.Sections) {
        s.Frequency = filter.Frequency;
    }
    EXPECT_EQ(filter.DesignCrossover().Outcome, CrossoverDesignOutcome::Designed);
    EXPECT_EQ(filter.SectionCount, 2);
    EXPECT_EQ(filter.Sections[0].FilterType, 10);
    EXPECT_GT(filter.Sections[0].Frequency, 14900.0);
}

TEST(Bessel, HighPassHasNoMaximum) {
    TXOVERPB filter = Filter(6, 4, 15000.0);
    EXPECT_EQ(filter.DesignCrossover().Outcome, CrossoverDesignOutcome::Designed);
    EXPECT_EQ(filter.Frequency, 15000.0);
    EXPECT_EQ(filter.Sections[1].FilterType, 11);
}

TEST(Bessel, OrdersBeyondThreeSectionsAreRefused) {
    for (const int order : {0, 7, 8, 9}) {
        TXOVERPB filter = Filter(5, order, 1000.0);
        const CrossoverDesignResult result = filter.DesignCrossover();
        EXPECT_EQ(result.Outcome, CrossoverDesignOutcome::OrderRefused) << order;
        EXPECT_EQ(filter.SectionCount, 1);
        EXPECT_EQ(filter.Sections[0].Frequency, 1000.0);
    }
}

TEST(Bessel, MaximumLowPassByOrder) {
    EXPECT_EQ(MaximumBesselLowPass(1), 20000.0);
    EXPECT_EQ(MaximumBesselLowPass(2), 18800.0);
    EXPECT_EQ(MaximumBesselLowPass(4), 14900.0);
    EXPECT_EQ(MaximumBesselLowPass(8), 10900.0);
    EXPECT_EQ(MaximumBesselLowPass(0), 0.0);
    EXPECT_EQ(MaximumBesselLowPass(9), 0.0);
}

TEST(PerSectionQ, EachSectionKeepsItsOwnFrequencyAndQ) {
    TXOVERPB filter;
    filter.Family = 7;
    filter.Order = 3;
    filter.Sections[0].Frequency = 300.0;
    filter.Sections[1].Frequency = 500.0;
    filter.Sections[1].Q = 2.0;
    EXPECT_EQ(filter.DesignCrossover().Outcome, CrossoverDesignOutcome::Designed);
    ASSERT_EQ(filter.SectionCount, 2);
    EXPECT_EQ(filter.Sections[0].FilterType, 12);
    EXPECT_NEAR(GainDbAt(filter.Sections[0], 300.0), HalfPowerDb, 1e-4);
    EXPECT_EQ(filter.Sections[1].FilterType, 10);
    EXPECT_EQ(filter.Sections[1].Frequency, 500.0);
    EXPECT_NEAR(GainDbAt(filter.Sections[1], 500.0), 20.0 * std::log10(2.0), 1e-9);

    filter.Family = 8;
    filter.Order = 2;
    filter.Sections[0].Q = 0.5;
    filter.DesignCrossover();
    EXPECT_EQ(filter.SectionCount, 1);
    EXPECT_EQ(filter.Sections[0].FilterType, 11);
    EXPECT_NEAR(GainDbAt(filter.Sections[0], 300.0), 20.0 * std::log10(0.5), 1e-9);
}

} // namespace
} // namespace quorvex
