#include "app/plot_readout.h"

#include "app/field_format.h"
#include "config/rounding.h"

namespace quorvex {

std::string PlotReadout(double frequencyHz, double value, bool magnitude) {
    return std::to_string(RoundHalfEven(frequencyHz)) + " Hz , " + FormatFixed(value, 2) +
           std::string(magnitude ? MagnitudeReadoutUnit : PhaseReadoutUnit);
}

} // namespace quorvex
