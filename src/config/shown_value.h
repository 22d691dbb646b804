#pragma once

#include <string>

namespace quorvex {

/// A value as a field with format "0", "0.0", "0.00"... shows it: `decimals` digits after
/// the point, halves rounded away from zero, never "-0.0". Non-finite values show as "0".
std::string FormatFixed(double value, int decimals);

} // namespace quorvex
