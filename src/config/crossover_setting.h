#pragma once

#include <cstdint>

namespace quorvex {

/// One side of an output's crossover. Family codes: 0 bypass, 1/2 Butterworth
/// low/high pass, 3/4 Linkwitz-Riley, 5/6 Bessel, 7/8 per-section Q.
struct CrossoverSection {
    double Frequency = 1000.0; ///< Hz, 20 .. 20000
    std::int32_t Order = 2;    ///< 2 .. 4 in the editor
    std::uint8_t Family = 0;
};

/// Family code of a list position k (0 "ByPass", 1 "ButtW", 2 "L-Riley", 3 "Bessel"):
/// 2k on the lower edge (high pass), 2k - 1 on the upper edge (low pass), 0 for position 0.
constexpr std::uint8_t FamilyCodeOf(int listPosition, bool highPass) {
    if (listPosition <= 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(highPass ? 2 * listPosition : 2 * listPosition - 1);
}

/// The crossover of one output: HighPass is the lower edge (controls ending in L),
/// LowPass the upper edge (controls ending in H).
struct CrossoverSetting {
    CrossoverSection HighPass;
    CrossoverSection LowPass;
    bool SoloHighPass = false; ///< `OnlyL`: the LowPass section is switched off
    bool SoloLowPass = false;  ///< `OnlyH`: the HighPass section is switched off
};

/// Defaults after New configuration: outputs 1..4 high pass bypassed at 100 Hz, low pass
/// bypassed at 5000 Hz; subs high pass bypassed at 20 Hz, low pass Butterworth at 480 Hz.
CrossoverSetting DefaultCrossoverSetting(int output);

} // namespace quorvex
