#pragma once

#include <QAbstractSlider>

namespace quorvex {

/// A fader of integer positions, vertical or horizontal. A press on the track puts the knob
/// there and a drag moves it; arrow keys, Page keys and the wheel step it. Every move by
/// the person emits PositionMoved with the new position; SetPosition, for the owner, does
/// not. By default the minimum is at the bottom (left); setInvertedAppearance(true) puts it
/// at the top (right), as faders whose position 0 is the highest value are drawn.
class RackSlider : public QAbstractSlider {
    Q_OBJECT

public:
    explicit RackSlider(Qt::Orientation orientation = Qt::Vertical, QWidget* parent = nullptr);

    /// Moves the knob without emitting PositionMoved.
    void SetPosition(int position);
    /// The position under a point of the widget, kept inside the range.
    int PositionAt(QPointF point) const;
    /// The centre of the knob at `position`, in widget coordinates.
    QPointF KnobCentre(int position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void PositionMoved(int position);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    /// The knob's length along the track.
    double KnobLength() const;
    /// Where the knob's centre runs, from the minimum's end to the maximum's, along the track.
    double TrackStart() const;
    double TrackEnd() const;
    double Along(QPointF point) const;

    bool ownerSetting_ = false;
    bool dragging_ = false;
};

} // namespace quorvex
