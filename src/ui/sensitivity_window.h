#pragma once

#include "ui/form_window.h"

class QLineEdit;

namespace quorvex {

class TSensitivityForm;

/// The modal "Input Sensitivity" window: the measuring microphone's sensitivity in mV/Pa.
class SensitivityWindow : public FormWindow {
    Q_OBJECT

public:
    SensitivityWindow(TSensitivityForm& model, QWidget* owner);

    void Refresh() override;

protected:
    void CloseRequested() override;

private:
    TSensitivityForm& model_;
    QLineEdit* field_ = nullptr;
};

} // namespace quorvex
