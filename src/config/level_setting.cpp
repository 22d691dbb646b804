#include "config/level_setting.h"

#include "config/rounding.h"

#include <cmath>

namespace quorvex {

double LevelDbFromPosition(int position) {
    return (LevelSliderMax - position) * 0.1 - 30.0;
}

int LevelPositionFromDb(double gainDb) {
    return RoundHalfEven((gainDb + 30.0) * -10.0 + LevelSliderMax);
}

double GainFactorOf(double gainDb, float polaritySign) {
    return std::pow(10.0, gainDb / 20.0) * polaritySign;
}

} // namespace quorvex
