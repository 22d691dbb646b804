#include "engine/stage_responses.h"

#include <algorithm>
#include <cstddef>

namespace quorvex {

namespace {

void AppendSections(const TXOVERPB& filter, CrossoverSectionList& list) {
    const int count = std::clamp(filter.SectionCount, 0, static_cast<int>(filter.Sections.size()));
    for (int k = 0; k < count; ++k) {
        list.Sections.at(static_cast<std::size_t>(list.Count++)) =
            &filter.Sections.at(static_cast<std::size_t>(k));
    }
}

} // namespace

CrossoverSectionList CrossoverSections(const TXOVER& crossover) {
    CrossoverSectionList list;
    AppendSections(crossover.LowPass, list);
    AppendSections(crossover.HighPass, list);
    return list;
}

void CrossoverResponse(const TXOVER& crossover, FrequencyResponse& response) {
    const CrossoverSectionList list = CrossoverSections(crossover);
    AddResponse(list.View(), list.Count, response);
}

void EqualiserResponse(std::span<const TSOS> bands, int bandsInUse, FrequencyResponse& response) {
    const int count = std::clamp(bandsInUse, 0, static_cast<int>(bands.size()));
    AddResponse(bands, count, response);
}

} // namespace quorvex
