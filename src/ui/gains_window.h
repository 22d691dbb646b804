#pragma once

#include "config/dimensions.h"
#include "ui/form_window.h"

#include <array>

class QLabel;

namespace quorvex {

class LedButton;
class RackSlider;
class RealSpinEdit;
class TGainsForm;

/// The levels editor ("Output Levels"): a strip per output with its level fader, the gain
/// field in dB, and the "Mute" and "Inv" lamps.
class GainsWindow : public FormWindow {
    Q_OBJECT

public:
    GainsWindow(TGainsForm& model, QWidget* owner);

    void Refresh() override;

protected:
    void CloseRequested() override;
    void changeEvent(QEvent* event) override;

private:
    struct Strip {
        QLabel* Name = nullptr;
        RackSlider* Track = nullptr;
        RealSpinEdit* Gain = nullptr;
        LedButton* Mute = nullptr;
        LedButton* Inv = nullptr;
    };

    QWidget* BuildStrip(int output);

    TGainsForm& model_;
    std::array<Strip, OutputCount> strips_{};
    LedButton* realTime_ = nullptr;
};

} // namespace quorvex
