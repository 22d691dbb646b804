#include "config/configuration.h"
#include "config/dynamics_times.h"
#include "config/level_setting.h"
#include "config/new_configuration.h"
#include "image/settings_block.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace quorvex {
namespace {

using ByteList = std::vector<std::uint8_t>;

ByteList Slice(const SettingsBlockBytes& block, int offset, int count) {
    const auto begin = block.begin() + offset;
    return {begin, begin + count};
}

Configuration FreshConfiguration() {
    Configuration config;
    NewConfiguration(config);
    return config;
}

// Default bands: type 0, 1000 Hz (03 E8), 0 dB (word 123 = 00 7B), Q 0.707 (byte 193 = C1).
const ByteList DefaultBand{0x00, 0x03, 0xE8, 0x00, 0x7B, 0xC1};
// Outputs 1..4: low pass bypassed at 5000 Hz, high pass bypassed at 100 Hz, order 2.
const ByteList DefaultMainCrossover{0x00, 0x13, 0x88, 0x02, 0x00, 0x00, 0x00, 0x64, 0x02, 0x00};
// Subs: low pass Butterworth (1) at 480 Hz, high pass bypassed at 20 Hz.
const ByteList DefaultSubCrossover{0x01, 0x01, 0xE0, 0x02, 0x00, 0x00, 0x00, 0x14, 0x02, 0x00};
// Threshold (6 - 2.6) x 2 = 6.8 -> 7; ratio 10 - 2 = 8; knee 20 - 8 = 12; limiter; not
// bypassed; attack 120 dB/s; no look-ahead; hold 40 ms; release 51 x 0.137 = 6.987 -> 7.
const ByteList DefaultPairDynamics{0x07, 0x08, 0x0C, 0x00, 0x00, 0x78, 0x00, 0x28, 0x07};
// The subs' threshold: (5 - 5.6) x 2 = -1.2 -> -1, a signed byte.
const ByteList DefaultSubDynamics{0xFF, 0x08, 0x0C, 0x00, 0x00, 0x78, 0x00, 0x28, 0x07};
// 8 ohms (800 = 03 20), 400 W (01 90), 600 W (02 58), gain 41 (29), balanced.
const ByteList DefaultSpeaker{0x03, 0x20, 0x01, 0x90, 0x02, 0x58, 0x29, 0x01};

TEST(SettingsBlock, DefaultConfigurationFirstHalf) {
    const SettingsBlockBytes block = BuildSettingsBlock(FreshConfiguration());
    for (int band = 0; band < 17; ++band) {
        EXPECT_EQ(Slice(block, 6 * band, 6), DefaultBand) << "band record " << band;
    }
    EXPECT_EQ(Slice(block, 102, 10), DefaultMainCrossover); // Out1
    EXPECT_EQ(Slice(block, 112, 10), DefaultMainCrossover); // Out2
    EXPECT_EQ(Slice(block, 122, 10), DefaultMainCrossover); // Out3
    for (int level = 0; level < 3; ++level) {
        EXPECT_EQ(Slice(block, 132 + 4 * level, 4), (ByteList{0x00, 0x3D, 0x00, 0x00}));
    }
    EXPECT_EQ(Slice(block, 144, 4), (ByteList{0, 0, 0, 25})); // delays, temperature
    EXPECT_EQ(Slice(block, 148, 9), DefaultPairDynamics);
    EXPECT_EQ(Slice(block, 157, 9), DefaultSubDynamics);
    EXPECT_EQ(Slice(block, 166, 8), DefaultSpeaker);
    EXPECT_EQ(Slice(block, 174, 8), DefaultSpeaker);
    EXPECT_EQ(Slice(block, 182, 4), (ByteList{10, 0, 0, 10})); // sub feed 1, 0, 0, 1
    EXPECT_EQ(Slice(block, 186, 3), (ByteList{0, 2, 1}));      // A, B, A+B
    EXPECT_EQ(Slice(block, 189, 3), (ByteList{0, 0, 0}));
}

TEST(SettingsBlock, DefaultConfigurationSecondHalfAndGates) {
    const SettingsBlockBytes block = BuildSettingsBlock(FreshConfiguration());
    for (int band = 0; band < 17; ++band) {
        EXPECT_EQ(Slice(block, 192 + 6 * band, 6), DefaultBand) << "band record " << band;
    }
    EXPECT_EQ(Slice(block, 294, 10), DefaultMainCrossover); // Out4
    EXPECT_EQ(Slice(block, 304, 10), DefaultSubCrossover);  // SUB1
    EXPECT_EQ(Slice(block, 314, 10), DefaultSubCrossover);  // SUB2
    EXPECT_EQ(Slice(block, 336, 4), (ByteList{0, 0, 0, 25}));
    EXPECT_EQ(Slice(block, 340, 9), DefaultPairDynamics);
    EXPECT_EQ(Slice(block, 349, 9), DefaultSubDynamics);
    EXPECT_EQ(Slice(block, 374, 4), (ByteList{10, 0, 0, 10}));
    EXPECT_EQ(Slice(block, 378, 3), (ByteList{0, 2, 1}));
    EXPECT_EQ(Slice(block, 384, 6), (ByteList{13, 13, 1, 4, 4, 4}));
}

TEST(SettingsBlock, BandTypesAndValuesAtTheirOffsets) {
    Configuration config = FreshConfiguration();
    config.Output(1).Band(1) = PeqBand{16, 12.0, 20000.0, 20.0};
    config.Output(1).Band(2) = PeqBand{15, -15.0, 10.0, 0.5};
    config.Output(2).Band(7) = PeqBand{11, -3.5, 63.0, 1.4};
    config.Output(6).Band(3) = PeqBand{14, 6.0, 55.0, 1.5};
    const SettingsBlockBytes block = BuildSettingsBlock(config);
    // 12 dB -> (-12 - 15) / 0.1 + 273 = 3; Q 20 -> 0.
    EXPECT_EQ(Slice(block, 0, 6), (ByteList{15, 0x4E, 0x20, 0x00, 0x03, 0}));
    // -15 dB -> 273 = 01 11; Q 0.5 -> 195.
    EXPECT_EQ(Slice(block, 6, 6), (ByteList{14, 0x00, 0x0A, 0x01, 0x11, 195}));
    // Out2 band 7 is record 13: -3.5 dB -> 158; Q 1.4 -> 186.
    EXPECT_EQ(Slice(block, 78, 6), (ByteList{11, 0x00, 63, 0x00, 158, 186}));
    // SUB2 band 3 is record 16 of the second half; the unused code 14 is kept as 14.
    EXPECT_EQ(Slice(block, 192 + 96, 6), (ByteList{14, 0x00, 55, 0x00, 63, 185}));
}

TEST(SettingsBlock, LevelsDelaysRoutesAndDistances) {
    Configuration config = FreshConfiguration();
    config.Output(4).Level.GainDb = -6.0;
    config.Output(4).Level.Muted = true;
    config.Output(4).Level.PolarityInverted = true;
    config.Output(5).Level.GainDb = 6.0;
    config.Output(2).Delay.DelaySamples = 10;
    config.Output(6).Delay.DelaySamples = 234;
    config.Output(3).Delay.RelativeDistanceSamples = 139;
    config.Output(5).Delay.RelativeDistanceSamples = 24;
    config.Route = {2, 1, 0, 1, 0, 2};
    config.TemperatureC = 50;
    const SettingsBlockBytes block = BuildSettingsBlock(config);
    EXPECT_EQ(Slice(block, 140, 4), (ByteList{0x00, 0x01, 0x00, 0x00})); // SUB1: +6 dB = 1
    EXPECT_EQ(Slice(block, 192 + 136, 4), (ByteList{0x00, 121, 1, 1}));  // Out4
    EXPECT_EQ(Slice(block, 144, 4), (ByteList{0, 10, 0, 50}));
    EXPECT_EQ(Slice(block, 192 + 144, 4), (ByteList{0, 0, 234, 50}));
    EXPECT_EQ(Slice(block, 186, 3), (ByteList{2, 1, 0}));
    EXPECT_EQ(Slice(block, 192 + 186, 3), (ByteList{0, 1, 2}));
    EXPECT_EQ(Slice(block, 189, 3), (ByteList{0, 0, 139}));
    EXPECT_EQ(Slice(block, 192 + 189, 3), (ByteList{0, 24, 0}));
}

TEST(SettingsBlock, DynamicsTimesAndCrossoverFlags) {
    Configuration config = FreshConfiguration();
    DynamicsSetting& block2 = config.Block(2);
    block2.ThresholdDb = -53.1F; // slider position 101
    block2.Ratio = 4.0F;
    block2.KneeDb = -0.5F;
    block2.CompressorMode = 1;
    block2.Bypass = 1;
    block2.RmsCoefficient = RmsCoefficientFromAttack(250.0, 48000);
    block2.LookAheadSamples = 96; // 2 ms
    block2.HoldSamples = 1920;    // 40 ms
    block2.DecaySteps = 584;      // 80 dB/s
    block2.NoiseGatePosition = 16.0F;
    block2.NoiseGateSlope = 10.0F;
    block2.LoadImpedance = 2.67F;
    config.Output(5).Crossover.SoloHighPass = true;
    config.Output(5).Crossover.HighPass = CrossoverSection{40.0, 4, 6};
    config.Output(5).Crossover.LowPass = CrossoverSection{120.0, 4, 3};
    const SettingsBlockBytes block = BuildSettingsBlock(config);
    // Hold is stored less the look-ahead: (1920 - 96) / 48 = 38 ms.
    EXPECT_EQ(Slice(block, 340, 9), (ByteList{101, 6, 21, 1, 1, 250, 2, 38, 80}));
    EXPECT_EQ(Slice(block, 358, 2), (ByteList{0x01, 0x0B})); // 267
    EXPECT_EQ(Slice(block, 304, 10), (ByteList{3, 0, 120, 4, 1, 6, 0, 40, 4, 0}));
    EXPECT_EQ(block[385], 16);
    EXPECT_EQ(block[388], 10);
}

TEST(SettingsBlock, SignedFieldsKeepTheirSign) {
    Configuration config = FreshConfiguration();
    config.Block(1).LookAheadSamples = 96;
    config.Block(1).HoldSamples = 0; // 0 - 2 ms
    const SettingsBlockBytes block = BuildSettingsBlock(config);
    EXPECT_EQ(block[148 + 7], 0xFE);
}

TEST(SettingsBlock, ValuesBeyondAFieldAreLimitedNotWrapped) {
    Configuration config = FreshConfiguration();
    config.Block(1).ThresholdDb = -100.0F; // 194.8 would wrap to a signed -61
    config.Output(1).Band(1).Gain = 40.0;  // the gain word would go negative
    config.Output(1).Delay.DelaySamples = 300;
    config.Block(1).SpeakerMaxPower = 100000.0F;
    const SettingsBlockBytes block = BuildSettingsBlock(config);
    EXPECT_EQ(block[148], 0x7F);
    EXPECT_EQ(Slice(block, 3, 2), (ByteList{0x00, 0x00}));
    EXPECT_EQ(block[144], 234);
    EXPECT_EQ(Slice(block, 168, 2), (ByteList{0xFF, 0xFF}));
}

} // namespace
} // namespace quorvex
