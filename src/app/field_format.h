#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

/// A value as a field with format "0", "0.0", "0.00"... shows it: `decimals` digits after
/// the point, halves rounded away from zero, never "-0.0". Non-finite values show as 0.
std::string FormatFixed(double value, int decimals);

/// Coefficients as the coefficient display shows them: 18 decimals ("0.000000000000000000").
std::string FormatCoefficient(long double value);

/// The number a field holds, or nothing when its text is not a number. Blanks around the
/// number are allowed.
std::optional<double> ParseFieldValue(std::string_view text);

/// A typed text (UTF-8) cut to the bytes a field holds, never inside a character.
std::string LimitedText(std::string_view text, int capacity);

} // namespace quorvex
