#include "ui/system_info_window.h"

#include "app/system_info_form.h"
#include "config/configuration.h"
#include "ui/qt_text.h"
#include "ui/widget_values.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace quorvex {

namespace {

QLineEdit* Field(const char* name, int capacity, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(capacity);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * (capacity + 2));
    return field;
}

} // namespace

SystemInfoWindow::SystemInfoWindow(TSystemInfoForm& model, QWidget* owner)
    : ModelWindow(model, model.Changed(), owner, Modality::Modal) {
    setObjectName("SystemInfoForm");
    setWindowTitle("System Info");
    auto* layout = new QFormLayout(this);
    systemName_ = Field("SystemName", SystemNameCapacity, this);
    projectName_ = Field("ProjectName", ProjectNameCapacity, this);
    engineer_ = Field("EngineerLabel", EngineerCapacity, this);
    comments_ = new QPlainTextEdit(this);
    comments_->setObjectName("Comments");
    comments_->setTabChangesFocus(true);
    comments_->setMinimumHeight(comments_->fontMetrics().lineSpacing() * 5);
    layout->addRow("PRESET NAME", systemName_);
    layout->addRow("PROJECT NAME", projectName_);
    layout->addRow("ENGINEER", engineer_);
    layout->addRow("COMMENTS", comments_);

    connect(systemName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SystemNameChange(ToStdString(text)); });
    connect(projectName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.ProjectNameChange(ToStdString(text)); });
    connect(engineer_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.EngineerChange(ToStdString(text)); });
    // The model keeps at most 200 characters; the refresh puts back what it kept.
    connect(comments_, &QPlainTextEdit::textChanged, this,
            [this] { model_.CommentsChange(ToStdString(comments_->toPlainText())); });
    Refresh();
}

void SystemInfoWindow::Refresh() {
    ShowText(systemName_, ToQString(model_.SystemName));
    ShowText(projectName_, ToQString(model_.ProjectName));
    ShowText(engineer_, ToQString(model_.Engineer));
    ShowText(comments_, ToQString(model_.Comments));
    ApplyVisible(model_.Visible);
}

} // namespace quorvex
