#pragma once

#include <cstdint>
#include <utility>

namespace quorvex {

struct Configuration;

/// Route codes: which input feeds an output.
enum RouteCode : std::int32_t { RouteA = 0, RouteAB = 1, RouteB = 2 };

/// (A factor, B factor) of a route code: 0 -> (1, 0), 1 -> (0.5, 0.5), 2 -> (0, 1).
/// Any other code gives (0, 0).
std::pair<double, double> RouteGains(std::int32_t code);

/// Advances the route of output 1..6 by one step (0 -> 1 -> 2 -> 0) and recomputes its
/// route factors. A stored value outside 0..2 (the reader stores code - 1) steps to
/// its successor modulo 3, so -1 becomes 0.
void CycleRoute(Configuration& config, int output);

/// Sets a route by storing code - 1 and cycling, as the reset and the file reader do. A code
/// outside 0..2 lands on its remainder modulo 3; none overflows.
void SetRoute(Configuration& config, int output, std::int32_t code);

} // namespace quorvex
