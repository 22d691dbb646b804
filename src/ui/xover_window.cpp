#include "ui/xover_window.h"

#include "app/document.h"
#include "app/main_form.h"
#include "app/processor_connection.h"
#include "app/program.h"
#include "app/xover_form.h"
#include "graphs/editor_graphs.h"
#include "ui/graph_view_keys.h"
#include "ui/led_button.h"
#include "ui/qt_text.h"
#include "ui/rack_window_palette.h"
#include "ui/real_spin_edit.h"
#include "ui/real_time_lamp.h"
#include "ui/rounded_button.h"
#include "ui/txy_graph.h"
#include "ui/widget_values.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quorvex {

namespace {

// The window's own texts.
const QString LowerEdgeCaption = QStringLiteral("High pass (lower edge)");
const QString UpperEdgeCaption = QStringLiteral("Low pass (upper edge)");
const QString FamilyCaption = QStringLiteral("Type");
const QString OrderCaption = QStringLiteral("Order");
const QString FrequencyCaption = QStringLiteral("Frequency");
const QString OnlyLCaption = QStringLiteral("Only L");
const QString OnlyHCaption = QStringLiteral("Only H");
const QString OnlyLHint = QStringLiteral("Only the high pass: the low pass is bypassed");
const QString OnlyHHint = QStringLiteral("Only the low pass: the high pass is bypassed");
const QString YMaximumCaption = QStringLiteral("Max dB");
const QString YMinimumCaption = QStringLiteral("Min dB");
constexpr int OrderStep = 2;
constexpr int LowestOrder = 2;
constexpr int HighestOrder = 4;

} // namespace

XoverWindow::XoverWindow(Program& program, QWidget* owner)
    : ModelWindow(program.Xover(), program.Xover().Changed(), owner), program_(program),
      mainListener_(program.Main().Changed(), [this] { Refresh(); }) {
    setObjectName("XOVERForm");
    setWindowTitle(ToQString(TXOVERForm::Caption));
    ApplyRackWindowPalette(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildOutputRow());
    auto* middle = new QHBoxLayout;
    layout->addLayout(middle, 1);
    graph_ = new TxyGraph(this);
    graph_->setObjectName("XOVERGraph");
    connect(graph_, &TxyGraph::MouseMoved, this,
            [this](const GraphPointer& pointer, Qt::MouseButtons) {
                model_.MouseMove(pointer.X, pointer.Y, pointer.Inside);
            });
    connect(graph_, &TxyGraph::MouseLeft, this, [this] { model_.MouseMove(0.0, 0.0, false); });
    middle->addWidget(graph_, 1);
    middle->addWidget(BuildEdgePanel());
    layout->addWidget(BuildViewRow());
    Refresh();
}

QWidget* XoverWindow::BuildOutputRow() {
    return MakeSelectRow(
        this, QStringLiteral("ModXover%1"), outputButtons_,
        [this](int output) { model_.SelectOutput(output); }, realTime_,
        [this] { model_.RealTimeBClick(); });
}

QGroupBox* XoverWindow::BuildEdgePanel() {
    panel_ = new QGroupBox(this);
    panel_->setObjectName("XoverPanel");
    auto* column = new QVBoxLayout(panel_);
    column->addWidget(BuildEdge(CrossoverEdge::Lower, "L", lower_));
    column->addWidget(BuildEdge(CrossoverEdge::Upper, "H", upper_));
    auto* solo = new QHBoxLayout;
    column->addLayout(solo);
    onlyL_ = new LedButton(OnlyLCaption, panel_);
    onlyL_->setObjectName("OnlyL");
    onlyL_->setToolTip(OnlyLHint);
    onlyH_ = new LedButton(OnlyHCaption, panel_);
    onlyH_->setObjectName("OnlyH");
    onlyH_->setToolTip(OnlyHHint);
    for (LedButton* button : {onlyL_, onlyH_}) {
        button->setFocusPolicy(Qt::StrongFocus);
        solo->addWidget(button);
    }
    connect(onlyL_, &LedButton::clicked, this, [this] { model_.OnlyLClick(); });
    connect(onlyH_, &LedButton::clicked, this, [this] { model_.OnlyHClick(); });
    column->addStretch(1);
    return panel_;
}

