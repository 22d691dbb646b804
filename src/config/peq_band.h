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

// The ranges the equaliser's fields keep a band in; a memory read back is brought inside
// them too. The subs' frequency field stops lower, at the editor's own limit.
inline constexpr double MinimumBandFrequency = 10.0;
inline constexpr double MaximumBandFrequency = 20000.0;
inline constexpr double MinimumBandGain = -15.0;
inline constexpr double MaximumBandGain = 12.0;
inline constexpr double MinimumBandQ = 0.5;
inline constexpr double MaximumBandQ = 20.0;

// The gain and Q sliders' positions are also what a memory stores for a band.
inline constexpr double BandGainStep = 0.1; ///< dB per gain slider position
inline constexpr double BandQScale = 10.0;  ///< Q slider positions per unit of Q
/// Gain in dB of a gain slider position: (273 - p) x 0.1 - 15, not limited.
double BandGainFromPosition(int position);
/// Gain slider position of a gain in dB: round((-dB - 15) / 0.1 + 273), ties to even.
int BandGainPosition(double gainDb);
/// Q of a Q slider position: (200 - p) / 10, not limited.
double BandQFromPosition(int position);
/// Q slider position of a Q: round(-10 Q + 200), ties to even.
int BandQPosition(double q);

} // namespace quorvex
