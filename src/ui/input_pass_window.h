#pragma once

#include "ui/form_window.h"

class QLineEdit;

namespace quorvex {

class TInputPassForm;

/// The access-code dialog: one masked field of four characters, taken with Enter.
class InputPassWindow : public FormWindow {
    Q_OBJECT

public:
    InputPassWindow(TInputPassForm& model, QWidget* owner);

    void Refresh() override;

protected:
    void CloseRequested() override;
    void changeEvent(QEvent* event) override;

private:
    TInputPassForm& model_;
    QLineEdit* code_ = nullptr;
};

} // namespace quorvex
