#include "config/configuration.h"
#include "config/dynamics_times.h"
#include "config/level_setting.h"
#include "config/new_configuration.h"
#include "config/route.h"
#include "engine/engine_objects.h"
#include "image/coefficient_image.h"
#include "image/image_decoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace quorvex {
namespace {

// A configuration the editors could have produced, every value on its control's steps.
class EditedConfiguration {
public:
    explicit EditedConfiguration(unsigned seed) : random_(seed) {}

    Configuration Make() {
        Configuration config;
        NewConfiguration(config);
        for (int output = 1; output <= 6; ++output) {
            OutputChannel& channel = config.Output(output);
            for (PeqBand& band : channel.Bands()) {
                band.FilterType = Pick({0, 1, 2, 3, 6, 7, 8, 9, 11, 15, 16});
                band.Frequency = Between(10, IsSubOutput(output) ? 500 : 20000);
                band.Gain = (273 - Between(3, 273)) * 0.1 - 15.0;
                band.Q = (200 - Between(0, 195)) / 10.0;
            }
            EditCrossover(channel.Crossover.LowPass, false);
            EditCrossover(channel.Crossover.HighPass, true);
            channel.Crossover.SoloHighPass = Between(0, 1) == 1;
            channel.Crossover.SoloLowPass = Between(0, 1) == 1;
            LevelSetting& level = channel.Level;
            level.GainDb = LevelDbFromPosition(Between(0, 361));
            level.PolarityInverted = Between(0, 1) == 1;
            level.PolaritySign = level.PolarityInverted ? -1.0F : 1.0F;
            level.GainFactor = GainFactorOf(level.GainDb, level.PolaritySign);
            level.Muted = Between(0, 1) == 1;
            level.MuteFactor = level.Muted ? 0.0 : 1.0;
            channel.Delay.DelaySamples = Between(0, 234);
            channel.Delay.RelativeDistanceSamples = Between(0, 234);
            SetRoute(config, output, Between(0, 2));
        }
        config.TemperatureC = Between(0, 50);
        for (int block = 1; block <= 3; ++block) {
            EditDynamics(config.Block(block), block == 3);
        }
        for (SubFeedCoefficients& feed : config.SubFeed) {
            feed = {Pick({0, 1}) * 1.0, Pick({0, 1}) * 1.0, Pick({0, 1}) * 1.0, Pick({0, 1}) * 1.0};
        }
        return config;
    }

private:
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    int Pick(std::initializer_list<int> choices) {
        return *(choices.begin() + Between(0, static_cast<int>(choices.size()) - 1));
    }

    void EditCrossover(CrossoverSection& section, bool highPass) {
        section.Family = FamilyCodeOf(Between(0, 2), highPass); // Bessel may move a frequency
        section.Frequency = Between(20, 20000);
        section.Order = Pick({2, 4});
    }

    void EditDynamics(DynamicsSetting& d, bool sub) {
        d.ThresholdDb = static_cast<float>(-Between(0, 101) / 2.0 - (sub ? 5.6 : 2.6));
        d.Ratio = static_cast<float>(Between(1, 10));
        d.KneeDb = static_cast<float>((21 - Between(0, 21)) / 2.0 - 0.5);
        d.CompressorMode = static_cast<std::uint8_t>(Between(0, 1));
        d.Bypass = static_cast<std::uint8_t>(Between(0, 1));
        d.RmsCoefficient = RmsCoefficientFromAttack(Between(5, 250), 48000);
        d.LookAheadSamples = sub ? 0 : SamplesFromMs(Between(0, 2), 48000);
        d.HoldSamples = SamplesFromMs(Between(0, 80), 48000);
        d.DecaySteps = DecayStepsFromRelease(Between(1, 80));
        d.NoiseGatePosition = static_cast<float>(Pick({1, 10, 11, 12, 13, 14, 15, 16, 33}));
        d.NoiseGateSlope = static_cast<float>(Between(1, 10));
        d.LoadImpedance =
            Pick({0, 1, 2, 3, 4}) == 1 ? 2.67F : static_cast<float>(Pick({2, 4, 8, 16}));
        d.SpeakerMaxPower = static_cast<float>(Between(5, 4000));
        d.AmpMaxPower = static_cast<float>(Between(50, 4000));
        d.AmpGain = static_cast<float>(Between(5, 200));
        d.Balanced = static_cast<std::uint8_t>(Between(0, 1));
    }

