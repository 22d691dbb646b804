#include "ui/dynamic_window.h"

#include "app/dynamic_form.h"
#include "app/main_form.h"
#include "app/program.h"
#include "graphs/editor_graphs.h"
#include "ui/clickable_label.h"
#include "ui/led_button.h"
#include "ui/led_meter.h"
#include "ui/qt_text.h"
#include "ui/rack_palette.h"
#include "ui/rack_slider.h"
#include "ui/rack_window_palette.h"
#include "ui/real_spin_edit.h"
#include "ui/real_time_lamp.h"
#include "ui/rounded_button.h"
#include "ui/txy_graph.h"
#include "ui/widget_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quorvex {

namespace {

// The window's own texts.
const QString RatioCaption = QStringLiteral("Ratio");
const QString KneeCaption = QStringLiteral("Knee");
const QString LimiterCaption = QStringLiteral("Limiter");
const QString CompressorCaption = QStringLiteral("Compressor");
const QString BypassCaption = QStringLiteral("Bypass");
const QString RmsDynamicsCaption = QStringLiteral("RMS Dynamics");
const QString AttackCaption = QStringLiteral("Attack");
const QString HoldCaption = QStringLiteral("Hold Time");
const QString ReleaseCaption = QStringLiteral("Release");
const QString LookAheadCaption = QStringLiteral("LookAhead Delay");
const QString NoiseLevelCaption = QStringLiteral("Noise Level");
const QString GateCaption = QStringLiteral("Gate");
const QString SlopeCaption = QStringLiteral("Slope");
const QString BoxParametersCaption = QStringLiteral("Box Parameters");
const QString ShowInfoCaption = QStringLiteral("Show INFO");
const QString WarningCaption = QStringLiteral("WARNING!!!");
const QString DbPerSecond = QStringLiteral("dB/s");
const QString Milliseconds = QStringLiteral("ms");

using TextHandler = void (TDynamicform::*)(std::string_view);
using StepHandler = void (TDynamicform::*)(bool);

void ShowColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) != colour) {
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

} // namespace

DynamicWindow::DynamicWindow(Program& program, QWidget* owner)
    : ModelWindow(program.Dynamics(), program.Dynamics().Changed(), owner), program_(program),
      mainListener_(program.Main().Changed(), [this] { Refresh(); }) {
    setObjectName("Dynamicform");
    setWindowTitle(ToQString(TDynamicform::Caption));
    ApplyRackWindowPalette(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildBlockRow());
    group_ = new QGroupBox(this);
    auto* inside = new QHBoxLayout(group_);
    inside->addWidget(BuildCurveControls());
    graph_ = new TxyGraph(group_);
    graph_->setObjectName("DynamicGraph");
    inside->addWidget(graph_, 1);
    inside->addWidget(BuildTimes());
    layout->addWidget(group_, 1);
    layout->addWidget(BuildPowerCheck());
    Refresh();
}

QWidget* DynamicWindow::BuildBlockRow() {
    QWidget* row = MakeSelectRow(
        this, QStringLiteral("Block%1B"), blocks_, [this](int block) { model_.SelectBlock(block); },
        realTime_, [this] { model_.RealTimeBClick(); });
    for (std::size_t index = 0; index < blocks_.size(); ++index) {
        blocks_[index]->setText(ToQString(TDynamicform::BlockNames[index]));
    }
    return row;
}

