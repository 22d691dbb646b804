#include "ui/form_window.h"

#include <QCloseEvent>

namespace quorvex {

FormWindow::FormWindow(ChangeSignal& changed, QWidget* owner, Modality modality)
    : QWidget(owner, Qt::Window), listener_(changed, [this] { Refresh(); }) {
    if (modality == Modality::Modal) {
        setWindowModality(Qt::ApplicationModal);
    }
}

FormWindow::~FormWindow() {
    // The subclass is gone, but its controls still lose the focus while they are destroyed:
    // a field left with an edit would run a handler for a window that no longer exists.
    for (QObject* control : findChildren<QObject*>()) {
        control->blockSignals(true);
    }
}

QSize FormWindow::GrabSize() const {
    return sizeHint().expandedTo(minimumSizeHint());
}

QSize FormWindow::GrabSizeAtLeast(int columns, int lines) const {
    const QFontMetrics metrics(font());
    return FormWindow::GrabSize().expandedTo(
        {metrics.averageCharWidth() * columns, metrics.height() * lines});
}

void FormWindow::ApplyVisible(bool visible) {
    if (visible == isVisible()) {
        return;
    }
    if (visible) {
        show();
        raise();
        activateWindow();
    } else {
        hide();
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The model decides: its close handler clears `Visible` (or asks a question first), and
    // the refresh that follows hides the window.
    event->ignore();
    CloseRequested();
}

} // namespace quorvex
