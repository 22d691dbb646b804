#include "ui/copy_outputs_window.h"

#include "app/copy_outputs_form.h"
#include "ui/widget_values.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace quorvex {

namespace {

struct BoxText {
    const char* Name;
    const char* Caption;
    bool TCopyOutputsForm::*Field;
};

// In the order the copy runs; the route box is never shown ("Copy All" alone sets it).
const std::array<BoxText, 7> BoxTexts{{
    {"RouteCheck", "Route", &TCopyOutputsForm::RouteCheck},
    {"XoverCheck", "XOver", &TCopyOutputsForm::XoverCheck},
    {"PEQXCheck", "PEQX", &TCopyOutputsForm::PEQXCheck},
    {"OutDelayCheck", "Output Delay", &TCopyOutputsForm::OutDelayCheck},
    {"OutGainCheck", "Output Gain", &TCopyOutputsForm::OutGainCheck},
    {"NamesCheck", "Output Name", &TCopyOutputsForm::NamesCheck},
    {"DynamicCheck", "Dynamics - Noise Gate", &TCopyOutputsForm::DynamicCheck},
}};

} // namespace

CopyOutputsWindow::CopyOutputsWindow(TCopyOutputsForm& model, QWidget* owner)
    : FormWindow(model.Changed(), owner, Modality::Modal), model_(model) {
    setObjectName("CopyOutputsForm");
    setWindowTitle("Copy outputs");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildNumbers());
    layout->addWidget(BuildBoxes());

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("Ok", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OK_BitBtn");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { model_.OK_BitBtnClick(); });
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelBitBtn");
    connect(cancel, &QPushButton::clicked, this, [this] { model_.Close(); });
    layout->addWidget(buttons);
    Refresh();
}

QWidget* CopyOutputsWindow::BuildNumbers() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    outputs_ = new QRadioButton("Output", panel);
    outputs_->setObjectName("OutRB");
    connect(outputs_, &QRadioButton::clicked, this, [this] { model_.OutRBClick(); });
    subs_ = new QRadioButton("Sub", panel);
    subs_->setObjectName("SubRB");
    connect(subs_, &QRadioButton::clicked, this, [this] { model_.SubRBClick(); });
    grid->addWidget(outputs_, 0, 0);
    grid->addWidget(subs_, 1, 0);

    source_ = new QSpinBox(panel);
    source_->setObjectName("OrigenSpin");
    source_->setKeyboardTracking(false);
    connect(source_, &QSpinBox::valueChanged, this, [this](int value) { model_.SetOrigen(value); });
    target_ = new QSpinBox(panel);
    target_->setObjectName("CopiaSpin");
    target_->setKeyboardTracking(false);
    connect(target_, &QSpinBox::valueChanged, this, [this](int value) { model_.SetCopia(value); });
    auto* copy = new QLabel("Copy", panel);
    copy->setBuddy(source_);
    auto* to = new QLabel("to", panel);
    to->setBuddy(target_);
    grid->addWidget(copy, 0, 1, 2, 1);
    grid->addWidget(source_, 0, 2, 2, 1);
    grid->addWidget(to, 0, 3, 2, 1);
    grid->addWidget(target_, 0, 4, 2, 1);
    grid->setColumnStretch(5, 1);
    return panel;
}

QWidget* CopyOutputsWindow::BuildBoxes() {
    auto* group = new QGroupBox(this);
    auto* column = new QVBoxLayout(group);
    for (const BoxText& text : BoxTexts) {
        auto* check = new QCheckBox(text.Caption, group);
        check->setObjectName(text.Name);
        const auto field = text.Field;
        connect(check, &QCheckBox::clicked, this,
                [this, field](bool checked) { model_.CheckClick(field, checked); });
        check->setVisible(field != &TCopyOutputsForm::RouteCheck);
        column->addWidget(check);
        boxes_.push_back({check, field});
    }
    copyAll_ = new QCheckBox("Copy All", group);
    copyAll_->setObjectName("CopyAll");
    connect(copyAll_, &QCheckBox::clicked, this,
            [this](bool checked) { model_.CopyAllClick(checked); });
    column->addSpacing(fontMetrics().height() / 2);
    column->addWidget(copyAll_);
    return group;
}

void CopyOutputsWindow::Refresh() {
    ShowChecked(outputs_, model_.OutRB);
    ShowChecked(subs_, model_.SubRB);
    ShowValue(source_, model_.Lowest(), model_.Highest(), model_.OrigenSpin);
    ShowValue(target_, model_.Lowest(), model_.Highest(), model_.CopiaSpin);
    for (const Box& box : boxes_) {
        ShowChecked(box.Check, model_.*box.Field);
    }
    ShowChecked(copyAll_, model_.CopyAll);
    ApplyVisible(model_.Visible);
}

void CopyOutputsWindow::CloseRequested() {
    model_.Close();
}

} // namespace quorvex
