#pragma once

#include "plot/axis_mapping.h"

#include <QColor>
#include <QString>

#include <vector>

namespace quorvex {

/// One axis of a graph: its title, range and scale, and the spacing of its labelled grid
/// lines on a linear axis (0 picks one; a logarithmic axis always uses 1-2-5 per decade).
struct GraphAxis {
    QString Title;
    AxisRange Range;
    double TickStep = 0.0;
};

/// One curve: a polyline through (X[i], Y[i]) in axis units. Points that are not finite
/// break the line; X and Y of different lengths draw the common part.
struct GraphCurve {
    QString Name;
    QColor Colour;
    bool Visible = true;
    std::vector<double> X;
    std::vector<double> Y;
};

/// A point marked on the plot with a small label (the equaliser's selected band).
struct GraphMarker {
    double X = 0.0;
    double Y = 0.0;
    QString Label;
    QColor Colour{255, 255, 255};
};

/// Everything a graph shows, as plain data: painting it computes nothing else.
struct GraphContent {
    QString Title;
    GraphAxis XAxis{QStringLiteral("Frequency"), {20.0, 20000.0, AxisScale::Logarithmic}, 0.0};
    GraphAxis YAxis{QStringLiteral("dB"), {-20.0, 20.0, AxisScale::Linear}, 0.0};
    std::vector<GraphCurve> Curves; ///< drawn in order, so the last is in front
    std::vector<GraphMarker> Markers;
    bool LegendVisible = true;
};

} // namespace quorvex
