#pragma once

#include "plot/graph_content.h"
#include "plot/graph_painter.h"

#include <QWidget>

#include <optional>

class QAction;

namespace quorvex {

/// Where the mouse is on a graph, in axis units (Hz and dB or degrees), and whether it is
/// inside the plot rectangle.
struct GraphPointer {
    double X = 0.0;
    double Y = 0.0;
    bool Inside = false;
};

/// The graph control: paints a GraphContent through the plot layer and reports the mouse in
/// axis units. It holds only what its owner gives it and computes no response; every change
/// of content repaints once, in the next paint event.
class TxyGraph : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* ExportActionText = "Export plot...";

    explicit TxyGraph(QWidget* parent = nullptr);

    /// Replaces what the graph shows and schedules a repaint.
    void SetContent(GraphContent content);
    const GraphContent& Content() const { return content_; }

    /// The plot rectangle inside the axes, in widget coordinates, as the last layout of the
    /// current size and font gives it.
    QRectF PlotRectangle() const;
    /// The axis mappings over PlotRectangle().
    PlotAxes Axes() const;
    /// The axis values under a widget position.
    GraphPointer PointerAt(QPointF position) const;

    /// The cursor shown over the graph (the equaliser shows a hand over a band).
    void SetCursorShape(Qt::CursorShape shape);

    /// Writes the graph at the widget's size to `path`, as PNG, SVG or PDF by its extension;
    /// the file is replaced only once completely written. Returns the reason on failure.
    std::optional<QString> ExportPlot(const QString& path) const;

    /// The context menu's "Export plot..." action; triggering it asks for a file name.
    QAction* ExportAction() const { return exportAction_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void MouseMoved(quorvex::GraphPointer pointer, Qt::MouseButtons buttons);
    /// The right button opens the context menu instead and is not reported.
    void MousePressed(quorvex::GraphPointer pointer, Qt::MouseButton button);
    void MouseReleased(quorvex::GraphPointer pointer, Qt::MouseButton button);
    void MouseLeft();
    /// `steps` is in notches of a standard wheel (120 units each), positive away from the user.
    void WheelTurned(quorvex::GraphPointer pointer, double steps);
    void DoubleClicked(quorvex::GraphPointer pointer, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void AskAndExport();

    GraphContent content_;
    QAction* exportAction_ = nullptr;
};

} // namespace quorvex
