#include "engine/tdynamic.h"

#include "config/dimensions.h"
#include "config/dynamics_times.h"
#include "config/rounding.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

constexpr int MinPointCount = 35;
constexpr int MaxPointCount = 254;
constexpr int FirstGateEntry = 1;

constexpr float ConstructorThresholdDb = -29.6F;
constexpr float ConstructorRatio = 1.0F;
constexpr float ConstructorXdBmaxLimit = 10.0F;
constexpr float ConstructorKneeDb = 4.0F;

// Below this half-width the knee quadratic would degenerate; it is designed at the minimum.
constexpr float HardKneeLimitDb = 0.5F;
constexpr long double MinimalKneeHalfWidthDb = 0.2L;

// The design grid must stay below full scale, so a threshold of exactly 0 dBFS is nudged down.
constexpr float ZeroThresholdReplacementDb = -0.001F;

int ClampedPointCount(std::int32_t pointCount) {
    return std::clamp<int>(pointCount, MinPointCount, MaxPointCount);
}

int GatePositionEntry(float position) {
    if (!std::isfinite(position)) {
        return FirstGateEntry;
    }
    return std::clamp(RoundHalfEven(position), FirstGateEntry, GainTableSize);
}

int GateSlopeSteps(float slope) {
    if (!std::isfinite(slope)) {
        return 1;
    }
    return std::max(RoundHalfEven(slope), 1);
}

float GainOfDb(double db) {
    return static_cast<float>(std::pow(10.0, db / 20.0));
}

} // namespace

float LevelTableDb(int j) {
    return static_cast<float>(-96 + 3 * j);
}

double DbuOffsetOfBlock(int block) {
    return block == 3 ? 23.6 : 20.6;
}

double SlopeAboveKnee(float ratio) {
    if (!(ratio > 0.0F) || !std::isfinite(ratio)) {
        return 0.0;
    }
    return 1.0 / static_cast<double>(ratio);
}

TDYNAMIC::TDYNAMIC() {
    ThresholdDb = ConstructorThresholdDb;
    Ratio = ConstructorRatio;
    XdBmaxLimit = ConstructorXdBmaxLimit;
    KneeDb = ConstructorKneeDb;
    Decimation = 1;
    RmsCoefficient = RmsCoefficientFromAttack(DefaultAttackDbPerSecond, ProcessorSampleRate);
    DesignCurve();
}

void TDYNAMIC::BuildLevelGrid(int pointCount, double lowerBound) {
    const int linearCount = ClampedPointCount(pointCount) - GainTableSize;
    const double step = (1.0 - lowerBound) / linearCount;
    for (int i = 1; i <= linearCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        LevelGrid[slot] = static_cast<float>(lowerBound + (i - 1) * step);
        LevelGridDb[slot] = static_cast<float>(20.0 * std::log10(LevelGrid[slot]));
    }
    // The last slot of the linear run is deliberately overwritten by the first table level.
    for (int j = 0; j < GainTableSize; ++j) {
        const auto slot = static_cast<std::size_t>(linearCount + j);
        LevelGridDb[slot] = LevelTableDb(j);
        LevelGrid[slot] = GainOfDb(LevelTableDb(j));
    }
}

void TDYNAMIC::DesignCurve() {
    PointCount = ClampedPointCount(PointCount);
    const int n = PointCount;
    if (ThresholdDb == 0.0F) {
        ThresholdDb = ZeroThresholdReplacementDb;
    }

    const long double slope = IsCompressor() ? SlopeAboveKnee(Ratio) : 0.0L;
    const long double a = slope;
    BuildLevelGrid(n, std::pow(10.0, (static_cast<double>(ThresholdDb) - KneeDb) / 20.0));

    // The threshold as it comes back through the single-precision grid.
    const long double c = static_cast<long double>(LevelGridDb[1]) + KneeDb;
    const long double d = KneeDb > HardKneeLimitDb ? KneeDb : MinimalKneeHalfWidthDb;

    // Quadratic through the knee: slope 1 at c - d, slope a at c + d.
    const long double u = 1.0L - a;
    const long double q2 = -u / (4.0L * d);
    const long double q1 = (u * c + (1.0L + a) * d) / (2.0L * d);
    const long double q0 = -(2.0L * c * d * (a - 1.0L) + (c * c + d * d) * u) / (4.0L * d);
    const long double makeup = MakeupGainDb;

    for (int i = 1; i <= n - 1; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const long double x = LevelGridDb[slot];
        const long double y =
            x <= c + d ? makeup + q0 + q1 * x + q2 * x * x : makeup + c + (x - c) * slope;
        OutputDb[slot] = static_cast<float>(y);
        OutputLinear[slot] = GainOfDb(OutputDb[slot]);
        Gain[slot] = static_cast<float>(static_cast<double>(OutputLinear[slot]) / LevelGrid[slot]);
    }

    const int first = n - GainTableSize;
    const int last = n - 1;
    // Below the knee the quadratic keeps bending down; those levels get unity gain.
    for (int i = first; i <= last - 1; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (Gain[slot] < Gain[slot + 1]) {
            Gain[slot] = 1.0F;
        }
    }
    // With a hard knee the quadratic underflows to a gain of exactly 0 over several levels,
    // which the rule above cannot tell from a rising gain: it would mute them.
    for (int i = first; i <= last; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (LevelGridDb[slot] < c - d) {
            Gain[slot] = 1.0F;
        }
    }
    // A ratio of 1 is a straight line: every level gets the makeup gain, not rounding noise.
    if (IsCompressor() && slope == 1.0L) {
        const float makeupGain = GainOfDb(MakeupGainDb);
        for (int i = first; i <= last; ++i) {
            Gain[static_cast<std::size_t>(i)] = makeupGain;
        }
    }
    if (IsBypassed()) {
        for (int i = first; i <= last; ++i) {
            Gain[static_cast<std::size_t>(i)] = 1.0F;
        }
    }
}

float TDYNAMIC::FullScaleOutputDb() const {
    return OutputDb[static_cast<std::size_t>(ClampedPointCount(PointCount) - 1)];
}

void TDYNAMIC::ComposeGainTable() {
    const int first = ClampedPointCount(PointCount) - GainTableSize;
    for (int j = 0; j < GainTableSize; ++j) {
        GainTable[static_cast<std::size_t>(j)] = Gain[static_cast<std::size_t>(first + j)];
    }

    const int position = GatePositionEntry(NoiseGatePosition);
    const int steps = GateSlopeSteps(NoiseGateSlope);
    const int start = std::max(position - steps, FirstGateEntry);
    const long double step = 1.0L / steps;
    for (int q = 0; q < start; ++q) {
        GainTable[static_cast<std::size_t>(q)] = 0.0L;
    }
    for (int q = start; q < position; ++q) {
        GainTable[static_cast<std::size_t>(q)] = (q - start + 1) * step;
    }
}

} // namespace quorvex
