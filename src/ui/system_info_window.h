#pragma once

#include "app/system_info_form.h"
#include "ui/model_window.h"

class QLineEdit;
class QPlainTextEdit;

namespace quorvex {

/// "System Info": the preset name, project, engineer and comments of the configuration.
class SystemInfoWindow : public ModelWindow<TSystemInfoForm> {
    Q_OBJECT

public:
    SystemInfoWindow(TSystemInfoForm& model, QWidget* owner);

    void Refresh() override;

private:
    QLineEdit* systemName_ = nullptr;
    QLineEdit* projectName_ = nullptr;
    QLineEdit* engineer_ = nullptr;
    QPlainTextEdit* comments_ = nullptr;
};

} // namespace quorvex
