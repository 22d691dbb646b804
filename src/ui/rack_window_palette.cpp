#include "ui/rack_window_palette.h"

#include "ui/rack_palette.h"

#include <QPalette>
#include <QWidget>

namespace quorvex {

void ApplyRackWindowPalette(QWidget* window) {
    window->setPalette(RackPalette::Window(window->palette()));
    window->setAutoFillBackground(true);
}

} // namespace quorvex
