#include "ui/rack_gauge.h"

#include "ui/rack_palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvex {

namespace {

constexpr double StartAngle = 225.0;
constexpr double Sweep = 270.0;

} // namespace

RackGauge::RackGauge(QWidget* parent) : QWidget(parent) {}

void RackGauge::SetRange(double minimum, double maximum) {
    if (!(minimum < maximum)) {
        return;
    }
    minimum_ = minimum;
    maximum_ = maximum;
    update();
}

void RackGauge::SetValue(double value) {
    value_ = value;
    update();
}

void RackGauge::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void RackGauge::SetValueText(const QString& text) {
    valueText_ = text;
    update();
}

double RackGauge::NeedleAngle() const {
    const double fraction = std::isfinite(value_)
                                ? std::clamp((value_ - minimum_) / (maximum_ - minimum_), 0.0, 1.0)
                                : 0.0;
    return StartAngle - Sweep * fraction;
}

QSize RackGauge::sizeHint() const {
    const int side = fontMetrics().height() * 7;
    return {side, heightForWidth(side)};
}

QSize RackGauge::minimumSizeHint() const {
    const int side = fontMetrics().height() * 4;
    return {side, heightForWidth(side)};
}

int RackGauge::heightForWidth(int width) const {
    return width + fontMetrics().height() * 2;
}

void RackGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double line = fontMetrics().height();
    const double side = std::max(line, std::min<double>(width(), height() - line * 2.0));
    const QRectF dial((width() - side) / 2.0 + line / 2.0, line / 2.0, side - line, side - line);
    const QPointF centre = dial.center();

    painter.setPen(QPen(RackPalette::Edge(), 1.0));
    painter.setBrush(RackPalette::Recess());
    painter.drawEllipse(dial);
    QPen arc(RackPalette::LampOff(), std::max(2.0, line / 4.0), Qt::SolidLine, Qt::FlatCap);
    const QRectF arcRect = dial.adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0);
    painter.setPen(arc);
    painter.drawArc(arcRect, static_cast<int>((StartAngle - Sweep) * 16),
                    static_cast<int>(Sweep * 16));
    arc.setColor(RackPalette::Accent());
    painter.setPen(arc);
    const double swept = StartAngle - NeedleAngle();
    painter.drawArc(arcRect, static_cast<int>(NeedleAngle() * 16), static_cast<int>(swept * 16));

    const double radians = NeedleAngle() * std::numbers::pi / 180.0;
    const double reach = arcRect.width() / 2.0;
    const QPointF tip(centre.x() + reach * std::cos(radians),
                      centre.y() - reach * std::sin(radians));
    painter.setPen(
        QPen(RackPalette::Text(), std::max(1.5, line / 8.0), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, tip);

    painter.setPen(RackPalette::Accent());
    painter.drawText(QRectF(dial.left(), centre.y() + line * 0.5, dial.width(), line),
                     Qt::AlignCenter, valueText_);
    painter.setPen(RackPalette::Text());
    painter.drawText(QRectF(0.0, dial.bottom() + line * 0.25, width(), line), Qt::AlignCenter,
                     caption_);
}

} // namespace quorvex
