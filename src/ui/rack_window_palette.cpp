#include "ui/rack_window_palette.h"

#include "ui/rack_palette.h"

#include <QPalette>
#include <QWidget>

namespace quorvex {

void ApplyRackWindowPalette(QWidget* window) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, RackPalette::Panel());
    palette.setColor(QPalette::WindowText, RackPalette::Text());
    palette.setColor(QPalette::Base, RackPalette::Recess());
    palette.setColor(QPalette::AlternateBase, RackPalette::Panel());
    palette.setColor(QPalette::Text, RackPalette::Text());
    palette.setColor(QPalette::Button, RackPalette::Panel().lighter(140));
    palette.setColor(QPalette::ButtonText, RackPalette::Text());
    palette.setColor(QPalette::Highlight, RackPalette::Accent().darker(150));
    palette.setColor(QPalette::HighlightedText, RackPalette::Text());
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, RackPalette::DisabledText());
    palette.setColor(QPalette::Disabled, QPalette::Text, RackPalette::DisabledText());
    palette.setColor(QPalette::Disabled, QPalette::WindowText, RackPalette::DisabledText());
    palette.setColor(QPalette::ToolTipBase, RackPalette::Recess());
    palette.setColor(QPalette::ToolTipText, RackPalette::Text());
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

} // namespace quorvex
