#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

/// A value as a field with the format "0", "0.0", "0.00" ... shows it: `decimals` digits
/// after the point, the last one rounded half away from zero, without a sign when the
/// shown value is zero. A binary value that lies a hair below a decimal tie (34.65 held as
/// 34.64999...) is shown as the tie rounds, as the person who typed it expects.
std::string FormatFixed(double value, int decimals);

/// Coefficients as the coefficient display shows them: 18 decimals ("0.000000000000000000").
std::string FormatCoefficient(long double value);

/// The number a field holds, or nothing when its text is not a number. Blanks around the
/// number are allowed.
std::optional<double> ParseFieldValue(std::string_view text);

} // namespace quorvex
