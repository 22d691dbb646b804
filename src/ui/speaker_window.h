#pragma once

#include "app/speaker_form.h"
#include "ui/activated_window.h"

#include <array>

class QComboBox;
class QLabel;

namespace quorvex {

class LedButton;
class RealSpinEdit;
class RoundedButton;

/// The modal "Speaker and Amplifier Parameters" window: the box and amplifier data of the
/// dynamics block of the chosen output.
class SpeakerWindow : public ActivatedWindow<TSpeakerForm> {
    Q_OBJECT

public:
    SpeakerWindow(TSpeakerForm& model, QWidget* owner);

    void Refresh() override;

private:
    QWidget* BuildOutputs();
    QWidget* BuildParameters();
    /// A whole-number field whose buttons step as the model says; a typed number goes to
    /// `change`, which refuses what lies outside the range.
    RealSpinEdit* AddNumberField(const char* name, void (TSpeakerForm::*change)(int),
                                 void (TSpeakerForm::*step)(bool), QWidget* parent);

    std::array<RoundedButton*, 6> outputs_{};
    QLabel* outputName_ = nullptr;
    QComboBox* impedance_ = nullptr;
    RealSpinEdit* boxPower_ = nullptr;
    RealSpinEdit* ampPower_ = nullptr;
    RealSpinEdit* ampGain_ = nullptr;
    QLabel* ampGainDb_ = nullptr;
    LedButton* balanced_ = nullptr;
    QComboBox* speakers_ = nullptr;
};

} // namespace quorvex
