#include "config/configuration.h"
#include "config/new_configuration.h"
#include "config/route.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace quorvex {
namespace {

Configuration Scrambled() {
    Configuration config;
    NewConfiguration(config);
    for (int output = 1; output <= OutputCount; ++output) {
        auto& channel = config.Output(output);
        channel.Band(1) = PeqBand{6, 3.0, 250.0, 4.0};
        channel.BandsInUse = 5;
        channel.Crossover.LowPass.Family = 5;
        channel.Level = LevelSetting{-6.0, true, -1.0F, -0.5, true, 0.0};
        channel.Delay = DelaySetting{100, 20};
        channel.SpeakerFile = "C:\\meas\\spk.txt";
        CycleRoute(config, output);
    }
    config.Block(2).ThresholdDb = -20.0F;
    config.SubFeed[0] = SubFeedCoefficients{0, 1, 0, 1};
    config.SystemInfo = SystemInfo{"Stage", "Tour", "Ana", "line1\r\nline2"};
    config.OutputNames[4] = "Bass";
    config.TemperatureC = 40;
    config.ImportReferenceLevel = 80.0F;
    config.ResponseView = ResponseViewFlags{false, false, false, false, false};
    return config;
}

TEST(NewConfiguration, ReportsTenStepsInOrderWithTheirTexts) {
    Configuration config;
    std::vector<std::pair<int, std::string>> seen;
    NewConfiguration(config,
                     [&](int percent, std::string_view text) { seen.emplace_back(percent, text); });
    const std::vector<std::pair<int, std::string>> expected{
        {10, "Gains..."},       {20, "Crossover..."}, {30, "Equalization..."}, {40, "Dynamics..."},
        {50, "Delays..."},      {60, "Loudness..."},  {70, "System Info..."},  {80, "Names..."},
        {90, "Import Data..."}, {100, "DONE..."}};
    EXPECT_EQ(seen, expected);
}

TEST(NewConfiguration, RestoresEveryDefaultWhateverCameBefore) {
    Configuration config = Scrambled();
    NewConfiguration(config);

    EXPECT_EQ(config.SystemInfo.SystemName, "NoName");
    EXPECT_TRUE(config.SystemInfo.Comments.empty());
    EXPECT_EQ(config.OutputNames[4], "SUB1");
    EXPECT_EQ(config.OutputNames[5], "SUB2");
    EXPECT_EQ(config.TemperatureC, 25);
    EXPECT_FLOAT_EQ(config.ImportReferenceLevel, 90.0F);
    for (int output = 1; output <= OutputCount; ++output) {
        const auto& channel = config.Output(output);
        EXPECT_EQ(channel.Band(1).FilterType, 0);
        EXPECT_DOUBLE_EQ(channel.Band(1).Frequency, 1000.0);
        EXPECT_DOUBLE_EQ(channel.Band(1).Q, 0.707);
        EXPECT_EQ(channel.BandsInUse, 2);
        EXPECT_DOUBLE_EQ(channel.Level.GainFactor, 1.0);
        EXPECT_FALSE(channel.Level.Muted);
        EXPECT_EQ(channel.Delay.DelaySamples, 0);
        EXPECT_EQ(channel.Delay.RelativeDistanceSamples, 0);
        EXPECT_TRUE(channel.SpeakerFile.empty());
    }
    EXPECT_EQ(config.Output(5).Crossover.LowPass.Family, 1);
    EXPECT_DOUBLE_EQ(config.Output(5).Crossover.LowPass.Frequency, 480.0);
    EXPECT_EQ(config.Output(1).Crossover.LowPass.Family, 0);
    EXPECT_DOUBLE_EQ(config.Output(1).Crossover.HighPass.Frequency, 100.0);
    EXPECT_FLOAT_EQ(config.Block(2).ThresholdDb, -6.0F);
    EXPECT_FLOAT_EQ(config.Block(3).ThresholdDb, -5.0F);
    EXPECT_FLOAT_EQ(config.Block(3).NoiseGatePosition, 1.0F);
    EXPECT_EQ(config.Block(1).HoldSamples, 1920);
    EXPECT_EQ(config.Block(1).DecaySteps, 51);
    EXPECT_NEAR(static_cast<double>(config.Block(1).RmsCoefficient), 5.7548e-4, 5e-9);
    EXPECT_DOUBLE_EQ(config.SubFeed[0].R, 0.0);
    EXPECT_DOUBLE_EQ(config.SubFeed[0].S, 1.0);
}

TEST(NewConfiguration, SetsRoutesAndTheirFactors) {
    Configuration config = Scrambled();
    NewConfiguration(config);
    const std::array<std::int32_t, 6> codes{0, 2, 0, 2, 1, 1};
    const std::array<double, 6> a{1, 0, 1, 0, 0.5, 0.5};
    const std::array<double, 6> b{0, 1, 0, 1, 0.5, 0.5};
    EXPECT_EQ(config.Route, codes);
    EXPECT_EQ(config.RouteGainA, a);
    EXPECT_EQ(config.RouteGainB, b);
}

TEST(NewConfiguration, LeavesImportFormatAndDelayViewAlone) {
    Configuration config = Scrambled();
    config.ImportFormat = 7;
    NewConfiguration(config);
    EXPECT_EQ(config.ImportFormat, 7);
    EXPECT_FALSE(config.ResponseView.DelayView);
    EXPECT_TRUE(config.ResponseView.SpeakerDataView);
    EXPECT_TRUE(config.ResponseView.PeqView);
    EXPECT_TRUE(config.ResponseView.CrossoverView);
    EXPECT_TRUE(config.ResponseView.GainView);
}

TEST(StartupConfiguration, KeepsTheMainWindowsNamesUntilTheFirstReset) {
    const Configuration config;
    EXPECT_EQ(config.OutputNames[4], "SUB 1");
    EXPECT_EQ(config.OutputNames[5], "SUB 2");
    EXPECT_TRUE(config.ResponseView.DelayView);
    EXPECT_EQ(config.Output(5).Bands().size(), 3U);
    EXPECT_EQ(config.Output(6).Bands().size(), 3U);
    EXPECT_EQ(config.Output(4).Bands().size(), 7U);
    EXPECT_THROW((void)config.Output(0), std::out_of_range);
}

TEST(Route, CyclesThroughTheThreeCodesAndBack) {
    Configuration config;
    for (int output = 1; output <= OutputCount; ++output) {
        const auto before = config.Route[static_cast<std::size_t>(output - 1)];
        CycleRoute(config, output);
        CycleRoute(config, output);
        CycleRoute(config, output);
        EXPECT_EQ(config.Route[static_cast<std::size_t>(output - 1)], before);
    }
    config.Route[0] = -1;
    CycleRoute(config, 1);
    EXPECT_EQ(config.Route[0], 0);
    EXPECT_DOUBLE_EQ(config.RouteGainA[0], 1.0);
    EXPECT_DOUBLE_EQ(config.RouteGainB[0], 0.0);
}

TEST(Route, SetRouteLandsOnTheCodeFromAnyStart) {
    Configuration config;
    for (std::int32_t code = 0; code <= 2; ++code) {
        SetRoute(config, 3, code);
        EXPECT_EQ(config.Route[2], code);
        EXPECT_EQ(std::make_pair(config.RouteGainA[2], config.RouteGainB[2]), RouteGains(code));
    }
    EXPECT_EQ(RouteGains(1), std::make_pair(0.5, 0.5));
}

TEST(Route, ExtremeStoredValuesStillLandOnACode) {
    // 2147483647 = 3 x 715827882 + 1 and -2147483648 = -3 x 715827883 + 1: both are A+B.
    constexpr auto largest = std::numeric_limits<std::int32_t>::max();
    constexpr auto smallest = std::numeric_limits<std::int32_t>::min();
    Configuration config;
    SetRoute(config, 1, largest);
    EXPECT_EQ(config.Route[0], RouteAB);
    SetRoute(config, 2, smallest);
    EXPECT_EQ(config.Route[1], RouteAB);
    EXPECT_DOUBLE_EQ(config.RouteGainB[1], 0.5);
    config.Route[2] = largest; // one step on is 2^31, which is 2 modulo 3: input B
    CycleRoute(config, 3);
    EXPECT_EQ(config.Route[2], RouteB);
    EXPECT_DOUBLE_EQ(config.RouteGainA[2], 0.0);
}

} // namespace
} // namespace quorvex
