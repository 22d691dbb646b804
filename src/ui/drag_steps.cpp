#include "ui/drag_steps.h"

#include "app/edit_history.h"
#include "ui/form_window_event.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace quorvex {

DragSteps::DragSteps(EditHistory& history, QObject* parent) : QObject(parent), history_(history) {
    QCoreApplication::instance()->installEventFilter(this);
}

DragSteps::~DragSteps() {
    QCoreApplication::instance()->removeEventFilter(this);
    Close();
}

bool DragSteps::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The press passes the filter once per widget it is offered to: one step.
        if (!open_ && IsForFormWindow(watched)) {
            history_.BeginStep();
            open_ = true;
        }
        break;
    case QEvent::MouseButtonRelease:
        // Wherever the release goes (a box the press opened, say), it ends the drag.
        if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
            Close();
        }
        break;
    default:
        break;
    }
    return false;
}

void DragSteps::Close() {
    if (open_) {
        open_ = false;
        history_.EndStep();
    }
}

} // namespace quorvex
