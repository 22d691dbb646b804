#include "app/final_response_form.h"

#include "app/document.h"
#include "app/plot_readout.h"
#include "engine/combined_response.h"
#include "engine/fixed_sub_low_pass.h"
#include "engine/response_grid.h"

namespace quorvex {

namespace {

constexpr double LowestFrequencyHz = 20.0;
constexpr double HighestFrequencyHz = 20000.0;

std::size_t Index(int curve) {
    return static_cast<std::size_t>(curve - 1);
}

} // namespace

TFinalResponseForm::TFinalResponseForm(Document& doc) : doc_(doc) {
    ViaLabel.back() = SumLabel;
    for (int output = 1; output <= OutputCount; ++output) {
        ViaLabel[Index(output)] = doc_.Config.OutputNames[Index(output)];
    }
}

void TFinalResponseForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    Activate();
}

void TFinalResponseForm::Activate() {
    HandlerScope scope(changed_);
    const Configuration& config = doc_.Config;
    ReadLookAhead();
    for (int output = 1; output <= OutputCount; ++output) {
        ViaLabel[Index(output)] = config.OutputNames[Index(output)];
    }
    DibujaFinalResponse();
}

void TFinalResponseForm::LookAheadChanged() {
    HandlerScope scope(changed_);
    if (!Visible) {
        return;
    }
    ReadLookAhead();
    DibujaFinalResponse();
}

void TFinalResponseForm::FollowStage(ChangeSignal& stageChanged) {
    stageChanged.Listen([this] { DibujaFinalResponse(); });
}

void TFinalResponseForm::FollowLookAhead(ChangeSignal& lookAheadChanged) {
    lookAheadChanged.Listen([this] { LookAheadChanged(); });
}

void TFinalResponseForm::ReadLookAhead() {
    const Configuration& config = doc_.Config;
    LookAhead = {config.Block(1).LookAheadSamples, config.Block(2).LookAheadSamples};
}

void TFinalResponseForm::DibujaFinalResponse() {
    HandlerScope scope(changed_);
    CombinedResponseInputs inputs;
    TakeOutputSettings(doc_.Config, inputs);
    for (int output = 1; output <= OutputCount; ++output) {
        OutputResponseInputs& stage = inputs.Outputs[Index(output)];
        stage.Equaliser = &doc_.EqualiserResponse[Index(output)];
        stage.Crossover = &doc_.CrossoverResponse[Index(output)];
        stage.Speaker = &doc_.SpeakerResponse[Index(output)];
        // The window uses the look-ahead it read when it was last activated.
        const int block = DynamicsBlockOf(output);
        stage.LookAheadSamples = block <= 2 ? LookAhead[static_cast<std::size_t>(block - 1)] : 0;
    }
    inputs.SubLowPass = &FixedSubLowPassResponse();
    inputs.View = doc_.Config.ResponseView;
    inputs.Mode = GraphMode == Mode::Magnitude ? ResponseMode::Magnitude : ResponseMode::Phase;
    inputs.SampleRate = doc_.Config.SampleRate;
    Curves = ComputeCombinedResponse(inputs);
}

void TFinalResponseForm::ViaClick(int curve) {
    HandlerScope scope(changed_);
    ViaVisible.at(Index(curve)) = !ViaVisible[Index(curve)];
    DibujaFinalResponse();
}

void TFinalResponseForm::SetMode(Mode mode) {
    GraphMode = mode;
    const bool magnitude = mode == Mode::Magnitude;
    YAxisTitle = magnitude ? "dB" : "Phase";
    YMinimum = magnitude ? -20.0 : -180.0;
    YMaximum = magnitude ? 20.0 : 180.0;
    DibujaFinalResponse();
}

void TFinalResponseForm::MagClick() {
    HandlerScope scope(changed_);
    SetMode(Mode::Magnitude);
}

void TFinalResponseForm::PhaseClick() {
    HandlerScope scope(changed_);
    SetMode(Mode::Phase);
}

void TFinalResponseForm::SpkDataClick(bool checked) {
    HandlerScope scope(changed_);
    doc_.Config.ResponseView.SpeakerDataView = checked;
    DibujaFinalResponse();
}

void TFinalResponseForm::PEQBoxClick(bool checked) {
    HandlerScope scope(changed_);
    doc_.Config.ResponseView.PeqView = checked;
    DibujaFinalResponse();
}

void TFinalResponseForm::XOVERBoxClick(bool checked) {
    HandlerScope scope(changed_);
    doc_.Config.ResponseView.CrossoverView = checked;
    DibujaFinalResponse();
}

void TFinalResponseForm::GAINBoxClick(bool checked) {
    HandlerScope scope(changed_);
    doc_.Config.ResponseView.GainView = checked;
    DibujaFinalResponse();
}

void TFinalResponseForm::DelayBoxClick(bool checked) {
    HandlerScope scope(changed_);
    doc_.Config.ResponseView.DelayView = checked;
    DibujaFinalResponse();
}

void TFinalResponseForm::ImportBClick() {
    HandlerScope scope(changed_);
    importWindowAsked_.Mark();
}

void TFinalResponseForm::MouseMove(double frequencyHz, double value) {
    HandlerScope scope(changed_);
    if (frequencyHz < LowestFrequencyHz || frequencyHz > HighestFrequencyHz || value < YMinimum ||
        value > YMaximum) {
        InfoLabel.clear();
        return;
    }
    InfoLabel = PlotReadout(frequencyHz, value, GraphMode == Mode::Magnitude);
}

} // namespace quorvex
