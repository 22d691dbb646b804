#include "engine/tsos.h"

#include "engine/response_probe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace quorvex {
namespace {

using testing::GainDbAt;
using testing::PhaseAt;

constexpr double Pi = std::numbers::pi;

TSOS Designed(std::uint8_t type, double hz, double gainDb, double q) {
    TSOS section;
    section.FilterType = type;
    section.Frequency = hz;
    section.Gain = gainDb;
    section.Q = q;
    section.Design();
    return section;
}

void ExpectPassThrough(const TSOS& s) {
    EXPECT_EQ(s.b0, 1.0L);
    EXPECT_EQ(s.b1, 0.0L);
    EXPECT_EQ(s.b2, 0.0L);
    EXPECT_EQ(s.a1, 0.0L);
    EXPECT_EQ(s.a2, 0.0L);
}

TEST(SectionBasics, NewSectionIsAPassThroughBypassAt1000Hz) {
    const TSOS s;
    ExpectPassThrough(s);
    EXPECT_EQ(s.FilterType, 0);
    EXPECT_EQ(s.Gain, 0.0);
    EXPECT_EQ(s.Frequency, 1000.0);
    EXPECT_EQ(s.Q, 0.707);
    EXPECT_EQ(s.DspAddress, 0);
}

TEST(SectionBasics, ResetRestoresPassThroughAndKeepsTheBandSettings) {
    TSOS s = Designed(1, 250.0, 4.5, 3.0);
    s.DspAddress = 77;
    s.Reset();
    ExpectPassThrough(s);
    EXPECT_EQ(s.FilterType, 1);
    EXPECT_EQ(s.Gain, 4.5);
    EXPECT_EQ(s.Frequency, 250.0);
    EXPECT_EQ(s.Q, 3.0);
    EXPECT_EQ(s.DspAddress, 77);
}

TEST(SectionBasics, BypassDesignsThePassThrough) {
    TSOS s = Designed(1, 250.0, 4.5, 3.0);
    s.FilterType = 0;
    s.Design();
    ExpectPassThrough(s);
}

TEST(SectionBasics, CoefficientReadsTheFiveInDisplayOrderAndZeroElsewhere) {
    TSOS s;
    s.b0 = 0.5L;
    s.b1 = -0.25L;
    s.b2 = 0.125L;
    s.a1 = 1.5L;
    s.a2 = -0.75L;
    EXPECT_EQ(s.Coefficient(0), 0.5F);
    EXPECT_EQ(s.Coefficient(1), -0.25F);
    EXPECT_EQ(s.Coefficient(2), 0.125F);
    EXPECT_EQ(s.Coefficient(3), 1.5F);
    EXPECT_EQ(s.Coefficient(4), -0.75F);
    EXPECT_EQ(s.Coefficient(5), 0.0F);
    EXPECT_EQ(s.Coefficient(-1), 0.0F);
}

TEST(SectionBasics, DesignLeavesCodesItDoesNotHandleAlone) {
    for (const int code : {12, 13, 14, 17, 255}) {
        TSOS s;
        s.b0 = 0.1L;
        s.b1 = 0.2L;
        s.b2 = 0.3L;
        s.a1 = 0.4L;
        s.a2 = 0.5L;
        s.FilterType = static_cast<std::uint8_t>(code);
        s.Design();
        EXPECT_EQ(s.b0, 0.1L) << code;
        EXPECT_EQ(s.b1, 0.2L) << code;
        EXPECT_EQ(s.b2, 0.3L) << code;
        EXPECT_EQ(s.a1, 0.4L) << code;
        EXPECT_EQ(s.a2, 0.5L) << code;
        EXPECT_EQ(s.FilterType, code);
    }
}

TEST(SectionBasics, DirectDesignsStoreTheirOwnCode) {
    TSOS s;
    s.Gain = 3.0;
    s.DesignParametric();
    EXPECT_EQ(s.FilterType, 1);
    s.DesignHighShelf();
    EXPECT_EQ(s.FilterType, 3);
    s.DesignBandPass();
    EXPECT_EQ(s.FilterType, 6);
    s.DesignAllPass2();
    EXPECT_EQ(s.FilterType, 9);
    s.DesignHighPassQ();
    EXPECT_EQ(s.FilterType, 11);
    s.DesignFirstOrderHighPass();
    EXPECT_EQ(s.FilterType, 12);
}

TEST(Parametric, AtZeroDbIsExactlyFlat) {
    const TSOS s = Designed(1, 1000.0, 0.0, 0.7);
    EXPECT_EQ(s.b0, 1.0L);
    EXPECT_EQ(s.b1, -s.a1);
    EXPECT_EQ(s.b2, -s.a2);
    FrequencyResponse r;
    r.Magnitude.fill(5.0F);
    AddResponse(std::span<const TSOS>(&s, 1), 1, r);
    for (int i = 0; i <= GridLastIndex; ++i) {
        ASSERT_EQ(r.Magnitude[static_cast<std::size_t>(i)], 0.0F) << i;
    }
}

TEST(Parametric, PeaksAtItsGainAndIsFlatFarAway) {
    const TSOS s = Designed(1, 1000.0, 6.0, 0.7);
    EXPECT_NEAR(GainDbAt(s, 1000.0), 6.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 0.0), 0.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 24000.0), 0.0, 1e-9);
    const TSOS cut = Designed(1, 5000.0, -15.0, 8.0);
    EXPECT_NEAR(GainDbAt(cut, 5000.0), -15.0, 1e-9);
}