RealSpinEdit* DynamicWindow::AddField(const char* name, const QString& caption, QWidget* parent,
                                      QGridLayout* grid, int row) {
    auto* edit = new RealSpinEdit(parent);
    edit->setObjectName(QStringLiteral("%1Spin").arg(name));
    edit->Field()->setObjectName(name);
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

namespace {

void ConnectField(RealSpinEdit* edit, TDynamicform& model, TextHandler exit, StepHandler step) {
    QObject::connect(edit, &RealSpinEdit::EnterPressed, edit,
                     [&model, exit](const QString& text) { (model.*exit)(ToStdString(text)); });
    QObject::connect(edit, &RealSpinEdit::EditingLeft, edit,
                     [&model, exit](const QString& text) { (model.*exit)(ToStdString(text)); });
    if (step != nullptr) {
        QObject::connect(edit, &RealSpinEdit::StepUp, edit,
                         [&model, step] { (model.*step)(true); });
        QObject::connect(edit, &RealSpinEdit::StepDown, edit,
                         [&model, step] { (model.*step)(false); });
    }
}

} // namespace

QWidget* DynamicWindow::BuildCurveControls() {
    auto* box = new QWidget(group_);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    thresholdCaption_ = new QLabel(box);
    thresholdCaption_->setObjectName("ThresholdCaption");
    grid->addWidget(thresholdCaption_, 0, 0, Qt::AlignHCenter);
    grid->addWidget(new QLabel(RatioCaption, box), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(KneeCaption, box), 0, 2, Qt::AlignHCenter);
    threshold_ = new RackSlider(Qt::Vertical, box);
    threshold_->setObjectName("ThresholdSlider");
    ratio_ = new RackSlider(Qt::Vertical, box);
    ratio_->setObjectName("RatioSlider");
    knee_ = new RackSlider(Qt::Vertical, box);
    knee_->setObjectName("KneeSlider");
    // Position 0 is each fader's highest value: the top.
    for (RackSlider* slider : {threshold_, ratio_, knee_}) {
        slider->setInvertedAppearance(true);
    }
    grid->addWidget(threshold_, 1, 0, Qt::AlignHCenter);
    grid->addWidget(ratio_, 1, 1, Qt::AlignHCenter);
    grid->addWidget(knee_, 1, 2, Qt::AlignHCenter);
    grid->setRowStretch(1, 1);
    thresholdEdit_ = new RealSpinEdit(box);
    thresholdEdit_->setObjectName("ThresholdSpin");
    thresholdEdit_->Field()->setObjectName("ThresholdEdit");
    ratioLabel_ = new QLabel(box);
    ratioLabel_->setObjectName("RatioLabel");
    kneeEdit_ = new RealSpinEdit(box);
    kneeEdit_->setObjectName("KneeSpin");
    kneeEdit_->Field()->setObjectName("KneeEdit");
    grid->addWidget(thresholdEdit_, 2, 0);
    grid->addWidget(ratioLabel_, 2, 1, Qt::AlignHCenter);
    grid->addWidget(kneeEdit_, 2, 2);
    connect(threshold_, &RackSlider::PositionMoved, this,
            [this](int position) { model_.ThresholdSliderMoved(position); });
    connect(ratio_, &RackSlider::PositionMoved, this,
            [this](int position) { model_.RatioSliderMoved(position); });
    connect(knee_, &RackSlider::PositionMoved, this,
            [this](int position) { model_.KneeSliderMoved(position); });
    ConnectField(thresholdEdit_, model_, &TDynamicform::ThresholdEditExit,
                 &TDynamicform::ThresholdEditKey);
    ConnectField(kneeEdit_, model_, &TDynamicform::KneeEditExit, &TDynamicform::KneeEditKey);

    limiter_ = new LedButton(LimiterCaption, box);
    limiter_->setObjectName("LimiterB");
    compressor_ = new LedButton(CompressorCaption, box);
    compressor_->setObjectName("CompressorB");
    bypass_ = new RoundedButton(BypassCaption, box);
    bypass_->setObjectName("DynBypassBoton");
    for (QAbstractButton* button :
         std::initializer_list<QAbstractButton*>{limiter_, compressor_, bypass_}) {
        button->setFocusPolicy(Qt::StrongFocus);
    }
    grid->addWidget(limiter_, 3, 0, 1, 3);
    grid->addWidget(compressor_, 4, 0, 1, 3);
    grid->addWidget(bypass_, 5, 0, 1, 3);
    connect(limiter_, &LedButton::clicked, this, [this] { model_.LimiterBClick(); });
    connect(compressor_, &LedButton::clicked, this, [this] { model_.CompressorBClick(); });
    connect(bypass_, &RoundedButton::clicked, this, [this] { model_.DynBypassBotonClick(); });
    return box;
}

QWidget* DynamicWindow::BuildTimes() {
    auto* box = new QWidget(group_);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* rms = new ClickableLabel(RmsDynamicsCaption, box);
    rms->setObjectName("RmsDynamicsCaption");
    connect(rms, &ClickableLabel::clicked, this, [this] { model_.RmsDynamicsCaptionClick(); });
    column->addWidget(rms);
    auto* grid = new QGridLayout;
    column->addLayout(grid);
    attack_ = AddField("AttackEdit", AttackCaption + " " + DbPerSecond, box, grid, 0);
    hold_ = AddField("HoldEdit", HoldCaption + " " + Milliseconds, box, grid, 1);
    release_ = AddField("ReleaseEdit", ReleaseCaption + " " + DbPerSecond, box, grid, 2);
    ConnectField(attack_, model_, &TDynamicform::AttackEditExit, &TDynamicform::AttackStep);
    ConnectField(hold_, model_, &TDynamicform::HoldEditExit, &TDynamicform::HoldStep);
    ConnectField(release_, model_, &TDynamicform::ReleaseEditExit, &TDynamicform::ReleaseStep);

    lookAheadRow_ = new QWidget(box);
    auto* lookGrid = new QGridLayout(lookAheadRow_);
    lookGrid->setContentsMargins(0, 0, 0, 0);
    lookAhead_ = AddField("LookAheadEdit", LookAheadCaption + " " + Milliseconds, lookAheadRow_,
                          lookGrid, 0);
    ConnectField(lookAhead_, model_, &TDynamicform::LookAheadEditExit,
                 &TDynamicform::LookAheadStep);
    column->addWidget(lookAheadRow_);

    auto* noise = new ClickableLabel(NoiseLevelCaption, box);
    noise->setObjectName("NoiseLevelCaption");
    connect(noise, &ClickableLabel::clicked, this, [this] { model_.NoiseLevelCaptionClick(); });
    column->addWidget(noise);
    noiseLevel_ = new QComboBox(box);
    noiseLevel_->setObjectName("NoiseLevelCombo");
    for (const std::string_view item : TDynamicform::NoiseLevelItems) {
        noiseLevel_->addItem(ToQString(item));
    }
    connect(noiseLevel_, &QComboBox::activated, this,
            [this](int item) { model_.NoiseLevelChange(item); });
    column->addWidget(noiseLevel_);

    gateRow_ = new QWidget(box);
    auto* gateGrid = new QGridLayout(gateRow_);
    gateGrid->setContentsMargins(0, 0, 0, 0);
    gate_ = AddField("GateEdit", GateCaption, gateRow_, gateGrid, 0);
    pendiente_ = AddField("PendienteEdit", SlopeCaption, gateRow_, gateGrid, 1);
    ConnectField(gate_, model_, &TDynamicform::GateEditEnter, nullptr);
    ConnectField(pendiente_, model_, &TDynamicform::PendienteEditEnter, nullptr);
    column->addWidget(gateRow_);
    column->addStretch(1);
    return box;
}

QWidget* DynamicWindow::BuildPowerCheck() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* box = new RoundedButton(BoxParametersCaption, row);
    box->setObjectName("BoxParametersB");
    box->setFocusPolicy(Qt::StrongFocus);
    connect(box, &RoundedButton::clicked, this, [this] { model_.BoxParametersClick(); });
    line->addWidget(box);
    showInfo_ = new QCheckBox(ShowInfoCaption, row);
    showInfo_->setObjectName("ShowInfoCheck");
    connect(showInfo_, &QCheckBox::clicked, this, [this](bool on) { model_.ShowInfoClick(on); });
    line->addWidget(showInfo_);
    auto* lines = new QVBoxLayout;
    for (std::size_t index = 0; index < infoLines_.size(); ++index) {
        infoLines_[index] = new QLabel(row);
        infoLines_[index]->setObjectName(QStringLiteral("InfoLine%1").arg(index + 1));
        lines->addWidget(infoLines_[index]);
    }
    line->addLayout(lines, 1);
    meter_ = new LedMeter(Qt::Horizontal, row);
    meter_->setObjectName("PowerMeter");
    line->addWidget(meter_, 1);
    powerLabel_ = new QLabel(row);
    powerLabel_->setObjectName("PowerLabel");
    line->addWidget(powerLabel_);
    auto* warnings = new QVBoxLayout;
    warning_ = new QLabel(WarningCaption, row);
    warning_->setObjectName("WarningLabel");
    warningLine_ = new QLabel(row);
    warningLine_->setObjectName("WarningLine");
    warnings->addWidget(warning_);
    warnings->addWidget(warningLine_);
    line->addLayout(warnings);
    return row;
}

