#include "config/configuration.h"
#include "config/new_configuration.h"
#include "image/image_decoder.h"
#include "image/settings_block.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace quorvex {
namespace {

// Every value a decoded configuration may hold, whatever the bytes were.
void ExpectInsideValidRanges(const Configuration& config) {
    for (int output = 1; output <= 6; ++output) {
        const OutputChannel& channel = config.Output(output);
        for (const PeqBand& band : channel.Bands()) {
            EXPECT_TRUE(band.FilterType <= 13 || band.FilterType == 15 || band.FilterType == 16);
            EXPECT_TRUE(band.Frequency >= 10.0 && band.Frequency <= 20000.0);
            EXPECT_TRUE(band.Gain >= -15.0 && band.Gain <= 12.0);
            EXPECT_TRUE(band.Q >= 0.5 && band.Q <= 20.0);
        }
        for (const CrossoverSection* section :
             {&channel.Crossover.HighPass, &channel.Crossover.LowPass}) {
            EXPECT_LE(section->Family, 8);
            EXPECT_TRUE(section->Order >= 2 && section->Order <= 4);
            EXPECT_TRUE(section->Frequency >= 20.0 && section->Frequency <= 20000.0);
        }
        const LevelSetting& level = channel.Level;
        EXPECT_TRUE(level.GainDb >= -30.0 - 1e-9 && level.GainDb <= 6.1 + 1e-9);
        EXPECT_TRUE(std::isfinite(level.GainFactor));
        EXPECT_EQ(level.PolaritySign, level.PolarityInverted ? -1.0F : 1.0F);
        EXPECT_EQ(level.MuteFactor, level.Muted ? 0.0 : 1.0);
        EXPECT_TRUE(channel.Delay.DelaySamples >= 0 && channel.Delay.DelaySamples <= 234);
        EXPECT_TRUE(channel.Delay.RelativeDistanceSamples >= 0 &&
                    channel.Delay.RelativeDistanceSamples <= 234);
        const auto index = static_cast<std::size_t>(output - 1);
        EXPECT_TRUE(config.Route[index] >= 0 && config.Route[index] <= 2);
        EXPECT_EQ(config.RouteGainA[index] + config.RouteGainB[index], 1.0);
    }
    EXPECT_TRUE(config.TemperatureC >= 0 && config.TemperatureC <= 50);
    for (int block = 1; block <= 3; ++block) {
        const DynamicsSetting& d = config.Block(block);
        EXPECT_LT(d.ThresholdDb, -2.0F);
        EXPECT_TRUE(d.Ratio >= 1.0F && d.Ratio <= 10.0F);
        EXPECT_TRUE(d.KneeDb >= -0.5F && d.KneeDb <= 10.0F);
        EXPECT_LE(d.CompressorMode, 1);
        EXPECT_LE(d.Bypass, 1);
        EXPECT_TRUE(d.RmsCoefficient > 0.0L && d.RmsCoefficient < 0.0013L);
        EXPECT_TRUE(d.LookAheadSamples >= 0 && d.LookAheadSamples <= 96);
        EXPECT_TRUE(d.HoldSamples >= 0 && d.HoldSamples <= 3840);
        EXPECT_TRUE(d.DecaySteps >= 7 && d.DecaySteps <= 584);
        EXPECT_TRUE(d.NoiseGatePosition >= 1.0F && d.NoiseGatePosition <= 33.0F);
        EXPECT_TRUE(d.NoiseGateSlope >= 1.0F && d.NoiseGateSlope <= 10.0F);
        EXPECT_TRUE(d.LoadImpedance >= 2.0F && d.LoadImpedance <= 16.0F);
        EXPECT_TRUE(d.SpeakerMaxPower >= 5.0F && d.SpeakerMaxPower <= 4000.0F);
        EXPECT_TRUE(d.AmpMaxPower >= 50.0F && d.AmpMaxPower <= 4000.0F);
        EXPECT_TRUE(d.AmpGain >= 5.0F && d.AmpGain <= 200.0F);
        EXPECT_LE(d.Balanced, 1);
    }
    for (const SubFeedCoefficients& feed : config.SubFeed) {
        for (double value : {feed.P, feed.Q, feed.R, feed.S}) {
            EXPECT_TRUE(value == 0.0 || value == 1.0);
        }
    }
}

std::vector<std::uint8_t> DefaultImageBytes() {
    Configuration config;
    NewConfiguration(config);
    std::vector<std::uint8_t> image(2046, 0x20);
    image[2] = 203;
    const SettingsBlockBytes settings = BuildSettingsBlock(config);
    std::copy(settings.begin(), settings.end(), image.begin() + 1648);
    return image;
}

TEST(ImageDecoderFuzz, RandomBytesOfAnyLengthDecodeInsideTheRanges) {
    std::mt19937 random(1648);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 2600);
    for (int run = 0; run < 2000; ++run) {
        std::vector<std::uint8_t> bytes(run % 4 == 0 ? length(random) : 2046);
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        Configuration config;
        NewConfiguration(config);
        const ImageDecodeResult result = DecodeCoefficientImage(bytes, config);
        EXPECT_EQ(result == ImageDecodeResult::Decoded, bytes.size() >= 2038) << bytes.size();
        ExpectInsideValidRanges(config);
        if (HasFailure()) {
            FAIL() << "run " << run;
        }
    }
}

TEST(ImageDecoderFuzz, MutatedImagesDecodeInsideTheRanges) {
    const std::vector<std::uint8_t> original = DefaultImageBytes();
    std::mt19937 random(2045);
    std::uniform_int_distribution<std::size_t> offset(0, original.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> mutations(1, 40);
    for (int run = 0; run < 3000; ++run) {
        std::vector<std::uint8_t> bytes = original;
        for (int m = mutations(random); m > 0; --m) {
            bytes[offset(random)] = static_cast<std::uint8_t>(byte(random));
        }
        Configuration config;
        NewConfiguration(config);
        ASSERT_EQ(DecodeCoefficientImage(bytes, config), ImageDecodeResult::Decoded);
        ExpectInsideValidRanges(config);
        if (HasFailure()) {
            FAIL() << "run " << run;
        }
    }
}

} // namespace
} // namespace quorvex
