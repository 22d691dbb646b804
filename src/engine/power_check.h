#pragma once

#include "engine/tdynamic.h"

#include <string>

namespace quorvex {

inline constexpr double MaxProcessorOutputDbu = 18.0;
inline constexpr double VoltsAtZeroDbu = 0.775;

/// Where the dynamics editor's threshold slider stands; the power meter reads it.
struct ThresholdSliderPosition {
    int Maximum = 101;
    int Position = 0;
};

/// What the power check of a dynamics block shows.
struct PowerCheckResult {
    double MaxOutputLevelDbu = 0.0; ///< Lmax: the block's largest output, at most +18 dBu
    double MaxOutputVolts = 0.0;    ///< Vmax, V rms at the processor's output
    double OutputPowerWatts = 0.0;  ///< P, into the box through the amplifier
    std::string PowerLine;          ///< first information line
    std::string VoltageLine;        ///< second information line
    int MeterMaximum = 0;           ///< scale of the power meter
    int MeterPosition = 0;
    std::string PowerLabel; ///< P followed by " W"
    bool Warning = false;   ///< P exceeds the box's rated power
    std::string WarningLine;
};

/// Power check of a designed block (DesignCurve has run) numbered 1..3, with the speaker and
/// amplifier data held in the block. Block 3 uses the +23.6 dB level reference and its own
/// meter offsets; blocks 1 and 2 use +20.6 dB.
PowerCheckResult CheckPower(const TDYNAMIC& block, int blockNumber,
                            ThresholdSliderPosition threshold);

} // namespace quorvex
