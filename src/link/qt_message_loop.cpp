#include "link/qt_message_loop.h"

#include <QCoreApplication>

namespace quorvex {

void QtMessageLoop::Run(int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        QCoreApplication::processEvents();
    }
}

} // namespace quorvex
