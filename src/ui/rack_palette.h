#pragma once

#include <QColor>
#include <QPalette>

namespace quorvex {

/// The colours of the rack-style controls: light text and lit lamps on a dark panel, chosen
/// to stay readable side by side. Disabled text still reads at a glance (about 5:1 against
/// the panel and the keys) while standing back from enabled text.
struct RackPalette {
    static QColor Panel() { return QColor(36, 38, 43); }
    static QColor Recess() { return QColor(16, 17, 20); }
    static QColor Key() { return QColor(62, 65, 72); }
    static QColor Edge() { return QColor(92, 96, 104); }
    static QColor Text() { return QColor(222, 225, 230); }
    static QColor DisabledText() { return QColor(172, 176, 183); }
    static QColor LampOn() { return QColor(60, 235, 90); }
    static QColor LampOff() { return QColor(30, 62, 38); }
    static QColor Accent() { return QColor(255, 176, 40); }
    static QColor MeterLow() { return QColor(60, 220, 80); }
    static QColor MeterHigh() { return QColor(250, 210, 40); }
    static QColor MeterTop() { return QColor(245, 60, 50); }

    /// `base` with the rack's colours for a whole window drawn as the processor's front:
    /// every widget in it (Qt's own and the rack controls) takes its text and faces from it.
    static QPalette Window(QPalette base);
};

} // namespace quorvex
