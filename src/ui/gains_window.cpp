#include "ui/gains_window.h"

#include "app/gains_form.h"
#include "config/level_setting.h"
#include "ui/led_button.h"
#include "ui/output_strips.h"
#include "ui/qt_text.h"
#include "ui/rack_fader.h"
#include "ui/rack_palette.h"
#include "ui/rack_slider.h"
#include "ui/rack_window_palette.h"
#include "ui/real_spin_edit.h"
#include "ui/real_time_lamp.h"
#include "ui/widget_values.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quorvex {

namespace {

std::size_t Index(int output) {
    return static_cast<std::size_t>(output - 1);
}

/// The fader's scale beside it: each mark at the height of its position, so "0 dB" sits
/// level with the knob at 0.0 dB.
QWidget* Scale(QWidget* parent) {
    auto* scale = new QWidget(parent);
    auto* marks = new QVBoxLayout(scale);
    marks->setContentsMargins(0, 0, 0, 0);
    marks->setSpacing(0);
    marks->addWidget(new QLabel("+6 dB", scale), 0, Qt::AlignRight);
    marks->addStretch(LevelSliderZeroDb - 1);
    marks->addWidget(new QLabel("0 dB", scale), 0, Qt::AlignRight);
    marks->addStretch(LevelSliderMax - LevelSliderZeroDb);
    marks->addWidget(new QLabel("-30 dB", scale), 0, Qt::AlignRight);
    return scale;
}

} // namespace

GainsWindow::GainsWindow(TGainsForm& model, QWidget* owner)
    : ActivatedWindow(model, model.Changed(), owner) {
    setObjectName("GainsForm");
    setWindowTitle(ToQString(TGainsForm::Caption));
    ApplyRackWindowPalette(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(
        MakeStripRow(this, OutputCount, [this](int output) { return BuildStrip(output); }), 1);

    auto* bottom = new QHBoxLayout;
    realTime_ = MakeRealTimeLamp(this, [this] { model_.RealTimeBClick(); });
    bottom->addWidget(realTime_);
    bottom->addStretch(1);
    layout->addLayout(bottom);
    Refresh();
}

QWidget* GainsWindow::BuildStrip(int output) {
    Strip& strip = strips_[Index(output)];
    auto* panel = new QWidget(this);
    auto* column = new QGridLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    strip.Name = AddStripName(panel, column, output);

    // Position 0 is the loudest: the fader's top.
    strip.Track = MakeFader(panel, QString("Output%1Track").arg(output), LevelSliderMax, 14,
                            [this, output](int position) { model_.SetPosition(output, position); });
    column->addWidget(Scale(panel), 1, 0);
    column->addWidget(strip.Track, 1, 1);
    column->setRowStretch(1, 1);

    auto* gainRow = new QHBoxLayout;
    strip.Gain = new RealSpinEdit(panel);
    strip.Gain->setObjectName(QString("Gain%1Edit").arg(output));
    strip.Gain->Field()->setObjectName(QString("Gain%1Field").arg(output));
    strip.Gain->Field()->setMinimumWidth(fontMetrics().horizontalAdvance("-30.00"));
    connect(strip.Gain, &RealSpinEdit::EnterPressed, this, [this, output](const QString& text) {
        model_.GainEditEnter(output, ToStdString(text));
    });
    // Only Enter applies a typed gain; a field left without it shows the gain in use again.
    connect(strip.Gain, &RealSpinEdit::EditingLeft, this, [this, output] {
        ShowText(strips_[Index(output)].Gain->Field(), ToQString(model_.GainText[Index(output)]));
    });
    connect(strip.Gain, &RealSpinEdit::StepUp, this,
            [this, output] { model_.GainEditKeyUp(output); });
    connect(strip.Gain, &RealSpinEdit::StepDown, this,
            [this, output] { model_.GainEditKeyDown(output); });
    gainRow->addWidget(strip.Gain, 1);
    gainRow->addWidget(new QLabel("dB", panel));
    column->addLayout(gainRow, 2, 0, 1, 2);

    strip.Mute = new LedButton("Mute", panel);
    strip.Mute->setObjectName(QString("MuteOutput%1").arg(output));
    strip.Mute->SetLampColour(RackPalette::MeterTop());
    connect(strip.Mute, &LedButton::clicked, this, [this, output] { model_.MuteClick(output); });
    column->addWidget(strip.Mute, 3, 0, 1, 2, Qt::AlignHCenter);

    strip.Inv = new LedButton("Inv", panel);
    strip.Inv->setObjectName(QString("PolOutput%1").arg(output));
    connect(strip.Inv, &LedButton::clicked, this, [this, output] { model_.InvClick(output); });
    column->addWidget(strip.Inv, 4, 0, 1, 2, Qt::AlignHCenter);
    return panel;
}

void GainsWindow::Refresh() {
    for (int output = 1; output <= OutputCount; ++output) {
        const std::size_t index = Index(output);
        Strip& strip = strips_[index];
        ShowText(strip.Name, ToQString(model_.ChannelLabel[index]));
        strip.Track->SetPosition(model_.Position[index]);
        ShowText(strip.Gain->Field(), ToQString(model_.GainText[index]));
        strip.Mute->SetLit(model_.MuteLamp[index]);
        strip.Inv->SetLit(model_.InvLamp[index]);
    }
    realTime_->SetLit(model_.RealTimeLamp);
    ApplyVisible(model_.Visible);
}

} // namespace quorvex
