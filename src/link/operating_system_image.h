#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

inline constexpr int OperatingSystemWordCount = 512;
inline constexpr int OperatingSystemWordSize = 5;
inline constexpr int OperatingSystemImageSize = 2560; ///< sent as LONG to memory 61

/// The processor's DSP operating system as sent: 512 program words of five bytes.
using OperatingSystemImage = std::array<std::uint8_t, OperatingSystemImageSize>;

/// The operating-system text the program carries: a first line with the word count
/// ("0x02 , 0x00 , "), one line per program word of five items "0xHH , ", an empty last line.
const std::string& DefaultOperatingSystemText();

/// Parses an operating-system text: the first and the last line are skipped, and each of
/// the 512 lines between gives five bytes, the two hexadecimal digits of each item being the
/// third and fourth characters of its seven-character group (any other character counts as
/// 0). A text with fewer lines than that gives nothing and a message in `error`: sending a
/// partial program would leave the unit without a working one.
std::optional<OperatingSystemImage> ParseOperatingSystemText(std::string_view text,
                                                             std::string& error);

/// Reads an operating-system text from a file; nothing and a message in `error` when the
/// file cannot be read.
std::optional<std::string> ReadOperatingSystemFile(const std::filesystem::path& path,
                                                   std::string& error);

} // namespace quorvex
