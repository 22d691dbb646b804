#include "plot/graph_painter.h"

#include "plot/axis_ticks.h"
#include "plot/graph_colours.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

/// Spacing of the layout, in line heights of the font.
constexpr double Padding = 0.5;
constexpr double LegendSwatch = 1.6;

struct GraphLayout {
    QRectF Plot;
    QRectF Legend;
};

QString TickText(const AxisTick& tick) {
    return QString::fromStdString(tick.Label);
}

double WidestLabel(const std::vector<AxisTick>& ticks, const QFontMetricsF& metrics) {
    double widest = 0.0;
    for (const AxisTick& tick : ticks) {
        widest = std::max(widest, metrics.horizontalAdvance(TickText(tick)));
    }
    return widest;
}

bool HasLegend(const GraphContent& content) {
    return content.LegendVisible &&
           std::any_of(content.Curves.begin(), content.Curves.end(), [](const GraphCurve& curve) {
               return curve.Visible && !curve.Name.isEmpty();
           });
}

double LegendWidth(const GraphContent& content, const QFontMetricsF& metrics) {
    double widest = 0.0;
    for (const GraphCurve& curve : content.Curves) {
        if (curve.Visible) {
            widest = std::max(widest, metrics.horizontalAdvance(curve.Name));
        }
    }
    return metrics.height() * (LegendSwatch + Padding) + widest;
}

/// Pixel centre at or before `coordinate`, so a 1-pixel line along it covers whole pixels.
double PixelCentre(double coordinate) {
    return std::floor(coordinate) + 0.5;
}

/// The plot height at most `height` pixels that puts every labelled line of a linear axis
/// whose ends are whole steps on a whole pixel, so 0 dB and the grid are drawn crisp.
double WholeGridHeight(const GraphAxis& axis, double height) {
    if (axis.Range.Scale != AxisScale::Linear || height <= 0.0) {
        return height;
    }
    const double step = LinearTickStep(axis.Range, axis.TickStep);
    const double intervals = (axis.Range.Maximum - axis.Range.Minimum) / step;
    const double whole = std::round(intervals);
    if (std::abs(intervals - whole) > 1e-9 || whole < 1.0 || whole > height / 4.0) {
        return height;
    }
    return std::floor(height / whole) * whole;
}

GraphLayout LayOut(const GraphContent& content, const QRectF& area, const QFontMetricsF& metrics) {
    const double line = metrics.height();
    const double pad = line * Padding;
    const std::vector<AxisTick> xTicks = AxisTicks(content.XAxis.Range, content.XAxis.TickStep);
    const std::vector<AxisTick> yTicks = AxisTicks(content.YAxis.Range, content.YAxis.TickStep);

    const double top = area.top() + pad + (content.Title.isEmpty() ? 0.0 : line + pad);
    const double left = area.left() + pad + (content.YAxis.Title.isEmpty() ? 0.0 : line + pad) +
                        WidestLabel(yTicks, metrics) + pad;
    const double bottom =
        area.bottom() - pad - (content.XAxis.Title.isEmpty() ? 0.0 : line) - line - pad * 0.5;
    // Half of the widest label is room for one centred on the plot's right edge ("20k").
    double right = area.right() - std::max(pad, WidestLabel(xTicks, metrics) / 2.0 + pad * 0.5);
    GraphLayout layout;
    if (HasLegend(content)) {
        const double width = LegendWidth(content, metrics);
        right -= width + pad;
        layout.Legend = QRectF(right + pad * 1.5, top, width, line * 1.0);
    }
    const QPointF topLeft(PixelCentre(left), PixelCentre(top));
    const QPointF bottomRight(
        PixelCentre(right),
        topLeft.y() + WholeGridHeight(content.YAxis, PixelCentre(bottom) - topLeft.y()));
    if (bottomRight.x() - topLeft.x() < line || bottomRight.y() - topLeft.y() < line) {
        return {};
    }
    layout.Plot = QRectF(topLeft, bottomRight);
    return layout;
}

