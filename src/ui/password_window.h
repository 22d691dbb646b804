#pragma once

#include "ui/form_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvex {

class LedButton;
class TPasswordForm;

/// The password window: the keyboard password entered letter by letter with UP, DOWN and
/// ENTER, as on the unit's own front panel.
class PasswordWindow : public FormWindow {
    Q_OBJECT

public:
    PasswordWindow(TPasswordForm& model, QWidget* owner);

    void Refresh() override;

protected:
    void CloseRequested() override;
    void changeEvent(QEvent* event) override;

private:
    QPushButton* KnobButton(const char* name, const QString& caption, bool up);

    TPasswordForm& model_;
    QLineEdit* display_ = nullptr;
    LedButton* active_ = nullptr;
    QLabel* knob_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace quorvex