TEST(FirstOrderShelf, LowShelfOf6DbAt100HzMatchesTheDocumentedCurve) {
    const TSOS s = Designed(2, 100.0, 6.0, 0.707);
    EXPECT_EQ(s.FilterType, 2);
    EXPECT_NEAR(GainDbAt(s, 20.0), 5.75, 0.01);
    EXPECT_NEAR(GainDbAt(s, 100.0), 2.99, 0.01);
    EXPECT_NEAR(GainDbAt(s, 0.0), 6.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 24000.0), 0.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 23999.0), 0.0, 1e-3);
}

TEST(FirstOrderShelf, HighShelfMirrorsTheLowShelf) {
    const TSOS s = Designed(3, 100.0, 6.0, 0.707);
    EXPECT_EQ(s.FilterType, 3);
    EXPECT_NEAR(GainDbAt(s, 0.0), 0.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 20.0), 6.0 - 5.75, 0.01);
    EXPECT_NEAR(GainDbAt(s, 24000.0), 6.0, 1e-9);
}

TEST(FirstOrderShelf, CutShelvesReachTheirGainAtTheFarEnd) {
    EXPECT_NEAR(GainDbAt(Designed(2, 300.0, -12.0, 1.0), 0.0), -12.0, 1e-9);
    EXPECT_NEAR(GainDbAt(Designed(3, 300.0, -12.0, 1.0), 24000.0), -12.0, 1e-9);
    EXPECT_NEAR(GainDbAt(Designed(2, 300.0, -12.0, 1.0), 300.0), -12.0 + 3.0103, 1e-4);
}

TEST(FirstOrderShelf, WithinThreeDbTheCornerGetsHalfTheBoost) {
    const TSOS s = Designed(2, 300.0, 2.0, 1.0);
    EXPECT_NEAR(GainDbAt(s, 0.0), 2.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 300.0), 1.0, 1e-9);
}

TEST(FirstOrderShelf, ZeroGainIsPassThroughAndKeepsTheCaller_sCode) {
    for (const std::uint8_t code : {2, 3}) {
        TSOS s = Designed(1, 500.0, 6.0, 2.0);
        s.FilterType = code;
        s.Gain = 0.0;
        s.Design();
        ExpectPassThrough(s);
        EXPECT_EQ(s.FilterType, code);
    }
    TSOS direct;
    direct.FilterType = 7;
    direct.DesignLowShelf();
    ExpectPassThrough(direct);
    EXPECT_EQ(direct.FilterType, 7);
}

TEST(Clamp, HighLowShelfGainAtHighFrequencyIsHeldBelowTwo) {
    // Unclamped, b0 would be about 2.245.
    const TSOS s = Designed(2, 10000.0, 12.0, 0.707);
    EXPECT_EQ(s.b0, 1.99999999999L);
    EXPECT_GT(s.b0, 1.9999999999L);
}

