#pragma once

#include <QWidget>

namespace quorvex {

/// A dial with a needle over an arc for a value in a range, with a caption and a value text
/// that its owner gives (the gauge formats nothing).
class RackGauge : public QWidget {
    Q_OBJECT

public:
    explicit RackGauge(QWidget* parent = nullptr);

    /// The range (minimum < maximum); the needle stops at its ends.
    void SetRange(double minimum, double maximum);
    void SetValue(double value);
    double Value() const { return value_; }
    void SetCaption(const QString& caption);
    void SetValueText(const QString& text);
    /// The needle's angle in degrees, counter-clockwise from the right: 225 at the minimum,
    /// -45 at the maximum (a 270-degree sweep, as on a rack meter).
    double NeedleAngle() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double minimum_ = 0.0;
    double maximum_ = 1.0;
    double value_ = 0.0;
    QString caption_;
    QString valueText_;
};

} // namespace quorvex
