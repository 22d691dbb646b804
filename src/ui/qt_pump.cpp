#include "ui/qt_pump.h"

#include "app/change_signal.h"

#include <QCoreApplication>

namespace quorvex {

void QtPump::Run(int times) {
    for (int pass = 0; pass < times; ++pass) {
        DeliverPendingChanges();
        QCoreApplication::processEvents();
    }
}

} // namespace quorvex
