#include "app/field_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace quorvex {

namespace {

// Below this relative distance from a .5 a scaled value counts as the tie it stands for.
constexpr double TieTolerance = 1e-9;

std::string WithSign(bool negative, std::string digits) {
    const bool allZero = digits.find_first_not_of("0.") == std::string::npos;
    return (negative && !allZero) ? "-" + digits : digits;
}

} // namespace

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    }
    const double scaled = std::fabs(value) * std::pow(10.0, decimals);
    double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (fraction >= 0.5 - TieTolerance * std::fmax(1.0, scaled)) {
        whole += 1.0;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    std::string digits(buffer);
    const auto places = static_cast<std::size_t>(std::max(decimals, 0));
    if (places > 0) {
        if (digits.size() <= places) {
            digits = std::string(places + 1 - digits.size(), '0') + digits;
        }
        const std::size_t point = digits.size() - places;
        digits = digits.substr(0, point) + "." + digits.substr(point);
    }
    return WithSign(value < 0, digits);
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

} // namespace quorvex
