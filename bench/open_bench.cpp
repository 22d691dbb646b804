// Open of a configuration file whose six outputs name 2000-line CLIO measurements: the
// reading steps, every editor's update and the six imports, as the Open button runs them.

#include "app/dialogs.h"
#include "app/open_workflow.h"
#include "app/program.h"
#include "config/configuration.h"
#include "config/qvx_encoder.h"
#include "config/qvx_file.h"

#include "silent_window.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace quorvex;

constexpr int MeasurementLines = 2000;

/// Answers No to the save question and always chooses the same file.
class FixedDialogs : public Dialogs {
public:
    explicit FixedDialogs(std::string path) : path_(std::move(path)) {}
    MessageAnswer ShowMessage(MessageKind, MessageButtons, std::string_view) override {
        return MessageAnswer::No;
    }
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override { return path_; }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    void Beep() override {}
    void SetWaitCursor(bool) override {}

private:
    std::string path_;
};

/// A CLIO export from 10 Hz to 30 kHz with a gently sloping level and phase.
void WriteMeasurement(const std::filesystem::path& path, int output) {
    std::ofstream file(path);
    file << "    Freq\t      dB\t   Phase\n";
    for (int line = 0; line < MeasurementLines; ++line) {
        const double hz = 10.0 * std::pow(3000.0, line / double(MeasurementLines - 1));
        char row[64];
        std::snprintf(row, sizeof row, "%8.2f %8.3f %8.3f\n", hz, 88.0 + output + line * 0.002,
                      -0.05 * line);
        file << row;
    }
}

/// The folder with the six measurements and the configuration naming them.
class OpenFixture {
public:
    OpenFixture() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quorvex-open-bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string{};
        Configuration config;
        for (int output = 1; output <= OutputCount; ++output) {
            const auto measurement = folder_ / ("out" + std::to_string(output) + ".txt");
            WriteMeasurement(measurement, output);
            config.Output(output).SpeakerFile = measurement.string();
        }
        path_ = (folder_ / "six-measurements.QVX").string();
        WriteConfigurationFile(path_, EncodeConfigurationRecord(config, path_));
    }
    ~OpenFixture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::string path_;
};

void BM_OpenWithSixMeasurements(benchmark::State& state) {
    static const OpenFixture fixture;
    FixedDialogs dialogs(fixture.Path());
    bench::SilentProgress progress;
    bench::SilentPump pump;
    Program program(dialogs, progress, pump);
    for (auto _ : state) {
        const OpenOutcome outcome = OpenConfiguration(program);
        if (outcome != OpenOutcome::Loaded) {
            state.SkipWithError("the configuration did not load");
            break;
        }
        benchmark::DoNotOptimize(program.Doc().SpeakerResponse);
    }
    // Measured curves sit about 88 dB + output over the 90 dB reference, never at 0 dB.
    if (program.Doc().SpeakerResponse[OutputCount - 1].Magnitude[200] == 0.0F) {
        state.SkipWithError("the measurements were not imported");
    }
}
BENCHMARK(BM_OpenWithSixMeasurements)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
