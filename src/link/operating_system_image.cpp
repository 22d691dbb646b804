#include "link/operating_system_image.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace quorvex {

namespace {

constexpr std::size_t ItemWidth = 7; ///< "0xHH , "
constexpr std::size_t FirstDigit = 2;

using Word = std::array<std::uint8_t, OperatingSystemWordSize>;

// The words the unit's loader expects at the start and at the end of a program; the words
// between are a program that does nothing.
constexpr std::array<Word, 4> LeadingWords{{{0x00, 0x00, 0x00, 0x01, 0x84},
                                            {0x00, 0x00, 0x00, 0x01, 0x00},
                                            {0x00, 0x40, 0x02, 0x00, 0x00},
                                            {0x01, 0x10, 0x00, 0x01, 0x84}}};
constexpr Word IdleWord{0x00, 0x00, 0x00, 0x00, 0x00};
constexpr Word ClosingWord{0x00, 0x00, 0x1F, 0xA1, 0x84};

std::string Item(std::uint8_t byte) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string item = "0x";
    item += Digits[byte >> 4];
    item += Digits[byte & 0x0F];
    item += " , ";
    return item;
}

std::string Line(const Word& word) {
    std::string line;
    for (std::uint8_t byte : word) {
        line += Item(byte);
    }
    return line;
}

std::string MakeDefaultText() {
    std::string text = Item(OperatingSystemWordCount >> 8) + Item(OperatingSystemWordCount & 0xFF);
    text += '\n';
    for (int index = 0; index < OperatingSystemWordCount; ++index) {
        const Word& word = index < static_cast<int>(LeadingWords.size())
                               ? LeadingWords[static_cast<std::size_t>(index)]
                           : index == OperatingSystemWordCount - 1 ? ClosingWord
                                                                   : IdleWord;
        text += Line(word) + '\n';
    }
    return text; // the final newline leaves the empty last line
}

std::uint8_t HexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return static_cast<std::uint8_t>(digit - '0');
    }
    if (digit >= 'A' && digit <= 'F') {
        return static_cast<std::uint8_t>(digit - 'A' + 10);
    }
    if (digit >= 'a' && digit <= 'f') {
        return static_cast<std::uint8_t>(digit - 'a' + 10);
    }
    return 0;
}

char CharAt(std::string_view line, std::size_t index) {
    return index < line.size() ? line[index] : '\0';
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    while (true) {
        const std::size_t end = text.find('\n', from);
        std::string_view line = text.substr(from, end == std::string_view::npos ? end : end - from);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            return lines;
        }
        from = end + 1;
    }
}

} // namespace

const std::string& DefaultOperatingSystemText() {
    static const std::string text = MakeDefaultText();
    return text;
}

std::optional<OperatingSystemImage> ParseOperatingSystemText(std::string_view text,
                                                             std::string& error) {
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.size() < OperatingSystemWordCount + 2) {
        error = "The operating system text holds " +
                std::to_string(lines.size() < 2 ? 0 : lines.size() - 2) +
                " program words instead of " + std::to_string(OperatingSystemWordCount) + ".";
        return std::nullopt;
    }
    OperatingSystemImage image{};
    for (std::size_t word = 0; word < OperatingSystemWordCount; ++word) {
        const std::string_view line = lines[word + 1];
        for (std::size_t item = 0; item < OperatingSystemWordSize; ++item) {
            const std::size_t at = item * ItemWidth + FirstDigit;
            image[word * OperatingSystemWordSize + item] = static_cast<std::uint8_t>(
                HexValue(CharAt(line, at)) * 16 + HexValue(CharAt(line, at + 1)));
        }
    }
    return image;
}

std::optional<std::string> ReadOperatingSystemFile(const std::filesystem::path& path,
                                                   std::string& error) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    if (file) {
        content << file.rdbuf();
    }
    if (!file || file.bad()) {
        error = "Cannot read the operating system file " + path.string() + ".";
        return std::nullopt;
    }
    return content.str();
}

} // namespace quorvex
