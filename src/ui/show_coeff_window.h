#pragma once

#include "ui/form_window.h"

#include <array>

class QLineEdit;

namespace quorvex {

class TShowCoeffForm;

/// "Show Filter Coefficients": the five coefficients of the band being edited, read only.
class ShowCoeffWindow : public FormWindow {
    Q_OBJECT

public:
    ShowCoeffWindow(TShowCoeffForm& model, QWidget* owner);

    void Refresh() override;

protected:
    void CloseRequested() override;

private:
    TShowCoeffForm& model_;
    std::array<QLineEdit*, 5> fields_{};
};

} // namespace quorvex
