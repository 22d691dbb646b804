#pragma once

#include "plot/axis_mapping.h"
#include "plot/graph_content.h"

#include <QFontMetricsF>
#include <QRectF>

class QPainter;

namespace quorvex {

/// Both axes of a plot rectangle: X from its left to its right edge, Y from its bottom to its
/// top edge.
struct PlotAxes {
    AxisMapping X;
    AxisMapping Y;
};

/// Where a graph drawn into `area` puts its plot (the rectangle inside the axes), laid out
/// from the text metrics `metrics` of the font it is drawn with. The edges lie on pixel
/// centres (x.5), so the axis ends and the grid fall on whole pixels: the pixel that holds a
/// coordinate c is floor(c). Empty when `area` is too small for the axes' text.
QRectF GraphPlotRectangle(const GraphContent& content, const QRectF& area,
                          const QFontMetricsF& metrics);

/// The axis mappings of `content`'s ranges over `plot`.
PlotAxes MapPlot(const GraphContent& content, const QRectF& plot);

/// Draws `content` into `area`: a dark background, the title, the grid with its labels, the
/// axis titles, the visible curves (clipped to the plot), the markers and, when asked for and
/// a visible curve has a name, a legend beside the plot. Uses the painter's font and leaves
/// the painter's state as it found it. Returns the plot rectangle, as GraphPlotRectangle.
QRectF PaintGraph(QPainter& painter, const QRectF& area, const GraphContent& content);

} // namespace quorvex
