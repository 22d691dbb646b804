#include "config/qvx_decoder.h"
#include "config/qvx_encoder.h"

#include "qvx_sample_configuration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

// Thousands of random and mutated records through classification, every reading step and a
// second save: nothing may crash, read out of bounds (run under the sanitizers), or leave a
// value the rest of the program cannot take.

namespace quorvex {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 6> Signature{0x05, 'X', 'D', 'A', 'C', 'F'};
// Offsets of every length byte in the record, with its field's capacity.
constexpr std::array<std::pair<std::size_t, std::size_t>, 21> TextFields{{
    {0, 9},   {10, 4},     {15, 100},   {116, 40},   {157, 30},   {188, 30},   {219, 200},
    {428, 6}, {435, 6},    {442, 6},    {449, 6},    {456, 6},    {463, 6},    {470, 6},
    {477, 6}, {2025, 100}, {2126, 100}, {2227, 100}, {2328, 100}, {2429, 100}, {2530, 100},
}};

QvxRecordKind ExpectedKind(const Bytes& bytes) {
    const bool knownSize = bytes.size() == 2688 || bytes.size() == 2664 || bytes.size() == 2436;
    if (!knownSize || !std::equal(Signature.begin(), Signature.end(), bytes.begin())) {
        return QvxRecordKind::NotQuorvex;
    }
    return bytes.size() == 2688 ? QvxRecordKind::Current : QvxRecordKind::OlderVersion;
}

void ExpectUsable(const Configuration& config) {
    EXPECT_GE(config.TemperatureC, 0);
    EXPECT_LE(config.TemperatureC, 50);
    EXPECT_EQ(config.SampleRate, 48000);
    EXPECT_LE(config.SystemInfo.SystemName.size(), 40U);
    EXPECT_LE(config.SystemInfo.ProjectName.size(), 30U);
    EXPECT_LE(config.SystemInfo.Engineer.size(), 30U);
    EXPECT_LE(config.SystemInfo.Comments.size(), 200U);
    for (const auto& name : config.InputNames) {
        EXPECT_LE(name.size(), 6U);
    }
    const std::array<std::pair<double, double>, 3> factors{{{1.0, 0.0}, {0.5, 0.5}, {0.0, 1.0}}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_LE(config.OutputNames[i].size(), 6U);
        EXPECT_LE(config.Outputs[i].SpeakerFile.size(), 100U);
        EXPECT_EQ(config.Outputs[i].BandsInUse, 2);
        ASSERT_GE(config.Route[i], 0);
        ASSERT_LE(config.Route[i], 2);
        const auto [a, b] = factors[static_cast<std::size_t>(config.Route[i])];
        EXPECT_EQ(config.RouteGainA[i], a);
        EXPECT_EQ(config.RouteGainB[i], b);
    }
}

class QvxFuzz : public ::testing::Test {
protected:
    std::mt19937 random{20261208};
    QvxRecord sample = EncodeConfigurationRecord(test::SampleConfiguration(), "C:\\fuzz.QVX");
    QvxRecord reset = EncodeConfigurationRecord(test::ResetConfiguration(), "");
    std::array<int, 3> seen{}; ///< records met of each kind, so every path is exercised

    std::size_t Below(std::size_t limit) {
        return std::uniform_int_distribution<std::size_t>(0, limit - 1)(random);
    }
    std::uint8_t AnyByte() { return static_cast<std::uint8_t>(Below(256)); }

    Bytes RandomRecord() {
        constexpr std::array<std::size_t, 4> sizes{2688, 2664, 2436, 0};
        std::size_t size = sizes[Below(sizes.size())];
        if (size == 0) {
            size = Below(3000);
        }
        Bytes bytes(size);
        std::generate(bytes.begin(), bytes.end(), [this] { return AnyByte(); });
        if (Below(2) == 0) {
            std::copy_n(Signature.begin(), std::min(size, Signature.size()), bytes.begin());
        }
        return bytes;
    }

