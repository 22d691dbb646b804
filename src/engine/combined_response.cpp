#include "engine/combined_response.h"

#include "engine/response_grid.h"
#include "engine/wrapped_degrees.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace quorvex {

namespace {

// A cancelled real part would make the sum's dB and angle undefined; this keeps a perfect
// null finite (about -300 dB) instead.
constexpr float ExactNullRealPart = 1e-15F;

struct OutputTotals {
    std::array<double, GridPointCount> MagnitudeDb{};
    std::array<double, GridPointCount> PhaseRadians{};
};

void AddStage(const FrequencyResponse* stage, OutputTotals& totals) {
    if (stage == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        totals.MagnitudeDb[i] += stage->Magnitude[i];
        totals.PhaseRadians[i] += stage->Phase[i];
    }
}

// Stages enter only when their box is ticked; an unticked stage is left out rather than
// multiplied by 0, so a -inf dB stage (GainFactor 0) cannot turn into NaN.
OutputTotals TotalsOf(const CombinedResponseInputs& inputs, int output) {
    const OutputResponseInputs& out = inputs.Outputs.at(static_cast<std::size_t>(output - 1));
    const ResponseViewFlags& view = inputs.View;
    OutputTotals totals;
    if (view.SpeakerDataView) {
        AddStage(out.Speaker, totals);
    }
    if (view.PeqView) {
        AddStage(out.Equaliser, totals);
    }
    if (view.CrossoverView) {
        AddStage(out.Crossover, totals);
        if (IsSubOutput(output)) {
            AddStage(inputs.SubLowPass, totals);
        }
    }
    if (view.GainView) {
        const double gainDb = 20.0 * std::log10(std::fabs(out.GainFactor));
        const double polarity = out.PolarityInverted ? -std::numbers::pi : 0.0;
        for (std::size_t i = 0; i < GridPointCount; ++i) {
            totals.MagnitudeDb[i] += gainDb;
            totals.PhaseRadians[i] += polarity;
        }
    }
    if (view.DelayView) {
        const ResponseGrid& grid = TheResponseGrid();
        const double delay = out.DelaySamples + out.LookAheadSamples - out.RelativeDistanceSamples;
        // The integer grid frequency, not the single-precision angle of the grid.
        const double radiansPerHz = 2.0 * std::numbers::pi / inputs.SampleRate;
        for (std::size_t i = 0; i < GridPointCount; ++i) {
            totals.PhaseRadians[i] -= radiansPerHz * grid.FrequencyHz[i] * delay;
        }
    }
    return totals;
}

} // namespace

std::int32_t LookAheadOf(const Configuration& config, int output) {
    if (IsSubOutput(output)) {
        return 0;
    }
    return config.Block(DynamicsBlockOf(output)).LookAheadSamples;
}

void TakeOutputSettings(const Configuration& config, CombinedResponseInputs& inputs) {
    for (int output = 1; output <= OutputCount; ++output) {
        const OutputChannel& channel = config.Output(output);
        OutputResponseInputs& out = inputs.Outputs.at(static_cast<std::size_t>(output - 1));
        out.GainFactor = channel.Level.GainFactor;
        out.PolarityInverted = channel.Level.PolarityInverted;
        out.Muted = channel.Level.Muted;
        out.DelaySamples = channel.Delay.DelaySamples;
        out.RelativeDistanceSamples = channel.Delay.RelativeDistanceSamples;
        out.LookAheadSamples = LookAheadOf(config, output);
    }
}

CombinedCurves ComputeCombinedResponse(const CombinedResponseInputs& inputs) {
    CombinedCurves curves{};
    std::array<float, GridPointCount> sumRe{};
    std::array<float, GridPointCount> sumIm{};
    const bool phaseMode = inputs.Mode == ResponseMode::Phase;

    for (int output = 1; output <= OutputCount; ++output) {
        const OutputTotals totals = TotalsOf(inputs, output);
        const bool muted = inputs.Outputs.at(static_cast<std::size_t>(output - 1)).Muted;
        ResponseCurve& curve = curves.at(static_cast<std::size_t>(output - 1));
        for (std::size_t i = 0; i < GridPointCount; ++i) {
            const double phase = totals.PhaseRadians[i];
            // A muted output is drawn at 0 dB; its weight must not meet a -inf magnitude.
            const double weighted = muted ? 0.0 : totals.MagnitudeDb[i];
            curve[i] = static_cast<float>(phaseMode ? WrappedDegrees(phase) : weighted);
            if (muted) {
                continue;
            }
            const double amplitude = std::pow(10.0, weighted / 20.0);
            sumRe[i] = static_cast<float>(sumRe[i] + amplitude * std::cos(phase));
            sumIm[i] = static_cast<float>(sumIm[i] + amplitude * std::sin(phase));
        }
    }

    ResponseCurve& sum = curves[SumCurveIndex];
    for (std::size_t i = 0; i < GridPointCount; ++i) {
        const double re = sumRe[i] == 0.0F ? ExactNullRealPart : sumRe[i];
        const double im = sumIm[i];
        sum[i] = static_cast<float>(phaseMode ? std::atan2(im, re) * 180.0 / std::numbers::pi
                                              : 20.0 * std::log10(std::sqrt(re * re + im * im)));
    }
    return curves;
}

} // namespace quorvex
