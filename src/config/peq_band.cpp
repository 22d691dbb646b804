#include "config/peq_band.h"

#include "config/rounding.h"

namespace quorvex {

namespace {

constexpr double GainSliderZero = 273.0;
constexpr double QSliderTop = 200.0;

} // namespace

double BandGainFromPosition(int position) {
    return (GainSliderZero - position) * BandGainStep + MinimumBandGain;
}

int BandGainPosition(double gainDb) {
    return RoundHalfEven((-gainDb + MinimumBandGain) / BandGainStep + GainSliderZero);
}

double BandQFromPosition(int position) {
    return (QSliderTop - position) / BandQScale;
}

int BandQPosition(double q) {
    return RoundHalfEven(-q * BandQScale + QSliderTop);
}

} // namespace quorvex
