#include "app/connect_form.h"
#include "app/delay_fino_form.h"
#include "app/dynamic_form.h"
#include "app/final_response_form.h"
#include "app/gains_form.h"
#include "app/loudness_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/xover_form.h"
#include "plot/graph_painter.h"
#include "ui/desktop.h"
#include "ui/form_window.h"
#include "ui/txy_graph.h"

#include "offscreen_main.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

using namespace quorvex;

constexpr int PlotWidth = 1000;
constexpr int PlotHeight = 600;

const char* const EditorNames[] = {"CopyOutputsForm", "SensitivityForm", "FinalResponseForm",
                                   "PEQForm",         "GainsForm",       "Dynamicform",
                                   "DelayFinoForm",   "XOVERForm",       "SpeakerForm",
                                   "LoudnessForm",    "ImportForm"};

/// The desktop program after Offline, its windows kept off the screen.
struct OfflineDesktop {
    OfflineDesktop() {
        screen.App().Connect().OffLineBClick(TConnectForm::OffLineTag);
        for (QWidget* window : screen.Windows()) {
            window->setAttribute(Qt::WA_DontShowOnScreen, true);
        }
    }
    TxyGraph* Graph(const char* window, const char* name) {
        auto* graph = screen.Window(window)->findChild<TxyGraph*>(name);
        // Every plot drawn at the size the goal is stated for.
        graph->setFixedSize(PlotWidth, PlotHeight);
        screen.Window(window)->adjustSize();
        return graph;
    }
    Desktop screen;
};

/// The plot's paint event, into an offscreen picture.
void Paint(TxyGraph* graph, QImage& frame) {
    QPainter painter(&frame);
    graph->render(&painter);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The windows a band drag refreshes: the equaliser on output 1 with its selected band
// parametric, the final response and the coefficient display.
void OpenDragWindows(Program& app) {
    app.Main().PeqBtnClick(1);
    app.Main().FinalResponseBClick();
    app.Main().ShowCoeffButtonClick();
    app.Peq().TipoFiltroComboChange(1);
}

// One step of an equaliser band drag with the final response and the coefficient display
// open: the mouse event through the form, the model's handler (redesign, equaliser response,
// combined response, coefficient display), the refresh of every listening window, and the
// paint events of both plots at 1000 x 600.
void EqualiserDragStep(benchmark::State& state) {
    OfflineDesktop desktop;
    Program& app = desktop.screen.App();
    OpenDragWindows(app);
    TxyGraph* peq = desktop.Graph("PEQForm", "PEQGraph");
    TxyGraph* final = desktop.Graph("FinalResponseForm", "FinalResponseGraph");
    QApplication::processEvents();
    QImage frame(PlotWidth, PlotHeight, QImage::Format_ARGB32_Premultiplied);

    const PlotAxes axes = peq->Axes();
    const QPointF band(axes.X.PixelOf(1000.0), axes.Y.PixelOf(0.0));
    SendMouse(peq, QEvent::MouseButtonPress, band, Qt::LeftButton);
    bool up = false;
    for (auto _ : state) {
        // Alternate between two points a few dB apart, as a slow drag does.
        up = !up;
        const QPointF at(axes.X.PixelOf(up ? 1100.0 : 1000.0), axes.Y.PixelOf(up ? 3.0 : 0.0));
        SendMouse(peq, QEvent::MouseMove, at, Qt::LeftButton);
        Paint(peq, frame);
        Paint(final, frame);
    }
    SendMouse(peq, QEvent::MouseButtonRelease, band, Qt::NoButton);
}
BENCHMARK(EqualiserDragStep)->Unit(benchmark::kMillisecond);

// The parts of one drag step alone: the handler with every window's refresh, and one
// plot's paint event.
void EqualiserDragHandlerOnly(benchmark::State& state) {
    OfflineDesktop desktop;
    Program& app = desktop.screen.App();
    OpenDragWindows(app);
    desktop.Graph("PEQForm", "PEQGraph");
    desktop.Graph("FinalResponseForm", "FinalResponseGraph");
    app.Peq().MouseDown(1000.0, 0.0);
    bool up = false;
    for (auto _ : state) {
        up = !up;
        app.Peq().MouseMove(up ? 1100.0 : 1000.0, up ? 3.0 : 0.0);
    }
    app.Peq().MouseUp();
}
BENCHMARK(EqualiserDragHandlerOnly)->Unit(benchmark::kMillisecond);

void EqualiserPlotPaintOnly(benchmark::State& state) {
    OfflineDesktop desktop;
    desktop.screen.App().Main().PeqBtnClick(1);
    TxyGraph* peq = desktop.Graph("PEQForm", "PEQGraph");
    QImage frame(PlotWidth, PlotHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        Paint(peq, frame);
    }
}
BENCHMARK(EqualiserPlotPaintOnly)->Unit(benchmark::kMillisecond);

// A level slider move with every editor open: the handler, every window's refresh, and the
// paint events of the four plots (equaliser, crossover, dynamics, final response).
void LevelSliderMoveWithEveryEditorOpen(benchmark::State& state) {
    OfflineDesktop desktop;
    Program& app = desktop.screen.App();
    app.Main().PeqBtnClick(1);
    app.Main().XoverBtnClick(1);
    app.Main().GainBtnClick(1);
    app.Main().DelayBtnClick(1);
    app.Main().DynamicBtnClick(1);
    app.Main().FinalResponseBClick();
    app.Main().ShowCoeffButtonClick();
    app.Loudness().Show();
    std::vector<TxyGraph*> plots{desktop.Graph("PEQForm", "PEQGraph"),
                                 desktop.Graph("XOVERForm", "XOVERGraph"),
                                 desktop.Graph("Dynamicform", "DynamicGraph"),
                                 desktop.Graph("FinalResponseForm", "FinalResponseGraph")};
    QApplication::processEvents();
    QImage frame(PlotWidth, PlotHeight, QImage::Format_ARGB32_Premultiplied);
    int position = 100;
    for (auto _ : state) {
        position = position == 100 ? 120 : 100;
        app.Gains().SetPosition(1, position);
        for (TxyGraph* plot : plots) {
            Paint(plot, frame);
        }
    }
}
BENCHMARK(LevelSliderMoveWithEveryEditorOpen)->Unit(benchmark::kMillisecond);

// Every editor window shown once after start: its layout, polish and first paint.
void ShowEveryEditorOnce(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto desktop = std::make_unique<OfflineDesktop>();
        state.ResumeTiming();
        for (const char* name : EditorNames) {
            auto* window = qobject_cast<FormWindow*>(desktop->screen.Window(name));
            window->resize(window->GrabSize());
            QImage frame(window->size(), QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&frame);
            window->render(&painter);
        }
        state.PauseTiming();
        desktop.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ShowEveryEditorOnce)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return quorvex::bench::RunOffscreen<QApplication>(argc, argv);
}
