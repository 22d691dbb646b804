#pragma once

#include <cstdint>

namespace quorvex {

/// One equaliser band as stored in the configuration. The biquad section
/// that realises it (TSOS) extends this record with its coefficients.
struct PeqBand {
    std::uint8_t FilterType = 0; ///< 0 "Bypass" .. 11 "HiPass Q"; 12, 13, 15, 16 see TSOS
    double Gain = 0.0;           ///< dB, -15.0 .. +12.0 in the editor
    double Frequency = 1000.0;   ///< Hz, 10 .. 20000 in the editor
    double Q = 0.707;            ///< 0.5 .. 20.0 in the editor; the slope for codes 15 and 16
};

} // namespace quorvex
