#include "ui/grab_report.h"

#include "app/scratch_folder.h"
#include "plot/curve_colours.h"
#include "ui/txy_graph.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace quorvex {
namespace {

// The pixel a report axis puts `value` at, worked out from the report alone.
double ReportedPixel(const QJsonObject& axis, double value) {
    const bool log = axis["scale"].toString() == "log";
    const auto at = [log](double v) { return log ? std::log10(v) : v; };
    const double fraction = (at(value) - at(axis["minimum"].toDouble())) /
                            (at(axis["maximum"].toDouble()) - at(axis["minimum"].toDouble()));
    const double first = axis["minimum_pixel"].toDouble();
    return first + fraction * (axis["maximum_pixel"].toDouble() - first);
}

TEST(GrabReport, PutsAGraphsAxesInThePicturesPixelsSoValuesCanBeReadOffIt) {
    QWidget window;
    window.setObjectName("Plotted");
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("a caption above the graph", &window));
    auto* graph = new TxyGraph(&window);
    graph->setObjectName("Graph");
    graph->setMinimumSize(600, 360);
    layout->addWidget(graph);
    GraphContent content;
    content.Title = "Flat";
    content.Curves.push_back({"Out3", OutputCurveColour(3), true, {20.0, 20000.0}, {6.0, 6.0}});
    graph->SetContent(content);

    testing::ScratchFolder folder;
    const QString dir = QString::fromStdString(folder / "grab");
    std::string error;
    ASSERT_TRUE(GrabWindows({&window}, dir, error)) << error;
    EXPECT_FALSE(window.isVisible());

    QFile file(dir + "/grab.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject entry =
        QJsonDocument::fromJson(file.readAll())["windows"].toArray()[0].toObject();
    EXPECT_EQ(entry["file"].toString(), "Plotted.png");
    const QJsonArray graphs = entry["graphs"].toArray();
    ASSERT_EQ(graphs.size(), 1);
    const QJsonObject reported = graphs[0].toObject();
    EXPECT_EQ(reported["name"].toString(), "Graph");
    const QJsonObject x = reported["x_axis"].toObject();
    const QJsonObject y = reported["y_axis"].toObject();
    EXPECT_EQ(x["scale"].toString(), "log");
    EXPECT_DOUBLE_EQ(x["minimum"].toDouble(), 20.0);
    EXPECT_EQ(y["scale"].toString(), "linear");
    // The graph lies below the caption: its plot is offset within the window.
    const QJsonObject plot = reported["plot"].toObject();
    EXPECT_GT(plot["y"].toDouble(), graph->PlotRectangle().y());

    const QImage picture(dir + "/Plotted.png");
    ASSERT_FALSE(picture.isNull());
    for (const double hz : {50.0, 1000.0, 12000.0}) {
        const int px = static_cast<int>(std::floor(ReportedPixel(x, hz)));
        const int py = static_cast<int>(std::floor(ReportedPixel(y, 6.0)));
        bool found = false;
        for (int dy = -1; dy <= 1 && !found; ++dy) {
            // Out3 is lime; antialiasing may soften it a little.
            const QColor colour = picture.pixelColor(px, py + dy);
            found = colour.green() > 150 && colour.red() < 100 && colour.blue() < 100;
        }
        EXPECT_TRUE(found) << hz << " Hz at " << px << "," << py;
    }
}

TEST(GrabReport, AWindowWithoutGraphsListsNone) {
    QWidget window;
    window.setObjectName("Plain");
    testing::ScratchFolder folder;
    std::string error;
    const QString dir = QString::fromStdString(folder / "plain");
    ASSERT_TRUE(GrabWindows({&window}, dir, error)) << error;
    QFile file(dir + "/grab.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject entry =
        QJsonDocument::fromJson(file.readAll())["windows"].toArray()[0].toObject();
    EXPECT_TRUE(entry["graphs"].toArray().isEmpty());
}

} // namespace
} // namespace quorvex
