// The cost of one equaliser slider move through the window model, end to end: the band's
// redesign, the output's equaliser response and the combined response, with no real-time
// link. "FramePercent" is the (CPU) time of one move in per cent of a 16.7 ms display frame
// (the library prints it with a seconds suffix, as it treats any inverted rate as a time).

#include "app/edit_history.h"
#include "app/peq_form.h"
#include "app/program.h"

#include "silent_window.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace quorvex;

constexpr double FrameSeconds = 0.0167;

void ReportFramePercent(benchmark::State& state) {
    state.counters["FramePercent"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * FrameSeconds / 100.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

/// Out3 with seven parametric bands in use, the fifth selected: the longest cascade an
/// equaliser move recomputes.
TPEQForm& BusyEqualiser(Program& program) {
    TPEQForm& peq = program.Peq();
    peq.SelectOutput(3);
    for (int band = 1; band <= MaxBandsPerOutput; ++band) {
        peq.SelectBand(band);
        peq.TipoFiltroComboChange(1);
        peq.FilterGainEditExit("3");
    }
    peq.SelectBand(5);
    return peq;
}

void BM_EqualiserGainSliderMove(benchmark::State& state) {
    bench::SilentDialogs dialogs;
    bench::SilentProgress progress;
    bench::SilentPump pump;
    Program program(dialogs, progress, pump);
    TPEQForm& peq = BusyEqualiser(program);
    int position = 100;
    for (auto _ : state) {
        position = position == 100 ? 140 : 100;
        peq.FilterGainSlider.SetPosition(position);
        benchmark::DoNotOptimize(program.Doc().EqualiserResponse[2].Magnitude.data());
    }
    ReportFramePercent(state);
}
BENCHMARK(BM_EqualiserGainSliderMove);

void BM_EqualiserFrequencySliderMove(benchmark::State& state) {
    bench::SilentDialogs dialogs;
    bench::SilentProgress progress;
    bench::SilentPump pump;
    Program program(dialogs, progress, pump);
    TPEQForm& peq = BusyEqualiser(program);
    int position = 12000;
    for (auto _ : state) {
        position = position == 12000 ? 13000 : 12000;
        peq.FrecSlider.SetPosition(position);
        benchmark::DoNotOptimize(program.Doc().EqualiserResponse[2].Magnitude.data());
    }
    ReportFramePercent(state);
}
BENCHMARK(BM_EqualiserFrequencySliderMove);

/// What the history adds to a slider move: the fingerprint of the state and, as the move
/// changed it, a new step.
void BM_EqualiserMoveRecordedInTheHistory(benchmark::State& state) {
    bench::SilentDialogs dialogs;
    bench::SilentProgress progress;
    bench::SilentPump pump;
    Program program(dialogs, progress, pump);
    TPEQForm& peq = BusyEqualiser(program);
    EditHistory& history = program.History();
    int position = 100;
    for (auto _ : state) {
        position = position == 100 ? 140 : 100;
        peq.FilterGainSlider.SetPosition(position);
        history.Record();
    }
    state.counters["StepBytes"] =
        static_cast<double>(history.StepBytes()) /
        static_cast<double>(std::max<std::size_t>(1, history.StepCount()));
    ReportFramePercent(state);
}
BENCHMARK(BM_EqualiserMoveRecordedInTheHistory);

/// One undo and one redo of an equaliser step: two restores with every editor refreshed.
void BM_UndoAndRedoOfAnEqualiserStep(benchmark::State& state) {
    bench::SilentDialogs dialogs;
    bench::SilentProgress progress;
    bench::SilentPump pump;
    Program program(dialogs, progress, pump);
    TPEQForm& peq = BusyEqualiser(program);
    EditHistory& history = program.History();
    history.Record();
    peq.FilterGainSlider.SetPosition(120);
    history.Record();
    for (auto _ : state) {
        history.Undo();
        history.Redo();
    }
    ReportFramePercent(state);
}
BENCHMARK(BM_UndoAndRedoOfAnEqualiserStep);

} // namespace

BENCHMARK_MAIN();
