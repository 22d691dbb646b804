#pragma once

#include "config/dynamics_setting.h"

#include <array>

namespace quorvex {

inline constexpr int GainTableSize = 33;
inline constexpr int DesignSlots = 256; ///< slots 1..255 of the design arrays

/// Detected input level of GainTable entry j: -96 + 3 j dBFS.
float LevelTableDb(int j);

/// dB added to a block's dBFS levels to show them in dBu: 20.6 for blocks 1 and 2,
/// 23.6 for block 3 (the sub block).
double DbuOffsetOfBlock(int block);

/// Slope of the static curve above the knee for a ratio: 1 / ratio. A ratio of 0, below 0
/// or not finite is taken as the most severe ratio (slope 0), so no design divides by zero.
double SlopeAboveKnee(float ratio);

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

    /// Fills LevelGrid and LevelGridDb for N points (taken within 35..254) and a linear lower
    /// bound b (0 < b < 1).
    void BuildLevelGrid(int pointCount, double lowerBound);

    /// Recomputes the static curve and the gains at the 33 table levels. PointCount is first
    /// brought into 35..254 and a threshold of exactly 0 dBFS becomes -0.001 dBFS.
    void DesignCurve();

    /// Copies the 33 gains into GainTable and folds in the noise gate. The gate position is
    /// taken within 1..33 and the slope as at least 1 (not finite: gate off, slope 1); the
    /// stored fields are left as they are.
    void ComposeGainTable();

    /// True when CompressorMode selects the compressor (1); every other code is the limiter.
    bool IsCompressor() const { return CompressorMode == 1; }
    /// True when Bypass is 1: the table is unity apart from the gate.
    bool IsBypassed() const { return Bypass == 1; }

    /// Y[N - 1]: the designed curve's output level (dBFS) for a 0 dBFS input.
    float FullScaleOutputDb() const;

    /// The stored settings part.
    DynamicsSetting& Settings() { return *this; }
    const DynamicsSetting& Settings() const { return *this; }
};

} // namespace quorvex
