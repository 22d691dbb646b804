#include "config/field_ranges.h"

#include "config/dynamics_times.h"

namespace quorvex::field_range {

namespace {

constexpr float ThresholdSliderSpanDb = 101.0F / 2.0F;
constexpr float ThresholdSliderTopDbu = 18.0F;
constexpr float ThresholdFieldTopDbu = 20.0F;
constexpr float MainReferenceDbu = 20.6F;
constexpr float SubReferenceDbu = 23.6F;
constexpr int SubBlock = 3;
constexpr double SlowestAttackDbPerSecond = 5.0;
constexpr double FastestAttackDbPerSecond = 250.0;

} // namespace

FieldRange<float> ThresholdDb(int block) {
    const float reference = block == SubBlock ? SubReferenceDbu : MainReferenceDbu;
    const float sliderTop = ThresholdSliderTopDbu - reference;
    return {sliderTop - ThresholdSliderSpanDb, ThresholdFieldTopDbu - reference};
}

FieldRange<long double> RmsCoefficient(int sampleRate) {
    return {RmsCoefficientFromAttack(SlowestAttackDbPerSecond, sampleRate),
            RmsCoefficientFromAttack(FastestAttackDbPerSecond, sampleRate)};
}

} // namespace quorvex::field_range
