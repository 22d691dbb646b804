#pragma once

#include "ui/form_window.h"
#include "ui/graph_view_keys.h"

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
class TPEQForm;
class TxyGraph;
struct GraphPointer;

/// "Parametric Equalization": the six outputs' equaliser curves with the selected band's
/// marker, which the mouse drags, and the band's type, frequency, gain and Q controls.
class PeqWindow : public FormWindow {
    Q_OBJECT

public:
    PeqWindow(Program& program, QWidget* owner);
    ~PeqWindow() override;

    void Refresh() override;
    QSize GrabSize() const override;

protected:
    void CloseRequested() override;
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
    TPEQForm& model_;
    int mainListener_ = 0;

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
