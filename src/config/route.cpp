#include "config/route.h"

#include "config/configuration.h"

namespace quorvex {

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
    std::int32_t next = config.Route.at(index) + 1;
    next = ((next % 3) + 3) % 3;
    config.Route[index] = next;
    const auto [a, b] = RouteGains(next);
    config.RouteGainA[index] = a;
    config.RouteGainB[index] = b;
}

void SetRoute(Configuration& config, int output, std::int32_t code) {
    config.Route.at(static_cast<std::size_t>(output - 1)) = code - 1;
    CycleRoute(config, output);
}

} // namespace quorvex
