#pragma once

#include "ui/form_window.h"
#include "ui/graph_view_keys.h"

#include <array>

class QCheckBox;
class QLabel;

namespace quorvex {

class LedButton;
class Program;
class TFinalResponseForm;
class TxyGraph;

/// "Final response": each output's combined response and their sum, the stages that enter
/// chosen by five check boxes.
class FinalResponseWindow : public FormWindow {
    Q_OBJECT

public:
    FinalResponseWindow(Program& program, QWidget* owner);

    void Refresh() override;
    QSize GrabSize() const override;

protected:
    void CloseRequested() override;

private:
    QWidget* BuildCurveRow();
    QWidget* BuildStageRow();

    Program& program_;
    TFinalResponseForm& model_;
    TxyGraph* graph_ = nullptr;
    std::array<LedButton*, 7> viaButtons_{};
    GraphModeKeys modeKeys_;
    std::array<QCheckBox*, 5> stages_{};
    QLabel* info_ = nullptr;
};

} // namespace quorvex
