#include "sim/memory_files.h"

#include "sim/memory_layout.h"
#include "sim/virtual_processor.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace quorvex {

namespace {

/// Reads a whole file; false when it cannot be read.
bool ReadFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

std::string MemoryFileName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "memory_%02d.bin", number);
    return name;
}

std::vector<std::string> LoadMemoryFiles(const std::filesystem::path& directory,
                                         VirtualProcessor& processor) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error || !std::filesystem::is_directory(directory, error)) {
        return {"State directory " + directory.string() + " cannot be used: " + error.message()};
    }
    std::vector<std::string> problems;
    for (int number = sim::FirstMemory; number <= sim::OperatingSystemMemory; ++number) {
        const std::filesystem::path path = directory / MemoryFileName(number);
        if (!std::filesystem::exists(path, error)) {
            continue;
        }
        std::vector<std::uint8_t> bytes;
        if (!ReadFile(path, bytes)) {
            problems.push_back("Cannot read " + path.string());
        } else if (!processor.LoadMemory(number, bytes)) {
            problems.push_back(path.string() + " has " + std::to_string(bytes.size()) +
                               " bytes; memory " + std::to_string(number) + " was left as it is");
        }
    }
    return problems;
}

std::string SaveMemoryFile(const std::filesystem::path& directory, int number,
                           std::span<const std::uint8_t> bytes) {
    const std::filesystem::path path = directory / MemoryFileName(number);
    std::filesystem::path partial = path;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            return "Cannot write " + partial.string();
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::filesystem::remove(partial, error);
        return "Cannot replace " + path.string();
    }
    return {};
}

} // namespace quorvex
