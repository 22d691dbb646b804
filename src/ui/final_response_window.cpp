#include "ui/final_response_window.h"

#include "app/document.h"
#include "app/final_response_form.h"
#include "app/processor_connection.h"
#include "app/program.h"
#include "graphs/editor_graphs.h"
#include "ui/graph_view_keys.h"
#include "ui/led_button.h"
#include "ui/qt_text.h"
#include "ui/rack_window_palette.h"
#include "ui/rounded_button.h"
#include "ui/txy_graph.h"
#include "ui/widget_values.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorvex {

namespace {

// The window's own texts.
const QString AddCaption = QStringLiteral("Add");
const QString ImportCaption = QStringLiteral("Import");

/// The five stages, in the order of their letters K, P, X, G, D.
struct StageBox {
    const char* Name;
    const char* Caption;
    void (TFinalResponseForm::*Click)(bool);
    bool ResponseViewFlags::*Flag;
};
constexpr std::array<StageBox, 5> StageBoxes{{
    {"SpkData", "Speaker Data", &TFinalResponseForm::SpkDataClick,
     &ResponseViewFlags::SpeakerDataView},
    {"PEQBox", "PEQ", &TFinalResponseForm::PEQBoxClick, &ResponseViewFlags::PeqView},
    {"XOVERBox", "XOVER", &TFinalResponseForm::XOVERBoxClick, &ResponseViewFlags::CrossoverView},
    {"GAINBox", "GAIN", &TFinalResponseForm::GAINBoxClick, &ResponseViewFlags::GainView},
    {"DelayBox", "Delay", &TFinalResponseForm::DelayBoxClick, &ResponseViewFlags::DelayView},
}};

} // namespace

FinalResponseWindow::FinalResponseWindow(Program& program, QWidget* owner)
    : ModelWindow(program.FinalResponse(), program.FinalResponse().Changed(), owner),
      program_(program) {
    setObjectName("FinalResponseForm");
    setWindowTitle(ToQString(TFinalResponseForm::Caption));
    ApplyRackWindowPalette(this);

    auto* layout = new QVBoxLayout(this);
    graph_ = new TxyGraph(this);
    graph_->setObjectName("FinalResponseGraph");
    connect(graph_, &TxyGraph::MouseMoved, this,
            [this](const GraphPointer& pointer, Qt::MouseButtons) {
                model_.MouseMove(pointer.X, pointer.Y);
            });
    connect(graph_, &TxyGraph::MouseLeft, this, [this] { model_.MouseMove(0.0, 0.0); });
    layout->addWidget(graph_, 1);
    layout->addWidget(BuildCurveRow());
    layout->addWidget(BuildStageRow());
    Refresh();
}

QWidget* FinalResponseWindow::BuildCurveRow() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    AddCurveLamps(row, line, QStringLiteral("Via%1"), QString(), viaButtons_,
                  [this](int curve) { model_.ViaClick(curve); });
    line->addStretch(1);
    modeKeys_ = AddGraphModeKeys(
        row, line, "Mag", "Phase", [this] { model_.MagClick(); }, [this] { model_.PhaseClick(); });
    return row;
}

QWidget* FinalResponseWindow::BuildStageRow() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    for (std::size_t index = 0; index < StageBoxes.size(); ++index) {
        const StageBox& stage = StageBoxes[index];
        auto* box = new QCheckBox(stage.Caption, row);
        box->setObjectName(stage.Name);
        const auto click = stage.Click;
        connect(box, &QCheckBox::clicked, this, [this, click](bool on) { (model_.*click)(on); });
        line->addWidget(box);
        stages_[index] = box;
    }
    auto* add = new RoundedButton(AddCaption, row);
    add->setObjectName("AddB");
    add->setFocusPolicy(Qt::StrongFocus);
    connect(add, &RoundedButton::clicked, this, [this] { model_.AddClick(); });
    line->addWidget(add);
    auto* import = new RoundedButton(ImportCaption, row);
    import->setObjectName("ImportB");
    import->setFocusPolicy(Qt::StrongFocus);
    connect(import, &RoundedButton::clicked, this, [this] { model_.ImportBClick(); });
    line->addWidget(import);
    line->addStretch(1);
    info_ = AddPointerReadout(row, line);
    return row;
}

void FinalResponseWindow::Refresh() {
    for (std::size_t index = 0; index < viaButtons_.size(); ++index) {
        ShowText(viaButtons_[index], ToQString(model_.ViaLabel[index]));
        viaButtons_[index]->SetLit(model_.ViaVisible[index]);
    }
    modeKeys_.Show(model_.GraphMode == TFinalResponseForm::Mode::Magnitude);
    const ResponseViewFlags& views = program_.Doc().Config.ResponseView;
    for (std::size_t index = 0; index < stages_.size(); ++index) {
        ShowChecked(stages_[index], views.*StageBoxes[index].Flag);
    }
    ShowText(info_, ToQString(model_.InfoLabel));
    graph_->SetContent(FinalResponseGraph(model_));
    ApplyVisible(model_.Visible);
}

QSize FinalResponseWindow::GrabSize() const {
    return GrabSizeAtLeast(130, 32);
}

} // namespace quorvex
