// The cost of "Print sheet...": the settings sheet of a busy configuration composed from the
// models and laid out as an A4 PDF with its three plots, in memory (the file write is the
// system's own).

#include "app/peq_form.h"
#include "app/program.h"
#include "sheet/settings_sheet.h"
#include "sheet/sheet_pdf.h"

#include "offscreen_main.h"
#include "silent_window.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace quorvex;

/// Every band of every output a parametric boost, so every table row and curve has content.
void BusyEqualisers(Program& program) {
    TPEQForm& peq = program.Peq();
    for (int output = 1; output <= OutputCount; ++output) {
        peq.SelectOutput(output);
        for (int band = 1; band <= BandCountOf(output); ++band) {
            peq.SelectBand(band);
            peq.TipoFiltroComboChange(1);
            peq.FilterGainEditExit("3");
        }
    }
}

void WriteSettingsSheet(benchmark::State& state) {
    bench::SilentDialogs dialogs;
    bench::SilentProgress progress;
    bench::SilentPump pump;
    Program program(dialogs, progress, pump);
    BusyEqualisers(program);
    for (auto _ : state) {
        const SheetPdf pdf = RenderSheetPdf(ComposeSettingsSheet(program));
        benchmark::DoNotOptimize(pdf.Bytes.size());
    }
}
BENCHMARK(WriteSettingsSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return quorvex::bench::RunOffscreen<QGuiApplication>(argc, argv);
}
