#include "engine/combined_response.h"
#include "engine/engine_objects.h"
#include "engine/fixed_sub_low_pass.h"
#include "engine/stage_responses.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <memory>

namespace quorvex {
namespace {

// A busy configuration: every band of every output in use, crossovers on both edges.
std::unique_ptr<Configuration> BusyConfiguration() {
    auto config = std::make_unique<Configuration>();
    for (int output = 1; output <= OutputCount; ++output) {
        OutputChannel& channel = config->Output(output);
        for (int band = 1; band <= BandCountOf(output); ++band) {
            channel.Band(band) = {1, band % 2 == 0 ? 4.0 : -3.0, 60.0 * band * band, 1.4};
        }
        channel.BandsInUse = BandCountOf(output);
        channel.Crossover.HighPass = {IsSubOutput(output) ? 20.0 : 120.0, 4, 4};
        channel.Crossover.LowPass = {IsSubOutput(output) ? 120.0 : 8000.0, 4, 3};
        channel.Delay.DelaySamples = 10 * output;
    }
    config->Output(2).Level.PolarityInverted = true;
    config->Output(2).Level.GainFactor = -0.7;
    return config;
}

void EqualiserBandChange(benchmark::State& state) {
    auto config = BusyConfiguration();
    auto objects = std::make_unique<EngineObjects>();
    DesignAll(*config, *objects);
    FrequencyResponse response;
    auto& bands = objects->Bands[0];
    double frequency = 1000.0;
    for (auto _ : state) {
        frequency = frequency > 5000.0 ? 1000.0 : frequency * 1.01;
        bands[2].Frequency = frequency;
        bands[2].Design();
        EqualiserResponse(bands, MaxBandsPerOutput, response);
        benchmark::DoNotOptimize(response);
    }
}
BENCHMARK(EqualiserBandChange);

void CombinedResponseOfSixOutputs(benchmark::State& state) {
    auto config = BusyConfiguration();
    auto objects = std::make_unique<EngineObjects>();
    DesignAll(*config, *objects);
    auto equaliser = std::make_unique<std::array<FrequencyResponse, OutputCount>>();
    auto crossover = std::make_unique<std::array<FrequencyResponse, OutputCount>>();
    CombinedResponseInputs inputs;
    TakeOutputSettings(*config, inputs);
    for (int output = 1; output <= OutputCount; ++output) {
        const auto o = static_cast<std::size_t>(output - 1);
        EqualiserResponse(objects->Bands[o], config->Output(output).BandsInUse, (*equaliser)[o]);
        CrossoverResponse(objects->Crossover(output), (*crossover)[o]);
        inputs.Outputs[o].Equaliser = &(*equaliser)[o];
        inputs.Outputs[o].Crossover = &(*crossover)[o];
    }
    inputs.SubLowPass = &FixedSubLowPassResponse();
    inputs.Mode = state.range(0) == 0 ? ResponseMode::Magnitude : ResponseMode::Phase;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeCombinedResponse(inputs));
    }
}
BENCHMARK(CombinedResponseOfSixOutputs)->Arg(0)->Arg(1)->ArgName("phase");

void FourthOrderCrossover(benchmark::State& state) {
    TXOVER crossover;
    crossover.HighPass.Family = 4;
    crossover.LowPass.Family = 3;
    FrequencyResponse response;
    double frequency = 100.0;
    for (auto _ : state) {
        frequency = frequency > 400.0 ? 100.0 : frequency * 1.01;
        for (TXOVERPB* side : {&crossover.HighPass, &crossover.LowPass}) {
            side->Order = 4;
            side->Frequency = side == &crossover.HighPass ? frequency : 20.0 * frequency;
            side->Sections[0].Frequency = side->Frequency;
            side->Sections[1].Frequency = side->Frequency;
            benchmark::DoNotOptimize(side->DesignCrossover());
        }
        CrossoverResponse(crossover, response);
        benchmark::DoNotOptimize(response);
    }
}
BENCHMARK(FourthOrderCrossover);

void DynamicsBlock(benchmark::State& state) {
    auto block = std::make_unique<TDYNAMIC>();
    block->Settings() = DefaultDynamicsSetting(1);
    float threshold = -6.0F;
    for (auto _ : state) {
        threshold = threshold < -40.0F ? -6.0F : threshold - 0.5F;
        block->ThresholdDb = threshold;
        block->DesignCurve();
        block->ComposeGainTable();
        benchmark::DoNotOptimize(block->GainTable);
    }
}
BENCHMARK(DynamicsBlock);

} // namespace
} // namespace quorvex

BENCHMARK_MAIN();
