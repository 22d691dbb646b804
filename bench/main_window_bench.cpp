#include "app/connect_form.h"
#include "app/main_form.h"
#include "ui/desktop.h"
#include "ui/form_window.h"

#include "offscreen_main.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace quorvex;

// The desktop program as a person has it after choosing Offline: the main window shown.
struct OfflineDesktop {
    OfflineDesktop() {
        screen.App().Connect().OffLineBClick(TConnectForm::OffLineTag);
        main = qobject_cast<FormWindow*>(screen.Window("MainForm"));
        main->setAttribute(Qt::WA_DontShowOnScreen, true);
        main->resize(main->sizeHint());
        QApplication::processEvents();
    }
    Desktop screen;
    FormWindow* main = nullptr;
};

// One refresh of the main window from its model: every name, route picture, mute label,
// delay text, enabled state and the caption, set where they differ.
void MainWindowRefresh(benchmark::State& state) {
    OfflineDesktop desktop;
    for (auto _ : state) {
        desktop.main->Refresh();
    }
}
BENCHMARK(MainWindowRefresh)->Unit(benchmark::kMicrosecond);

// A click on a route switch to the painted window: the handler, the refresh of every window
// that listens, and one paint of the whole main window.
void RouteClickToPaintedMainWindow(benchmark::State& state) {
    OfflineDesktop desktop;
    QImage frame(desktop.main->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        desktop.screen.App().Main().RouteBClick(1);
        QPainter painter(&frame);
        desktop.main->render(&painter);
    }
}
BENCHMARK(RouteClickToPaintedMainWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return quorvex::bench::RunOffscreen<QApplication>(argc, argv);
}
