#include "engine/fixed_sub_low_pass.h"

#include "engine/tsos.h"

#include <array>

namespace quorvex {

namespace {

FrequencyResponse DesignFixedSubLowPass() {
    std::array<TSOS, 1> section{};
    section[0].FilterType = 10;
    section[0].Frequency = FixedSubLowPassFrequency;
    section[0].Q = FixedSubLowPassQ;
    section[0].DesignLowPassQ();
    FrequencyResponse response;
    AddResponse(std::span<const TSOS>(section), 1, response);
    return response;
}

} // namespace

const FrequencyResponse& FixedSubLowPassResponse() {
    static const FrequencyResponse response = DesignFixedSubLowPass();
    return response;
}

} // namespace quorvex
