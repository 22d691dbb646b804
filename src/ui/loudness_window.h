#pragma once

#include "app/loudness_form.h"
#include "ui/activated_window.h"

class QLabel;
class QLineEdit;

namespace quorvex {

class LedButton;
class RackSlider;
class RoundedButton;

/// The "Sub Reforcement" window: the SUB1/SUB2 keys, the "Param" and "High P." lamps and
/// the frequency and gain faders of the selected sub's reinforcement filter.
class LoudnessWindow : public ActivatedWindow<TLoudnessForm> {
    Q_OBJECT

public:
    LoudnessWindow(TLoudnessForm& model, QWidget* owner);

    void Refresh() override;

private:
    QWidget* BuildFader(RackSlider* slider, QLineEdit* field, const QString& unit,
                        const QStringList& marks);

    RoundedButton* sub1_ = nullptr;
    RoundedButton* sub2_ = nullptr;
    QLabel* subLabel_ = nullptr;
    LedButton* param_ = nullptr;
    LedButton* highPass_ = nullptr;
    RackSlider* frequency_ = nullptr;
    QLineEdit* frequencyField_ = nullptr;
    RackSlider* gain_ = nullptr;
    QLineEdit* gainField_ = nullptr;
    LedButton* realTime_ = nullptr;
};

} // namespace quorvex
