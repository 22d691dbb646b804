#pragma once

// Measurement exports written by the tests themselves, and a folder to put them in.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvex::testing {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name = std::string("quorvex_") + (info ? info->name() : "test") + "_" +
                                 std::to_string(std::random_device{}()) + "_" +
                                 std::to_string(counter++);
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    /// Folder path with a trailing "/".
    std::string Folder() const { return path_.string() + "/"; }

    /// Writes `bytes` as they are (no line-end translation) and returns the file's path.
    std::string Write(std::string_view fileName, std::string_view bytes) const {
        const std::filesystem::path file = path_ / std::string(fileName);
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

private:
    std::filesystem::path path_;
};

/// A line with each text starting at its column (counted from 1), blanks in between.
inline std::string AtColumns(std::initializer_list<std::pair<int, std::string_view>> texts) {
    std::string line;
    for (const auto& [column, text] : texts) {
        const auto start = static_cast<std::size_t>(column - 1);
        EXPECT_LE(line.size(), start) << "overlapping test columns";
        line.resize(start, ' ');
        line += text;
    }
    return line;
}

/// Lines joined with a line end after each.
inline std::string Lines(const std::vector<std::string>& lines, std::string_view end = "\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

/// One measured point as the sample exports write it.
struct SamplePoint {
    std::string_view FrequencyHz;
    std::string_view Magnitude;
    std::string_view Phase;
};

/// The three points every sample export holds: 100 Hz 90 dB 45, 200 Hz 96 dB 90,
/// 1000 Hz 86 dB -90 (phase in the format's own unit).
inline const std::vector<SamplePoint> SamplePoints{
    {"100", "90", "45"}, {"200", "96", "90"}, {"1000", "86", "-90"}};

/// A small export of format `code` as its measurement system lays it out, holding `points`.
/// Code 0 gives the first CLIO layout; code -1 stands for the second ("Freq [Hz]").
inline std::string SampleExport(int code, const std::vector<SamplePoint>& points = SamplePoints,
                                std::string_view end = "\n") {
    std::vector<std::string> lines;
    auto fixed = [&](int f, int m, int p) {
        for (const SamplePoint& point : points) {
            if (p == 0) {
                lines.push_back(AtColumns({{f, point.FrequencyHz}, {m, point.Magnitude}}));
            } else {
                lines.push_back(
                    AtColumns({{f, point.FrequencyHz}, {m, point.Magnitude}, {p, point.Phase}}));
            }
        }
    };
    switch (code) {
    case -1:
        lines.push_back("Freq [Hz]       dB [SPL]        Phase [Deg]");
        fixed(1, 17, 33);
        break;
    case 0:
        lines.push_back("    Freq\t      dB\t   Phase");
        for (const SamplePoint& point : points) {
            lines.push_back(AtColumns({{1, point.FrequencyHz},
                                       {9, "\t"},
                                       {10, point.Magnitude},
                                       {18, "\t"},
                                       {19, point.Phase}}));
        }
        break;
    case 1:
        lines.push_back("MLSSA: Frequency response");
        lines.push_back("      \"Hz\"  \"Mag (dB)\"       \"deg\"");
        fixed(1, 12, 24);
        break;
    case 2:
        lines.push_back(" WinAIRR saved file");
        lines.push_back("Speaker A, 1 m");
        lines.push_back("Smoothing: none");
        lines.push_back("");
        fixed(1, 11, 23);
        break;
    case 3:
        lines.push_back("; SIA Smaart Pro - Transfer Function");
        for (int line = 1; line < 30; ++line) {
            lines.push_back("; note " + std::to_string(line));
        }
        lines.push_back("; Frequency (Hz)\tMagnitude (dB)\tPhase (degrees)");
        for (const SamplePoint& point : points) {
            lines.push_back(std::string(point.FrequencyHz) + "\t" + std::string(point.Magnitude) +
                            "\t" + std::string(point.Phase));
        }
        break;
    case 4:
        lines.push_back("    f[Hz] Level[dBu]");
        fixed(1, 12, 0);
        break;
    case 6:
    case 7:
    case 8:
        lines.push_back("CALSOD");
        for (int line = 1; line < 8; ++line) {
            lines.push_back("* " + std::to_string(line));
        }
        fixed(1, 10, 18);
        break;
    case 9:
        lines.push_back("1/3 Octave SPL");
        fixed(1, 12, 0);
        break;
    case 10:
        for (int line = 0; line < 7; ++line) {
            lines.push_back("FFT " + std::to_string(line));
        }
        fixed(1, 12, 0);
        break;
    default:
        ADD_FAILURE() << "no sample for format " << code;
    }
    return Lines(lines, end);
}

/// A small grid around the sample points: below, on, between and above them.
inline const std::vector<std::int32_t> SampleGrid{50, 100, 150, 200, 600, 1000, 1001};

} // namespace quorvex::testing
