#include "engine/power_check.h"

#include "config/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quorvex {

namespace {

constexpr int SubBlock = 3;
constexpr int MeterBase = 64;
constexpr int LimiterMeterOffsetSub = 3;
constexpr int CompressorMeterOffsetSub = 6;
constexpr double CompressorMeterScale = 0.97;
constexpr double UnbalancedPowerDivisor = 4.0;
constexpr double UnbalancedVoltageDivisor = 2.0;

// A value as the information box and the labels show it with a fixed number of decimals:
// halves round away from zero.
std::string ShownFixed(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale + 0.0; // no "-0"
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    return text;
}

double MaxOutputLevelDbu(const TDYNAMIC& block, int blockNumber) {
    if (block.IsBypassed()) {
        return MaxProcessorOutputDbu;
    }
    const double level = block.FullScaleOutputDb() + DbuOffsetOfBlock(blockNumber);
    return std::min(level, MaxProcessorOutputDbu);
}

// Input level in dBu that drives the box to its rated power, doubled onto the meter's scale.
int MeterMaximum(const TDYNAMIC& block) {
    const double boxVolts = std::sqrt(static_cast<double>(block.SpeakerMaxPower) *
                                      static_cast<double>(block.LoadImpedance));
    const double boxLevelDbu = 20.0 * std::log10(boxVolts / (block.AmpGain * VoltsAtZeroDbu));
    return RoundHalfEven(boxLevelDbu) * 2 + MeterBase;
}

int MeterPosition(const TDYNAMIC& block, int blockNumber, ThresholdSliderPosition threshold) {
    const bool sub = blockNumber == SubBlock;
    if (!block.IsCompressor()) {
        return threshold.Maximum - threshold.Position - (sub ? LimiterMeterOffsetSub : 0);
    }
    // The most severe ratio (0 or invalid) adds nothing, as its slope is 0.
    const double ratioTerm = SlopeAboveKnee(block.Ratio) > 0.0 ? 100.0 / block.Ratio : 0.0;
    const double position =
        CompressorMeterScale * threshold.Maximum - (threshold.Position - ratioTerm);
    return RoundHalfEven(position) - (sub ? CompressorMeterOffsetSub : 0);
}

} // namespace

PowerCheckResult CheckPower(const TDYNAMIC& block, int blockNumber,
                            ThresholdSliderPosition threshold) {
    PowerCheckResult result;
    result.MaxOutputLevelDbu = MaxOutputLevelDbu(block, blockNumber);
    result.MaxOutputVolts = std::pow(10.0, result.MaxOutputLevelDbu / 20.0) * VoltsAtZeroDbu;
    const double ampVolts = result.MaxOutputVolts * block.AmpGain;
    result.OutputPowerWatts = ampVolts * ampVolts / block.LoadImpedance;
    // An unbalanced drive gives the amplifier half the voltage.
    if (block.Balanced == 0) {
        result.OutputPowerWatts /= UnbalancedPowerDivisor;
        result.MaxOutputVolts /= UnbalancedVoltageDivisor;
    }

    const std::string power = ShownFixed(result.OutputPowerWatts, 0);
    result.PowerLine = "1 - Max RMS Out Power : " + power + " Watts";
    result.VoltageLine =
        "    Quorvex max Out Voltage : " + ShownFixed(result.MaxOutputVolts, 2) + " vrms";
    result.PowerLabel = power + " W";
    result.MeterMaximum = MeterMaximum(block);
    result.MeterPosition = MeterPosition(block, blockNumber, threshold);
    result.Warning = result.OutputPowerWatts > block.SpeakerMaxPower;
    if (result.Warning) {
        result.WarningLine = "The Out Power exceeds your Box Power capacity!";
    }
    return result;
}

} // namespace quorvex
