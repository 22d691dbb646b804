#include "config/configuration.h"
#include "config/field_ranges.h"
#include "config/new_configuration.h"
#include "image/coefficient_image.h"
#include "image/image_decoder.h"
#include "image/settings_block.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace quorvex {
namespace {

Configuration FreshConfiguration() {
    Configuration config;
    NewConfiguration(config);
    return config;
}

// An image read back from a memory, put together byte by byte: version, names, the settings
// block of `config`, and the delay word of every output. Everything else is zero.
std::vector<std::uint8_t> ReadBackImage(const Configuration& config, std::uint8_t version = 203) {
    std::vector<std::uint8_t> image(2046, 0);
    image[0] = 0x07;
    image[1] = 0xFC;
    image[2] = version;
    const std::string name = "Main Hall";
    std::copy(name.begin(), name.end(), image.begin() + 12);
    const SettingsBlockBytes settings = BuildSettingsBlock(config);
    std::copy(settings.begin(), settings.end(), image.begin() + 1648);
    for (int output = 1; output <= 6; ++output) {
        const int dspBase = output == 1 || output == 2 || output == 5 ? 100 : 874;
        const int word = output == 5 || output == 6 ? 143 : 141 + (output - 1) % 2;
        image[static_cast<std::size_t>(dspBase + 3 * word + 2)] =
            static_cast<std::uint8_t>(config.Output(output).Delay.DelaySamples + 1);
    }
    return image;
}

void Put(std::vector<std::uint8_t>& image, int settingsOffset, std::uint8_t byte) {
    image[static_cast<std::size_t>(1648 + settingsOffset)] = byte;
}

TEST(ImageDecoder, RefusesAShortImageAndChangesNothing) {
    const std::vector<std::uint8_t> full = ReadBackImage(FreshConfiguration());
    for (std::size_t length :
         {std::size_t{0}, std::size_t{1}, std::size_t{100}, std::size_t{2037}}) {
        Configuration config = FreshConfiguration();
        config.SystemInfo.SystemName = "Kept";
        config.Output(3).Delay.DelaySamples = 17;
        const std::span<const std::uint8_t> bytes(full.data(), length);
        EXPECT_EQ(DecodeCoefficientImage(bytes, config), ImageDecodeResult::TooShort) << length;
        EXPECT_EQ(config.SystemInfo.SystemName, "Kept");
        EXPECT_EQ(config.Output(3).Delay.DelaySamples, 17);
    }
    Configuration config = FreshConfiguration();
    const std::span<const std::uint8_t> throughSettings(full.data(), 2038);
    EXPECT_EQ(DecodeCoefficientImage(throughSettings, config), ImageDecodeResult::Decoded);
}

TEST(ImageDecoder, NamesKeepTheirFieldsBlanksIncluded) {
    std::vector<std::uint8_t> image = ReadBackImage(FreshConfiguration());
    std::fill(image.begin() + 21, image.begin() + 100, 0x20);
    const std::string out3 = "Fill 3";
    std::copy(out3.begin(), out3.end(), image.begin() + 76);
    Configuration config = FreshConfiguration();
    ASSERT_EQ(DecodeCoefficientImage(image, config), ImageDecodeResult::Decoded);
    EXPECT_EQ(config.SystemInfo.SystemName, "Main Hall" + std::string(31, ' '));
    EXPECT_EQ(config.OutputNames[2], "Fill 3");
    EXPECT_EQ(config.InputNames[0], std::string(6, ' '));
}

TEST(ImageDecoder, ThresholdAndHoldBytesAreSigned) {
    Configuration config = FreshConfiguration();
    ASSERT_EQ(DecodeCoefficientImage(ReadBackImage(FreshConfiguration()), config),
              ImageDecodeResult::Decoded);
    // The subs' -5 dBFS is stored as -1: it reads back as 0.5 - 5.6, not -(255/2) - 5.6.
    EXPECT_NEAR(config.Block(3).ThresholdDb, -5.1, 1e-5);
    // Block 1's -6 dBFS is stored as 7: -3.5 - 2.6.
    EXPECT_NEAR(config.Block(1).ThresholdDb, -6.1, 1e-5);

    std::vector<std::uint8_t> image = ReadBackImage(FreshConfiguration());
    Put(image, 148 + 6, 2);    // look-ahead 2 ms
    Put(image, 148 + 7, 0xFE); // hold less look-ahead: -2 ms
    ASSERT_EQ(DecodeCoefficientImage(image, config), ImageDecodeResult::Decoded);
    EXPECT_EQ(config.Block(1).LookAheadSamples, 96);
    EXPECT_EQ(config.Block(1).HoldSamples, 0);
}

TEST(ImageDecoder, HoldGetsTheLookAheadBack) {
    std::vector<std::uint8_t> image = ReadBackImage(FreshConfiguration());
    Put(image, 192 + 148 + 6, 2);  // block 2: look-ahead 2 ms
    Put(image, 192 + 148 + 7, 38); // hold stored as 40 ms - 2 ms
    Configuration config = FreshConfiguration();
    ASSERT_EQ(DecodeCoefficientImage(image, config), ImageDecodeResult::Decoded);
    EXPECT_EQ(config.Block(2).LookAheadSamples, 96);
    EXPECT_EQ(config.Block(2).HoldSamples, 1920);
}

TEST(ImageDecoder, StoredBandTypesMapBackAndUnknownCodesBypass) {
    std::vector<std::uint8_t> image = ReadBackImage(FreshConfiguration());
    Put(image, 0, 14);
    Put(image, 6, 15);
    Put(image, 12, 13);
    Put(image, 18, 11);
    Put(image, 24, 16);
    Put(image, 30, 200);
    Configuration config = FreshConfiguration();
    ASSERT_EQ(DecodeCoefficientImage(image, config), ImageDecodeResult::Decoded);
    EXPECT_EQ(config.Output(1).Band(1).FilterType, 15);
    EXPECT_EQ(config.Output(1).Band(2).FilterType, 16);
    EXPECT_EQ(config.Output(1).Band(3).FilterType, 13);
    EXPECT_EQ(config.Output(1).Band(4).FilterType, 11);
    EXPECT_EQ(config.Output(1).Band(5).FilterType, 0);
    EXPECT_EQ(config.Output(1).Band(6).FilterType, 0);
}

TEST(ImageDecoder, OlderImagesHaveNoGateBytes) {
    Configuration stored = FreshConfiguration();
    stored.Block(1).NoiseGatePosition = 16.0F;
    stored.Block(2).NoiseGateSlope = 7.0F;
    stored.Block(3).NoiseGatePosition = 1.0F;

    Configuration config = FreshConfiguration();
    ASSERT_EQ(DecodeCoefficientImage(ReadBackImage(stored, 202), config),
              ImageDecodeResult::Decoded);
    for (int block = 1; block <= 3; ++block) {
        EXPECT_EQ(config.Block(block).NoiseGatePosition, 13.0F) << block;
        EXPECT_EQ(config.Block(block).NoiseGateSlope, 4.0F) << block;
    }

    ASSERT_EQ(DecodeCoefficientImage(ReadBackImage(stored, 203), config),
              ImageDecodeResult::Decoded);
    EXPECT_EQ(config.Block(1).NoiseGatePosition, 16.0F);
    EXPECT_EQ(config.Block(2).NoiseGateSlope, 7.0F);
    EXPECT_EQ(config.Block(3).NoiseGatePosition, 1.0F);
}

TEST(ImageDecoder, DelaysComeFromTheDelayWords) {
    Configuration stored = FreshConfiguration();
    stored.Output(4).Delay.DelaySamples = 10;
    stored.Output(5).Delay.DelaySamples = 234;
    std::vector<std::uint8_t> image = ReadBackImage(stored);
    // The settings block's delay bytes disagree; the DSP words win.
    Put(image, 192 + 145, 99);
    // SUB2 (DSP 2, word 143) holds 256 + 5: limited to the longest delay.
    image[874 + 3 * 143 + 1] = 0x01;
    image[874 + 3 * 143 + 2] = 0x05;
    Configuration config = FreshConfiguration();
    ASSERT_EQ(DecodeCoefficientImage(image, config), ImageDecodeResult::Decoded);
    EXPECT_EQ(config.Output(4).Delay.DelaySamples, 10);
    EXPECT_EQ(config.Output(5).Delay.DelaySamples, 234);
    EXPECT_EQ(config.Output(1).Delay.DelaySamples, 0);
    EXPECT_EQ(config.Output(6).Delay.DelaySamples, 234);
}

TEST(ImageDecoder, LevelsAndRoutesRestoreTheirDerivedValues) {
    std::vector<std::uint8_t> image = ReadBackImage(FreshConfiguration());
    Put(image, 192 + 136 + 1, 121); // Out4 at -6 dB, muted, inverted
    Put(image, 192 + 136 + 2, 1);
    Put(image, 192 + 136 + 3, 1);
    Put(image, 186, 1); // Out1 from A+B
    Put(image, 187, 9); // Out2: no such route, the nearest is B
    Configuration config = FreshConfiguration();
    ASSERT_EQ(DecodeCoefficientImage(image, config), ImageDecodeResult::Decoded);
    const LevelSetting& level = config.Output(4).Level;
    EXPECT_NEAR(level.GainDb, -6.0, 1e-9);
    EXPECT_TRUE(level.Muted);
    EXPECT_EQ(level.MuteFactor, 0.0);
    EXPECT_TRUE(level.PolarityInverted);
    EXPECT_EQ(level.PolaritySign, -1.0F);
    EXPECT_NEAR(level.GainFactor, -0.501187, 1e-6);
    EXPECT_EQ(config.Route[0], 1);
    EXPECT_EQ(config.RouteGainA[0], 0.5);
    EXPECT_EQ(config.RouteGainB[0], 0.5);
    EXPECT_EQ(config.Route[1], 2);
    EXPECT_EQ(config.RouteGainA[1], 0.0);
    EXPECT_EQ(config.RouteGainB[1], 1.0);
}

template <typename Number> bool Inside(Number value, FieldRange<Number> range) {
    return value >= range.Lowest && value <= range.Highest;
}

// The numbers an editor shows, whatever a damaged memory holds: every byte of the settings
// block set to one value, for values that reach both ends of the words and bytes.
TEST(ImageDecoder, EveryEditedNumberReadsInsideItsEditorsRange) {
    for (const std::uint8_t fill : {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF}) {
        std::vector<std::uint8_t> image = ReadBackImage(FreshConfiguration());
        std::fill(image.begin() + 1648, image.begin() + 2038, fill);
        Configuration config = FreshConfiguration();
        ASSERT_EQ(DecodeCoefficientImage(image, config), ImageDecodeResult::Decoded);
        for (int output = 1; output <= 6; ++output) {
            const OutputChannel& channel = config.Output(output);
            EXPECT_TRUE(Inside(channel.Delay.DelaySamples, field_range::DelaySamples))
                << int(fill) << " out " << output;
            EXPECT_TRUE(Inside(channel.Delay.RelativeDistanceSamples,
                               field_range::RelativeDistanceSamples));
            for (const CrossoverSection* section :
                 {&channel.Crossover.HighPass, &channel.Crossover.LowPass}) {
                EXPECT_TRUE(Inside(section->Frequency, field_range::CrossoverFrequency));
                EXPECT_TRUE(Inside(section->Order, field_range::CrossoverOrder));
            }
            for (const PeqBand& band : channel.Bands()) {
                EXPECT_TRUE(Inside(band.Gain, field_range::BandGainDb));
                EXPECT_TRUE(Inside(band.Frequency, field_range::BandFrequency));
                EXPECT_TRUE(Inside(band.Q, field_range::BandQ));
            }
        }
        EXPECT_TRUE(Inside(config.TemperatureC, field_range::TemperatureC));
        for (int block = 1; block <= 3; ++block) {
            const DynamicsSetting& d = config.Block(block);
            EXPECT_TRUE(Inside(d.ThresholdDb, field_range::ThresholdDb(block))) << int(fill);
            EXPECT_TRUE(Inside(d.Ratio, field_range::Ratio));
            EXPECT_TRUE(Inside(d.KneeDb, field_range::KneeDb));
            EXPECT_TRUE(Inside(d.HoldSamples, field_range::HoldSamples));
            EXPECT_TRUE(Inside(d.LookAheadSamples, field_range::LookAheadSamples));
            EXPECT_TRUE(Inside(d.DecaySteps, field_range::DecaySteps));
            EXPECT_TRUE(Inside(d.NoiseGatePosition, field_range::NoiseGatePosition));
            EXPECT_TRUE(Inside(d.NoiseGateSlope, field_range::NoiseGateSlope));
            EXPECT_TRUE(Inside(d.LoadImpedance, field_range::LoadImpedance));
            EXPECT_TRUE(Inside(d.SpeakerMaxPower, field_range::SpeakerMaxPower));
            EXPECT_TRUE(Inside(d.AmpGain, field_range::AmpGain));
            EXPECT_TRUE(Inside(d.AmpMaxPower, field_range::AmpMaxPower));
        }
    }
}

TEST(ImageDecoder, AllOnesSettingsReadAsTheFieldLimits) {
    std::vector<std::uint8_t> image = ReadBackImage(FreshConfiguration());
    std::fill(image.begin() + 1648, image.begin() + 2038, 0xFF);
    Configuration config = FreshConfiguration();
    ASSERT_EQ(DecodeCoefficientImage(image, config), ImageDecodeResult::Decoded);
    const PeqBand& band = config.Output(6).Band(3);
    EXPECT_EQ(band.FilterType, 0);
    EXPECT_EQ(band.Frequency, 20000.0);
    EXPECT_EQ(band.Gain, -15.0);
    EXPECT_EQ(band.Q, 0.5);
    const CrossoverSetting& crossover = config.Output(2).Crossover;
    EXPECT_EQ(crossover.LowPass.Family, 0);
    EXPECT_EQ(crossover.LowPass.Order, 4);
    EXPECT_EQ(crossover.HighPass.Frequency, 20000.0);
    EXPECT_TRUE(crossover.SoloHighPass);
    EXPECT_NEAR(config.Output(1).Level.GainDb, -30.0, 1e-9);
    EXPECT_EQ(config.TemperatureC, 50);
    const DynamicsSetting& dynamics = config.Block(1);
    EXPECT_NEAR(dynamics.ThresholdDb, -2.1, 1e-5); // signed -1
    EXPECT_EQ(dynamics.Ratio, 1.0F);
    EXPECT_EQ(dynamics.KneeDb, -0.5F);
    EXPECT_EQ(dynamics.CompressorMode, 1);
    EXPECT_EQ(dynamics.Bypass, 1);
    EXPECT_EQ(dynamics.LookAheadSamples, 96);
    EXPECT_EQ(dynamics.HoldSamples, 48 * -1 + 96); // signed -1 ms plus the look-ahead
    EXPECT_EQ(dynamics.DecaySteps, 584);           // 80 dB/s
    EXPECT_EQ(dynamics.LoadImpedance, 16.0F);
    EXPECT_EQ(dynamics.SpeakerMaxPower, 4000.0F);
    EXPECT_EQ(dynamics.AmpGain, 200.0F);
    EXPECT_EQ(dynamics.NoiseGatePosition, 33.0F);
    EXPECT_EQ(dynamics.NoiseGateSlope, 10.0F);
    EXPECT_EQ(config.SubFeed[1].Q, 1.0);
    EXPECT_EQ(config.Route[5], 2);
    EXPECT_EQ(config.Output(6).Delay.RelativeDistanceSamples, 234);
}

} // namespace
} // namespace quorvex
