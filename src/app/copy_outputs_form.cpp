#include "app/copy_outputs_form.h"

#include "app/delay_fino_form.h"
#include "app/dialogs.h"
#include "app/dynamic_form.h"
#include "app/edit_history.h"
#include "app/gains_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/program.h"
#include "app/xover_form.h"
#include "config/route.h"
#include "engine/stage_responses.h"

#include <algorithm>

namespace quorvex {

namespace {

std::size_t Index(int output) {
    return static_cast<std::size_t>(output - 1);
}

void CopySection(const TXOVERPB& from, TXOVERPB& to) {
    to.Family = from.Family;
    to.Frequency = from.Frequency;
    to.SectionCount = from.SectionCount;
    to.Order = from.Order;
}

/// The dynamics fields a copy carries; make-up gain, decimation, XdBmaxLimit, the number
/// of speakers and the noise gate stay with the target's processor.
void CopyDynamicsFields(const DynamicsSetting& from, DynamicsSetting& to) {
    to.ThresholdDb = from.ThresholdDb;
    to.Ratio = from.Ratio;
    to.KneeDb = from.KneeDb;
    to.CompressorMode = from.CompressorMode;
    to.Bypass = from.Bypass;
    to.RmsCoefficient = from.RmsCoefficient;
    to.LookAheadSamples = from.LookAheadSamples;
    to.HoldSamples = from.HoldSamples;
    to.DecaySteps = from.DecaySteps;
    to.AmpGain = from.AmpGain;
    to.LoadImpedance = from.LoadImpedance;
    to.SpeakerMaxPower = from.SpeakerMaxPower;
    to.AmpMaxPower = from.AmpMaxPower;
    to.Balanced = from.Balanced;
}

} // namespace

TCopyOutputsForm::TCopyOutputsForm(Program& program) : program_(program) {}

std::string TCopyOutputsForm::QuestionText(int source, int target) {
    return "Do you want to copy data from Output " + std::to_string(source) + " to Output " +
           std::to_string(target) + " ?";
}

void TCopyOutputsForm::OutRBClick() {
    HandlerScope scope(changed_);
    OutRB = true;
    SubRB = false;
    OrigenSpin = 1;
    CopiaSpin = 2;
}

void TCopyOutputsForm::SubRBClick() {
    HandlerScope scope(changed_);
    OutRB = false;
    SubRB = true;
    OrigenSpin = 5;
    CopiaSpin = 6;
}

void TCopyOutputsForm::SetOrigen(int output) {
    HandlerScope scope(changed_);
    OrigenSpin = std::clamp(output, Lowest(), Highest());
}

void TCopyOutputsForm::SetCopia(int output) {
    HandlerScope scope(changed_);
    CopiaSpin = std::clamp(output, Lowest(), Highest());
}

void TCopyOutputsForm::CheckClick(bool TCopyOutputsForm::*box, bool checked) {
    HandlerScope scope(changed_);
    this->*box = checked;
}

void TCopyOutputsForm::CopyAllClick(bool checked) {
    HandlerScope scope(changed_);
    CopyAll = checked;
    if (checked) {
        XoverCheck = PEQXCheck = OutDelayCheck = OutGainCheck = NamesCheck = DynamicCheck =
            RouteCheck = true;
    }
}

void TCopyOutputsForm::OK_BitBtnClick() {
    HandlerScope scope(changed_);
    // Every group copied is one step: one undo takes the whole copy back.
    const HistoryStep step(program_.History(), "Copy outputs");
    CopyOutput(OrigenSpin, CopiaSpin);
    Close();
}

void TCopyOutputsForm::CopyOutput(int source, int target) {
    HandlerScope scope(changed_);
    if (source == target) {
        return;
    }
    program_.Processor().RealTime = false;
    program_.Main().ShowRealTimePicture();
    const MessageAnswer answer = program_.Services().DialogBoxes.ShowMessage(
        MessageKind::Confirmation, MessageButtons::YesNo, QuestionText(source, target));
    if (answer != MessageAnswer::Yes) {
        return;
    }
    if (RouteCheck) {
        CopyRoute(source, target);
    }
    if (XoverCheck) {
        CopyCrossover(source, target);
    }
    if (PEQXCheck) {
        CopyEqualiser(source, target);
    }
    if (OutDelayCheck) {
        CopyDelay(source, target);
    }
    if (OutGainCheck) {
        CopyGain(source, target);
    }
    if (NamesCheck) {
        CopyName(source, target);
    }
    if (DynamicCheck) {
        CopyDynamics(source, target);
    }
}

void TCopyOutputsForm::CopyRoute(int source, int target) {
    Configuration& config = program_.Doc().Config;
    config.Route.at(Index(target)) = config.Route.at(Index(source)) - 1;
    CycleRoute(config, target);
    program_.Main().ShowRoute(target);
}

void TCopyOutputsForm::CopyCrossover(int source, int target) {
    Configuration& config = program_.Doc().Config;
    config.Output(target).Crossover = config.Output(source).Crossover;
    EngineObjects& engine = program_.Doc().Engine;
    CopySection(engine.Crossover(source).HighPass, engine.Crossover(target).HighPass);
    CopySection(engine.Crossover(source).LowPass, engine.Crossover(target).LowPass);
    program_.Xover().ApplyPendingParameters();
    program_.Xover().SelectOutput(target);
}

void TCopyOutputsForm::CopyEqualiser(int source, int target) {
    Configuration& config = program_.Doc().Config;
    EngineObjects& engine = program_.Doc().Engine;
    program_.Peq().SelectOutput(source);
    program_.Peq().SelectOutput(target);
    for (int band = 1; band <= BandCountOf(target); ++band) {
        const PeqBand& from = config.Output(source).Band(band);
        config.Output(target).Band(band) = from;
        TSOS& section = engine.Band(target, band);
        static_cast<PeqBand&>(section) = from;
        section.Design();
        config.Output(target).Band(band) = section; // a design may settle its own code or gain
        program_.Peq().SelectBand(band);
    }
    const auto& sections = engine.Bands.at(Index(target));
    EqualiserResponse({sections.data(), static_cast<std::size_t>(BandCountOf(target))},
                      config.Output(target).BandsInUse,
                      program_.Doc().EqualiserResponse.at(Index(target)));
    program_.Peq().Redraw();
    config.Output(target).SpeakerFile = config.Output(source).SpeakerFile;
    program_.Main().ReimportSpeakerData();
}

void TCopyOutputsForm::CopyDelay(int source, int target) {
    TDelayFinoForm& delay = program_.Delay();
    delay.SetPosition(target, delay.Position.at(Index(source)));
    DelaySetting& to = program_.Doc().Config.Output(target).Delay;
    to.RelativeDistanceSamples = program_.Doc().Config.Output(source).Delay.RelativeDistanceSamples;
    delay.DistanceText.at(Index(target)) = delay.DistanceText.at(Index(source));
}

void TCopyOutputsForm::CopyGain(int source, int target) {
    TGainsForm& gains = program_.Gains();
    gains.SetPosition(target, gains.Position.at(Index(source)));
    gains.RealignSliders();
    gains.MuteLamp.at(Index(target)) = gains.MuteLamp.at(Index(source));
    gains.InvLamp.at(Index(target)) = gains.InvLamp.at(Index(source));
    // The target plays what its lamps now show: factors, sub feeds and the main window's
    // mute labels and name field follow them.
    gains.ApplyLamps(target);
}

void TCopyOutputsForm::CopyName(int source, int target) {
    program_.Main().OutputNameChange(target, program_.Doc().Config.OutputNames.at(Index(source)));
}

void TCopyOutputsForm::CopyDynamics(int source, int target) {
    const int from = DynamicsBlockOf(source);
    const int to = DynamicsBlockOf(target);
    if (from == to) {
        return;
    }
    Configuration& config = program_.Doc().Config;
    EngineObjects& engine = program_.Doc().Engine;
    CopyDynamicsFields(config.Block(from), config.Block(to));
    CopyDynamicsFields(engine.Block(from).Settings(), engine.Block(to).Settings());
    for (const int block : {2, 3, 1}) {
        program_.Dynamics().SelectBlock(block);
    }
}

} // namespace quorvex
