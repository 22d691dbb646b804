#include "config/qvx_decoder.h"
#include "config/qvx_encoder.h"

#include "qvx_sample_configuration.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace quorvex {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutInt32(QvxRecord& record, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        record[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

/// Two configurations hold the same stored state when they encode to the same record.
bool SameStoredState(const Configuration& a, const Configuration& b) {
    return EncodeConfigurationRecord(a, "") == EncodeConfigurationRecord(b, "");
}

class SavedSample : public ::testing::Test {
protected:
    Configuration saved = test::SampleConfiguration();
    Configuration loaded = test::ResetConfiguration();
    QvxRecord Record() const { return EncodeConfigurationRecord(saved, "C:\\tour.QVX"); }
};

TEST_F(SavedSample, ComesBackWhole) {
    // Every value of the sample survives the file exactly, so saving what was loaded gives
    // the same bytes; the encoder's offsets are checked byte by byte on their own.
    const QvxRecord record = Record();
    ASSERT_EQ(LoadConfigurationRecord(record, loaded), QvxRecordKind::Current);
    EXPECT_EQ(EncodeConfigurationRecord(loaded, "C:\\tour.QVX"), record);

    EXPECT_EQ(loaded.SystemInfo.Comments, "left hang\r\nright hang");
    EXPECT_EQ(loaded.OutputNames, saved.OutputNames);
    EXPECT_EQ(loaded.Output(6).SpeakerFile, saved.Output(6).SpeakerFile);
    EXPECT_EQ(loaded.Route, (std::array<std::int32_t, 6>{2, 0, 1, 1, 0, 2}));
    EXPECT_EQ(loaded.RouteGainA, (std::array<double, 6>{0, 1, 0.5, 0.5, 1, 0}));
    EXPECT_EQ(loaded.RouteGainB, (std::array<double, 6>{1, 0, 0.5, 0.5, 0, 1}));
    EXPECT_EQ(loaded.Output(2).Level.PolaritySign, -1.0F);
    EXPECT_EQ(loaded.Output(3).Level.MuteFactor, 0.0);
    EXPECT_EQ(loaded.Block(3).NoiseGatePosition, 23.0F);
    EXPECT_EQ(loaded.ImportReferenceLevel, 85.5F);
}

TEST_F(SavedSample, LosesOnlyWhatTheFileQuantises) {
    saved.Output(1).Crossover.HighPass.Frequency = 123.456;
    saved.Output(6).Crossover.LowPass.Frequency = 12345.6;
    saved.Block(1).RmsCoefficient = 0.001L;
    saved.SubFeed[0].P = 0.46; // stored as 5: half-way, so no feed
    saved.SubFeed[0].Q = 0.56; // stored as 6
    saved.Block(2).NoiseGatePosition = 20.4F;
    saved.Block(2).NoiseGateSlope = 2.5F;
    LoadConfigurationRecord(Record(), loaded);
    // Singles keep about seven digits: 0.001 comes back as 0x3A83126F = 0.00100000004749745...
    EXPECT_NEAR(loaded.Output(1).Crossover.HighPass.Frequency, 123.456, 1e-5);
    EXPECT_NE(loaded.Output(1).Crossover.HighPass.Frequency, 123.456);
    EXPECT_DOUBLE_EQ(loaded.Output(6).Crossover.LowPass.Frequency, 12345.599609375);
    EXPECT_DOUBLE_EQ(static_cast<double>(loaded.Block(1).RmsCoefficient),
                     0.001000000047497451305389404296875);
    EXPECT_EQ(loaded.SubFeed[0].P, 0.0);
    EXPECT_EQ(loaded.SubFeed[0].Q, 1.0);
    EXPECT_EQ(loaded.Block(2).NoiseGatePosition, 20.0F);
    EXPECT_EQ(loaded.Block(2).NoiseGateSlope, 2.0F);
}

TEST_F(SavedSample, KeepsTheProgramsSampleRateAndBandsInUse) {
    saved.SampleRate = 44100;
    saved.Output(1).BandsInUse = 6;
    LoadConfigurationRecord(Record(), loaded);
    EXPECT_EQ(loaded.SampleRate, 48000);
    EXPECT_EQ(loaded.Output(1).BandsInUse, 2);
}

TEST_F(SavedSample, BringsTheTemperatureIntoItsFieldsRange) {
    for (const auto& [stored, expected] :
         std::vector<std::pair<std::int32_t, std::int32_t>>{{80, 50}, {-5, 0}, {50, 50}, {0, 0}}) {
        QvxRecord record = Record();
        PutInt32(record, 424, stored);
        Configuration config = test::ResetConfiguration();
        LoadConfigurationRecord(record, config);
        EXPECT_EQ(config.TemperatureC, expected) << stored;
    }
}

