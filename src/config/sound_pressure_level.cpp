#include "config/sound_pressure_level.h"

#include <cmath>

namespace quorvex {

namespace {

constexpr double VoltsAtZeroDbu = 0.775;
constexpr double ReferencePressurePa = 0.00002;

} // namespace

double SoundPressureLevelFromDbu(double levelDbu, double sensitivityVoltsPerPascal) {
    // Taken apart as L + 20 log10(...) so that no level overflows through 10^(L/20).
    return levelDbu +
           20.0 * std::log10(VoltsAtZeroDbu / sensitivityVoltsPerPascal / ReferencePressurePa);
}

} // namespace quorvex
