#pragma once

// A fresh folder per test for the files a test writes and reads, removed afterwards, and
// the small files the file tests need: CLIO exports and raw bytes.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quorvex::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quorvex-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    /// A path inside the folder, as a string the dialogs would return.
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

/// A CLIO export of `lines` points from `firstHz` to `lastHz` (geometric steps) at a flat
/// level and phase: the header "    Freq\t      dB\t   Phase", then frequency, level and
/// phase in the columns 1-8, 10-17 and 19-26.
inline std::string FlatClioExport(double firstHz, double lastHz, int lines, double levelDb,
                                  double phaseDegrees = 0.0) {
    std::string text = "    Freq\t      dB\t   Phase\n";
    for (int line = 0; line < lines; ++line) {
        const double hz = firstHz * std::pow(lastHz / firstHz, line / double(lines - 1));
        char row[64];
        std::snprintf(row, sizeof row, "%8.2f %8.3f %8.3f\n", hz, levelDb, phaseDegrees);
        text += row;
    }
    return text;
}

} // namespace quorvex::testing
