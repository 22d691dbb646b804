#pragma once

#include "app/show_coeff_form.h"
#include "ui/model_window.h"

#include <array>

class QLineEdit;

namespace quorvex {

/// "Show Filter Coefficients": the five coefficients of the band being edited, read only.
class ShowCoeffWindow : public ModelWindow<TShowCoeffForm> {
    Q_OBJECT

public:
    ShowCoeffWindow(TShowCoeffForm& model, QWidget* owner);

    void Refresh() override;

private:
    std::array<QLineEdit*, 5> fields_{};
};

} // namespace quorvex
