#pragma once

#include "app/peq_form.h"
#include "ui/change_listener.h"
#include "ui/graph_view_keys.h"
#include "ui/model_window.h"

#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QStatusBar;

namespace quorvex {

class LedButton;
class Program;
class RackSlider;
class RealSpinEdit;
class RoundedButton;
class TxyGraph;
struct GraphPointer;

/// "Parametric Equalization": the six outputs' equaliser curves with the selected band's
/// marker, which the mouse drags, and the band's type, frequency, gain and Q controls.
class PeqWindow : public ModelWindow<TPEQForm> {
    Q_OBJECT

public:
    PeqWindow(Program& program, QWidget* owner);

    void Refresh() override;
    QSize GrabSize() const override;

protected:
    bool event(QEvent* event) override;

private:
    /// One of the band's three values: its caption, fader, field and spin.
    struct ValueControls {
        QLabel* Caption = nullptr;
        RackSlider* Slider = nullptr;
        RealSpinEdit* Field = nullptr;
    };

    QWidget* BuildOutputRow();
    QWidget* BuildBandPanel();
    QWidget* BuildValueColumn(ValueControls& controls, const QString& caption,
                              const char* sliderName, const char* fieldName, const char* spinName,
                              QWidget* scale);
    QWidget* BuildViewRow();
    void ConnectValues();
    void ConnectGraph();
    void RefreshControls();
    void RefreshGraph();
    void PointerMoved(const GraphPointer& pointer);

    Program& program_;
    /// The real-time lamp follows the program's mode, which the main window switches too.
    ChangeListener mainListener_;

    std::array<RoundedButton*, 6> outputButtons_{};
    std::array<LedButton*, 6> showButtons_{};
    QSpinBox* band_ = nullptr;
    QComboBox* type_ = nullptr;
    ValueControls frequency_;
    ValueControls gain_;
    ValueControls q_;
    GraphModeKeys modeKeys_;
    QCheckBox* xover_ = nullptr;
    QRadioButton* add_ = nullptr;
    QRadioButton* individual_ = nullptr;
    LedButton* realTime_ = nullptr;
    QLabel* info_ = nullptr;
    TxyGraph* graph_ = nullptr;
    QStatusBar* status_ = nullptr;
};

} // namespace quorvex
