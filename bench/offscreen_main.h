#pragma once

// The main() of a benchmark that paints: text and windows need a Qt application, on the
// offscreen platform unless another is asked for, so no display is needed.

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace quorvex::bench {

/// Runs the benchmarks named on the command line inside an `Application` (QGuiApplication
/// for painting alone, QApplication for windows).
template <class Application> int RunOffscreen(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace quorvex::bench