TEST_F(SavedSample, ReportsTheSevenReadingStepsInOrder) {
    std::vector<std::pair<int, std::string>> seen;
    LoadConfigurationRecord(Record(), loaded, [&](int percent, std::string_view text) {
        seen.emplace_back(percent, text);
    });
    const std::vector<std::pair<int, std::string>> expected{{0, "Reading VERSION and HEADER..."},
                                                            {5, "Reading PEQs..."},
                                                            {10, "Reading Gains, and Polarity..."},
                                                            {15, "Reading CrossOvers..."},
                                                            {20, "Reading Dinamics..."},
                                                            {25, "Reading Sub Route..."},
                                                            {28, "Reading Import File Route..."}};
    EXPECT_EQ(seen, expected);
}

TEST(QvxRoutes, CodeZeroIsStoredAsMinusOneUntilCycled) {
    Configuration saved = test::ResetConfiguration();
    QvxRecord record = EncodeConfigurationRecord(saved, "");
    PutInt32(record, 1916, 0);
    PutInt32(record, 1940, 7); // a factor that disagrees with the code
    PutInt32(record, 1964, 3);
    Configuration config = test::ResetConfiguration();
    ReadSubRoute(record, config);
    EXPECT_EQ(config.Route[0], -1);
    EXPECT_DOUBLE_EQ(config.RouteGainA[0], 0.7);
    EXPECT_DOUBLE_EQ(config.RouteGainB[0], 0.3);
    CycleRoute(config, 1);
    EXPECT_EQ(config.Route[0], 0);
    EXPECT_EQ(config.RouteGainA[0], 1.0);
    EXPECT_EQ(config.RouteGainB[0], 0.0);
}

TEST(QvxRoutes, CodesOutsideZeroToTwoEndAsCyclingWouldLeaveThem) {
    QvxRecord record = EncodeConfigurationRecord(test::ResetConfiguration(), "");
    PutInt32(record, 1916 + 0, 7);                                         // 7 = 2 x 3 + 1
    PutInt32(record, 1916 + 4, -1);                                        // -1 = -3 + 2
    PutInt32(record, 1916 + 8, std::numeric_limits<std::int32_t>::min());  // = -715827883 x 3 + 1
    PutInt32(record, 1916 + 12, std::numeric_limits<std::int32_t>::max()); // = 715827882 x 3 + 1
    Configuration config = test::ResetConfiguration();
    ReadSubRoute(record, config);
    for (std::int32_t stored : config.Route) {
        EXPECT_GE(stored, -1) << "one cycle must bring every stored value into 0..2";
        EXPECT_LE(stored, 1);
    }
    for (int output = 1; output <= OutputCount; ++output) {
        CycleRoute(config, output);
    }
    EXPECT_EQ(config.Route[0], 1);
    EXPECT_EQ(config.Route[1], 2);
    EXPECT_EQ(config.Route[2], 1);
    EXPECT_EQ(config.Route[3], 1);
    EXPECT_EQ(config.RouteGainA[1], 0.0);
    EXPECT_EQ(config.RouteGainB[1], 1.0);
}

