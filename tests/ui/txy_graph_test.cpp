#include "plot/curve_colours.h"
#include "ui/txy_graph.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace quorvex {
namespace {

GraphContent EqualiserContent() {
    GraphContent content;
    content.Title = QStringLiteral("OUT 1 Equalization");
    content.YAxis.TickStep = 5.0;
    GraphCurve curve{QStringLiteral("Out1"), OutputCurveColour(1), true, {}, {}};
    for (int i = 0; i <= 400; ++i) {
        curve.X.push_back(20.0 * std::pow(1000.0, i / 400.0));
        curve.Y.push_back(6.0);
    }
    content.Curves.push_back(curve);
    return content;
}

struct ShownGraph {
    ShownGraph() {
        graph.resize(800, 480);
        graph.SetContent(EqualiserContent());
        graph.show();
        (void)QTest::qWaitForWindowExposed(&graph);
    }
    TxyGraph graph;
};

QPoint PixelOf(const TxyGraph& graph, double hz, double db) {
    const PlotAxes axes = graph.Axes();
    return {static_cast<int>(std::floor(axes.X.PixelOf(hz))),
            static_cast<int>(std::floor(axes.Y.PixelOf(db)))};
}

TEST(TxyGraphPainting, ShowsItsCurveWhereThePlotMappingPutsIt) {
    ShownGraph shown;
    const QImage image = shown.graph.grab().toImage();
    const QPoint at = PixelOf(shown.graph, 1000.0, 6.0);
    bool found = false;
    for (int dy = -1; dy <= 1; ++dy) {
        const QColor colour = image.pixelColor(at.x(), at.y() + dy);
        found = found || (colour.red() < 60 && colour.green() > 150 && colour.blue() > 150);
    }
    EXPECT_TRUE(found);
}

TEST(TxyGraphPainting, ExposesThePlotRectangleAndRangesForTheOwner) {
    ShownGraph shown;
    const QRectF plot = shown.graph.PlotRectangle();
    EXPECT_TRUE(QRectF(shown.graph.rect()).contains(plot));
    EXPECT_EQ(shown.graph.Axes().X.PixelOf(20.0), plot.left());
    EXPECT_EQ(shown.graph.Axes().Y.PixelOf(20.0), plot.top());
    EXPECT_EQ(shown.graph.Axes().X.Range(), shown.graph.Content().XAxis.Range);
}

TEST(TxyGraphMouse, ReportsAMoveInAxisUnits) {
    ShownGraph shown;
    QSignalSpy moved(&shown.graph, &TxyGraph::MouseMoved);
    QTest::mouseMove(&shown.graph, PixelOf(shown.graph, 1000.0, 6.0));
    ASSERT_EQ(moved.count(), 1);
    const auto pointer = moved.at(0).at(0).value<GraphPointer>();
    EXPECT_TRUE(pointer.Inside);
    // Within one pixel of the mapping: the 3 decades span some 700 pixels here.
    EXPECT_NEAR(std::log10(pointer.X), 3.0, 3.0 / 600.0);
    EXPECT_NEAR(pointer.Y, 6.0, 40.0 / 300.0);
}

TEST(TxyGraphMouse, ReportsAPointOutsideThePlotAsOutside) {
    ShownGraph shown;
    QSignalSpy moved(&shown.graph, &TxyGraph::MouseMoved);
    QTest::mouseMove(&shown.graph, QPoint(2, 2));
    ASSERT_EQ(moved.count(), 1);
    EXPECT_FALSE(moved.at(0).at(0).value<GraphPointer>().Inside);
}

TEST(TxyGraphMouse, ReportsPressReleaseAndDoubleClickWithTheirButton) {
    ShownGraph shown;
    QSignalSpy pressed(&shown.graph, &TxyGraph::MousePressed);
    QSignalSpy released(&shown.graph, &TxyGraph::MouseReleased);
    QSignalSpy doubled(&shown.graph, &TxyGraph::DoubleClicked);
    const QPoint at = PixelOf(shown.graph, 100.0, -10.0);
    QTest::mousePress(&shown.graph, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&shown.graph, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&shown.graph, Qt::LeftButton, {}, at);
    ASSERT_GE(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_NEAR(pressed.at(0).at(0).value<GraphPointer>().Y, -10.0, 0.2);
    EXPECT_GE(released.count(), 1);
    EXPECT_EQ(doubled.count(), 1);
}

TEST(TxyGraphMouse, ReportsLeavingAndTheWheelInNotches) {
    ShownGraph shown;
    QSignalSpy left(&shown.graph, &TxyGraph::MouseLeft);
    QSignalSpy wheel(&shown.graph, &TxyGraph::WheelTurned);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&shown.graph, &leave);
    EXPECT_EQ(left.count(), 1);
    const QPointF at = PixelOf(shown.graph, 500.0, 0.0);
    QWheelEvent turn(at, shown.graph.mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&shown.graph, &turn);
    ASSERT_EQ(wheel.count(), 1);
    EXPECT_EQ(wheel.at(0).at(1).toDouble(), 2.0);
}

TEST(TxyGraphCursor, TakesTheShapeItsOwnerSets) {
    ShownGraph shown;
    shown.graph.SetCursorShape(Qt::PointingHandCursor);
    EXPECT_EQ(shown.graph.cursor().shape(), Qt::PointingHandCursor);
    shown.graph.SetCursorShape(Qt::ArrowCursor);
    EXPECT_EQ(shown.graph.cursor().shape(), Qt::ArrowCursor);
}

TEST(TxyGraphExport, OffersExportInItsContextMenu) {
    TxyGraph graph;
    ASSERT_NE(graph.ExportAction(), nullptr);
    EXPECT_EQ(graph.ExportAction()->text(), QStringLiteral("Export plot..."));
    EXPECT_TRUE(graph.actions().contains(graph.ExportAction()));
    EXPECT_EQ(graph.contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST(TxyGraphExport, WritesAPngOfItsOwnSizeAndRefusesAnUnknownExtension) {
    ShownGraph shown;
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("plot.png"));
    EXPECT_FALSE(shown.graph.ExportPlot(png).has_value());
    const QImage image(png);
    EXPECT_EQ(image.size(), shown.graph.size());
    EXPECT_TRUE(shown.graph.ExportPlot(folder.filePath(QStringLiteral("plot.bmp"))).has_value());
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("plot.bmp"))));
}

TEST(TxyGraphExport, ReportsAFolderThatDoesNotExist) {
    ShownGraph shown;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/plot.svg"));
    EXPECT_TRUE(shown.graph.ExportPlot(path).has_value());
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
} // namespace quorvex