QWidget* XoverWindow::BuildEdge(CrossoverEdge edge, const char* side, EdgeWidgets& widgets) {
    auto* box =
        new QGroupBox(edge == CrossoverEdge::Lower ? LowerEdgeCaption : UpperEdgeCaption, panel_);
    auto* grid = new QGridLayout(box);
    widgets.Family = new QComboBox(box);
    widgets.Family->setObjectName(QStringLiteral("TipoXCombo0%1").arg(side));
    for (const std::string_view name : TXOVERForm::FamilyNames) {
        widgets.Family->addItem(ToQString(name));
    }
    widgets.Order = new QSpinBox(box);
    widgets.Order->setObjectName(QStringLiteral("OrdenSpin0%1").arg(side));
    widgets.Order->setRange(LowestOrder, HighestOrder);
    widgets.Order->setSingleStep(OrderStep);
    widgets.Frequency = new RealSpinEdit(box);
    widgets.Frequency->setObjectName(QStringLiteral("FrecSpinB0%1").arg(side));
    widgets.Frequency->Field()->setObjectName(QStringLiteral("FrecEdit0%1").arg(side));
    grid->addWidget(new QLabel(FamilyCaption, box), 0, 0);
    grid->addWidget(widgets.Family, 0, 1);
    grid->addWidget(new QLabel(OrderCaption, box), 1, 0);
    grid->addWidget(widgets.Order, 1, 1);
    grid->addWidget(new QLabel(FrequencyCaption, box), 2, 0);
    grid->addWidget(widgets.Frequency, 2, 1);

    connect(widgets.Family, &QComboBox::activated, this,
            [this, edge](int position) { model_.TipoXComboChange(edge, position); });
    connect(widgets.Order, &QSpinBox::valueChanged, this,
            [this, edge](int order) { model_.OrdenSpinChange(edge, order); });
    RealSpinEdit* frequency = widgets.Frequency;
    connect(frequency->Field(), &QLineEdit::textEdited, this, [this, edge](const QString& typed) {
        model_.FrecEditChange(edge, ToStdString(typed));
    });
    connect(frequency, &RealSpinEdit::EnterPressed, this,
            [this, edge](const QString& typed) { model_.FrecEditExit(edge, ToStdString(typed)); });
    connect(frequency, &RealSpinEdit::EditingLeft, this,
            [this, edge](const QString& typed) { model_.FrecEditExit(edge, ToStdString(typed)); });
    connect(frequency, &RealSpinEdit::StepUp, this, [this, edge] { model_.FrecStep(edge, true); });
    connect(frequency, &RealSpinEdit::StepDown, this,
            [this, edge] { model_.FrecStep(edge, false); });
    return box;
}

QWidget* XoverWindow::BuildViewRow() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    AddCurveLamps(row, line, QStringLiteral("VerXover%1Check"), QString(), showButtons_,
                  [this](int output) { model_.VerXoverClick(output); });
    modeKeys_ = AddGraphModeKeys(
        row, line, "Magn", "Phas", [this] { model_.MagnClick(); }, [this] { model_.PhasClick(); });

    yMaximum_ = new RealSpinEdit(row);
    yMaximum_->setObjectName("YMaxUpDown");
    yMinimum_ = new RealSpinEdit(row);
    yMinimum_->setObjectName("YMinUpDown");
    for (auto [edit, caption] :
         {std::pair{yMaximum_, YMaximumCaption}, std::pair{yMinimum_, YMinimumCaption}}) {
        edit->Field()->setReadOnly(true);
        line->addWidget(new QLabel(caption, row));
        line->addWidget(edit);
    }
    connect(yMaximum_, &RealSpinEdit::StepUp, this, [this] { model_.YMaxUpDownClick(true); });
    connect(yMaximum_, &RealSpinEdit::StepDown, this, [this] { model_.YMaxUpDownClick(false); });
    connect(yMinimum_, &RealSpinEdit::StepUp, this, [this] { model_.YMinUpDownClick(true); });
    connect(yMinimum_, &RealSpinEdit::StepDown, this, [this] { model_.YMinUpDownClick(false); });

    line->addStretch(1);
    info_ = AddPointerReadout(row, line);
    return row;
}

void XoverWindow::RefreshEdge(EdgeWidgets& widgets, const CrossoverEdgeControls& controls,
                              bool upperNames) {
    {
        const QSignalBlocker blocker(widgets.Family);
        if (upperNames) {
            for (int index = 0; index < widgets.Family->count(); ++index) {
                widgets.Family->setItemText(
                    index, ToQString(model_.UpperFamilyNames[static_cast<std::size_t>(index)]));
            }
        }
        widgets.Family->setCurrentIndex(controls.TipoXCombo);
    }
    ShowValue(widgets.Order, LowestOrder, HighestOrder, controls.OrdenSpin);
    ShowText(widgets.Frequency, ToQString(controls.FrecEdit));
    for (QWidget* control :
         {static_cast<QWidget*>(widgets.Family), static_cast<QWidget*>(widgets.Order),
          static_cast<QWidget*>(widgets.Frequency)}) {
        ShowEnabled(control, controls.Enabled);
    }
}

void XoverWindow::Refresh() {
    const auto& names = program_.Doc().Config.OutputNames;
    for (std::size_t index = 0; index < outputButtons_.size(); ++index) {
        ShowText(outputButtons_[index], ToQString(names[index]));
        outputButtons_[index]->SetLit(model_.ModXoverLit[index]);
        ShowText(showButtons_[index], ToQString(names[index]));
        showButtons_[index]->SetLit(model_.VerXoverChecked[index]);
    }
    realTime_->SetLit(program_.Main().RealTimePictureOn);
    panel_->setTitle(ToQString(model_.PanelTitle));
    RefreshEdge(lower_, model_.Lower, false);
    RefreshEdge(upper_, model_.Upper, true);
    onlyL_->SetLit(model_.OnlyLLit);
    onlyH_->SetLit(model_.OnlyHLit);
    modeKeys_.Show(model_.GraphMode == TXOVERForm::Mode::Magnitude);
    for (auto [edit, value] :
         {std::pair{yMaximum_, model_.YMaxUpDown}, std::pair{yMinimum_, model_.YMinUpDown}}) {
        ShowText(edit, QString::number(value));
    }
    ShowText(info_, ToQString(model_.InfoLabel));
    graph_->SetContent(CrossoverGraph(model_, program_.Doc().Config.OutputNames));
    ApplyVisible(model_.Visible);
}

QSize XoverWindow::GrabSize() const {
    return GrabSizeAtLeast(150, 34);
}

} // namespace quorvex
