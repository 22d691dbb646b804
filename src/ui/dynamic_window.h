#pragma once

#include "app/dynamic_form.h"
#include "ui/change_listener.h"
#include "ui/model_window.h"

#include <QString>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace quorvex {

class LedButton;
class LedMeter;
class Program;
class RackSlider;
class RealSpinEdit;
class RoundedButton;
class TxyGraph;

/// "Dynamic Configuration": the three dynamics blocks, the selected block's transfer curve
/// and its power check.
class DynamicWindow : public ModelWindow<TDynamicform> {
    Q_OBJECT

public:
    DynamicWindow(Program& program, QWidget* owner);

    void Refresh() override;
    QSize GrabSize() const override;

private:
    QWidget* BuildBlockRow();
    QWidget* BuildCurveControls();
    QWidget* BuildTimes();
    QWidget* BuildPowerCheck();
    RealSpinEdit* AddField(const char* name, const QString& caption, QWidget* parent,
                           QGridLayout* grid, int row);
    void RefreshControls();
    void RefreshPower();

    Program& program_;
    /// The real-time lamp follows the program's mode, which the main window switches too.
    ChangeListener mainListener_;
    std::array<RoundedButton*, 3> blocks_{};
    QGroupBox* group_ = nullptr;
    TxyGraph* graph_ = nullptr;
    QLabel* thresholdCaption_ = nullptr;
    RackSlider* threshold_ = nullptr;
    RealSpinEdit* thresholdEdit_ = nullptr;
    RackSlider* ratio_ = nullptr;
    QLabel* ratioLabel_ = nullptr;
    RackSlider* knee_ = nullptr;
    RealSpinEdit* kneeEdit_ = nullptr;
    LedButton* limiter_ = nullptr;
    LedButton* compressor_ = nullptr;
    RoundedButton* bypass_ = nullptr;
    RealSpinEdit* attack_ = nullptr;
    RealSpinEdit* hold_ = nullptr;
    RealSpinEdit* release_ = nullptr;
    QComboBox* noiseLevel_ = nullptr;
    QWidget* lookAheadRow_ = nullptr;
    RealSpinEdit* lookAhead_ = nullptr;
    QWidget* gateRow_ = nullptr;
    RealSpinEdit* gate_ = nullptr;
    RealSpinEdit* pendiente_ = nullptr;
    QCheckBox* showInfo_ = nullptr;
    std::array<QLabel*, 2> infoLines_{};
    LedMeter* meter_ = nullptr;
    QLabel* powerLabel_ = nullptr;
    QLabel* warning_ = nullptr;
    QLabel* warningLine_ = nullptr;
    LedButton* realTime_ = nullptr;
};

} // namespace quorvex
