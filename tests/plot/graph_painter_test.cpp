#include "plot/curve_colours.h"
#include "plot/graph_export.h"
#include "plot/graph_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quorvex {
namespace {

/// A curve at `db` over 20 Hz .. 20 kHz, in 401 logarithmic steps as the response grid.
GraphCurve FlatCurve(const QString& name, QColor colour, double db) {
    GraphCurve curve{name, colour, true, {}, {}};
    for (int i = 0; i <= 400; ++i) {
        curve.X.push_back(20.0 * std::pow(1000.0, i / 400.0));
        curve.Y.push_back(db);
    }
    return curve;
}

GraphContent Sample() {
    GraphContent content;
    content.Title = QStringLiteral("OUT 1 Equalization");
    content.YAxis.TickStep = 5.0;
    content.Curves.push_back(FlatCurve(QStringLiteral("Out1"), OutputCurveColour(1), 6.0));
    content.Curves.push_back(FlatCurve(QStringLiteral("Out2"), OutputCurveColour(2), -12.0));
    return content;
}

struct Rendered {
    QImage Image;
    QRectF Plot;
};

Rendered Render(const GraphContent& content, QSize size = {1000, 600}) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QRectF plot = PaintGraph(painter, QRectF(QPointF(0, 0), size), content);
    painter.end();
    return {image, plot};
}

