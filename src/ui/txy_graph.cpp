#include "ui/txy_graph.h"

#include "plot/graph_export.h"

#include <QAction>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QWheelEvent>

namespace quorvex {

namespace {

constexpr double WheelUnitsPerStep = 120.0;

} // namespace

TxyGraph::TxyGraph(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    exportAction_ = new QAction(tr(ExportActionText), this);
    connect(exportAction_, &QAction::triggered, this, &TxyGraph::AskAndExport);
    addAction(exportAction_);
}

void TxyGraph::SetContent(GraphContent content) {
    content_ = std::move(content);
    update();
}

QRectF TxyGraph::PlotRectangle() const {
    return GraphPlotRectangle(content_, QRectF(rect()), QFontMetricsF(font(), this));
}

PlotAxes TxyGraph::Axes() const {
    return MapPlot(content_, PlotRectangle());
}

GraphPointer TxyGraph::PointerAt(QPointF position) const {
    const QRectF plot = PlotRectangle();
    if (plot.isEmpty()) {
        return {};
    }
    const PlotAxes axes = MapPlot(content_, plot);
    GraphPointer pointer{axes.X.ValueAt(position.x()), axes.Y.ValueAt(position.y()), false};
    pointer.Inside =
        content_.XAxis.Range.Contains(pointer.X) && content_.YAxis.Range.Contains(pointer.Y);
    return pointer;
}

void TxyGraph::SetCursorShape(Qt::CursorShape shape) {
    if (cursor().shape() != shape) {
        setCursor(shape);
    }
}

std::optional<QString> TxyGraph::ExportPlot(const QString& path) const {
    const auto format = GraphFileFormatFor(path);
    if (!format) {
        return tr("The file name must end in .png, .svg or .pdf");
    }
    const QByteArray bytes = RenderGraphFile(content_, size(), *format);
    if (bytes.isEmpty()) {
        return tr("The plot could not be drawn");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

void TxyGraph::AskAndExport() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr(ExportActionText), QString(),
        tr("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (const auto error = ExportPlot(path)) {
        QMessageBox::warning(this, tr(ExportActionText), *error);
    }
}

QSize TxyGraph::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 90, metrics.height() * 24};
}

QSize TxyGraph::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * 30, metrics.height() * 10};
}

void TxyGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintGraph(painter, QRectF(rect()), content_);
}

void TxyGraph::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(PointerAt(event->position()), event->buttons());
}

void TxyGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        QWidget::mousePressEvent(event); // the context menu
        return;
    }
    emit MousePressed(PointerAt(event->position()), event->button());
}

void TxyGraph::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseReleased(PointerAt(event->position()), event->button());
}

void TxyGraph::mouseDoubleClickEvent(QMouseEvent* event) {
    emit DoubleClicked(PointerAt(event->position()), event->button());
}

void TxyGraph::wheelEvent(QWheelEvent* event) {
    emit WheelTurned(PointerAt(event->position()), event->angleDelta().y() / WheelUnitsPerStep);
    event->accept();
}

void TxyGraph::leaveEvent(QEvent* event) {
    emit MouseLeft();
    QWidget::leaveEvent(event);
}

} // namespace quorvex
