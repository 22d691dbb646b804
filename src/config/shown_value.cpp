#include "config/shown_value.h"

#include <cmath>
#include <cstdio>

namespace quorvex {

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

} // namespace quorvex
