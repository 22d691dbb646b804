#pragma once

#include "image/coefficient_word.h"

#include <cstdint>

namespace quorvex {

inline constexpr std::int32_t IntegerWordMax = 0xFFFF;

/// A 16-bit unsigned integer as a word: 00, high byte, low byte. A value outside
/// 0..65535 is limited to the nearer end rather than losing its high bits.
WordBytes EncodeIntegerWord(std::int32_t value);

/// The integer an integer word carries (0..65535; the first byte is not part of it).
std::int32_t IntegerWordValue(const WordBytes& word);

} // namespace quorvex
