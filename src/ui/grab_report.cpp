#include "ui/grab_report.h"

#include "ui/form_window.h"
#include "ui/qt_text.h"
#include "ui/txy_graph.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

namespace quorvex {

namespace {

QSize GrabSizeOf(const QWidget& window) {
    if (const auto* form = qobject_cast<const FormWindow*>(&window)) {
        return form->GrabSize();
    }
    const QSize hint = window.sizeHint().expandedTo(window.minimumSizeHint());
    // A window without a layout asks for nothing: it is grabbed at the size it has.
    return hint.isValid() ? hint : window.size();
}

// A hidden window is laid out and painted as if shown, without appearing on the screen.
QPixmap Render(QWidget& window) {
    window.resize(GrabSizeOf(window));
    const bool hidden = !window.isVisible();
    if (hidden) {
        window.setAttribute(Qt::WA_DontShowOnScreen, true);
        window.show();
    }
    QPixmap picture = window.grab();
    if (hidden) {
        window.hide();
        window.setAttribute(Qt::WA_DontShowOnScreen, false);
    }
    return picture;
}

QJsonObject DescribeAxis(const AxisMapping& axis, const QString& title) {
    QJsonObject entry;
    entry["title"] = title;
    entry["minimum"] = axis.Range().Minimum;
    entry["maximum"] = axis.Range().Maximum;
    entry["scale"] = axis.Range().Scale == AxisScale::Logarithmic ? "log" : "linear";
    // The pixel coordinates (in the picture) where the minimum and the maximum lie.
    entry["minimum_pixel"] = axis.MinimumPixel();
    entry["maximum_pixel"] = axis.MaximumPixel();
    return entry;
}

// A graph's plot rectangle and axes in the picture's pixels, so a script can read values
// off the picture.
// `ratio` is the picture's pixels per window coordinate (2 on a screen at 200 %).
QJsonObject DescribeGraph(const QWidget& window, const TxyGraph& graph, double ratio) {
    const QPointF offset = graph.mapTo(&window, QPoint(0, 0));
    const QRectF area = graph.PlotRectangle().translated(offset);
    const QRectF plot(area.topLeft() * ratio, area.size() * ratio);
    const PlotAxes axes = graph.Axes();
    const AxisMapping x(axes.X.Range(), (axes.X.MinimumPixel() + offset.x()) * ratio,
                        (axes.X.MaximumPixel() + offset.x()) * ratio);
    const AxisMapping y(axes.Y.Range(), (axes.Y.MinimumPixel() + offset.y()) * ratio,
                        (axes.Y.MaximumPixel() + offset.y()) * ratio);
    QJsonObject entry;
    entry["name"] = graph.objectName();
    entry["title"] = graph.Content().Title;
    entry["plot"] = QJsonObject{
        {"x", plot.x()}, {"y", plot.y()}, {"width", plot.width()}, {"height", plot.height()}};
    entry["x_axis"] = DescribeAxis(x, graph.Content().XAxis.Title);
    entry["y_axis"] = DescribeAxis(y, graph.Content().YAxis.Title);
    return entry;
}

QJsonObject Describe(const QWidget& window, const QString& file, const QPixmap& picture) {
    QJsonObject entry;
    entry["file"] = file;
    entry["window"] = window.objectName();
    entry["title"] = window.windowTitle();
    entry["width"] = picture.width();
    entry["height"] = picture.height();
    entry["pixel_ratio"] = picture.devicePixelRatio();
    QJsonArray graphs;
    for (const TxyGraph* graph : window.findChildren<TxyGraph*>()) {
        if (graph->isVisibleTo(&window)) {
            graphs.push_back(DescribeGraph(window, *graph, picture.devicePixelRatio()));
        }
    }
    entry["graphs"] = graphs;
    return entry;
}

bool WriteJson(const QString& path, const QJsonObject& report, std::string& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(report).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        error = "cannot write " + ToStdString(path) + ": " + ToStdString(file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool GrabWindows(const std::vector<QWidget*>& windows, const QString& dir, std::string& error) {
    if (!QDir().mkpath(dir)) {
        error = "cannot create the folder " + ToStdString(dir);
        return false;
    }
    QJsonArray entries;
    for (QWidget* window : windows) {
        const QString file = window->objectName() + ".png";
        const QPixmap picture = Render(*window);
        if (!picture.save(QDir(dir).filePath(file), "PNG")) {
            error = "cannot write " + ToStdString(QDir(dir).filePath(file));
            return false;
        }
        entries.push_back(Describe(*window, file, picture));
    }
    QJsonObject report;
    report["windows"] = entries;
    return WriteJson(QDir(dir).filePath("grab.json"), report, error);
}

} // namespace quorvex
