#include "ui/peq_window.h"

#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/program.h"
#include "graphs/editor_graphs.h"
#include "ui/graph_view_keys.h"
#include "ui/led_button.h"
#include "ui/qt_text.h"
#include "ui/rack_slider.h"
#include "ui/rack_window_palette.h"
#include "ui/real_spin_edit.h"
#include "ui/real_time_lamp.h"
#include "ui/rounded_button.h"
#include "ui/txy_graph.h"
#include "ui/widget_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace quorvex {

namespace {

// The window's own texts.
const QString FilterNumberCaption = QStringLiteral("Filter Number");
const QString FilterTypeCaption = QStringLiteral("Filter Type");
const QString FrequencyCaption = QStringLiteral("Frequency");
const QString GainCaption = QStringLiteral("Gain");
const QString QCaption = QStringLiteral("Q");
const QString XoverCaption = QStringLiteral("XOVER");
const QString AddCaption = QStringLiteral("Add");
const QString IndividualCaption = QStringLiteral("Individual");

/// A fader's three scale labels, top to bottom, and where the middle one's value lies on
/// the travel: 1000 Hz at position 12632 of the cube law, 0 dB at 123 of 274, Q 10 at 100.
struct FaderScale {
    std::array<const char*, 3> Texts;
    double MiddleFromTop;
};
constexpr FaderScale FrequencyScale{{"20", "1000 ", "20000 "}, 0.37};
constexpr FaderScale GainScale{{"+12dB ", "0 dB ", "-15dB "}, 0.45};
constexpr FaderScale QScaleLabels{{"20", "10", "0,7"}, 0.50};

/// The scale beside a fader: labels at its top and bottom, and one between them at
/// `middleFromTop` of the travel (the position of its value on the fader).
QWidget* ScaleLabels(const FaderScale& scale, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    constexpr int Parts = 100;
    const int above = static_cast<int>(scale.MiddleFromTop * Parts);
    column->addWidget(new QLabel(scale.Texts[0], box), 0, Qt::AlignRight | Qt::AlignTop);
    column->addStretch(above);
    column->addWidget(new QLabel(scale.Texts[1], box), 0, Qt::AlignRight | Qt::AlignVCenter);
    column->addStretch(Parts - above);
    column->addWidget(new QLabel(scale.Texts[2], box), 0, Qt::AlignRight | Qt::AlignBottom);
    return box;
}

} // namespace

PeqWindow::PeqWindow(Program& program, QWidget* owner)
    : ModelWindow(program.Peq(), program.Peq().Changed(), owner), program_(program),
      mainListener_(program.Main().Changed(), [this] { Refresh(); }) {
    setObjectName("PEQForm");
    setWindowTitle(ToQString(TPEQForm::Caption));
    ApplyRackWindowPalette(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildOutputRow());
    auto* middle = new QHBoxLayout;
    layout->addLayout(middle, 1);
    graph_ = new TxyGraph(this);
    graph_->setObjectName("PEQGraph");
    middle->addWidget(graph_, 1);
    middle->addWidget(BuildBandPanel());
    layout->addWidget(BuildViewRow());
    status_ = new QStatusBar(this);
    status_->setObjectName("StatusBar");
    status_->setSizeGripEnabled(false);
    layout->addWidget(status_);

    ConnectValues();
    ConnectGraph();
    Refresh();
}

QWidget* PeqWindow::BuildOutputRow() {
    return MakeSelectRow(
        this, QStringLiteral("ModPEQ%1"), outputButtons_,
        [this](int output) { model_.SelectOutput(output); }, realTime_,
        [this] { model_.RealTimeBClick(); });
}

QWidget* PeqWindow::BuildBandPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* choice = new QGridLayout;
    column->addLayout(choice);
    band_ = new QSpinBox(panel);
    band_->setObjectName("SpinFiltro");
    choice->addWidget(new QLabel(FilterNumberCaption, panel), 0, 0);
    choice->addWidget(band_, 0, 1);
    type_ = new QComboBox(panel);
    type_->setObjectName("TipoFiltroCombo");
    for (const std::string_view name : TPEQForm::TypeNames) {
        type_->addItem(ToQString(name));
    }
    choice->addWidget(new QLabel(FilterTypeCaption, panel), 1, 0);
    choice->addWidget(type_, 1, 1);

    auto* faders = new QHBoxLayout;
    column->addLayout(faders, 1);
    faders->addWidget(BuildValueColumn(frequency_, FrequencyCaption, "FrecSlider", "FrecEdit",
                                       "FrecSpinB", ScaleLabels(FrequencyScale, panel)));
    faders->addWidget(BuildValueColumn(gain_, GainCaption, "FilterGainSlider", "FilterGainEdit",
                                       "GainSpinB", ScaleLabels(GainScale, panel)));
    faders->addWidget(BuildValueColumn(q_, QCaption, "QSlider", "QEdit", "QSpinB",
                                       ScaleLabels(QScaleLabels, panel)));
    // The frequency fader runs from its lowest position at the bottom, as the cube law puts
    // the high frequencies there; gain and Q have their highest values at the top.
    gain_.Slider->setInvertedAppearance(true);
    q_.Slider->setInvertedAppearance(true);
    return panel;
}

