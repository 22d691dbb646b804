#include "app/field_format.h"

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
    return std::string(text.substr(0, static_cast<std::size_t>(capacity)));
}

} // namespace quorvex
