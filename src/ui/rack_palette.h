#pragma once

#include <QColor>

namespace quorvex {

/// The colours of the rack-style controls: light text and lit lamps on a dark panel, chosen
/// to stay readable side by side.
struct RackPalette {
    static QColor Panel() { return QColor(36, 38, 43); }
    static QColor Recess() { return QColor(16, 17, 20); }
    static QColor Edge() { return QColor(92, 96, 104); }
    static QColor Text() { return QColor(222, 225, 230); }
    static QColor DisabledText() { return QColor(120, 124, 130); }
    static QColor LampOn() { return QColor(60, 235, 90); }
    static QColor LampOff() { return QColor(30, 62, 38); }
    static QColor Accent() { return QColor(255, 176, 40); }
    static QColor MeterLow() { return QColor(60, 220, 80); }
    static QColor MeterHigh() { return QColor(250, 210, 40); }
    static QColor MeterTop() { return QColor(245, 60, 50); }
};

} // namespace quorvex
