#include "config/measurement_import.h"
#include "engine/response_grid.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace {

constexpr int MeasurementLines = 2000;

std::span<const std::int32_t> Grid() {
    return quorvex::TheResponseGrid().FrequencyHz;
}

/// A CLIO export of 2000 points, log-spaced from 20 Hz to 24 kHz, with a gentle ripple.
std::string ClioExport() {
    std::string text = "    Freq\t      dB\t   Phase\n";
    char line[64];
    for (int i = 0; i < MeasurementLines; ++i) {
        const double hz = 20.0 * std::pow(1200.0, i / (MeasurementLines - 1.0));
        const double db = 90.0 + 3.0 * std::sin(i * 0.05);
        const double degrees = std::fmod(i * 7.3, 360.0) - 180.0;
        std::snprintf(line, sizeof line, "%8.2f\t%8.2f\t%8.2f\n", hz, db, degrees);
        text += line;
    }
    return text;
}

/// A Smaart export of the same points, tab-separated, header on line 1.
std::string SmaartExport() {
    std::string text = "; SIA Smaart Pro\n; Frequency (Hz)\tMagnitude (dB)\tPhase (degrees)\n";
    for (int i = 2; i < 18; ++i) {
        text += "; note\n";
    }
    char line[96];
    for (int i = 0; i < MeasurementLines; ++i) {
        const double hz = 20.0 * std::pow(1200.0, i / (MeasurementLines - 1.0));
        std::snprintf(line, sizeof line, "%.4f\t%.4f\t%.4f\t0.98\n", hz,
                      90.0 + 3.0 * std::sin(i * 0.05), std::fmod(i * 7.3, 360.0) - 180.0);
        text += line;
    }
    return text;
}

void ImportText(benchmark::State& state, const std::string& text, int format) {
    quorvex::SpeakerImportSettings settings;
    settings.Format = format;
    for (auto _ : state) {
        quorvex::SpeakerImportResult result =
            quorvex::ImportMeasurementText(text, "bench.txt", settings, Grid());
        if (result.Status != quorvex::SpeakerImportStatus::Imported) {
            state.SkipWithError(result.Message.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.Curve.MagnitudeDb.data());
    }
}

// Parse and map one 2000-line CLIO export held in memory.
void BM_ImportClioText2000(benchmark::State& state) {
    ImportText(state, ClioExport(), quorvex::ClioFormat);
}
BENCHMARK(BM_ImportClioText2000);

// The same for the tab-separated Smaart layout.
void BM_ImportSmaartText2000(benchmark::State& state) {
    ImportText(state, SmaartExport(), quorvex::SmaartFormat);
}
BENCHMARK(BM_ImportSmaartText2000);

// One output of an Open: read the file (from the page cache), parse and map.
void BM_ImportClioFile2000(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "quorvex_import_bench.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << ClioExport();
    }
    const quorvex::SpeakerImportSettings settings;
    for (auto _ : state) {
        quorvex::SpeakerImportResult result =
            quorvex::ImportSpeakerFile(path.string(), settings, Grid());
        if (result.Status != quorvex::SpeakerImportStatus::Imported) {
            state.SkipWithError(result.Message.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.Curve.MagnitudeDb.data());
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}
BENCHMARK(BM_ImportClioFile2000);

} // namespace

BENCHMARK_MAIN();