TEST(Clamp, NegativeFirstCoefficientsAreHeldAboveMinusTwo) {
    // A 12 dB high shelf at 20 Hz has b1 near -G (about -3.98).
    const TSOS s = Designed(3, 20.0, 12.0, 0.707);
    EXPECT_EQ(s.b1, -1.99999999999L);
    EXPECT_GT(s.b0, 1.9999999999L);
    EXPECT_EQ(s.b0, 1.99999999999L);
}

TEST(Clamp, OnlyTheFirstOrderShelvesAndTheParametricAreClamped) {
    // A sloped high shelf of +12 dB at 100 Hz has b0 near G, about 3.9: it is kept.
    const TSOS s = Designed(16, 100.0, 12.0, 1.0);
    EXPECT_GT(s.b0, 3.5L);
    EXPECT_NEAR(GainDbAt(s, 24000.0), 12.0, 1e-9);
}

TEST(Butterworth, SecondOrderIsThreeDbDownAtItsCorner) {
    TSOS low;
    low.Frequency = 1000.0;
    low.Gain = 5.0;
    low.FilterType = 4;
    low.Design();
    EXPECT_NEAR(GainDbAt(low, 1000.0), -3.0103, 1e-4);
    EXPECT_NEAR(GainDbAt(low, 0.0), 0.0, 1e-9);
    EXPECT_LT(GainDbAt(low, 23999.0), -100.0);
    EXPECT_EQ(low.Gain, 0.0);

    TSOS high;
    high.Frequency = 1000.0;
    high.Gain = 5.0;
    high.FilterType = 5;
    high.Design();
    EXPECT_NEAR(GainDbAt(high, 1000.0), -3.0103, 1e-4);
    EXPECT_NEAR(GainDbAt(high, 24000.0), 0.0, 1e-9);
    EXPECT_LT(GainDbAt(high, 5.0), -90.0);
    EXPECT_EQ(high.Gain, 0.0);
}

TEST(PassWithQ, LowPassResetsGainAndHighPassKeepsIt) {
    const TSOS low = Designed(10, 2000.0, 4.0, 2.0);
    EXPECT_EQ(low.Gain, 0.0);
    const TSOS high = Designed(11, 2000.0, 4.0, 2.0);
    EXPECT_EQ(high.Gain, 4.0);
}

TEST(PassWithQ, GainAtTheCornerIsQ) {
    // The analogue prototype 1 / (s^2 + s/Q + 1) has |H(j)| = Q, kept by the pre-warped design.
    EXPECT_NEAR(GainDbAt(Designed(10, 2000.0, 0.0, 2.0), 2000.0), 20.0 * std::log10(2.0), 1e-9);
    EXPECT_NEAR(GainDbAt(Designed(11, 150.0, 0.0, 0.5), 150.0), 20.0 * std::log10(0.5), 1e-9);
    EXPECT_NEAR(GainDbAt(Designed(10, 2000.0, 0.0, 0.707), 0.0), 0.0, 1e-9);
    EXPECT_NEAR(GainDbAt(Designed(11, 150.0, 0.0, 0.5), 24000.0), 0.0, 1e-9);
}

/// The frequency between lowHz and highHz where the section's gain crosses levelDb.
double CrossingHz(const TSOS& s, double levelDb, double lowHz, double highHz) {
    const bool risingBelow = GainDbAt(s, lowHz) < levelDb;
    for (int step = 0; step < 100; ++step) {
        const double mid = 0.5 * (lowHz + highHz);
        if ((GainDbAt(s, mid) < levelDb) == risingBelow) {
            lowHz = mid;
        } else {
            highHz = mid;
        }
    }
    return 0.5 * (lowHz + highHz);
}

TEST(BandPassAndNotch, BandPassPeaksAtItsGainWithABandwidthOfFOverQ) {
    const TSOS s = Designed(6, 1000.0, 6.0, 2.0);
    EXPECT_NEAR(GainDbAt(s, 1000.0), 6.0, 1e-9);
    EXPECT_LT(GainDbAt(s, 0.0), -200.0);
    const double halfPowerDb = 6.0 - 10.0 * std::log10(2.0);
    const double lower = CrossingHz(s, halfPowerDb, 100.0, 1000.0);
    const double upper = CrossingHz(s, halfPowerDb, 1000.0, 10000.0);
    EXPECT_NEAR(upper - lower, 500.0, 1e-6);
}

