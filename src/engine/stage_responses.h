#pragma once

#include "engine/frequency_response.h"
#include "engine/tsos.h"
#include "engine/txover.h"

#include <array>
#include <span>

namespace quorvex {

/// The sections an output's crossover runs, in order: the LowPass sections
/// 1..SectionCount, then the HighPass sections 1..SectionCount. This is also the order in
/// which they are sent to the processor.
struct CrossoverSectionList {
    std::array<const TSOS*, 6> Sections{};
    int Count = 0;

    std::span<const TSOS* const> View() const {
        return {Sections.data(), static_cast<std::size_t>(Count)};
    }
};

/// The crossover sections of an output. A SectionCount outside 0..3 is taken as the
/// nearest of those, so a damaged count never reads past a filter's three sections.
CrossoverSectionList CrossoverSections(const TXOVER& crossover);

/// The crossover response of an output: its crossover sections in cascade.
void CrossoverResponse(const TXOVER& crossover, FrequencyResponse& response);

/// The equaliser response of an output: its bands 1..bandsInUse in cascade. A bandsInUse
/// beyond the bands given (a stored 7 on a sub output) counts only those; below 0 as 0.
void EqualiserResponse(std::span<const TSOS> bands, int bandsInUse, FrequencyResponse& response);

} // namespace quorvex
