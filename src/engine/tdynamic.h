#pragma once

#include "config/dynamics_setting.h"

#include <array>

namespace quorvex {

inline constexpr int GainTableSize = 33;
inline constexpr int DesignSlots = 256; ///< slots 1..255 of the design arrays

/// Detected input level of GainTable entry j: -96 + 3 j dBFS.
float LevelTableDb(int j);

/// One dynamics block: the stored settings (DynamicsSetting) plus the static-curve design
/// and the 33 gains the processor receives.
struct TDYNAMIC : DynamicsSetting {
    std::int32_t PointCount = 93;                  ///< N, 35 .. 254
    std::array<float, DesignSlots> LevelGrid{};    ///< X, linear
    std::array<float, DesignSlots> LevelGridDb{};  ///< XdB
    std::array<float, DesignSlots> OutputLinear{}; ///< 10^(Y/20)
    std::array<float, DesignSlots> OutputDb{};     ///< Y
    std::array<float, DesignSlots> Gain{};         ///< G
    long double DetectorConstant = 1.008L;
    std::array<long double, GainTableSize> GainTable{};

    /// Constructor values (threshold -29.6 dBFS, ratio 1, XdBmaxLimit 10, knee 4,
    /// 93 points, decimation on), then DesignCurve once.
    TDYNAMIC();

    /// Fills LevelGrid and LevelGridDb for N points and a linear lower bound b (0 < b < 1).
    void BuildLevelGrid(int pointCount, double lowerBound);

    /// Recomputes the static curve and the gains at the 33 table levels.
    void DesignCurve();

    /// Copies the 33 gains into GainTable and folds in the noise gate.
    void ComposeGainTable();

    /// The stored settings part.
    DynamicsSetting& Settings() { return *this; }
    const DynamicsSetting& Settings() const { return *this; }
};

} // namespace quorvex