QWidget* PeqWindow::BuildValueColumn(ValueControls& controls, const QString& caption,
                                     const char* sliderName, const char* fieldName,
                                     const char* spinName, QWidget* scale) {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    controls.Caption = new QLabel(caption, box);
    grid->addWidget(controls.Caption, 0, 0, 1, 2, Qt::AlignHCenter);
    scale->setParent(box);
    grid->addWidget(scale, 1, 0);
    controls.Slider = new RackSlider(Qt::Vertical, box);
    controls.Slider->setObjectName(sliderName);
    grid->addWidget(controls.Slider, 1, 1, Qt::AlignHCenter);
    grid->setRowStretch(1, 1);
    controls.Field = new RealSpinEdit(box);
    controls.Field->setObjectName(spinName);
    controls.Field->Field()->setObjectName(fieldName);
    grid->addWidget(controls.Field, 2, 0, 1, 2);
    return box;
}

QWidget* PeqWindow::BuildViewRow() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    AddCurveLamps(row, line, QStringLiteral("VerPEQ%1Check"), QStringLiteral("PEQ%1"), showButtons_,
                  [this](int output) { model_.VerPEQClick(output); });
    modeKeys_ = AddGraphModeKeys(
        row, line, "Mag", "Phase", [this] { model_.MagClick(); }, [this] { model_.PhaseClick(); });

    auto* group = new QGroupBox(row);
    auto* inside = new QHBoxLayout(group);
    xover_ = new QCheckBox(XoverCaption, group);
    xover_->setObjectName("XoverCheck");
    xover_->setToolTip(ToQString(TPEQForm::XoverCheckHint));
    xover_->setStatusTip(ToQString(TPEQForm::XoverCheckHint));
    add_ = new QRadioButton(AddCaption, group);
    add_->setObjectName("AddRadio");
    individual_ = new QRadioButton(IndividualCaption, group);
    individual_->setObjectName("IndividualRadio");
    inside->addWidget(xover_);
    inside->addWidget(add_);
    inside->addWidget(individual_);
    line->addWidget(group);
    connect(xover_, &QCheckBox::clicked, this, [this](bool on) { model_.XoverCheckClick(on); });
    connect(add_, &QRadioButton::clicked, this, [this] { model_.AddClick(); });
    connect(individual_, &QRadioButton::clicked, this, [this] { model_.IndividualClick(); });

    line->addStretch(1);
    line->addWidget(new QLabel(ToQString(TPEQForm::InfoPrefix), row));
    info_ = AddPointerReadout(row, line);
    return row;
}

void PeqWindow::ConnectValues() {
    connect(band_, &QSpinBox::valueChanged, this, [this](int band) { model_.SelectBand(band); });
    connect(type_, &QComboBox::activated, this,
            [this](int position) { model_.TipoFiltroComboChange(position); });

    connect(frequency_.Slider, &RackSlider::PositionMoved, this,
            [this](int position) { model_.FrecSliderMoved(position); });
    connect(gain_.Slider, &RackSlider::PositionMoved, this,
            [this](int position) { model_.FilterGainSliderMoved(position); });
    connect(q_.Slider, &RackSlider::PositionMoved, this,
            [this](int position) { model_.QSliderMoved(position); });

    const auto text = [](const QString& typed) { return ToStdString(typed); };
    RealSpinEdit* frequency = frequency_.Field;
    connect(frequency, &RealSpinEdit::EnterPressed, this,
            [this, text](const QString& typed) { model_.FrecEditExit(text(typed)); });
    connect(frequency, &RealSpinEdit::EditingLeft, this,
            [this, text](const QString& typed) { model_.FrecEditExit(text(typed)); });
    connect(frequency, &RealSpinEdit::StepUp, this, [this] { model_.FrecSpinBClick(true); });
    connect(frequency, &RealSpinEdit::StepDown, this, [this] { model_.FrecSpinBClick(false); });

    RealSpinEdit* gain = gain_.Field;
    connect(gain, &RealSpinEdit::EnterPressed, this,
            [this, text](const QString& typed) { model_.FilterGainEditExit(text(typed)); });
    connect(gain, &RealSpinEdit::EditingLeft, this,
            [this, text](const QString& typed) { model_.FilterGainEditExit(text(typed)); });
    connect(gain, &RealSpinEdit::StepUp, this, [this] { model_.GainSpinBClick(true); });
    connect(gain, &RealSpinEdit::StepDown, this, [this] { model_.GainSpinBClick(false); });

    RealSpinEdit* q = q_.Field;
    connect(q, &RealSpinEdit::EnterPressed, this,
            [this, text](const QString& typed) { model_.QEditExit(text(typed)); });
    connect(q, &RealSpinEdit::EditingLeft, this,
            [this, text](const QString& typed) { model_.QEditExit(text(typed)); });
    connect(q, &RealSpinEdit::StepUp, this, [this] { model_.QSpinBClick(true); });
    connect(q, &RealSpinEdit::StepDown, this, [this] { model_.QSpinBClick(false); });
}

