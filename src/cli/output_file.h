#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace quorvex {

/// Writes a command's output file whole: the bytes go to a new file beside `path` that
/// replaces it only once completely written, so a failure leaves no partial file and any
/// previous file as it was. Returns the system's message on failure.
std::optional<std::string> WriteOutputFile(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes);

/// Reads a whole input file of at most `limit` bytes; the system's message on failure (a
/// larger file is refused with EFBIG's message).
struct InputFile {
    std::optional<std::string> Error;
    std::string Bytes;
};
InputFile ReadInputFile(const std::filesystem::path& path, std::size_t limit);

} // namespace quorvex
