#pragma once

#include "engine/tsos.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <span>

namespace quorvex::testing {

/// H(e^jw) of a cascade at any frequency, evaluated directly from the coefficients in
/// extended precision, independent of the response grid and its evaluation.
inline std::complex<long double> ResponseAt(std::span<const TSOS> sections, double hz) {
    using C = std::complex<long double>;
    const long double w = 2.0L * std::numbers::pi_v<long double> * hz / 48000.0L;
    const C z = std::polar(1.0L, -w);
    C h{1.0L, 0.0L};
    for (const TSOS& s : sections) {
        h *= (s.b0 + s.b1 * z + s.b2 * z * z) / (1.0L - s.a1 * z - s.a2 * z * z);
    }
    return h;
}

inline double GainDbAt(std::span<const TSOS> sections, double hz) {
    return static_cast<double>(20.0L * std::log10(std::abs(ResponseAt(sections, hz))));
}

inline double GainDbAt(const TSOS& section, double hz) {
    return GainDbAt(std::span<const TSOS>(&section, 1), hz);
}

inline double PhaseAt(const TSOS& section, double hz) {
    return static_cast<double>(std::arg(ResponseAt(std::span<const TSOS>(&section, 1), hz)));
}

} // namespace quorvex::testing
