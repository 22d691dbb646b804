#include "config/measurement_import.h"
#include "measurement_test_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Damaged and random exports must end in a clean result: an imported curve of finite values,
// or a message that names the file, never a crash or a read outside the text.

namespace quorvex {
namespace {

using testing::SampleExport;

constexpr std::string_view Field = "fuzz.txt";
constexpr int CasesPerFormat = 600;

const std::vector<std::int32_t>& Grid() {
    static const std::vector<std::int32_t> grid = [] {
        std::vector<std::int32_t> g;
        for (int i = 0; i <= 400; ++i) {
            g.push_back(
                static_cast<std::int32_t>(std::lround(20.0 * std::pow(23999.0 / 20.0, i / 400.0))));
        }
        return g;
    }();
    return grid;
}

void ExpectCleanOutcome(const SpeakerImportResult& result, std::string_view text) {
    const std::size_t size = Grid().size();
    ASSERT_EQ(result.Curve.MagnitudeDb.size(), size);
    ASSERT_EQ(result.Curve.PhaseRadians.size(), size);
    switch (result.Status) {
    case SpeakerImportStatus::Imported:
        EXPECT_TRUE(result.Message.empty());
        for (std::size_t i = 0; i < size; ++i) {
            ASSERT_TRUE(std::isfinite(result.Curve.MagnitudeDb[i])) << text;
            ASSERT_TRUE(std::isfinite(result.Curve.PhaseRadians[i])) << text;
        }
        break;
    case SpeakerImportStatus::Refused:
    case SpeakerImportStatus::Failed:
        ASSERT_TRUE(result.Message.starts_with(Field)) << result.Message;
        for (std::size_t i = 0; i < size; ++i) {
            ASSERT_EQ(result.Curve.MagnitudeDb[i], 0.0F);
            ASSERT_EQ(result.Curve.PhaseRadians[i], 0.0F);
        }
        break;
    default:
        FAIL() << "unexpected status for text in memory";
    }
}

/// Bytes a damaged export is likely to hold, plus any byte at all.
char RandomByte(std::mt19937_64& random) {
    static constexpr std::string_view likely = "0123456789.-+eE \t\r\n;\"[]";
    std::uniform_int_distribution<int> pick(0, 3);
    if (pick(random) == 0) {
        return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    }
    return likely[std::uniform_int_distribution<std::size_t>(0, likely.size() - 1)(random)];
}

std::string Mutated(std::string text, std::mt19937_64& random) {
    const int mutations = std::uniform_int_distribution<int>(1, 8)(random);
    for (int m = 0; m < mutations; ++m) {
        auto at = [&] {
            return std::uniform_int_distribution<std::size_t>(0, text.size())(random);
        };
        switch (std::uniform_int_distribution<int>(0, 5)(random)) {
        case 0: // overwrite
            if (!text.empty()) {
                text[std::min(at(), text.size() - 1)] = RandomByte(random);
            }
            break;
        case 1: // insert
            text.insert(at(), 1, RandomByte(random));
            break;
        case 2: // delete a run
            if (!text.empty()) {
                const std::size_t from = std::min(at(), text.size() - 1);
                text.erase(from, std::uniform_int_distribution<std::size_t>(1, 12)(random));
            }
            break;
        case 3: // cut the file short
            text.resize(at());
            break;
        case 4: { // repeat a stretch, as a doubled or misordered line would
            const std::size_t from = at();
            const std::string piece = text.substr(from, 30);
            text.insert(at(), piece);
            break;
        }
        default: // a blank line, a CR, or a tab somewhere
            text.insert(at(), std::uniform_int_distribution<int>(0, 1)(random) ? "\n" : "\r\t");
            break;
        }
    }
    return text;
}

class MeasurementFuzz : public ::testing::TestWithParam<int> {};

TEST_P(MeasurementFuzz, MutatedExportsEndCleanly) {
    const int sample = GetParam();
    const int format = sample < 0 ? 0 : sample;
    std::mt19937_64 random(0x5EED0000U + static_cast<unsigned>(sample + 1));
    SpeakerImportSettings settings;
    settings.Format = format;
    const std::string original = SampleExport(sample);
    int imported = 0;
    for (int i = 0; i < CasesPerFormat; ++i) {
        const std::string text = Mutated(original, random);
        const SpeakerImportResult result = ImportMeasurementText(text, Field, settings, Grid());
        ExpectCleanOutcome(result, text);
        imported += result.Status == SpeakerImportStatus::Imported ? 1 : 0;
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    // Light damage must not turn every file into a refusal: the import still reads data.
    EXPECT_GT(imported, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, MeasurementFuzz,
                         ::testing::Values(-1, 0, 1, 2, 3, 4, 6, 7, 8, 9, 10));

TEST(MeasurementFuzz, RandomBytesEndCleanlyUnderEveryCode) {
    std::mt19937_64 random(0x5EED1234U);
    for (int i = 0; i < 3000; ++i) {
        const std::size_t length = std::uniform_int_distribution<std::size_t>(0, 400)(random);
        std::string text;
        for (std::size_t b = 0; b < length; ++b) {
            text += RandomByte(random);
        }
        SpeakerImportSettings settings;
        settings.Format = std::uniform_int_distribution<int>(-1, 11)(random);
        settings.ReferenceLevelDb = std::uniform_real_distribution<double>(-140.0, 140.0)(random);
        ExpectCleanOutcome(ImportMeasurementText(text, Field, settings, Grid()), text);
        if (HasFatalFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace quorvex