/// Little-endian bytes of `bits` (`size` of them) at `offset`.
void PutBits(QvxRecord& record, std::size_t offset, std::uint64_t bits, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        record[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

TEST(QvxHandBuiltRecord, ReadsEachFieldFromItsDocumentedOffset) {
    QvxRecord record{};
    PutBits(record, 0, 0x464341445805, 6);                 // 05 "XDACF"
    PutBits(record, 116, 0x6C6C614804, 5);                 // 4 "Hall"
    PutBits(record, 424, 30, 4);                           // TemperatureC
    PutBits(record, 484 + 2 * 4, 12, 4);                   // DelaySamples of output 3
    PutBits(record, 532 + 28, 0xC008000000000000, 8);      // output 1 band 2: Gain -3.0
    PutBits(record, 532 + 28 + 8, 0x408F400000000000, 8);  // Frequency 1000.0
    PutBits(record, 532 + 28 + 16, 0x4000000000000000, 8); // Q 2.0
    record[532 + 28 + 24] = 1;                             // FilterType
    PutBits(record, 1316 + 28 + 8, 0x4059000000000000, 8); // output 5 band 2: 100 Hz
    PutBits(record, 1484 + 8, 0x3FE0000000000000, 8);      // GainFactor of output 2: 0.5
    record[1538 + 3] = 1;                                  // output 4 muted
    PutBits(record, 1544 + 28, 0x42A00000, 4);             // output 2 HighPass 80 Hz
    PutBits(record, 1544 + 28 + 4, 0x459C4000, 4);         // output 2 LowPass 5000 Hz
    PutBits(record, 1544 + 28 + 8, 4, 4);                  // LowPass order 4
    record[1544 + 28 + 25] = 6;                            // HighPass family
    PutBits(record, 1724 + 64, 0xC1200000, 4);             // block 2 ThresholdDb -10.0
    PutBits(record, 1724 + 64 + 24, 96, 4);                // block 2 LookAheadSamples
    PutBits(record, 1916 + 4, 1, 4);                       // route code of output 2: A+B
    PutBits(record, 2636, 0x42BC0000, 4);                  // ImportReferenceLevel 94.0
    PutBits(record, 2664 + 8, 7, 4);                       // gate position of block 3
    PutBits(record, 2676 + 8, 3, 4);                       // gate slope of block 3

    Configuration config = test::ResetConfiguration();
    ASSERT_EQ(LoadConfigurationRecord(record, config), QvxRecordKind::Current);
    EXPECT_EQ(config.SystemInfo.SystemName, "Hall");
    EXPECT_EQ(config.TemperatureC, 30);
    EXPECT_EQ(config.Output(3).Delay.DelaySamples, 12);
    EXPECT_EQ(config.Output(1).Band(2).Gain, -3.0);
    EXPECT_EQ(config.Output(1).Band(2).Frequency, 1000.0);
    EXPECT_EQ(config.Output(1).Band(2).Q, 2.0);
    EXPECT_EQ(config.Output(1).Band(2).FilterType, 1);
    EXPECT_EQ(config.Output(5).Band(2).Frequency, 100.0);
    EXPECT_EQ(config.Output(2).Level.GainFactor, 0.5);
    EXPECT_TRUE(config.Output(4).Level.Muted);
    EXPECT_FALSE(config.Output(3).Level.Muted);
    EXPECT_EQ(config.Output(2).Crossover.HighPass.Frequency, 80.0);
    EXPECT_EQ(config.Output(2).Crossover.LowPass.Frequency, 5000.0);
    EXPECT_EQ(config.Output(2).Crossover.LowPass.Order, 4);
    EXPECT_EQ(config.Output(2).Crossover.HighPass.Family, 6);
    EXPECT_EQ(config.Block(2).ThresholdDb, -10.0F);
    EXPECT_EQ(config.Block(2).LookAheadSamples, 96);
    EXPECT_EQ(config.Route[1], 1);
    EXPECT_EQ(config.RouteGainA[1], 0.5);
    EXPECT_EQ(config.ImportReferenceLevel, 94.0F);
    EXPECT_EQ(config.Block(3).NoiseGatePosition, 7.0F);
    EXPECT_EQ(config.Block(3).NoiseGateSlope, 3.0F);
    EXPECT_EQ(config.SampleRate, 48000) << "the stored sample rate (0 here) is ignored";
}

class OlderFile : public SavedSample {};

TEST_F(OlderFile, WithoutGateArraysGivesEveryBlockGate13Slope4) {
    const auto bytes = test::Cut(Record(), 2664);
    EXPECT_EQ(LoadConfigurationRecord(bytes, loaded), QvxRecordKind::OlderVersion);
    for (int block = 1; block <= 3; ++block) {
        EXPECT_EQ(loaded.Block(block).NoiseGatePosition, 13.0F) << block;
        EXPECT_EQ(loaded.Block(block).NoiseGateSlope, 4.0F) << block;
    }
    EXPECT_EQ(loaded.ImportFormat, 4);
    EXPECT_EQ(loaded.Output(6).Delay.RelativeDistanceSamples, 20);
    EXPECT_EQ(loaded.Output(6).SpeakerFile, saved.Output(6).SpeakerFile);
}

TEST_F(OlderFile, OfTheOldestSizeKeepsTheResetValuesOfTheMissingTail) {
    loaded.ImportFormat = 2; // New configuration leaves the import format as it was
    const auto bytes = test::Cut(Record(), 2436);
    EXPECT_EQ(LoadConfigurationRecord(bytes, loaded), QvxRecordKind::OlderVersion);
    EXPECT_EQ(loaded.Output(4).SpeakerFile, saved.Output(4).SpeakerFile);
    // Output 5's name starts at 2429: its length byte and only six of its characters are in
    // the file, so it is missing like the rest of the tail, not cut to a name no file has.
    EXPECT_EQ(loaded.Output(5).SpeakerFile, "");
    EXPECT_EQ(loaded.Output(6).SpeakerFile, "");
    EXPECT_EQ(loaded.ImportFormat, 2);
    EXPECT_EQ(loaded.ImportReferenceLevel, 90.0F);
    for (int output = 1; output <= OutputCount; ++output) {
        EXPECT_EQ(loaded.Output(output).Delay.RelativeDistanceSamples, 0) << output;
    }
    for (int block = 1; block <= 3; ++block) {
        EXPECT_EQ(loaded.Block(block).NoiseGatePosition, 13.0F) << block;
        EXPECT_EQ(loaded.Block(block).NoiseGateSlope, 4.0F) << block;
    }
    EXPECT_EQ(loaded.ResponseView.PeqView, true);
    EXPECT_EQ(loaded.SystemInfo.SystemName, "Main Stage");
}

TEST_F(OlderFile, OfTheOldestSizeKeepsAFifthNameThatEndsInsideIt) {
    // Bytes 2429..2435: the length 6 and all six characters of "ab.txt".
    saved.Output(5).SpeakerFile = "ab.txt";
    const auto bytes = test::Cut(Record(), 2436);
    ASSERT_EQ(bytes[2429], 6);
    EXPECT_EQ(LoadConfigurationRecord(bytes, loaded), QvxRecordKind::OlderVersion);
    EXPECT_EQ(loaded.Output(5).SpeakerFile, "ab.txt");

    saved.Output(5).SpeakerFile = "abc.txt"; // one character beyond the file
    EXPECT_EQ(LoadConfigurationRecord(test::Cut(Record(), 2436), loaded),
              QvxRecordKind::OlderVersion);
    EXPECT_EQ(loaded.Output(5).SpeakerFile, "ab.txt") << "a broken-off name changes nothing";
}

TEST_F(SavedSample, WithAWrongSignatureIsRejectedAndLoadsNothing) {
    const Configuration reset = test::ResetConfiguration();
    for (std::size_t offset = 0; offset < 6; ++offset) {
        QvxRecord record = Record();
        record[offset] = offset == 0 ? 4 : static_cast<std::uint8_t>(record[offset] + 1);
        Configuration config = reset;
        EXPECT_EQ(LoadConfigurationRecord(record, config), QvxRecordKind::NotQuorvex) << offset;
        EXPECT_TRUE(SameStoredState(config, reset)) << offset;
    }
    QvxRecord lowerCase = Record();
    lowerCase[3] = 'a';
    EXPECT_EQ(ClassifyQvxRecord(lowerCase), QvxRecordKind::NotQuorvex);
}

TEST_F(SavedSample, OfAnyOtherSizeIsRejected) {
    const QvxRecord record = Record();
    for (std::size_t size : {0U, 6U, 2435U, 2437U, 2663U, 2665U, 2687U}) {
        EXPECT_EQ(ClassifyQvxRecord(test::Cut(record, size)), QvxRecordKind::NotQuorvex) << size;
    }
    Bytes longer(record.begin(), record.end());
    longer.push_back(0);
    EXPECT_EQ(ClassifyQvxRecord(longer), QvxRecordKind::NotQuorvex);
}

TEST_F(SavedSample, NeverComparesVersionOrHeader) {
    QvxRecord record = Record();
    std::memset(record.data() + 10, 0xEE, 106); // version and header bytes 10..115
    EXPECT_EQ(LoadConfigurationRecord(record, loaded), QvxRecordKind::Current);
    EXPECT_EQ(loaded.SystemInfo.SystemName, "Main Stage");
}

TEST(QvxTexts, LengthBytesBeyondTheCapacityAreCutToIt) {
    QvxRecord record = EncodeConfigurationRecord(test::ResetConfiguration(), "");
    record[116] = 0xFF; // system name: 40 characters at most
    std::memset(record.data() + 117, 'n', 40);
    record[157] = 3; // project name follows directly
    std::memcpy(record.data() + 158, "Abc", 3);
    record[428] = 200; // In1 name: 6 characters at most
    std::memcpy(record.data() + 429, "LeftIn", 6);
    Configuration config = test::ResetConfiguration();
    ReadVersionAndHeader(record, config);
    EXPECT_EQ(config.SystemInfo.SystemName, std::string(40, 'n'));
    EXPECT_EQ(config.SystemInfo.ProjectName, "Abc");
    EXPECT_EQ(config.InputNames[0], "LeftIn");
    EXPECT_EQ(config.InputNames[1], "In2") << "the next name field begins with its own length";
}

TEST(QvxFlags, AnyNonZeroByteIsSetAndTheFactorsFollow) {
    QvxRecord record = EncodeConfigurationRecord(test::ResetConfiguration(), "");
    record[1532] = 2;        // polarity of output 1
    record[1538 + 5] = 0xFF; // mute of output 6
    Configuration config = test::ResetConfiguration();
    ReadGainsAndPolarity(record, config);
    EXPECT_TRUE(config.Output(1).Level.PolarityInverted);
    EXPECT_EQ(config.Output(1).Level.PolaritySign, -1.0F);
    EXPECT_TRUE(config.Output(6).Level.Muted);
    EXPECT_EQ(config.Output(6).Level.MuteFactor, 0.0);
    EXPECT_FALSE(config.Output(2).Level.Muted);
}

} // namespace
} // namespace quorvex
