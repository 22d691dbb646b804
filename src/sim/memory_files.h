#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace quorvex {

class VirtualProcessor;

/// File that keeps memory `number` (1..61) in a state directory: "memory_01.bin" ...
/// "memory_61.bin", the raw bytes of the memory.
std::string MemoryFileName(int number);

/// Creates the state directory when missing and loads every memory file in it into the
/// processor. A missing file leaves its memory as it is. Returns one message per problem
/// (directory not usable, file unreadable or of the wrong size); an empty list means success.
std::vector<std::string> LoadMemoryFiles(const std::filesystem::path& directory,
                                         VirtualProcessor& processor);

/// Writes memory `number` to its file. The old file is replaced only by a complete new one.
/// Returns the error text, empty on success.
std::string SaveMemoryFile(const std::filesystem::path& directory, int number,
                           std::span<const std::uint8_t> bytes);

} // namespace quorvex
