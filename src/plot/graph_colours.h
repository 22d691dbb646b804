#pragma once

#include <QColor>

namespace quorvex {

/// The dark scheme every graph is drawn in, kept together so a change stays consistent.
struct GraphColours {
    static QColor Background() { return QColor(20, 22, 26); }
    static QColor PlotBackground() { return QColor(0, 0, 0); }
    static QColor MajorGrid() { return QColor(78, 82, 90); }
    static QColor MinorGrid() { return QColor(40, 43, 48); }
    static QColor ZeroLine() { return QColor(130, 135, 145); }
    static QColor Frame() { return QColor(150, 155, 165); }
    static QColor Text() { return QColor(215, 218, 224); }
    static QColor Title() { return QColor(255, 255, 255); }
};

} // namespace quorvex
