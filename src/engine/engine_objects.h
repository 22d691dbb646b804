#pragma once

#include "config/configuration.h"
#include "engine/tdynamic.h"
#include "engine/tsos.h"
#include "engine/txover.h"

#include <array>

namespace quorvex {

/// The engine objects of one configuration: what the editors design and what the
/// coefficient image and the responses read. Arrays are indexed by output - 1,
/// band - 1 and block - 1; outputs 5 and 6 use bands 1..3 only.
struct EngineObjects {
    std::array<std::array<TSOS, MaxBandsPerOutput>, OutputCount> Bands{};
    std::array<TXOVER, OutputCount> Crossovers{};
    std::array<TDYNAMIC, DynamicsBlockCount> Dynamics{};
    std::array<TSOS, 2> Reinforcement{}; ///< sub reinforcement of SUB1, SUB2

    TSOS& Band(int output, int band) {
        return Bands.at(static_cast<std::size_t>(output - 1))
            .at(static_cast<std::size_t>(band - 1));
    }
    const TSOS& Band(int output, int band) const {
        return Bands.at(static_cast<std::size_t>(output - 1))
            .at(static_cast<std::size_t>(band - 1));
    }
    TXOVER& Crossover(int output) { return Crossovers.at(static_cast<std::size_t>(output - 1)); }
    const TXOVER& Crossover(int output) const {
        return Crossovers.at(static_cast<std::size_t>(output - 1));
    }
    TDYNAMIC& Block(int block) { return Dynamics.at(static_cast<std::size_t>(block - 1)); }
    const TDYNAMIC& Block(int block) const {
        return Dynamics.at(static_cast<std::size_t>(block - 1));
    }
};

/// Designs every band, crossover and dynamics block straight from a configuration
/// (parameters copied in, designs run, fields the designs change copied back into the
/// configuration). Bessel low passes above their maximum are designed at the maximum.
void DesignAll(Configuration& config, EngineObjects& objects);

} // namespace quorvex
