#include "ui/rack_fader.h"

#include "ui/rack_slider.h"

#include <QWidget>

#include <utility>

namespace quorvex {

namespace {

/// A fader's page: ten positions a click beside the knob.
constexpr int FaderPageStep = 10;

} // namespace

RackSlider* MakeFader(QWidget* parent, const QString& name, int maximum, int lines,
                      std::function<void(int)> moved) {
    auto* fader = new RackSlider(Qt::Vertical, parent);
    fader->setObjectName(name);
    fader->setRange(0, maximum);
    fader->setInvertedAppearance(true);
    fader->setPageStep(FaderPageStep);
    fader->setMinimumHeight(parent->fontMetrics().height() * lines);
    QObject::connect(fader, &RackSlider::PositionMoved, parent, std::move(moved));
    return fader;
}

} // namespace quorvex