void DynamicWindow::Refresh() {
    RefreshControls();
    RefreshPower();
    graph_->SetContent(DynamicsGraph(model_));
    ApplyVisible(model_.Visible);
}

void DynamicWindow::RefreshControls() {
    for (std::size_t index = 0; index < blocks_.size(); ++index) {
        blocks_[index]->SetLit(model_.BlockLit[index]);
    }
    realTime_->SetLit(program_.Main().RealTimePictureOn);
    group_->setTitle(ToQString(model_.GroupCaption));
    ShowText(thresholdCaption_, ToQString(model_.ThresholdCaptionText));
    ShowTrack(threshold_, model_.ThresholdSlider);
    ShowTrack(ratio_, model_.RatioSlider);
    ShowTrack(knee_, model_.KneeSlider);
    ShowText(thresholdEdit_, ToQString(model_.ThresholdEdit));
    ShowText(ratioLabel_, ToQString(model_.RatioLabel));
    ShowText(kneeEdit_, ToQString(model_.KneeEdit));
    limiter_->SetLit(model_.LimiterLit);
    compressor_->SetLit(model_.CompressorLit);
    bypass_->SetLit(model_.BypassCaptionRed);
    ShowText(attack_, ToQString(model_.AttackEdit));
    ShowText(hold_, ToQString(model_.HoldEdit));
    ShowText(release_, ToQString(model_.ReleaseEdit));
    ShowText(lookAhead_, ToQString(model_.LookAheadEdit));
    ShowText(gate_, ToQString(model_.GateEdit));
    ShowText(pendiente_, ToQString(model_.PendienteEdit));
    for (QWidget* control : {static_cast<QWidget*>(threshold_),
                             static_cast<QWidget*>(thresholdEdit_), static_cast<QWidget*>(knee_),
                             static_cast<QWidget*>(kneeEdit_), static_cast<QWidget*>(attack_),
                             static_cast<QWidget*>(hold_), static_cast<QWidget*>(release_),
                             static_cast<QWidget*>(limiter_), static_cast<QWidget*>(compressor_)}) {
        ShowEnabled(control, model_.ControlsEnabled);
    }
    ShowEnabled(ratio_, model_.RatioEnabled);
    ShowEnabled(ratioLabel_, model_.RatioEnabled);
    {
        const QSignalBlocker blocker(noiseLevel_);
        noiseLevel_->setCurrentIndex(model_.NoiseLevelIndex);
    }
    ShowVisible(lookAheadRow_, model_.LookAheadVisible);
    ShowVisible(gateRow_, model_.GateFieldsVisible);
}

void DynamicWindow::RefreshPower() {
    ShowChecked(showInfo_, model_.ShowInfoChecked);
    for (std::size_t index = 0; index < infoLines_.size(); ++index) {
        ShowText(infoLines_[index], ToQString(model_.InfoLines[index]));
    }
    const PowerCheckResult& power = model_.Power;
    if (power.MeterMaximum > 0) {
        meter_->SetMaximum(power.MeterMaximum);
    }
    meter_->SetValue(power.MeterPosition);
    ShowText(powerLabel_, ToQString(power.PowerLabel));
    ShowText(warningLine_, ToQString(power.WarningLine));
    // "WARNING!!!" is always there: dark red, bright red with the power label when the box
    // is overdriven.
    ShowColour(warning_, power.Warning ? RackPalette::MeterTop() : QColor(110, 20, 20));
    ShowColour(powerLabel_, power.Warning ? RackPalette::MeterTop() : QColor(255, 255, 255));
    ShowColour(warningLine_, RackPalette::MeterTop());
}

QSize DynamicWindow::GrabSize() const {
    return GrabSizeAtLeast(150, 34);
}

} // namespace quorvex