    std::mt19937 random_;
};

void ExpectSameSettings(const Configuration& written, const Configuration& read) {
    EXPECT_EQ(read.TemperatureC, written.TemperatureC);
    for (int output = 1; output <= 6; ++output) {
        SCOPED_TRACE(output);
        const OutputChannel& w = written.Output(output);
        const OutputChannel& r = read.Output(output);
        for (int band = 1; band <= BandCountOf(output); ++band) {
            EXPECT_EQ(r.Band(band).FilterType, w.Band(band).FilterType);
            EXPECT_EQ(r.Band(band).Frequency, w.Band(band).Frequency);
            EXPECT_NEAR(r.Band(band).Gain, w.Band(band).Gain, 1e-9);
            EXPECT_NEAR(r.Band(band).Q, w.Band(band).Q, 1e-9);
        }
        for (const auto side : {&CrossoverSetting::HighPass, &CrossoverSetting::LowPass}) {
            EXPECT_EQ((r.Crossover.*side).Family, (w.Crossover.*side).Family);
            EXPECT_EQ((r.Crossover.*side).Frequency, (w.Crossover.*side).Frequency);
            EXPECT_EQ((r.Crossover.*side).Order, (w.Crossover.*side).Order);
        }
        EXPECT_EQ(r.Crossover.SoloHighPass, w.Crossover.SoloHighPass);
        EXPECT_EQ(r.Crossover.SoloLowPass, w.Crossover.SoloLowPass);
        EXPECT_NEAR(r.Level.GainDb, w.Level.GainDb, 1e-9);
        EXPECT_NEAR(r.Level.GainFactor, w.Level.GainFactor, 1e-9);
        EXPECT_EQ(r.Level.Muted, w.Level.Muted);
        EXPECT_EQ(r.Level.PolarityInverted, w.Level.PolarityInverted);
        EXPECT_EQ(r.Delay.DelaySamples, w.Delay.DelaySamples);
        EXPECT_EQ(r.Delay.RelativeDistanceSamples, w.Delay.RelativeDistanceSamples);
        const auto index = static_cast<std::size_t>(output - 1);
        EXPECT_EQ(read.Route[index], written.Route[index]);
        EXPECT_EQ(read.RouteGainA[index], written.RouteGainA[index]);
    }
    for (int block = 1; block <= 3; ++block) {
        SCOPED_TRACE(block);
        const DynamicsSetting& w = written.Block(block);
        const DynamicsSetting& r = read.Block(block);
        EXPECT_NEAR(r.ThresholdDb, w.ThresholdDb, 1e-5);
        EXPECT_EQ(r.Ratio, w.Ratio);
        EXPECT_EQ(r.KneeDb, w.KneeDb);
        EXPECT_EQ(r.CompressorMode, w.CompressorMode);
        EXPECT_EQ(r.Bypass, w.Bypass);
        EXPECT_NEAR(static_cast<double>(r.RmsCoefficient), static_cast<double>(w.RmsCoefficient),
                    1e-15);
        EXPECT_EQ(r.LookAheadSamples, w.LookAheadSamples);
        EXPECT_EQ(r.HoldSamples, w.HoldSamples);
        EXPECT_EQ(r.DecaySteps, w.DecaySteps);
        EXPECT_EQ(r.NoiseGatePosition, w.NoiseGatePosition);
        EXPECT_EQ(r.NoiseGateSlope, w.NoiseGateSlope);
        EXPECT_EQ(r.LoadImpedance, w.LoadImpedance);
        EXPECT_EQ(r.SpeakerMaxPower, w.SpeakerMaxPower);
        EXPECT_EQ(r.AmpMaxPower, w.AmpMaxPower);
        EXPECT_EQ(r.AmpGain, w.AmpGain);
        EXPECT_EQ(r.Balanced, w.Balanced);
    }
    for (std::size_t dsp = 0; dsp < 2; ++dsp) {
        EXPECT_EQ(read.SubFeed[dsp].P, written.SubFeed[dsp].P);
        EXPECT_EQ(read.SubFeed[dsp].Q, written.SubFeed[dsp].Q);
        EXPECT_EQ(read.SubFeed[dsp].R, written.SubFeed[dsp].R);
        EXPECT_EQ(read.SubFeed[dsp].S, written.SubFeed[dsp].S);
    }
}

TEST(ImageRoundTrip, DefaultConfigurationComesBackWithinItsSteps) {
    Configuration written;
    NewConfiguration(written);
    EngineObjects objects;
    DesignAll(written, objects);
    const CoefficientImage image = BuildCoefficientImage(written, objects);

    Configuration read;
    NewConfiguration(read);
    read.Block(3).NoiseGatePosition = 20.0F;
    ASSERT_EQ(DecodeCoefficientImage(image, read), ImageDecodeResult::Decoded);
    // Thresholds are stored in 0.5 dB steps from 2.6 or 5.6 dB; Q in tenths.
    EXPECT_NEAR(read.Block(1).ThresholdDb, -6.0, 0.25);
    EXPECT_NEAR(read.Block(3).ThresholdDb, -5.0, 0.25);
    EXPECT_NEAR(read.Output(1).Band(1).Q, 0.707, 0.05);
    EXPECT_EQ(read.Block(3).NoiseGatePosition, 1.0F);
    EXPECT_EQ(read.Block(1).HoldSamples, 1920);
    EXPECT_EQ(read.SystemInfo.SystemName, "NoName" + std::string(34, ' '));
    EXPECT_EQ(read.OutputNames[4], "SUB1  ");
}

TEST(ImageRoundTrip, EditedConfigurationsComeBackExactly) {
    EditedConfiguration edit(203);
    for (int run = 0; run < 200; ++run) {
        Configuration written = edit.Make();
        EngineObjects objects;
        DesignAll(written, objects); // designs may set a band's gain or a crossover's frequency
        const CoefficientImage image = BuildCoefficientImage(written, objects);

        Configuration read;
        NewConfiguration(read);
        ASSERT_EQ(DecodeCoefficientImage(image, read), ImageDecodeResult::Decoded);
        ExpectSameSettings(written, read);

        // What was read back writes the same settings again.
        EngineObjects again;
        DesignAll(read, again);
        const CoefficientImage rewritten = BuildCoefficientImage(read, again);
        EXPECT_TRUE(
            std::equal(image.begin() + 1648, image.begin() + 2038, rewritten.begin() + 1648));
        if (HasFailure()) {
            FAIL() << "run " << run;
        }
    }
}

} // namespace
} // namespace quorvex