void PaintGrid(QPainter& painter, const GraphContent& content, const QRectF& plot,
               const PlotAxes& axes) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    const std::vector<AxisTick> xTicks = AxisTicks(content.XAxis.Range, content.XAxis.TickStep);
    const std::vector<AxisTick> yTicks = AxisTicks(content.YAxis.Range, content.YAxis.TickStep);
    QPen pen(GraphColours::MinorGrid(), 1.0);
    pen.setCosmetic(true);
    for (bool major : {false, true}) {
        pen.setColor(major ? GraphColours::MajorGrid() : GraphColours::MinorGrid());
        painter.setPen(pen);
        for (const AxisTick& tick : xTicks) {
            if (tick.Major == major) {
                const double x = PixelCentre(axes.X.PixelOf(tick.Value));
                painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            }
        }
        for (const AxisTick& tick : yTicks) {
            if (tick.Major == major) {
                const double y = PixelCentre(axes.Y.PixelOf(tick.Value));
                pen.setColor(tick.Value == 0.0 ? GraphColours::ZeroLine()
                                               : GraphColours::MajorGrid());
                painter.setPen(pen);
                painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            }
        }
    }
    pen.setColor(GraphColours::Frame());
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
}

void PaintTickLabels(QPainter& painter, const GraphContent& content, const QRectF& area,
                     const QRectF& plot, const PlotAxes& axes) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const double pad = line * Padding;
    painter.setPen(GraphColours::Text());
    double lastRight = -INFINITY;
    for (const AxisTick& tick : AxisTicks(content.XAxis.Range, content.XAxis.TickStep)) {
        if (!tick.Major) {
            continue;
        }
        const QString text = TickText(tick);
        const double width = metrics.horizontalAdvance(text);
        const double left =
            std::clamp(axes.X.PixelOf(tick.Value) - width / 2.0, area.left(), area.right() - width);
        if (left < lastRight + pad) {
            continue; // a narrow plot keeps the labels that fit, never overprints them
        }
        painter.drawText(QRectF(left, plot.bottom() + pad * 0.5, width, line), Qt::AlignCenter,
                         text);
        lastRight = left + width;
    }
    double lastTop = INFINITY;
    for (const AxisTick& tick : AxisTicks(content.YAxis.Range, content.YAxis.TickStep)) {
        const double y = axes.Y.PixelOf(tick.Value);
        if (y + line / 2.0 > lastTop) {
            continue;
        }
        painter.drawText(QRectF(area.left(), y - line / 2.0, plot.left() - pad - area.left(), line),
                         Qt::AlignRight | Qt::AlignVCenter, TickText(tick));
        lastTop = y - line / 2.0;
    }
}

void PaintTitles(QPainter& painter, const GraphContent& content, const QRectF& area,
                 const QRectF& plot) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const double pad = line * Padding;
    if (!content.Title.isEmpty()) {
        QFont bold = painter.font();
        bold.setBold(true);
        painter.save();
        painter.setFont(bold);
        painter.setPen(GraphColours::Title());
        painter.drawText(QRectF(area.left(), area.top() + pad, area.width(), line), Qt::AlignCenter,
                         content.Title);
        painter.restore();
    }
    painter.setPen(GraphColours::Text());
    if (!content.XAxis.Title.isEmpty()) {
        painter.drawText(QRectF(plot.left(), area.bottom() - pad - line, plot.width(), line),
                         Qt::AlignCenter, content.XAxis.Title);
    }
    if (!content.YAxis.Title.isEmpty()) {
        painter.save();
        painter.translate(area.left() + pad + line / 2.0, plot.center().y());
        painter.rotate(-90.0);
        painter.drawText(QRectF(-plot.height() / 2.0, -line / 2.0, plot.height(), line),
                         Qt::AlignCenter, content.YAxis.Title);
        painter.restore();
    }
}

/// A coordinate kept within a few plot sizes of the plot: a curve point at, say, -140 dB on a
/// 40 dB axis still draws its steep line, and no huge value reaches the rasteriser.
double Bounded(double coordinate, double low, double high) {
    const double reach = (high - low) * 4.0;
    return std::clamp(coordinate, low - reach, high + reach);
}

