#include "engine/wrapped_degrees.h"

#include <cmath>
#include <numbers>

namespace quorvex {

double WrappedDegrees(double phaseRadians) {
    const double half = phaseRadians >= 0.0 ? 0.5 : -0.5;
    const double turns = std::trunc(phaseRadians / (2.0 * std::numbers::pi) + half);
    return phaseRadians * 180.0 / std::numbers::pi - 360.0 * turns;
}

} // namespace quorvex
