#pragma once

#include "app/final_response_form.h"
#include "ui/graph_view_keys.h"
#include "ui/model_window.h"

#include <array>

class QCheckBox;
class QLabel;

namespace quorvex {

class LedButton;
class Program;
class TxyGraph;

/// "Final response": each output's combined response and their sum, the stages that enter
/// chosen by five check boxes.
class FinalResponseWindow : public ModelWindow<TFinalResponseForm> {
    Q_OBJECT

public:
    FinalResponseWindow(Program& program, QWidget* owner);

    void Refresh() override;
    QSize GrabSize() const override;

private:
    QWidget* BuildCurveRow();
    QWidget* BuildStageRow();

    Program& program_;
    TxyGraph* graph_ = nullptr;
    std::array<LedButton*, 7> viaButtons_{};
    GraphModeKeys modeKeys_;
    std::array<QCheckBox*, 5> stages_{};
    QLabel* info_ = nullptr;
};

} // namespace quorvex
