#include "engine/response_grid.h"

#include "config/dimensions.h"
#include "config/rounding.h"

#include <cmath>
#include <numbers>

namespace quorvex {

namespace {

constexpr double LowestFrequencyHz = 20.0;

} // namespace

ResponseGrid ResponseGrid::Build(int sampleRate) {
    using Extended = long double;
    ResponseGrid grid;
    const Extended highest = RoundHalfEven(sampleRate / 2.0) - 1;
    const Extended logLowest = std::log10(Extended{LowestFrequencyHz});
    const Extended logStep = (std::log10(highest) - logLowest) / GridLastIndex;
    for (int i = 0; i <= GridLastIndex; ++i) {
        const Extended frequency = std::pow(Extended{10}, logLowest + i * logStep);
        const std::int32_t hz = RoundHalfEven(static_cast<double>(frequency));
        const auto omega =
            static_cast<float>(2 * std::numbers::pi_v<Extended> * hz / Extended(sampleRate));
        grid.FrequencyHz[static_cast<std::size_t>(i)] = hz;
        grid.Omega[static_cast<std::size_t>(i)] = omega;
        grid.ZInverse[static_cast<std::size_t>(i)] = {std::cos(double{omega}),
                                                      -std::sin(double{omega})};
    }
    return grid;
}

const ResponseGrid& TheResponseGrid() {
    static const ResponseGrid grid = ResponseGrid::Build(ProcessorSampleRate);
    return grid;
}

} // namespace quorvex
