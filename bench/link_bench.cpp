#include "config/configuration.h"
#include "engine/engine_objects.h"
#include "image/coefficient_image.h"
#include "link/communication_window.h"
#include "link/device_operations.h"
#include "link/serial_byte_link.h"
#include "sim/pty_runner.h"
#include "ui/qt_pump.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

namespace {

// One byte on the line at 9600 bit/s: start, eight data bits, stop.
constexpr double LineByteMs = 10.0 * 1000.0 / 9600.0;

// Both directions of a memory write: command 3 (START, COMMAND, NUMBER twice, LONG, 2046
// data bytes, END from the program; 5 single answers and 32 block answers from the unit) and
// command 7 (7 bytes out, 5 answers).
constexpr int ProgramBytes = 1 + 1 + 2 + 2 + 2046 + 1 + 7;
constexpr int UnitBytes = 4 + 32 + 1 + 5;

// A full memory write from the program to the virtual processor on a pseudo-terminal whose
// unit answers at the line's own pace, against the time the bytes alone take on the line.
void BM_WriteMemoryOverPty(benchmark::State& state) {
    quorvex::PtyRunnerOptions options;
    options.PaceOutput = true;
    std::string error;
    std::unique_ptr<quorvex::PtyRunner> runner = quorvex::PtyRunner::Open(options, error);
    if (!runner) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::atomic<bool> stop{false};
    std::thread server([&] { runner->Serve(stop); });

    quorvex::Configuration config;
    quorvex::EngineObjects objects;
    quorvex::DesignAll(config, objects);
    const quorvex::CoefficientImage image = quorvex::BuildCoefficientImage(config, objects);
    quorvex::SerialByteLink link("COM1", runner->TerminalPath());
    quorvex::CommunicationWindow window;
    quorvex::QtPump loop;
    quorvex::DeviceOperations operations(link, window, loop);
    const quorvex::MemoryProtection protection;

    for (auto _ : state) {
        const quorvex::OperationResult result = operations.WriteMemory(30, image, protection);
        if (!result.Ok) {
            state.SkipWithError("the write failed");
            break;
        }
    }
    link.Close();
    stop = true;
    server.join();

    const double boundMs = (ProgramBytes + UnitBytes) * LineByteMs;
    state.counters["line_bound_ms"] = boundMs;
    state.counters["ratio_to_line"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * boundMs / 1000.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WriteMemoryOverPty)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
