#include "cli/gui_application.h"

#include <cstdlib>

namespace quorvex {

std::unique_ptr<QGuiApplication> GuiApplication(bool& available) {
    available = true;
    if (QCoreApplication::instance() != nullptr) {
        available = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
        return nullptr;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    static int argc = 1;
    static char name[] = "qvx";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace quorvex
