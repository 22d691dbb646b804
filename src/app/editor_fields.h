#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the editors' numeric fields read what was typed into them.

namespace quorvex {

/// A field that keeps its value inside its range: a value outside gives the nearer limit,
/// text that is not a number gives the minimum, an empty field reads as 0 (then kept inside
/// the range, so a field whose range excludes 0 shows its minimum).
double ReadLimitedField(std::string_view text, double minimum, double maximum);

/// A field that refuses what it cannot hold: nothing when the text is not a number or lies
/// outside the range, and the field keeps its previous value.
std::optional<double> ReadRefusingField(std::string_view text, double minimum, double maximum);

/// A value as a field with the format "00" shows it: a whole number of at least two digits.
std::string FormatTwoDigits(double value);

} // namespace quorvex
