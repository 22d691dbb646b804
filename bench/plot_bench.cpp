#include "plot/curve_colours.h"
#include "plot/graph_painter.h"

#include "offscreen_main.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace quorvex;

/// The "Final response" window at its largest: six outputs and the sum, 401 points each.
GraphContent SevenCurves() {
    GraphContent content;
    content.Title = QStringLiteral("Final Frequency Response");
    content.YAxis.TickStep = 5.0;
    for (int curve = 1; curve <= 7; ++curve) {
        GraphCurve line{QStringLiteral("Out%1").arg(curve), OutputCurveColour(curve), true, {}, {}};
        for (int i = 0; i <= 400; ++i) {
            const double hz = 20.0 * std::pow(1199.95, i / 400.0);
            line.X.push_back(hz);
            line.Y.push_back(4.0 * curve * std::sin(std::log10(hz) * curve) - 8.0);
        }
        content.Curves.push_back(line);
    }
    return content;
}

void PaintSevenCurves(benchmark::State& state) {
    const GraphContent content = SevenCurves();
    QImage image(1000, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        benchmark::DoNotOptimize(PaintGraph(painter, QRectF(0, 0, 1000, 600), content));
    }
}
BENCHMARK(PaintSevenCurves)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return quorvex::bench::RunOffscreen<QGuiApplication>(argc, argv);
}
