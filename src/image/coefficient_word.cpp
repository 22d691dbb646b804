#include "image/coefficient_word.h"

#include <cmath>

namespace quorvex {

namespace {

// Decides the range on the real value before any conversion, so that no float-to-integer
// conversion ever sees a value it cannot represent.
std::int32_t QuantisedCoefficient(long double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    const long double scaled = value * CoefficientScale;
    if (scaled >= static_cast<long double>(CoefficientWordMax) + 1.0L) {
        return CoefficientWordMax;
    }
    if (scaled <= static_cast<long double>(CoefficientWordMin)) {
        return CoefficientWordMin;
    }
    return static_cast<std::int32_t>(std::trunc(scaled));
}

} // namespace

WordBytes EncodeCoefficientWord(long double value) {
    const auto bits = static_cast<std::uint32_t>(QuantisedCoefficient(value));
    return {static_cast<std::uint8_t>((bits >> 16) & 0x3FU),
            static_cast<std::uint8_t>((bits >> 8) & 0xFFU),
            static_cast<std::uint8_t>(bits & 0xFFU)};
}

double CoefficientWordValue(const WordBytes& word) {
    std::int32_t raw = ((word[0] & 0x3F) << 16) | (word[1] << 8) | word[2];
    if ((raw & 0x200000) != 0) {
        raw -= 0x400000;
    }
    return raw / static_cast<double>(CoefficientScale);
}

} // namespace quorvex
