#pragma once

#include <QWidget>

namespace quorvex {

/// A separator: a thin engraved line across the panel, horizontal or vertical.
class RackLine : public QWidget {
    Q_OBJECT

public:
    explicit RackLine(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    Qt::Orientation Orientation() const { return orientation_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
};

} // namespace quorvex