QColor PixelAt(const QImage& image, double x, double y) {
    return image.pixelColor(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

::testing::AssertionResult IsCurveColour(QColor actual, QColor expected);

/// Whether the curve of `expected` passes through the pixel at (x, y): that pixel or the
/// one above or below it, as an antialiased line between two rows covers both.
::testing::AssertionResult CurveAt(const QImage& image, double x, double y, QColor expected) {
    for (double dy : {0.0, -1.0, 1.0}) {
        if (IsCurveColour(PixelAt(image, x, y + dy), expected)) {
            return ::testing::AssertionSuccess();
        }
    }
    return IsCurveColour(PixelAt(image, x, y), expected);
}

/// Whether an antialiased line of `expected` covers the pixel: a line between two pixel rows
/// lights each of them with part of its colour, so the pixel must carry at least half of the
/// curve's brightness and, brought back to full brightness, the curve's colour.
::testing::AssertionResult IsCurveColour(QColor actual, QColor expected) {
    constexpr int Tolerance = 60;
    const int brightest = std::max({actual.red(), actual.green(), actual.blue()});
    const int expectedBrightest = std::max({expected.red(), expected.green(), expected.blue()});
    const auto full = [&](int channel) {
        return brightest == 0 ? 0 : channel * expectedBrightest / brightest;
    };
    if (2 * brightest >= expectedBrightest &&
        std::abs(full(actual.red()) - expected.red()) <= Tolerance &&
        std::abs(full(actual.green()) - expected.green()) <= Tolerance &&
        std::abs(full(actual.blue()) - expected.blue()) <= Tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << actual.name().toStdString() << " is not " << expected.name().toStdString();
}

TEST(CurveColours, AreTheSystemsFixedColours) {
    EXPECT_EQ(OutputCurveColour(1), QColor(0, 255, 255));
    EXPECT_EQ(OutputCurveColour(2), QColor(255, 0, 0));
    EXPECT_EQ(OutputCurveColour(3), QColor(0, 255, 0));
    EXPECT_EQ(OutputCurveColour(4), QColor(255, 0, 255));
    EXPECT_EQ(OutputCurveColour(5), QColor(255, 255, 0));
    EXPECT_EQ(OutputCurveColour(6), QColor(255, 149, 0));
    EXPECT_EQ(SumCurveColour(), QColor(255, 255, 255));
    EXPECT_EQ(OutputCurveColour(7), SumCurveColour());
}

TEST(GraphPainter, DrawsEachCurveWhereTheMappingPutsItsValue) {
    const Rendered rendered = Render(Sample());
    const PlotAxes axes = MapPlot(Sample(), rendered.Plot);
    for (double hz : {100.0, 1000.0, 5000.0}) {
        EXPECT_TRUE(
            CurveAt(rendered.Image, axes.X.PixelOf(hz), axes.Y.PixelOf(6.0), OutputCurveColour(1)))
            << hz;
        EXPECT_TRUE(CurveAt(rendered.Image, axes.X.PixelOf(hz), axes.Y.PixelOf(-12.0),
                            OutputCurveColour(2)))
            << hz;
    }
}

TEST(GraphPainter, ReturnsThePlotRectangleItsLayoutFunctionGives) {
    const GraphContent content = Sample();
    QImage image(800, 500, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QRectF painted = PaintGraph(painter, QRectF(0, 0, 800, 500), content);
    const QRectF laidOut =
        GraphPlotRectangle(content, QRectF(0, 0, 800, 500), QFontMetricsF(painter.font(), &image));
    EXPECT_EQ(painted, laidOut);
    EXPECT_FALSE(painted.isEmpty());
    // Edges on pixel centres, room for the labels on every side.
    EXPECT_EQ(painted.left() - std::floor(painted.left()), 0.5);
    EXPECT_EQ(painted.bottom() - std::floor(painted.bottom()), 0.5);
    EXPECT_GT(painted.left(), 20.0);
    EXPECT_LT(painted.bottom(), 480.0);
}

TEST(GraphPainter, LeavesHiddenCurvesOut) {
    GraphContent content = Sample();
    content.Curves[1].Visible = false;
    const Rendered rendered = Render(content);
    const PlotAxes axes = MapPlot(content, rendered.Plot);
    const QColor where = PixelAt(rendered.Image, axes.X.PixelOf(300.0), axes.Y.PixelOf(-12.0));
    EXPECT_FALSE(IsCurveColour(where, OutputCurveColour(2)));
    EXPECT_LT(where.lightness(), 100); // the dark plot, or a grid line at most
}

TEST(GraphPainter, DrawsTheLaterCurveInFront) {
    GraphContent content = Sample();
    content.Curves[1] = FlatCurve(QStringLiteral("Out2"), OutputCurveColour(2), 6.0);
    const Rendered rendered = Render(content);
    const PlotAxes axes = MapPlot(content, rendered.Plot);
    EXPECT_TRUE(
        CurveAt(rendered.Image, axes.X.PixelOf(700.0), axes.Y.PixelOf(6.0), OutputCurveColour(2)));
}

TEST(GraphPainter, BreaksTheLineAtValuesThatAreNotFinite) {
    GraphContent content;
    GraphCurve curve = FlatCurve(QStringLiteral("Out1"), OutputCurveColour(1), 0.0);
    for (std::size_t i = 150; i < 250; ++i) {
        curve.Y[i] = -INFINITY; // an output whose gain factor is 0
    }
    curve.Y[300] = std::nan("");
    content.Curves.push_back(curve);
    const Rendered rendered = Render(content);
    const PlotAxes axes = MapPlot(content, rendered.Plot);
    EXPECT_TRUE(CurveAt(rendered.Image, axes.X.PixelOf(curve.X[50]), axes.Y.PixelOf(0.0),
                        OutputCurveColour(1)));
    EXPECT_FALSE(CurveAt(rendered.Image, axes.X.PixelOf(curve.X[200]), axes.Y.PixelOf(0.0),
                         OutputCurveColour(1)));
    EXPECT_TRUE(CurveAt(rendered.Image, axes.X.PixelOf(curve.X[350]), axes.Y.PixelOf(0.0),
                        OutputCurveColour(1)));
}

TEST(GraphPainter, KeepsCurvesInsideThePlot) {
    GraphContent content;
    content.LegendVisible = false;
    content.Curves.push_back(FlatCurve(QString(), OutputCurveColour(3), 35.0)); // above +20 dB
    const Rendered rendered = Render(content);
    int lime = 0;
    for (int y = 0; y < rendered.Image.height(); ++y) {
        for (int x = 0; x < rendered.Image.width(); ++x) {
            lime += IsCurveColour(rendered.Image.pixelColor(x, y), OutputCurveColour(3)) ? 1 : 0;
        }
    }
    EXPECT_EQ(lime, 0);
}

TEST(GraphPainter, MarksAPointWithItsColour) {
    GraphContent content;
    content.Markers.push_back({1000.0, 6.0, QStringLiteral("1"), QColor(255, 255, 255)});
    const Rendered rendered = Render(content);
    const PlotAxes axes = MapPlot(content, rendered.Plot);
    // The circle's rim passes a few pixels left of the marked point, on its row.
    const double x = axes.X.PixelOf(1000.0);
    const double y = axes.Y.PixelOf(6.0);
    int bright = 0;
    for (int dx = -12; dx <= 0; ++dx) {
        bright += PixelAt(rendered.Image, x + dx, y).lightness() > 120 ? 1 : 0;
    }
    EXPECT_GE(bright, 1);
    EXPECT_LT(PixelAt(rendered.Image, x, y).lightness(), 120); // the circle is hollow
}

TEST(GraphPainter, DrawsNothingButTheBackgroundInATinyArea) {
    const Rendered rendered = Render(Sample(), QSize(20, 12));
    EXPECT_TRUE(rendered.Plot.isEmpty());
    EXPECT_LT(rendered.Image.pixelColor(10, 6).lightness(), 40);
}

TEST(GraphPainter, StaysReadableOnASmallWidget) {
    // Narrow enough that not every frequency label fits: none may overprint another, so
    // the plot keeps a dark gap between the labels it does draw.
    const Rendered rendered = Render(Sample(), QSize(260, 180));
    EXPECT_FALSE(rendered.Plot.isEmpty());
    EXPECT_GT(rendered.Plot.width(), 80.0);
}

} // namespace
} // namespace quorvex
