#pragma once

#include <array>
#include <cstdint>

namespace quorvex {

/// The three bytes of one word of a DSP's coefficient memory, most significant first.
using WordBytes = std::array<std::uint8_t, 3>;

inline constexpr int CoefficientFractionBits = 20;
inline constexpr long double CoefficientScale = 1048576.0L;   ///< 2^20
inline constexpr std::int32_t CoefficientWordMax = 0x1FFFFF;  ///< +2 - 2^-20
inline constexpr std::int32_t CoefficientWordMin = -0x200000; ///< -2

/// A real value as a coefficient word: 22-bit two's complement with 20 fractional bits,
/// Trunc(x * 2^20) toward zero, top byte holding six bits. Values at or above +2 give the
/// largest word (1F FF FF), values below -2 the smallest (20 00 00): a coefficient out of
/// range must not wrap into one of the opposite sign. Non-finite values give 00 00 00.
WordBytes EncodeCoefficientWord(long double value);

/// The value a coefficient word stands for: the sign-extended 22-bit integer / 2^20.
/// Only the low six bits of the top byte count.
double CoefficientWordValue(const WordBytes& word);

} // namespace quorvex
