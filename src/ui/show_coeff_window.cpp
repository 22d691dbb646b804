#include "ui/show_coeff_window.h"

#include "app/show_coeff_form.h"
#include "ui/qt_text.h"
#include "ui/widget_values.h"

#include <QFormLayout>
#include <QLineEdit>

namespace quorvex {

namespace {

constexpr std::array<const char*, 5> Names{"b0Edit", "b1Edit", "b2Edit", "a1Edit", "a2Edit"};
constexpr std::array<const char*, 5> Labels{"b0", "b1", "b2", "a1", "a2"};

} // namespace

ShowCoeffWindow::ShowCoeffWindow(TShowCoeffForm& model, QWidget* owner)
    : ModelWindow(model, model.Changed(), owner) {
    setObjectName("ShowCoeffForm");
    setWindowTitle("Show Filter Coefficients");
    auto* layout = new QFormLayout(this);
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        auto* field = new QLineEdit(this);
        field->setObjectName(Names[index]);
        field->setReadOnly(true);
        // Room for a sign, three digits and eighteen decimals.
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance("-200.000000000000000000") +
                               field->fontMetrics().averageCharWidth() * 2);
        layout->addRow(Labels[index], field);
        fields_[index] = field;
    }
    Refresh();
}

void ShowCoeffWindow::Refresh() {
    const std::array<const std::string*, 5> values{&model_.b0Edit, &model_.b1Edit, &model_.b2Edit,
                                                   &model_.a1Edit, &model_.a2Edit};
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        ShowText(fields_[index], ToQString(*values[index]));
    }
    ApplyVisible(model_.Visible);
}

} // namespace quorvex
