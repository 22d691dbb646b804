#include "engine/tsos.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// An output's equaliser redraw on a slider move: 7 sections on the 401-point grid.
void BM_SevenBandCascade(benchmark::State& state) {
    using quorvex::TSOS;
    std::array<TSOS, 7> bands{};
    const std::array<std::uint8_t, 7> types{1, 2, 3, 6, 7, 9, 11};
    for (std::size_t k = 0; k < bands.size(); ++k) {
        bands[k].FilterType = types[k];
        bands[k].Frequency = 60.0 * static_cast<double>(k + 1) * (k + 1);
        bands[k].Gain = 4.0;
        bands[k].Q = 1.5;
        bands[k].Design();
    }
    quorvex::FrequencyResponse response;
    for (auto _ : state) {
        quorvex::AddResponse(std::span<const TSOS>(bands), 7, response);
        benchmark::DoNotOptimize(response);
    }
}
BENCHMARK(BM_SevenBandCascade);

// Designing one band, done on every movement of an equaliser control.
void BM_DesignParametric(benchmark::State& state) {
    quorvex::TSOS band;
    band.FilterType = 1;
    band.Gain = 6.0;
    band.Q = 2.0;
    double hz = 1000.0;
    for (auto _ : state) {
        band.Frequency = hz;
        band.Design();
        hz = hz > 20000.0 ? 20.0 : hz * 1.01;
        benchmark::DoNotOptimize(band);
    }
}
BENCHMARK(BM_DesignParametric);

} // namespace

BENCHMARK_MAIN();
