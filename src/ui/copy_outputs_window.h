#pragma once

#include "ui/form_window.h"

#include <vector>

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace quorvex {

class TCopyOutputsForm;

/// The modal "Copy outputs" window: the group of outputs, the source and target numbers,
/// the groups of settings to copy, "Copy All", Ok and Cancel.
class CopyOutputsWindow : public FormWindow {
    Q_OBJECT

public:
    CopyOutputsWindow(TCopyOutputsForm& model, QWidget* owner);

    void Refresh() override;

protected:
    void CloseRequested() override;

private:
    struct Box {
        QCheckBox* Check = nullptr;
        bool TCopyOutputsForm::*Field = nullptr;
    };

    QWidget* BuildNumbers();
    QWidget* BuildBoxes();

    TCopyOutputsForm& model_;
    QRadioButton* outputs_ = nullptr;
    QRadioButton* subs_ = nullptr;
    QSpinBox* source_ = nullptr;
    QSpinBox* target_ = nullptr;
    std::vector<Box> boxes_;
    QCheckBox* copyAll_ = nullptr;
};

} // namespace quorvex
