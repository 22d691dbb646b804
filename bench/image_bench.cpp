#include "config/configuration.h"
#include "config/new_configuration.h"
#include "engine/engine_objects.h"
#include "image/coefficient_image.h"
#include "image/image_decoder.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace quorvex {
namespace {

struct Designed {
    Configuration Config;
    EngineObjects Objects;
};

std::unique_ptr<Designed> DefaultDesign() {
    auto designed = std::make_unique<Designed>();
    NewConfiguration(designed->Config);
    DesignAll(designed->Config, designed->Objects);
    return designed;
}

// What Write does before the transfer: the whole image of the current configuration.
void BuildDefaultImage(benchmark::State& state) {
    const auto designed = DefaultDesign();
    for (auto _ : state) {
        CoefficientImage image = BuildCoefficientImage(designed->Config, designed->Objects);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BuildDefaultImage)->Repetitions(15)->ReportAggregatesOnly(true);

// What Read does after the transfer.
void DecodeDefaultImage(benchmark::State& state) {
    const auto designed = DefaultDesign();
    const CoefficientImage image = BuildCoefficientImage(designed->Config, designed->Objects);
    auto config = std::make_unique<Configuration>();
    for (auto _ : state) {
        NewConfiguration(*config);
        benchmark::DoNotOptimize(DecodeCoefficientImage(image, *config));
    }
}
BENCHMARK(DecodeDefaultImage)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
} // namespace quorvex

BENCHMARK_MAIN();
