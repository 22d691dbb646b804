#include "config/qvx_encoder.h"

#include "qvx_sample_configuration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes At(const QvxRecord& record, std::size_t offset, std::size_t count) {
    return {record.begin() + static_cast<std::ptrdiff_t>(offset),
            record.begin() + static_cast<std::ptrdiff_t>(offset + count)};
}

Bytes TextBytes(std::uint8_t length, const std::string& characters) {
    Bytes bytes(characters.size() + 1, length);
    std::copy(characters.begin(), characters.end(), bytes.begin() + 1);
    return bytes;
}

class EncodedSample : public ::testing::Test {
protected:
    Configuration config = test::SampleConfiguration();
    QvxRecord Encode() const { return EncodeConfigurationRecord(config, "C:\\Shows\\tour.QVX"); }
};

TEST_F(EncodedSample, BeginsWithSignatureVersionAndHeader) {
    const QvxRecord record = Encode();
    EXPECT_EQ(At(record, 0, 10), (Bytes{0x05, 'X', 'D', 'A', 'C', 'F', 0, 0, 0, 0}));
    EXPECT_EQ(At(record, 10, 5), (Bytes{0x04, '2', '.', '1', '.'}));
    EXPECT_EQ(At(record, 15, 47),
              TextBytes(46, "Tessaline S.A. Quorvex2.1.0.1C:\\Shows\\tour.QVX"));
    EXPECT_EQ(record[15 + 47], 0);
}

TEST_F(EncodedSample, PutsSystemInfoTemperatureAndNamesAtTheirOffsets) {
    const QvxRecord record = Encode();
    EXPECT_EQ(At(record, 116, 11), TextBytes(10, "Main Stage"));
    EXPECT_EQ(At(record, 157, 12), TextBytes(11, "Summer Tour"));
    EXPECT_EQ(At(record, 188, 4), TextBytes(3, "Ana"));
    EXPECT_EQ(At(record, 219, 22), TextBytes(21, "left hang\r\nright hang"));
    EXPECT_EQ(At(record, 420, 4), (Bytes{0x80, 0xBB, 0x00, 0x00}));
    EXPECT_EQ(At(record, 424, 4), (Bytes{37, 0, 0, 0}));
    EXPECT_EQ(At(record, 428, 6), TextBytes(5, "Mix L"));
    EXPECT_EQ(record[434], 0);
    EXPECT_EQ(At(record, 435, 6), TextBytes(5, "Mix R"));
    EXPECT_EQ(At(record, 442, 6), TextBytes(5, "Top L"));
    EXPECT_EQ(At(record, 477, 6), TextBytes(5, "Sub R"));
}

