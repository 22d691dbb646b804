#pragma once

#include <QWidget>

namespace quorvex {

/// A bar of lamp segments showing a value from 0 to its maximum: the segments up to the
/// value are lit, green, then yellow, the top ones red.
class LedMeter : public QWidget {
    Q_OBJECT

public:
    explicit LedMeter(Qt::Orientation orientation = Qt::Vertical, QWidget* parent = nullptr);

    /// The maximum (> 0); the value is kept inside 0 .. maximum.
    void SetMaximum(int maximum);
    int Maximum() const { return maximum_; }
    void SetValue(int value);
    int Value() const { return value_; }
    void SetSegmentCount(int count);
    int SegmentCount() const { return segments_; }
    /// How many segments the value lights: a segment is lit once the value reaches its
    /// lower end, so 0 lights none and the maximum lights all.
    int LitSegments() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor SegmentColour(int segment) const;

    Qt::Orientation orientation_;
    int maximum_ = 100;
    int value_ = 0;
    int segments_ = 12;
};

} // namespace quorvex
