#pragma once

#include "engine/frequency_response.h"

#include <array>
#include <complex>
#include <cstdint>

namespace quorvex {

/// The program's frequency grid: 401 integer frequencies from 20 Hz to 23999 Hz,
/// logarithmically spaced (neighbouring low points may repeat), with the angle
/// and z^-1 of each point precomputed for the response evaluation.
struct ResponseGrid {
    std::array<std::int32_t, GridPointCount> FrequencyHz{}; ///< f_i, nearest integer (ties to even)
    std::array<float, GridPointCount> Omega{};              ///< 2 pi f_i / fs, single precision
    std::array<std::complex<double>, GridPointCount> ZInverse{}; ///< (cos w, -sin w)

    /// Builds the grid for a sample rate (highest point: nearest(fs / 2) - 1).
    static ResponseGrid Build(int sampleRate);
};

/// The grid of the processor's sample rate, built once and shared.
const ResponseGrid& TheResponseGrid();

} // namespace quorvex