TEST_F(EncodedSample, PutsDelaysAndBandsAtTheirOffsets) {
    const QvxRecord record = Encode();
    EXPECT_EQ(At(record, 484, 4), (Bytes{10, 0, 0, 0}));
    EXPECT_EQ(At(record, 492, 4), (Bytes{30, 0, 0, 0}));
    EXPECT_EQ(At(record, 508, 4), (Bytes{2, 0, 0, 0})) << "BandsInUse is written as held";
    // Output 2, band 3: gain -2.5, 302 Hz, Q 1.25, type 3.
    EXPECT_EQ(At(record, 784, 28),
              (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0, 0x00, 0x00,
                     0x00, 0x00, 0x00, 0xE0, 0x72, 0x40, 0x00, 0x00, 0x00, 0x00,
                     0x00, 0x00, 0xF4, 0x3F, 0x03, 0x00, 0x00, 0x00}));
    // Output 6, band 3: gain 1.5, 306 Hz, the last band record.
    EXPECT_EQ(At(record, 1456, 8), (Bytes{0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    EXPECT_EQ(At(record, 1464, 8), (Bytes{0, 0, 0, 0, 0, 0x20, 0x73, 0x40}));
}

TEST_F(EncodedSample, PutsLevelsAndCrossoversAtTheirOffsets) {
    const QvxRecord record = Encode();
    EXPECT_EQ(At(record, 1484, 8), (Bytes{0, 0, 0, 0, 0, 0, 0xC0, 0x3F}));
    EXPECT_EQ(At(record, 1492, 8), (Bytes{0, 0, 0, 0, 0, 0, 0xD0, 0xBF}));
    EXPECT_EQ(At(record, 1532, 6), (Bytes{0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(At(record, 1538, 6), (Bytes{0, 0, 1, 0, 0, 0}));
    // Output 1: high pass 81 Hz order 3 family 4, low pass 4001 Hz order 4 family 3.
    EXPECT_EQ(At(record, 1544, 8), (Bytes{0x00, 0x00, 0xA2, 0x42, 0x00, 0x10, 0x7A, 0x45}));
    EXPECT_EQ(At(record, 1552, 8), (Bytes{4, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_EQ(At(record, 1560, 12), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 3, 4, 0, 0}));
    EXPECT_EQ(At(record, 1712, 6), (Bytes{0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(At(record, 1718, 6), (Bytes{0, 0, 0, 0, 1, 0}));
}

TEST_F(EncodedSample, PutsTheSecondDynamicsRecordAtItsOffset) {
    config.Block(2).RmsCoefficient = 0.1L;
    const QvxRecord record = Encode();
    EXPECT_EQ(At(record, 1788, 64),
              (Bytes{0x00, 0x00, 0x40, 0xC1, 0x00, 0x00, 0xA0, 0x40, 0x00, 0x00, 0xC0, 0x3F, 0xCD,
                     0xCC, 0xCC, 0x3D, 0xC2, 0x03, 0x00, 0x00, 0x66, 0x00, 0x00, 0x00, 0x40, 0x00,
                     0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x40, 0x00, 0x00, 0x01,
                     0x00, 0x00, 0x00, 0x10, 0x41, 0x00, 0x00, 0xA0, 0x41, 0x00, 0x00, 0x80, 0x40,
                     0x00, 0x00, 0x48, 0x44, 0x00, 0x00, 0x96, 0x44, 0x02, 0x00, 0x00, 0x00}));
}

TEST_F(EncodedSample, PutsRoutesSubFeedViewsAndImportSettingsAtTheirOffsets) {
    config.Output(1).Delay.RelativeDistanceSamples = -2; // written as given, two's complement
    const QvxRecord record = Encode();
    EXPECT_EQ(At(record, 1916, 24),
              (Bytes{2, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(At(record, 1940, 24),
              (Bytes{0, 0, 0, 0, 10, 0, 0, 0, 5, 0, 0, 0, 5, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(At(record, 1964, 24),
              (Bytes{10, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0}));
    EXPECT_EQ(At(record, 1988, 32), (Bytes{10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0,
                                           10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0}));
    EXPECT_EQ(At(record, 2020, 5), (Bytes{0, 1, 0, 1, 0}));
    EXPECT_EQ(At(record, 2025, 25), TextBytes(24, "C:\\Measures\\cabinet1.txt"));
    EXPECT_EQ(At(record, 2530, 25), TextBytes(24, "C:\\Measures\\cabinet6.txt"));
    EXPECT_EQ(record[2631], 0);
    EXPECT_EQ(At(record, 2632, 8), (Bytes{4, 0, 0, 0, 0x00, 0x00, 0xAB, 0x42}));
    EXPECT_EQ(At(record, 2640, 4), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(At(record, 2652, 4), (Bytes{12, 0, 0, 0}));
    EXPECT_EQ(At(record, 2664, 24),
              (Bytes{21, 0, 0, 0, 22, 0, 0, 0, 23, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0}));
}

TEST_F(EncodedSample, LeavesEveryUnusedByteZeroEvenWithEveryTextFull) {
    config.SystemInfo.SystemName = std::string(60, 'n');
    config.SystemInfo.Comments = std::string(300, 'c');
    for (auto& name : config.OutputNames) {
        name = std::string(9, 'o');
    }
    for (auto& output : config.Outputs) {
        output.SpeakerFile = std::string(140, 'f');
    }
    const QvxRecord record = Encode();
    std::vector<std::size_t> unused{6, 7, 8, 9, 2631};
    for (std::size_t band = 0; band < 34; ++band) {
        for (std::size_t i = 25; i < 28; ++i) {
            unused.push_back(532 + band * 28 + i);
        }
    }
    for (std::size_t output = 0; output < 6; ++output) {
        for (std::size_t i : {16, 17, 18, 19, 20, 21, 22, 23, 26, 27}) {
            unused.push_back(1544 + output * 28 + i);
        }
    }
    for (std::size_t block = 0; block < 3; ++block) {
        for (std::size_t i : {30, 31, 39}) {
            unused.push_back(1724 + block * 64 + i);
        }
    }
    for (std::size_t offset : unused) {
        EXPECT_EQ(record[offset], 0) << "byte " << offset;
    }
    // Bytes after a text's characters are not part of it and stay zero too.
    EXPECT_EQ(At(record, 188 + 4, 27), Bytes(27, 0));
}

TEST(QvxHeader, KeepsOnlyTheFirst71CharactersOfALongPath) {
    const Configuration config = test::ResetConfiguration();
    std::string path = "D:\\";
    while (path.size() < 90) {
        path += static_cast<char>('a' + path.size() % 26);
    }
    for (std::size_t length : {70U, 71U, 90U}) {
        const QvxRecord record = EncodeConfigurationRecord(config, path.substr(0, length));
        const std::size_t kept = std::min<std::size_t>(length, 71);
        EXPECT_EQ(record[15], 29 + kept) << length;
        EXPECT_EQ(At(record, 16 + 29, kept), Bytes(path.begin(), path.begin() + kept)) << length;
        EXPECT_EQ(record[116], 6) << "the system name's length byte follows the header";
    }
}

TEST(QvxTexts, AreCutToTheirCapacityWhenWritten) {
    Configuration config = test::ResetConfiguration();
    config.SystemInfo.SystemName = std::string(40, 's') + "TAIL";
    config.SystemInfo.ProjectName = std::string(30, 'p') + "TAIL";
    config.SystemInfo.Engineer = std::string(30, 'e') + "TAIL";
    config.SystemInfo.Comments = std::string(200, 'c') + "TAIL";
    config.InputNames[1] = "Input B";
    config.OutputNames[0] = "Subwoofer";
    config.Output(3).SpeakerFile = std::string(100, 'f') + "TAIL";
    const QvxRecord record = EncodeConfigurationRecord(config, "x.QVX");
    EXPECT_EQ(At(record, 116, 41), TextBytes(40, std::string(40, 's')));
    EXPECT_EQ(At(record, 157, 31), TextBytes(30, std::string(30, 'p')));
    EXPECT_EQ(At(record, 188, 31), TextBytes(30, std::string(30, 'e')));
    EXPECT_EQ(At(record, 219, 201), TextBytes(200, std::string(200, 'c')));
    EXPECT_EQ(At(record, 420, 2), (Bytes{0x80, 0xBB}));
    EXPECT_EQ(At(record, 435, 7), TextBytes(6, "Input "));
    EXPECT_EQ(At(record, 442, 7), TextBytes(6, "Subwoo"));
    EXPECT_EQ(At(record, 2227, 101), TextBytes(100, std::string(100, 'f')));
    EXPECT_EQ(record[2328], 0) << "output 4 has no speaker file";
}

TEST(QvxNumbers, AreRoundedHalfToEvenAndNarrowedToSingles) {
    Configuration config = test::ResetConfiguration();
    config.RouteGainA[0] = 0.25;  // 2.5 -> 2
    config.RouteGainA[1] = 0.75;  // 7.5 -> 8
    config.RouteGainB[0] = -0.15; // -1.5 -> -2
    config.RouteGainB[1] = std::numeric_limits<double>::quiet_NaN();
    config.SubFeed[1].S = 0.05; // 0.5 -> 0
    config.Block(1).NoiseGatePosition = 2.5F;
    config.Block(1).NoiseGateSlope = 3.5F;
    config.Block(3).NoiseGatePosition = -0.5F;
    config.Output(1).Crossover.HighPass.Frequency = 0.1;
    config.Output(1).Crossover.LowPass.Frequency = 1e300;
    config.Block(1).RmsCoefficient = 0.1L;
    const QvxRecord record = EncodeConfigurationRecord(config, "x.QVX");
    EXPECT_EQ(At(record, 1940, 8), (Bytes{2, 0, 0, 0, 8, 0, 0, 0}));
    EXPECT_EQ(At(record, 1964, 8), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
    EXPECT_EQ(At(record, 2016, 4), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(At(record, 2664, 4), (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(At(record, 2672, 4), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(At(record, 2676, 4), (Bytes{4, 0, 0, 0}));
    EXPECT_EQ(At(record, 1544, 8), (Bytes{0xCD, 0xCC, 0xCC, 0x3D, 0x00, 0x00, 0x80, 0x7F}));
    EXPECT_EQ(At(record, 1724 + 12, 4), (Bytes{0xCD, 0xCC, 0xCC, 0x3D}));
}

} // namespace
} // namespace quorvex
