#include "ui/import_window.h"

#include "app/import_form.h"
#include "ui/qt_text.h"
#include "ui/widget_values.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorvex {

namespace {

std::size_t Index(int output) {
    return static_cast<std::size_t>(output - 1);
}

} // namespace

ImportWindow::ImportWindow(TImportForm& model, QWidget* owner)
    : ActivatedWindow(model, model.Changed(), owner) {
    setObjectName("ImportForm");
    setWindowTitle(ToQString(TImportForm::Caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFiles());
    layout->addWidget(BuildFormats());
    layout->addWidget(BuildReferenceLevel());

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKButton");
    connect(ok, &QPushButton::clicked, this, [this] { model_.OKButtonClick(); });
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelButton");
    connect(cancel, &QPushButton::clicked, this, [this] { model_.CancelButtonClick(); });
    layout->addWidget(buttons);
    Refresh();
}

QWidget* ImportWindow::BuildFiles() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int output = 1; output <= OutputCount; ++output) {
        const int row = output - 1;
        auto* name = new QLabel(panel);
        name->setObjectName(QString("Output%1Label").arg(output));
        name->setMinimumWidth(fontMetrics().horizontalAdvance("MMMMMMMM"));
        names_[Index(output)] = name;
        grid->addWidget(name, row, 0);

        auto* file = new QLineEdit(panel);
        file->setObjectName(QString("Edit%1").arg(output));
        file->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
        connect(file, &QLineEdit::textEdited, this, [this, output](const QString& text) {
            model_.FileFieldChange(output, ToStdString(text));
        });
        files_[Index(output)] = file;
        name->setBuddy(file);
        grid->addWidget(file, row, 1);

        auto* choose = new QPushButton("...", panel);
        choose->setObjectName(QString("data%1B").arg(output));
        choose->setMaximumWidth(fontMetrics().horizontalAdvance("....") * 3);
        connect(choose, &QPushButton::clicked, this,
                [this, output] { model_.DataButtonClick(output); });
        grid->addWidget(choose, row, 2);
        auto* clear = new QPushButton("Clear", panel);
        clear->setObjectName(QString("Clear%1B").arg(output));
        connect(clear, &QPushButton::clicked, this, [this, output] { model_.ClearClick(output); });
        grid->addWidget(clear, row, 3);
    }
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* ImportWindow::BuildFormats() {
    auto* group = new QGroupBox(ToQString(TImportForm::FormatGroupCaption), this);
    group->setObjectName("FormatGroup");
    auto* grid = new QGridLayout(group);
    constexpr int Columns = 4;
    int place = 0;
    for (const TImportForm::FormatButton& format : TImportForm::FormatButtons) {
        auto* button = new QRadioButton(ToQString(format.Caption), group);
        button->setObjectName(ToQString(format.Name));
        const int code = format.Code;
        connect(button, &QRadioButton::clicked, this,
                [this, code] { model_.FormatButtonClick(code); });
        grid->addWidget(button, place / Columns, place % Columns);
        formats_.emplace_back(button, code);
        ++place;
    }
    return group;
}

QWidget* ImportWindow::BuildReferenceLevel() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    referenceLevel_ = new QLineEdit(panel);
    referenceLevel_->setObjectName("dBspl");
    referenceLevel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    referenceLevel_->setMaximumWidth(fontMetrics().horizontalAdvance("-140.00") * 2);
    connect(referenceLevel_, &QLineEdit::editingFinished, this,
            [this] { model_.ReferenceLevelExit(ToStdString(referenceLevel_->text())); });
    auto* caption = new QLabel("Reference Level ", panel);
    caption->setBuddy(referenceLevel_);
    row->addWidget(caption);
    row->addWidget(referenceLevel_);
    row->addWidget(new QLabel("dBspl", panel));
    row->addWidget(new QLabel("to set it as the 0 dB", panel));
    row->addStretch(1);
    return panel;
}

void ImportWindow::Refresh() {
    for (int output = 1; output <= OutputCount; ++output) {
        ShowText(names_[Index(output)], ToQString(model_.OutputLabel[Index(output)]));
        ShowText(files_[Index(output)], ToQString(model_.FileField(output)));
    }
    // A stored format without a button (3, 8) shows none pressed.
    for (const auto& [button, code] : formats_) {
        button->setAutoExclusive(false);
        ShowChecked(button, code == model_.Format());
        button->setAutoExclusive(true);
    }
    ShowText(referenceLevel_, ToQString(model_.ReferenceLevelText));
    ApplyVisible(model_.Visible);
}

void ImportWindow::CloseRequested() {
    model_.CancelButtonClick();
}

} // namespace quorvex
