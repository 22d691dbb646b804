#pragma once

#include "app/xover_form.h"
#include "ui/change_listener.h"
#include "ui/graph_view_keys.h"
#include "ui/model_window.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace quorvex {

class LedButton;
class Program;
class RealSpinEdit;
class RoundedButton;
class TxyGraph;
struct CrossoverEdgeControls;
enum class CrossoverEdge;

/// "CrossOver Configuration": per output the high pass at the lower edge and the low pass
/// at the upper edge, and the six crossover curves.
class XoverWindow : public ModelWindow<TXOVERForm> {
    Q_OBJECT

public:
    XoverWindow(Program& program, QWidget* owner);

    void Refresh() override;
    QSize GrabSize() const override;

private:
    /// The controls of one edge: family list, order spin edit, frequency field with its
    /// spin buttons.
    struct EdgeWidgets {
        QComboBox* Family = nullptr;
        QSpinBox* Order = nullptr;
        RealSpinEdit* Frequency = nullptr;
    };

    QWidget* BuildOutputRow();
    QGroupBox* BuildEdgePanel();
    QWidget* BuildEdge(CrossoverEdge edge, const char* side, EdgeWidgets& widgets);
    QWidget* BuildViewRow();
    void RefreshEdge(EdgeWidgets& widgets, const CrossoverEdgeControls& controls, bool upperNames);

    Program& program_;
    /// The output names and the real-time lamp are the main window's.
    ChangeListener mainListener_;
    TxyGraph* graph_ = nullptr;
    std::array<RoundedButton*, 6> outputButtons_{};
    std::array<LedButton*, 6> showButtons_{};
    QGroupBox* panel_ = nullptr;
    EdgeWidgets lower_;
    EdgeWidgets upper_;
    LedButton* onlyL_ = nullptr;
    LedButton* onlyH_ = nullptr;
    GraphModeKeys modeKeys_;
    RealSpinEdit* yMaximum_ = nullptr;
    RealSpinEdit* yMinimum_ = nullptr;
    LedButton* realTime_ = nullptr;
    QLabel* info_ = nullptr;
};

} // namespace quorvex