void PaintCurve(QPainter& painter, const GraphCurve& curve, const QRectF& plot,
                const PlotAxes& axes, QPolygonF& points) {
    QPen pen(curve.Colour, 1.0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    const std::size_t count = std::min(curve.X.size(), curve.Y.size());
    points.clear();
    const auto flush = [&] {
        if (points.size() > 1) {
            painter.drawPolyline(points);
        } else if (points.size() == 1) {
            painter.drawPoint(points.front());
        }
        points.clear();
    };
    for (std::size_t i = 0; i < count; ++i) {
        const double x = axes.X.PixelOf(curve.X[i]);
        const double y = axes.Y.PixelOf(curve.Y[i]);
        if (!std::isfinite(x) || !std::isfinite(y)) {
            flush();
            continue;
        }
        points.append(
            QPointF(Bounded(x, plot.left(), plot.right()), Bounded(y, plot.top(), plot.bottom())));
    }
    flush();
}

void PaintCurves(QPainter& painter, const GraphContent& content, const QRectF& plot,
                 const PlotAxes& axes) {
    painter.save();
    // The clip reaches the frame's outer half so a curve on an axis end stays visible.
    painter.setClipRect(plot.adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF points;
    points.reserve(512);
    for (const GraphCurve& curve : content.Curves) {
        if (curve.Visible) {
            PaintCurve(painter, curve, plot, axes, points);
        }
    }
    painter.restore();
}

void PaintMarkers(QPainter& painter, const GraphContent& content, const QRectF& plot,
                  const PlotAxes& axes) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double radius = metrics.height() * 0.3;
    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const GraphMarker& marker : content.Markers) {
        const QPointF centre(axes.X.PixelOf(marker.X), axes.Y.PixelOf(marker.Y));
        if (!std::isfinite(centre.x()) || !std::isfinite(centre.y())) {
            continue;
        }
        QPen pen(marker.Colour, 1.0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius, radius);
        if (!marker.Label.isEmpty()) {
            const double width = metrics.horizontalAdvance(marker.Label);
            // Beside the circle, flipped to the left near the right edge so it stays visible.
            const double left = centre.x() + radius * 1.5 + width > plot.right()
                                    ? centre.x() - radius * 1.5 - width
                                    : centre.x() + radius * 1.5;
            const double top = std::max(plot.top(), centre.y() - radius - metrics.height());
            painter.drawText(QRectF(left, top, width, metrics.height()), Qt::AlignCenter,
                             marker.Label);
        }
    }
    painter.restore();
}

void PaintLegend(QPainter& painter, const GraphContent& content, const QRectF& legend) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    double top = legend.top();
    for (const GraphCurve& curve : content.Curves) {
        if (!curve.Visible || curve.Name.isEmpty()) {
            continue;
        }
        QPen pen(curve.Colour, 2.0);
        painter.setPen(pen);
        const double y = PixelCentre(top + line / 2.0);
        painter.drawLine(QPointF(legend.left(), y),
                         QPointF(legend.left() + line * LegendSwatch, y));
        painter.setPen(GraphColours::Text());
        const double textLeft = legend.left() + line * (LegendSwatch + Padding);
        painter.drawText(QRectF(textLeft, top, legend.right() - textLeft, line),
                         Qt::AlignLeft | Qt::AlignVCenter, curve.Name);
        top += line;
    }
    painter.restore();
}

} // namespace

QRectF GraphPlotRectangle(const GraphContent& content, const QRectF& area,
                          const QFontMetricsF& metrics) {
    return LayOut(content, area, metrics).Plot;
}

PlotAxes MapPlot(const GraphContent& content, const QRectF& plot) {
    return {AxisMapping(content.XAxis.Range, plot.left(), plot.right()),
            AxisMapping(content.YAxis.Range, plot.bottom(), plot.top())};
}

QRectF PaintGraph(QPainter& painter, const QRectF& area, const GraphContent& content) {
    painter.save();
    painter.fillRect(area, GraphColours::Background());
    const QFontMetricsF metrics(painter.font(), painter.device());
    const GraphLayout layout = LayOut(content, area, metrics);
    if (layout.Plot.isEmpty()) {
        painter.restore();
        return {};
    }
    const QRectF& plot = layout.Plot;
    painter.fillRect(plot, GraphColours::PlotBackground());
    const PlotAxes axes = MapPlot(content, plot);
    PaintGrid(painter, content, plot, axes);
    PaintTickLabels(painter, content, area, plot, axes);
    PaintTitles(painter, content, area, plot);
    PaintCurves(painter, content, plot, axes);
    PaintMarkers(painter, content, plot, axes);
    if (!layout.Legend.isNull()) {
        PaintLegend(painter, content, layout.Legend);
    }
    painter.restore();
    return plot;
}

} // namespace quorvex
