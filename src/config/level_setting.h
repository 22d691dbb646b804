#pragma once

namespace quorvex {

/// Level, polarity and mute of one output.
struct LevelSetting {
    double GainDb = 0.0; ///< dB, -30.0 .. +6.0 in steps of 0.1
    bool PolarityInverted = false;
    float PolaritySign = 1.0F; ///< -1 when PolarityInverted, +1 otherwise
    double GainFactor = 1.0;   ///< 10^(GainDb/20) x PolaritySign; stored in files
    bool Muted = false;
    double MuteFactor = 1.0; ///< 0 when Muted, 1 otherwise
};

inline constexpr int LevelSliderMax = 361;
inline constexpr int LevelSliderZeroDb = 61;

/// Gain in dB of a level slider position (0..361): (361 - p) x 0.1 - 30.
double LevelDbFromPosition(int position);

/// Slider position of a gain in dB: round((dB + 30) x -10 + 361), ties to even.
int LevelPositionFromDb(double gainDb);

/// 10^(gainDb/20) x sign.
double GainFactorOf(double gainDb, float polaritySign);

/// The value the processor receives for an output: GainFactor x MuteFactor.
inline double OutputGainValue(const LevelSetting& level) {
    return level.GainFactor * level.MuteFactor;
}

} // namespace quorvex
