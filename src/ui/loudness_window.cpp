#include "ui/loudness_window.h"

#include "app/loudness_form.h"
#include "ui/led_button.h"
#include "ui/qt_text.h"
#include "ui/rack_fader.h"
#include "ui/rack_palette.h"
#include "ui/rack_slider.h"
#include "ui/rack_window_palette.h"
#include "ui/real_time_lamp.h"
#include "ui/rounded_button.h"
#include "ui/widget_values.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quorvex {

namespace {

/// How tall a fader is at least, in text lines.
constexpr int FaderLines = 12;

/// A fader's scale: the first mark at the top, the last at the bottom, the others spread
/// evenly between them.
QWidget* Scale(const QStringList& marks, QWidget* parent) {
    auto* scale = new QWidget(parent);
    auto* column = new QVBoxLayout(scale);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (qsizetype k = 0; k < marks.size(); ++k) {
        if (k > 0) {
            column->addStretch(1);
        }
        column->addWidget(new QLabel(marks[k], scale), 0, Qt::AlignRight);
    }
    return scale;
}

QLineEdit* ReadoutField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette colours = field->palette();
    colours.setColor(QPalette::Text, RackPalette::Accent());
    field->setPalette(colours);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance("-00.00") * 2);
    return field;
}

} // namespace

LoudnessWindow::LoudnessWindow(TLoudnessForm& model, QWidget* owner)
    : ActivatedWindow(model, model.Changed(), owner) {
    setObjectName("LoudnessForm");
    setWindowTitle(ToQString(TLoudnessForm::Caption));
    ApplyRackWindowPalette(this);

    auto* layout = new QVBoxLayout(this);
    auto* panel = new QGroupBox(ToQString(TLoudnessForm::PanelTitle), this);
    panel->setObjectName("LoudnessPanel");
    layout->addWidget(panel, 1);
    auto* columns = new QHBoxLayout(panel);

    auto* keys = new QVBoxLayout;
    sub1_ = new RoundedButton("SUB1", panel);
    sub1_->setObjectName("ModSub1");
    connect(sub1_, &RoundedButton::clicked, this, [this] { model_.SelectSub(1); });
    sub2_ = new RoundedButton("SUB2", panel);
    sub2_->setObjectName("ModSub2");
    connect(sub2_, &RoundedButton::clicked, this, [this] { model_.SelectSub(2); });
    subLabel_ = new QLabel(panel);
    subLabel_->setObjectName("SubLabel");
    subLabel_->setAlignment(Qt::AlignCenter);
    QFont large = subLabel_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 2.0);
    subLabel_->setFont(large);
    param_ = new LedButton("Param", panel);
    param_->setObjectName("ParamLED");
    param_->setToolTip("Parametric Filter");
    connect(param_, &LedButton::clicked, this, [this] { model_.ParamLEDClick(); });
    highPass_ = new LedButton("High P.", panel);
    highPass_->setObjectName("HighLED");
    highPass_->setToolTip("High Pass filter");
    connect(highPass_, &LedButton::clicked, this, [this] { model_.HighLEDClick(); });
    keys->addWidget(sub1_);
    keys->addWidget(sub2_);
    keys->addWidget(subLabel_);
    keys->addSpacing(fontMetrics().height());
    keys->addWidget(param_);
    keys->addWidget(highPass_);
    keys->addStretch(1);
    columns->addLayout(keys);

    frequency_ = MakeFader(panel, "FrecSlider", model_.FrecSlider.Maximum(), FaderLines,
                           [this](int position) { model_.FrecSliderMove(position); });
    frequencyField_ = ReadoutField("FrecEdit", panel);
    columns->addWidget(
        BuildFader(frequency_, frequencyField_, "Hz", {"80 Hz ", "55 Hz ", "30 Hz "}), 1);

    gain_ = MakeFader(panel, "FilterGainSlider", model_.FilterGainSlider.Maximum(), FaderLines,
                      [this](int position) { model_.FilterGainSliderMove(position); });
    gainField_ = ReadoutField("FilterGainEdit", panel);
    columns->addWidget(BuildFader(gain_, gainField_, "dB", {"+12 dB ", "+6 dB ", "0 dB "}), 1);

    auto* bottom = new QHBoxLayout;
    realTime_ = MakeRealTimeLamp(this, [this] { model_.RealTimeBClick(); });
    bottom->addWidget(realTime_);
    bottom->addStretch(1);
    layout->addLayout(bottom);
    Refresh();
}

QWidget* LoudnessWindow::BuildFader(RackSlider* slider, QLineEdit* field, const QString& unit,
                                    const QStringList& marks) {
    auto* fader = new QWidget(slider->parentWidget());
    auto* grid = new QGridLayout(fader);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Scale(marks, fader), 0, 0);
    grid->addWidget(slider, 0, 1);
    grid->setRowStretch(0, 1);
    auto* readout = new QHBoxLayout;
    readout->addWidget(field);
    readout->addWidget(new QLabel(unit, fader));
    grid->addLayout(readout, 1, 0, 1, 2, Qt::AlignHCenter);
    return fader;
}

void LoudnessWindow::Refresh() {
    sub1_->SetLit(model_.Sub == 1);
    sub2_->SetLit(model_.Sub == 2);
    ShowText(subLabel_, ToQString(model_.SubLabel));
    param_->SetLit(model_.ParamLEDLit);
    highPass_->SetLit(model_.HighLEDLit);
    frequency_->SetPosition(model_.FrecSlider.Position());
    ShowText(frequencyField_, ToQString(model_.FrecEdit));
    gain_->SetPosition(model_.FilterGainSlider.Position());
    ShowText(gainField_, ToQString(model_.FilterGainEdit));
    realTime_->SetLit(model_.RealTimePictureOn);
    ApplyVisible(model_.Visible);
}

} // namespace quorvex
