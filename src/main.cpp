#include "app/connect_form.h"
#include "app/main_form.h"
#include "app/processor_links.h"
#include "ui/desktop.h"
#include "ui/desktop_options.h"
#include "ui/virtual_unit.h"

#include <QApplication>
#include <QIcon>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using namespace quorvex;

namespace {

// Pictures of the windows are drawn offscreen, unless the person chose a platform: the same
// pictures on every machine, with or without a display.
void DrawOffscreenForGrab(int argc, char** argv) {
    const bool grab = std::any_of(argv + 1, argv + argc, [](const char* argument) {
        const std::string_view text(argument);
        return text == "--grab" || text.starts_with("--grab=");
    });
    if (grab && std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
}

} // namespace

int main(int argc, char** argv) {
    DrawOffscreenForGrab(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quorvex");
    // The icon installed beside the launcher; nothing when the program runs from its build.
    QApplication::setWindowIcon(QIcon::fromTheme("quorvex"));

    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    std::optional<DesktopOptions> options = ParseDesktopOptions(arguments, error);
    if (!options) {
        std::cerr << "quorvex: " << error << '\n' << DesktopUsage << '\n';
        return 2;
    }

    std::unique_ptr<VirtualUnit> unit;
    if (options->VirtualUnit) {
        unit = VirtualUnit::Start(options->VirtualUnitFolder, error);
        if (!unit) {
            std::cerr << "quorvex: the virtual unit cannot start: " << error << '\n';
            return 1;
        }
        options->Ports.Set(1, unit->TerminalPath());
        std::cerr << "quorvex: the virtual unit answers at " << unit->TerminalPath() << " (COM1)\n";
    }

    Desktop desktop;
    desktop.App().Connect().Links = SystemLinks(options->Ports);
    if (!options->File.empty()) {
        desktop.App().Main().OpenStartFile(options->File);
    }
    if (!options->GrabFolder.empty()) {
        QApplication::processEvents();
        if (!desktop.Grab(QString::fromStdString(options->GrabFolder), error)) {
            std::cerr << "quorvex: " << error << '\n';
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
