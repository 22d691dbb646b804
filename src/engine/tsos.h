#pragma once

#include "config/peq_band.h"
#include "engine/frequency_response.h"

#include <cstdint>
#include <span>

namespace quorvex {

/// One second-order section. It realises
///   H(z) = (b0 + b1 z^-1 + b2 z^-2) / (1 - a1 z^-1 - a2 z^-2),
/// so a1 and a2 are the negated normalised denominator coefficients of the textbook form.
/// The band parameters (FilterType, Gain, Frequency, Q) come from PeqBand.
///
/// Filter type codes: 0 bypass, 1 parametric, 2/3 first-order low/high shelf, 4/5 Butterworth
/// low/high pass, 6 band pass, 7 notch, 8/9 first/second-order all pass, 10/11 low/high pass
/// with Q, 12 first-order low or high pass, 13 first-order high pass (crossover only),
/// 15/16 low/high shelf with slope (Q is the slope).
struct TSOS : PeqBand {
    long double b0 = 1.0L;
    long double b1 = 0.0L;
    long double b2 = 0.0L;
    long double a1 = 0.0L;
    long double a2 = 0.0L;
    std::int32_t DspAddress = 0; ///< coefficient address in the processor; 0 = not assigned

    /// Pass-through coefficients; the band parameters stay.
    void Reset();

    /// Coefficients from FilterType, Frequency, Gain, Q at the processor's sample rate, for
    /// codes 0..11, 15, 16; any other code leaves the coefficients as they are.
    void Design();

    // One design per type, callable directly (the crossover and the sub reinforcement do).
    void DesignParametric();          // 1
    void DesignLowShelf();            // 2
    void DesignHighShelf();           // 3
    void DesignLowPassButterworth();  // 4
    void DesignHighPassButterworth(); // 5
    void DesignBandPass();            // 6
    void DesignStopBand();            // 7
    void DesignAllPass1();            // 8
    void DesignAllPass2();            // 9
    void DesignLowPassQ();            // 10
    void DesignHighPassQ();           // 11
    void DesignFirstOrderLowPass();   // 12
    void DesignFirstOrderHighPass();  // 12
    void DesignLowShelfSlope();       // 15
    void DesignHighShelfSlope();      // 16

    /// Coefficient k as a float: 0 b0, 1 b1, 2 b2, 3 a1, 4 a2; any other k gives 0.
    float Coefficient(int k) const;
};

/// 2 pi f / SampleRate (radians per sample), narrowed to double as every design takes it.
double SectionAngle(double frequencyHz);

/// Evaluates the cascade of the first `count` sections on the response grid and writes
/// the summed magnitude (dB; |m| < 1e-8 stored as 0) and the summed, unwrapped phase
/// (radians). A count of 0 leaves both at zero; a count beyond the list is limited to it and
/// null entries count as pass-through sections.
void AddResponse(std::span<const TSOS* const> sections, int count, FrequencyResponse& response);

/// Convenience: the cascade of a contiguous array of sections.
void AddResponse(std::span<const TSOS> sections, int count, FrequencyResponse& response);

} // namespace quorvex
