#include "image/integer_word.h"

#include <algorithm>

namespace quorvex {

WordBytes EncodeIntegerWord(std::int32_t value) {
    const auto n = static_cast<std::uint32_t>(std::clamp(value, 0, IntegerWordMax));
    return {0x00, static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n & 0xFFU)};
}

std::int32_t IntegerWordValue(const WordBytes& word) {
    return (word[1] << 8) | word[2];
}

} // namespace quorvex
