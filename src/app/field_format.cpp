#include "app/field_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace quorvex {

namespace {

std::string WithSign(bool negative, std::string digits) {
    const bool allZero = digits.find_first_not_of("0.") == std::string::npos;
    return (negative && !allZero) ? "-" + digits : digits;
}

} // namespace

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    const double scale = std::pow(10.0, decimals);
    double scaled = std::round(value * scale);
    if (scaled == 0.0) {
        scaled = 0.0; // drops the sign of a negative zero
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, scaled / scale);
    return text;
}

std::string FormatCoefficient(long double value) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.18Lf", std::fabs(value));
    return WithSign(value < 0, buffer);
}

std::optional<double> ParseFieldValue(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto last = text.find_last_not_of(' ');
    text = text.substr(first, last - first + 1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string LimitedText(std::string_view text, int capacity) {
    std::size_t length = std::min(text.size(), static_cast<std::size_t>(std::max(capacity, 0)));
    // The file keeps the bytes as they are, so a character cut in half would be stored
    // broken: one that does not fit whole is left out.
    constexpr unsigned char ContinuationMask = 0xC0;
    constexpr unsigned char ContinuationBits = 0x80;
    while (length > 0 && length < text.size() &&
           (static_cast<unsigned char>(text[length]) & ContinuationMask) == ContinuationBits) {
        --length;
    }
    return std::string(text.substr(0, length));
}

} // namespace quorvex