    void PutNumberPattern(Bytes& bytes) {
        constexpr std::array<std::uint32_t, 6> singles{0x7FC00000, 0x7F800000, 0xFF800000,
                                                       0x00000001, 0x7F7FFFFF, 0x80000000};
        constexpr std::array<std::uint64_t, 4> doubles{0x7FF8000000000000, 0x7FF0000000000000,
                                                       0xFFF0000000000000, 0x7FEFFFFFFFFFFFFF};
        if (bytes.size() < 8) {
            return;
        }
        const std::size_t offset = Below(bytes.size() - 7) & ~std::size_t{3};
        if (Below(2) == 0) {
            std::memcpy(bytes.data() + offset, &singles[Below(singles.size())], 4);
        } else {
            std::memcpy(bytes.data() + offset, &doubles[Below(doubles.size())], 8);
        }
    }

    Bytes MutatedRecord() {
        Bytes bytes(sample.begin(), sample.end());
        const std::size_t mutations = 1 + Below(12);
        for (std::size_t i = 0; i < mutations; ++i) {
            switch (Below(4)) {
            case 0:
                bytes[Below(bytes.size())] = AnyByte();
                break;
            case 1:
                bytes[TextFields[Below(TextFields.size())].first] = AnyByte();
                break;
            case 2:
                PutNumberPattern(bytes);
                break;
            default:
                std::memset(bytes.data() + 1916 + 4 * Below(6), AnyByte(), 4); // route codes
                break;
            }
        }
        constexpr std::array<std::size_t, 4> cuts{2688, 2688, 2664, 2436};
        bytes.resize(Below(8) == 0 ? Below(2700) : cuts[Below(cuts.size())]);
        return bytes;
    }

    void CheckLoadAndSaveAgain(const Bytes& bytes) {
        Configuration config = test::ResetConfiguration();
        const QvxRecordKind kind = LoadConfigurationRecord(bytes, config);
        ASSERT_EQ(kind, ExpectedKind(bytes));
        ++seen[static_cast<std::size_t>(kind)];
        if (kind == QvxRecordKind::NotQuorvex) {
            ASSERT_EQ(EncodeConfigurationRecord(config, ""), reset) << "nothing may be loaded";
            return;
        }
        ExpectUsable(config);
        // Whatever was read saves as a current record that loads to the same routes and names.
        const QvxRecord saved = EncodeConfigurationRecord(config, "again.QVX");
        Configuration again = test::ResetConfiguration();
        ASSERT_EQ(LoadConfigurationRecord(saved, again), QvxRecordKind::Current);
        EXPECT_EQ(again.Route, config.Route);
        EXPECT_EQ(again.OutputNames, config.OutputNames);
        EXPECT_EQ(again.SystemInfo.Comments, config.SystemInfo.Comments);
    }
};

TEST_F(QvxFuzz, RandomBytesAreClassifiedAndReadSafely) {
    for (int round = 0; round < 3000 && !HasFatalFailure(); ++round) {
        SCOPED_TRACE(round);
        CheckLoadAndSaveAgain(RandomRecord());
    }
    for (int count : seen) {
        EXPECT_GT(count, 300);
    }
}

TEST_F(QvxFuzz, MutatedRecordsAreClassifiedAndReadSafely) {
    for (int round = 0; round < 5000 && !HasFatalFailure(); ++round) {
        SCOPED_TRACE(round);
        CheckLoadAndSaveAgain(MutatedRecord());
    }
    for (int count : seen) {
        EXPECT_GT(count, 300);
    }
}

TEST_F(QvxFuzz, EveryReadingStepStaysInsideBytesOfAnySize) {
    for (std::size_t size = 0; size <= 2700; ++size) {
        Bytes bytes(sample.begin(), sample.begin() + static_cast<std::ptrdiff_t>(
                                                         std::min<std::size_t>(size, 2688)));
        bytes.resize(size, 0xFF);
        for (const auto& field : TextFields) {
            if (field.first < bytes.size()) {
                bytes[field.first] = 0xFF;
            }
        }
        Configuration config = test::ResetConfiguration();
        for (const QvxReadStep& step : QvxReadSteps) {
            step.Read(bytes, config);
        }
        EXPECT_LE(config.SystemInfo.Comments.size(), 200U);
        EXPECT_LE(config.Outputs[5].SpeakerFile.size(), 100U);
    }
}

} // namespace
} // namespace quorvex