void PeqWindow::ConnectGraph() {
    connect(graph_, &TxyGraph::MouseMoved, this,
            [this](const GraphPointer& pointer, Qt::MouseButtons) { PointerMoved(pointer); });
    connect(graph_, &TxyGraph::MousePressed, this,
            [this](const GraphPointer& pointer, Qt::MouseButton button) {
                if (button == Qt::LeftButton && pointer.Inside) {
                    model_.MouseDown(pointer.X, pointer.Y);
                }
            });
    connect(graph_, &TxyGraph::MouseReleased, this,
            [this](const GraphPointer&, Qt::MouseButton button) {
                if (button == Qt::LeftButton) {
                    model_.MouseUp();
                }
            });
    connect(graph_, &TxyGraph::MouseLeft, this, [this] { PointerMoved(GraphPointer{}); });
    connect(graph_, &TxyGraph::WheelTurned, this,
            [this](const GraphPointer& pointer, double notches) {
                if (pointer.Inside) {
                    model_.MouseWheel(pointer.X, pointer.Y, notches);
                }
            });
    // A double click on a band opens nothing: the band stays where the first click put it.
}

void PeqWindow::PointerMoved(const GraphPointer& pointer) {
    model_.MouseMove(pointer.X, pointer.Y, pointer.Inside);
}

void PeqWindow::Refresh() {
    RefreshControls();
    RefreshGraph();
    ApplyVisible(model_.Visible);
}

void PeqWindow::RefreshControls() {
    for (std::size_t index = 0; index < outputButtons_.size(); ++index) {
        ShowText(outputButtons_[index], ToQString(model_.ModPEQCaption[index]));
        outputButtons_[index]->SetLit(model_.ModPEQLit[index]);
        showButtons_[index]->SetLit(model_.VerPEQChecked[index]);
    }
    realTime_->SetLit(program_.Main().RealTimePictureOn);
    ShowValue(band_, 1, model_.SpinFiltroMaximum, model_.SpinFiltro);
    {
        const QSignalBlocker blocker(type_);
        type_->setCurrentIndex(model_.TipoFiltroIndex);
    }
    ShowTrack(frequency_.Slider, model_.FrecSlider);
    ShowTrack(gain_.Slider, model_.FilterGainSlider);
    ShowTrack(q_.Slider, model_.QSlider);
    ShowText(frequency_.Field, ToQString(model_.FrecEdit));
    ShowText(gain_.Field, ToQString(model_.FilterGainEdit));
    ShowText(q_.Field, ToQString(model_.QEdit));
    for (QWidget* control :
         {static_cast<QWidget*>(gain_.Caption), static_cast<QWidget*>(gain_.Slider),
          static_cast<QWidget*>(gain_.Field)}) {
        ShowEnabled(control, model_.GainControlsEnabled);
    }
    for (QWidget* control : {static_cast<QWidget*>(q_.Caption), static_cast<QWidget*>(q_.Slider),
                             static_cast<QWidget*>(q_.Field)}) {
        ShowEnabled(control, model_.QControlsEnabled);
    }
    modeKeys_.Show(model_.GraphMode == TPEQForm::Mode::Magnitude);
    ShowChecked(xover_, model_.XoverChecked);
    ShowChecked(add_, model_.AddChecked);
    ShowChecked(individual_, !model_.AddChecked);
    ShowText(info_, ToQString(model_.InfoLabel));
    if (status_->currentMessage() != ToQString(model_.StatusText)) {
        status_->showMessage(ToQString(model_.StatusText));
    }
}

void PeqWindow::RefreshGraph() {
    graph_->SetContent(EqualiserGraph(model_, program_.Doc().Config.OutputNames));
    graph_->SetCursorShape(model_.HandCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QSize PeqWindow::GrabSize() const {
    return GrabSizeAtLeast(150, 36);
}

bool PeqWindow::event(QEvent* event) {
    // The hints go to the window's own status line as the pointer passes over a control.
    if (event->type() == QEvent::StatusTip) {
        status_->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return FormWindow::event(event);
}

} // namespace quorvex
