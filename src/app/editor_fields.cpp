#include "app/editor_fields.h"

#include "app/field_format.h"

#include <algorithm>

namespace quorvex {

double ReadLimitedField(std::string_view text, double minimum, double maximum) {
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        return std::clamp(0.0, minimum, maximum);
    }
    const std::optional<double> value = ParseFieldValue(text);
    if (!value) {
        return minimum;
    }
    return std::clamp(*value, minimum, maximum);
}

std::optional<double> ReadRefusingField(std::string_view text, double minimum, double maximum) {
    const std::optional<double> value = ParseFieldValue(text);
    if (!value || *value < minimum || *value > maximum) {
        return std::nullopt;
    }
    return value;
}

std::string FormatTwoDigits(double value) {
    const std::string shown = FormatFixed(value, 0);
    const bool negative = !shown.empty() && shown.front() == '-';
    const std::string digits = negative ? shown.substr(1) : shown;
    const std::string padded = digits.size() < 2 ? "0" + digits : digits;
    return negative ? "-" + padded : padded;
}

} // namespace quorvex
