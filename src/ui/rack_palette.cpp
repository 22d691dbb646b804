#include "ui/rack_palette.h"

namespace quorvex {

QPalette RackPalette::Window(QPalette base) {
    base.setColor(QPalette::Window, Panel());
    base.setColor(QPalette::WindowText, Text());
    base.setColor(QPalette::Base, Recess());
    base.setColor(QPalette::AlternateBase, Panel());
    base.setColor(QPalette::Text, Text());
    base.setColor(QPalette::PlaceholderText, DisabledText());
    base.setColor(QPalette::Button, Panel().lighter(140));
    base.setColor(QPalette::ButtonText, Text());
    base.setColor(QPalette::BrightText, Accent());
    base.setColor(QPalette::Highlight, Accent().darker(130));
    base.setColor(QPalette::HighlightedText, Recess());
    base.setColor(QPalette::Link, Accent());
    base.setColor(QPalette::ToolTipBase, Recess());
    base.setColor(QPalette::ToolTipText, Text());
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText}) {
        base.setColor(QPalette::Disabled, role, DisabledText());
    }
    return base;
}

} // namespace quorvex
