#include "ui/speaker_window.h"

#include "app/speaker_form.h"
#include "engine/speaker_choices.h"
#include "ui/led_button.h"
#include "ui/qt_text.h"
#include "ui/rack_window_palette.h"
#include "ui/real_spin_edit.h"
#include "ui/rounded_button.h"
#include "ui/widget_values.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quorvex {

namespace {

void ShowItem(QComboBox* list, int item) {
    if (list->currentIndex() != item) {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(item);
    }
}

} // namespace

SpeakerWindow::SpeakerWindow(TSpeakerForm& model, QWidget* owner)
    : ActivatedWindow(model, model.Changed(), owner, Modality::Modal) {
    setObjectName("SpeakerForm");
    setWindowTitle(ToQString(TSpeakerForm::Caption));
    ApplyRackWindowPalette(this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildOutputs());
    auto* right = new QVBoxLayout;
    right->addWidget(BuildParameters());
    right->addStretch(1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKButton");
    connect(ok, &QPushButton::clicked, this, [this] { model_.Close(); });
    right->addWidget(buttons);
    layout->addLayout(right, 1);
    Refresh();
}

QWidget* SpeakerWindow::BuildOutputs() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    for (std::size_t k = 0; k < outputs_.size(); ++k) {
        const int button = static_cast<int>(k) + 1;
        outputs_[k] = new RoundedButton(ToQString(TSpeakerForm::ButtonNames[k]), panel);
        outputs_[k]->setObjectName(QString("Output%1Button").arg(button));
        connect(outputs_[k], &RoundedButton::clicked, this,
                [this, button] { model_.OutputButtonClick(button); });
        column->addWidget(outputs_[k]);
    }
    column->addSpacing(fontMetrics().height() / 2);
    outputName_ = new QLabel(panel);
    outputName_->setObjectName("OutputNameLabel");
    outputName_->setAlignment(Qt::AlignCenter);
    QFont bold = outputName_->font();
    bold.setBold(true);
    outputName_->setFont(bold);
    column->addWidget(outputName_);
    column->addStretch(1);
    return panel;
}

RealSpinEdit* SpeakerWindow::AddNumberField(const char* name, void (TSpeakerForm::*change)(int),
                                            void (TSpeakerForm::*step)(bool), QWidget* parent) {
    auto* field = new RealSpinEdit(parent);
    field->setObjectName(name);
    field->Field()->setObjectName(QString(name) + "Field");
    const auto apply = [this, change](const QString& text) {
        bool number = false;
        const int value = text.trimmed().toInt(&number);
        if (number) {
            // A value outside the range is refused there, and the refresh puts it back.
            (model_.*change)(value);
        } else {
            Refresh();
        }
    };
    connect(field, &RealSpinEdit::EnterPressed, this, apply);
    connect(field, &RealSpinEdit::EditingLeft, this, apply);
    connect(field, &RealSpinEdit::StepUp, this, [this, step] { (model_.*step)(true); });
    connect(field, &RealSpinEdit::StepDown, this, [this, step] { (model_.*step)(false); });
    return field;
}

QWidget* SpeakerWindow::BuildParameters() {
    auto* panel = new QWidget(this);
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);

    impedance_ = new QComboBox(panel);
    impedance_->setObjectName("Zload");
    for (const std::string_view text : ImpedanceItemTexts) {
        impedance_->addItem(ToQString(text));
    }
    connect(impedance_, &QComboBox::activated, this,
            [this](int item) { model_.ZloadChange(item); });
    form->addRow("Box Impedance", impedance_);

    boxPower_ = AddNumberField("PowerMaxLoad", &TSpeakerForm::PowerMaxLoadChange,
                               &TSpeakerForm::PowerMaxLoadStep, panel);
    auto* boxRow = new QHBoxLayout;
    boxRow->addWidget(boxPower_);
    boxRow->addWidget(new QLabel("W", panel));
    form->addRow("Maximum Box Power", boxRow);

    ampPower_ = AddNumberField("PowerAmpMax", &TSpeakerForm::PowerAmpMaxChange,
                               &TSpeakerForm::PowerAmpMaxStep, panel);
    auto* ampRow = new QHBoxLayout;
    ampRow->addWidget(ampPower_);
    ampRow->addWidget(new QLabel("W", panel));
    form->addRow("Maximum Amplifier Power", ampRow);

    ampGain_ =
        AddNumberField("AmpGain", &TSpeakerForm::AmpGainChange, &TSpeakerForm::AmpGainStep, panel);
    ampGainDb_ = new QLabel(panel);
    ampGainDb_->setObjectName("AmpGainDbLabel");
    ampGainDb_->setMinimumWidth(fontMetrics().horizontalAdvance("00.00 dB"));
    auto* gainRow = new QHBoxLayout;
    gainRow->addWidget(ampGain_);
    gainRow->addWidget(ampGainDb_);
    form->addRow("Amplifier Gain (linear)", gainRow);

    balanced_ = new LedButton("Balanced Signal", panel);
    balanced_->setObjectName("Balanceado");
    connect(balanced_, &LedButton::clicked, this, [this] { model_.BalanceadoClick(); });
    form->addRow(balanced_);

    speakers_ = new QComboBox(panel);
    speakers_->setObjectName("NumberSpeakers");
    for (const std::string_view text : TSpeakerForm::SpeakerCountItems) {
        speakers_->addItem(ToQString(text));
    }
    connect(speakers_, &QComboBox::activated, this,
            [this](int item) { model_.NumberSpeakersChange(item); });
    form->addRow("Number of Speakers", speakers_);
    return panel;
}

void SpeakerWindow::Refresh() {
    for (std::size_t k = 0; k < outputs_.size(); ++k) {
        outputs_[k]->SetLit(static_cast<int>(k) + 1 == model_.Button);
    }
    ShowText(outputName_, ToQString(model_.OutputName));
    ShowItem(impedance_, model_.ImpedanceItem);
    ShowText(boxPower_->Field(), QString::number(model_.PowerMaxLoadSpin));
    ShowText(ampPower_->Field(), QString::number(model_.PowerAmpMaxSpin));
    ShowText(ampGain_->Field(), QString::number(model_.AmpGainSpin));
    ShowText(ampGainDb_, ToQString(model_.AmpGainDbLabel));
    balanced_->SetLit(model_.BalanceadoLit);
    ShowItem(speakers_, model_.NumberSpeakersItem);
    ApplyVisible(model_.Visible);
}

} // namespace quorvex
