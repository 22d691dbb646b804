#include "engine/engine_objects.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvex {
namespace {

// Gain of a section at 0 Hz (z = 1), straight from its coefficients.
double DcGain(const TSOS& s) {
    return static_cast<double>((s.b0 + s.b1 + s.b2) / (1.0L - s.a1 - s.a2));
}

TEST(DesignAll, ABesselLowPassAboveItsMaximumEndsAtTheMaximum) {
    Configuration config;
    CrossoverSection& lowPass = config.Output(1).Crossover.LowPass;
    lowPass.Family = 5;
    lowPass.Order = 4;
    lowPass.Frequency = 15000.0;
    EngineObjects objects;
    DesignAll(config, objects);

    EXPECT_DOUBLE_EQ(lowPass.Frequency, 14900.0);
    EXPECT_EQ(lowPass.Order, 4);
    EXPECT_EQ(lowPass.Family, 5);
    const TXOVERPB& filter = objects.Crossover(1).LowPass;
    EXPECT_DOUBLE_EQ(filter.Frequency, 14900.0);
    ASSERT_EQ(filter.SectionCount, 2);
    // The prototype factors (1.3397, 0.4889) and (0.7743, 0.389) scaled to 14900 Hz.
    EXPECT_NEAR(filter.Sections[0].Frequency, 14900.0 / std::sqrt(0.4889), 0.05);
    EXPECT_NEAR(filter.Sections[0].Q, std::sqrt(0.4889) / 1.3397, 1e-4);
    EXPECT_NEAR(filter.Sections[1].Frequency, 14900.0 / std::sqrt(0.389), 0.05);
    EXPECT_NEAR(DcGain(filter.Sections[0]), 1.0, 1e-9);
    EXPECT_NEAR(DcGain(filter.Sections[1]), 1.0, 1e-9);
}

TEST(DesignAll, CopiesBackWhatTheDesignsChange) {
    Configuration config;
    config.Output(2).Crossover.HighPass = {250.0, 3, 4}; // Linkwitz-Riley of odd order
    PeqBand& band = config.Output(3).Band(2);
    band = {4, 6.0, 2000.0, 0.707}; // a Butterworth low pass takes no gain
    EngineObjects objects;
    DesignAll(config, objects);

    EXPECT_EQ(config.Output(2).Crossover.HighPass.Order, 4);
    EXPECT_EQ(objects.Crossover(2).HighPass.SectionCount, 2);
    EXPECT_EQ(band.Gain, 0.0);
    EXPECT_EQ(band.FilterType, 4);
    EXPECT_NEAR(DcGain(objects.Band(3, 2)), 1.0, 1e-9);
}

TEST(DesignAll, DesignsTheBandsOfEveryOutput) {
    Configuration config;
    for (int output = 1; output <= OutputCount; ++output) {
        config.Output(output).Band(BandCountOf(output)) = {1, -6.0, 100.0, 1.0};
    }
    EngineObjects objects;
    DesignAll(config, objects);
    for (int output = 1; output <= OutputCount; ++output) {
        const TSOS& section = objects.Band(output, BandCountOf(output));
        EXPECT_EQ(section.FilterType, 1) << output;
        EXPECT_NE(section.b1, 0.0L) << output;
        // A peaking band leaves 0 Hz untouched.
        EXPECT_NEAR(DcGain(section), 1.0, 1e-9) << output;
    }
    // Bands the subs do not have stay pass-through.
    EXPECT_EQ(objects.Band(5, 7).b1, 0.0L);
}

TEST(DesignAll, ResultDependsOnTheConfigurationAloneNotOnEarlierDesigns) {
    Configuration config;
    EngineObjects objects;
    TSOS& section = objects.Band(1, 1);
    section.b0 = 0.25L;
    section.a1 = 0.5L;
    config.Output(1).Band(1).FilterType = 13; // a code no band design handles
    DesignAll(config, objects);
    EXPECT_EQ(section.b0, 1.0L);
    EXPECT_EQ(section.a1, 0.0L);
}

TEST(DesignAll, ABesselOfThreeSectionsIsTheSameEveryTimeItIsDesigned) {
    // A stored order 6 fills all three sections; each is scaled in place from the crossover
    // frequency, so the third must start from it too or every design would move it further.
    Configuration config;
    CrossoverSection& lowPass = config.Output(4).Crossover.LowPass;
    lowPass = {1000.0, 6, 5};
    EngineObjects objects;
    const TXOVERPB& filter = objects.Crossover(4).LowPass;
    for (int pass = 1; pass <= 3; ++pass) {
        DesignAll(config, objects);
        ASSERT_EQ(filter.SectionCount, 3);
        // Factors (1.2217, 0.3887), (0.9686, 0.3505), (0.5131, 0.2756) at 1000 Hz:
        // f / sqrt(b) and sqrt(b) / a.
        EXPECT_NEAR(filter.Sections[0].Frequency, 1603.957, 0.005) << pass;
        EXPECT_NEAR(filter.Sections[1].Frequency, 1689.102, 0.005) << pass;
        EXPECT_NEAR(filter.Sections[2].Frequency, 1904.848, 0.005) << pass;
        EXPECT_NEAR(filter.Sections[2].Q, 1.02315, 1e-5) << pass;
        EXPECT_DOUBLE_EQ(lowPass.Frequency, 1000.0);
    }
}

TEST(DesignAll, DesignsEveryDynamicsBlockFromItsSettings) {
    Configuration config;
    EngineObjects objects;
    DesignAll(config, objects);
    const auto defaultTable = objects.Block(2).GainTable;

    config.Block(2).ThresholdDb = -30.0F;
    config.Block(2).Ratio = 10.0F;
    DesignAll(config, objects);
    EXPECT_EQ(objects.Block(2).ThresholdDb, -30.0F);
    EXPECT_EQ(objects.Block(2).Ratio, 10.0F);
    EXPECT_NE(objects.Block(2).GainTable, defaultTable);
}

} // namespace
} // namespace quorvex
