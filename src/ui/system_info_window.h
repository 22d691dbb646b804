#pragma once

#include "ui/form_window.h"

class QLineEdit;
class QPlainTextEdit;

namespace quorvex {

class TSystemInfoForm;

/// "System Info": the preset name, project, engineer and comments of the configuration.
class SystemInfoWindow : public FormWindow {
    Q_OBJECT

public:
    SystemInfoWindow(TSystemInfoForm& model, QWidget* owner);

    void Refresh() override;

protected:
    void CloseRequested() override;

private:
    TSystemInfoForm& model_;
    QLineEdit* systemName_ = nullptr;
    QLineEdit* projectName_ = nullptr;
    QLineEdit* engineer_ = nullptr;
    QPlainTextEdit* comments_ = nullptr;
};

} // namespace quorvex
