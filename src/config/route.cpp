#include "config/route.h"

#include "config/configuration.h"

namespace quorvex {

namespace {

constexpr std::int64_t RouteCodeCount = 3;

/// A stored value brought to 0..2, worked out in 64 bits so that no int32 can overflow.
std::int32_t RouteCodeOf(std::int64_t value) {
    return static_cast<std::int32_t>(((value % RouteCodeCount) + RouteCodeCount) % RouteCodeCount);
}

} // namespace

std::pair<double, double> RouteGains(std::int32_t code) {
    switch (code) {
    case RouteA:
        return {1.0, 0.0};
    case RouteAB:
        return {0.5, 0.5};
    case RouteB:
        return {0.0, 1.0};
    default:
        return {0.0, 0.0};
    }
}

void CycleRoute(Configuration& config, int output) {
    const auto index = static_cast<std::size_t>(output - 1);
    const std::int32_t next = RouteCodeOf(std::int64_t{config.Route.at(index)} + 1);
    config.Route[index] = next;
    const auto [a, b] = RouteGains(next);
    config.RouteGainA[index] = a;
    config.RouteGainB[index] = b;
}

void SetRoute(Configuration& config, int output, std::int32_t code) {
    // code - 1 for every code a caller can mean; taken modulo 3 first so that none overflows.
    config.Route.at(static_cast<std::size_t>(output - 1)) = RouteCodeOf(code) - 1;
    CycleRoute(config, output);
}

} // namespace quorvex
