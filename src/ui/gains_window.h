#pragma once

#include "app/gains_form.h"
#include "config/dimensions.h"
#include "ui/activated_window.h"

#include <array>

class QLabel;

namespace quorvex {

class LedButton;
class RackSlider;
class RealSpinEdit;

/// The levels editor ("Output Levels"): a strip per output with its level fader, the gain
/// field in dB, and the "Mute" and "Inv" lamps.
class GainsWindow : public ActivatedWindow<TGainsForm> {
    Q_OBJECT

public:
    GainsWindow(TGainsForm& model, QWidget* owner);

    void Refresh() override;

private:
    struct Strip {
        QLabel* Name = nullptr;
        RackSlider* Track = nullptr;
        RealSpinEdit* Gain = nullptr;
        LedButton* Mute = nullptr;
        LedButton* Inv = nullptr;
    };

    QWidget* BuildStrip(int output);

    std::array<Strip, OutputCount> strips_{};
    LedButton* realTime_ = nullptr;
};

} // namespace quorvex
