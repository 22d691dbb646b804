#include "ui/form_window_event.h"

#include "ui/form_window.h"

#include <QWidget>

namespace quorvex {

bool IsForFormWindow(const QObject* receiver) {
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    return widget != nullptr && qobject_cast<const FormWindow*>(widget->window()) != nullptr;
}

} // namespace quorvex
