#include "ui/sensitivity_window.h"

#include "app/sensitivity_form.h"
#include "ui/qt_text.h"
#include "ui/widget_values.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace quorvex {

SensitivityWindow::SensitivityWindow(TSensitivityForm& model, QWidget* owner)
    : FormWindow(model.Changed(), owner, Modality::Modal), model_(model) {
    setObjectName("SensitivityForm");
    setWindowTitle(ToQString(TSensitivityForm::Caption));
    auto* grid = new QGridLayout(this);
    field_ = new QLineEdit(this);
    field_->setObjectName("SensitivityEdit");
    // Three digits at most; the model keeps the value inside its range when the field is left.
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), field_));
    field_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field_->setMaximumWidth(field_->fontMetrics().horizontalAdvance("00000") * 2);
    connect(field_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SensitivityChange(ToStdString(text)); });
    connect(field_, &QLineEdit::editingFinished, this, [this] { model_.SensitivityExit(); });
    auto* caption = new QLabel(ToQString(TSensitivityForm::FieldLabel), this);
    caption->setBuddy(field_);
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(field_, 1, 0);
    grid->addWidget(new QLabel(ToQString(TSensitivityForm::UnitLabel), this), 1, 1);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { model_.OKButtonClick(); });
    grid->addWidget(ok, 2, 0, 1, 2, Qt::AlignRight);
    Refresh();
}

void SensitivityWindow::Refresh() {
    ShowText(field_, ToQString(model_.SensitivityText));
    ApplyVisible(model_.Visible);
}

void SensitivityWindow::CloseRequested() {
    model_.Close();
}

} // namespace quorvex