TEST(BandPassAndNotch, TooSmallAQIsRaisedToTwiceFOverFs) {
    const TSOS small = Designed(6, 18000.0, 0.0, 0.5);
    const TSOS raised = Designed(6, 18000.0, 0.0, 0.75);
    EXPECT_EQ(small.b0, raised.b0);
    EXPECT_EQ(small.a1, raised.a1);
    EXPECT_EQ(small.a2, raised.a2);
    const TSOS kept = Designed(6, 1000.0, 0.0, 0.5);
    EXPECT_NE(kept.b0, Designed(6, 1000.0, 0.0, 1000.0 * 2 / 48000.0).b0);
}

TEST(BandPassAndNotch, NotchRemovesItsFrequencyAndPassesTheRest) {
    const TSOS s = Designed(7, 3000.0, 0.0, 4.0);
    EXPECT_LT(GainDbAt(s, 3000.0), -150.0);
    EXPECT_NEAR(GainDbAt(s, 0.0), 0.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 24000.0), 0.0, 1e-9);
}

TEST(AllPass, FirstOrderTurnsMinusNinetyDegreesAtItsFrequency) {
    const TSOS s = Designed(8, 1000.0, 0.0, 0.707);
    EXPECT_NEAR(PhaseAt(s, 1000.0), -Pi / 2, 1e-9);
    for (const double hz : {10.0, 1000.0, 20000.0}) {
        EXPECT_NEAR(GainDbAt(s, hz), 0.0, 1e-9);
    }
}

TEST(AllPass, SecondOrderTurnsHalfAWayAtItsFrequency) {
    const TSOS s = Designed(9, 2000.0, 0.0, 1.5);
    EXPECT_NEAR(std::fabs(PhaseAt(s, 2000.0)), Pi, 1e-9);
    EXPECT_NEAR(PhaseAt(s, 0.0), 0.0, 1e-12);
    for (const double hz : {10.0, 2000.0, 20000.0}) {
        EXPECT_NEAR(GainDbAt(s, hz), 0.0, 1e-9);
    }
}

TEST(FirstOrderPass, LowAndHighAreThreeDbDownAtTheirCorner) {
    TSOS low;
    low.Frequency = 500.0;
    low.Gain = 3.0;
    low.DesignFirstOrderLowPass();
    EXPECT_EQ(low.FilterType, 12);
    EXPECT_EQ(low.Gain, 0.0);
    EXPECT_NEAR(GainDbAt(low, 500.0), -3.0103, 1e-4);
    EXPECT_NEAR(GainDbAt(low, 0.0), 0.0, 1e-9);

    TSOS high;
    high.Frequency = 500.0;
    high.DesignFirstOrderHighPass();
    EXPECT_EQ(high.FilterType, 12);
    EXPECT_NEAR(GainDbAt(high, 500.0), -3.0103, 1e-4);
    EXPECT_NEAR(GainDbAt(high, 24000.0), 0.0, 1e-9);
}

TEST(SlopeShelf, LowShelfReachesItsGainBelowAndHalfOfItAtTheCorner) {
    const TSOS s = Designed(15, 200.0, 8.0, 1.0);
    EXPECT_EQ(s.FilterType, 15);
    EXPECT_NEAR(GainDbAt(s, 0.0), 8.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 200.0), 4.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 24000.0), 0.0, 1e-9);
}

TEST(SlopeShelf, HighShelfReachesItsGainAbove) {
    const TSOS s = Designed(16, 4000.0, -10.0, 0.5);
    EXPECT_EQ(s.FilterType, 16);
    EXPECT_NEAR(GainDbAt(s, 0.0), 0.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 4000.0), -5.0, 1e-9);
    EXPECT_NEAR(GainDbAt(s, 24000.0), -10.0, 1e-9);
}

TEST(SlopeShelf, SteepSlopeKeepsTheDesignFinite) {
    // A slope this steep makes (A^2 + 1)/S - (A - 1)^2 negative; the design must not take
    // its square root.
    const TSOS s = Designed(15, 200.0, 12.0, 20.0);
    EXPECT_TRUE(std::isfinite(static_cast<double>(s.b0)));
    EXPECT_TRUE(std::isfinite(static_cast<double>(s.a2)));
    EXPECT_NEAR(GainDbAt(s, 0.0), 12.0, 1e-9);
}

} // namespace
} // namespace quorvex
