#include "config/dynamics_setting.h"

#include "config/dimensions.h"
#include "config/dynamics_times.h"

namespace quorvex {

DynamicsSetting DefaultDynamicsSetting(int block) {
    DynamicsSetting setting;
    const bool sub = block == 3;
    setting.ThresholdDb = sub ? -5.0F : -6.0F;
    setting.NoiseGatePosition = sub ? 1.0F : 13.0F;
    setting.RmsCoefficient =
        RmsCoefficientFromAttack(DefaultAttackDbPerSecond, ProcessorSampleRate);
    setting.HoldSamples = SamplesFromMs(DefaultHoldMs, ProcessorSampleRate);
    setting.DecaySteps = DecayStepsFromRelease(DefaultReleaseDbPerSecond);
    setting.LookAheadSamples = SamplesFromMs(0.0, ProcessorSampleRate);
    return setting;
}

} // namespace quorvex
