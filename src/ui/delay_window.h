#pragma once

#include "app/delay_fino_form.h"
#include "config/dimensions.h"
#include "ui/activated_window.h"

#include <array>

class QLabel;
class QSpinBox;

namespace quorvex {

class LedButton;
class RackSlider;
class RealSpinEdit;
class SpeakerLineDrawing;

/// The delay editor ("Output Delay"): each output's delay by fader, milliseconds and
/// centimetres, the air temperature, the relative distances of the speakers with their
/// drawing, "Auto Align" and the look-ahead it takes into account.
class DelayWindow : public ActivatedWindow<TDelayFinoForm> {
    Q_OBJECT

public:
    DelayWindow(TDelayFinoForm& model, QWidget* owner);

    void Refresh() override;

private:
    struct Strip {
        QLabel* Name = nullptr;
        RackSlider* Track = nullptr;
        RealSpinEdit* Ms = nullptr;
        RealSpinEdit* Cm = nullptr;
        QLabel* DistanceName = nullptr;
        RealSpinEdit* Distance = nullptr;
    };

    QWidget* BuildStrip(int output);
    QWidget* BuildTemperature();
    QWidget* BuildDistances();
    RealSpinEdit* AddDelayField(int output, const char* name, QWidget* parent,
                                void (TDelayFinoForm::*enter)(int, std::string_view));

    std::array<Strip, OutputCount> strips_{};
    QSpinBox* celsius_ = nullptr;
    QSpinBox* fahrenheit_ = nullptr;
    SpeakerLineDrawing* drawing_ = nullptr;
    std::array<QLabel*, 2> lookAhead_{};
    LedButton* realTime_ = nullptr;
};

} // namespace quorvex
