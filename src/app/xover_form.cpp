#include "app/xover_form.h"

#include "app/dialogs.h"
#include "app/document.h"
#include "app/editor_fields.h"
#include "app/editor_host.h"
#include "app/field_format.h"
#include "app/plot_readout.h"
#include "app/real_time_writes.h"
#include "config/crossover_setting.h"
#include "config/new_configuration.h"
#include "config/rounding.h"
#include "engine/fixed_sub_low_pass.h"
#include "engine/stage_responses.h"
#include "engine/wrapped_degrees.h"
#include "image/dsp_address.h"

#include <algorithm>

namespace quorvex {

namespace {

constexpr int LowestOrder = 2;
constexpr int HighestOrder = 4;
constexpr int YStep = 5;
constexpr int YMaxTop = 40;
constexpr int YMaxBottom = 0;
constexpr int YMinTop = -10;
constexpr int YMinBottom = -140;
constexpr double MagnitudeBottom = -20.0;
constexpr double MagnitudeTop = 15.0;
constexpr double PhaseLimit = 180.0;
constexpr int HighestFamilyPosition = 3;
constexpr int SectionsSent = 2; ///< the processor has two section places per edge

/// First addresses of the two sections of each edge, by output position in its DSP.
struct EdgeAddresses {
    int LowPass;
    int HighPass;
};

EdgeAddresses AddressesOf(int output) {
    const int position = PositionInDspOf(output);
    return {CrossoverFilterWord(position, true), CrossoverFilterWord(position, false)};
}

void AssignEdgeAddresses(TXOVERPB& filter, int first) {
    for (int k = 0; k < SectionsSent; ++k) {
        filter.Sections[static_cast<std::size_t>(k)].DspAddress = first + SectionWordCount * k;
    }
}

/// List position of a family code on an edge; NoFamilyEntry for codes the list does not hold
/// (the per-section Q families, or a code of the other edge).
int FamilyPosition(std::uint8_t family, CrossoverEdge edge) {
    if (family == 0) {
        return 0;
    }
    const bool highPassCode = family % 2 == 0;
    if (family > 6 || highPassCode != (edge == CrossoverEdge::Lower)) {
        return TXOVERForm::NoFamilyEntry;
    }
    return (family + 1) / 2;
}

std::string SummaryText(const CrossoverSection& section, std::uint8_t customFamily) {
    if (section.Family == customFamily) {
        return std::string(TXOVERForm::SummaryCustom);
    }
    if (section.Family == 0) {
        return std::string(TXOVERForm::SummaryBypassed);
    }
    return FormatFixed(section.Frequency, 0);
}

} // namespace

TXOVERForm::TXOVERForm(Document& doc, Dialogs& dialogs, RealTimeWrites& writes, EditorHost& host)
    : doc_(doc), dialogs_(dialogs), writes_(writes), host_(host) {
    ResetCrossovers(doc_.Config);
    Reset();
}

void TXOVERForm::Reset() {
    HandlerScope scope(changed_);
    for (int output = 1; output <= OutputCount; ++output) {
        doc_.Engine.Crossover(output) = TXOVER{};
    }
    setAside_ = {};
    AssignAddresses();
    SelectOutput(1);
    for (int output = 1; output <= OutputCount; ++output) {
        SelectOutput(output);
    }
}

void TXOVERForm::AssignAddresses() {
    for (int output = 1; output <= OutputCount; ++output) {
        TXOVER& crossover = doc_.Engine.Crossover(output);
        const EdgeAddresses first = AddressesOf(output);
        AssignEdgeAddresses(crossover.LowPass, first.LowPass);
        AssignEdgeAddresses(crossover.HighPass, first.HighPass);
    }
}

void TXOVERForm::SelectOutput(int output) {
    HandlerScope scope(changed_);
    Output = std::clamp(output, 1, OutputCount);
    for (int o = 1; o <= OutputCount; ++o) {
        ModXoverLit[static_cast<std::size_t>(o - 1)] = o == Output;
    }
    PlotTitle = std::string(TitlePrefix) + std::to_string(Output) + std::string(TitleSuffix);
    PanelTitle = std::string(PanelTitlePrefix) + std::to_string(Output);
    FrontCurve = Output;
    LoadControls();
    UpdateEdge(CrossoverEdge::Lower);
    UpdateEdge(CrossoverEdge::Upper);
}

void TXOVERForm::LoadControls() {
    const CrossoverSetting& setting = doc_.Config.Output(Output).Crossover;
    const bool sub = IsSubOutput(Output);
    auto load = [](CrossoverEdgeControls& controls, const CrossoverSection& section,
                   CrossoverEdge edge) {
        controls.TipoXCombo = FamilyPosition(section.Family, edge);
        controls.OrdenSpin = section.Order <= LowestOrder ? LowestOrder : HighestOrder;
        controls.FrecSpin = std::clamp(RoundHalfEven(section.Frequency), MinimumFrequency,
                                       controls.FrecSpinMaximum);
        controls.FrecEdit = std::to_string(controls.FrecSpin);
    };
    Lower.FrecSpinMaximum = MaximumFrequency;
    Upper.FrecSpinMaximum = sub ? SubUpperMaximum : MaximumFrequency;
    load(Lower, setting.HighPass, CrossoverEdge::Lower);
    load(Upper, setting.LowPass, CrossoverEdge::Upper);
    Lower.Enabled = !sub;
    if (sub) {
        Lower.TipoXCombo = 0;
    }
    UpperFamilyNames = FamilyNames;
    if (sub) {
        UpperFamilyNames[0] = SubUpperFirstEntry;
    }
    OnlyLLit = setting.SoloHighPass;
    OnlyHLit = setting.SoloLowPass;
}

void TXOVERForm::UpdateEdge(CrossoverEdge edge) {
    HandlerScope scope(changed_);
    CrossoverSetting& setting = doc_.Config.Output(Output).Crossover;
    CrossoverEdgeControls& controls = Controls(edge);
    CrossoverSection& section = Setting(edge);

    // Keep the edges apart unless the other edge is switched off by a solo button. The upper
    // edge is taken as its control holds it: a sub's stops at 480 Hz, and a stored value above
    // that comes down only when the upper edge is updated, after this one.
    double hz = controls.FrecSpin;
    if (edge == CrossoverEdge::Lower) {
        const double upperHz =
            std::min(setting.LowPass.Frequency, static_cast<double>(Upper.FrecSpinMaximum));
        if (hz >= upperHz && !setting.SoloHighPass) {
            hz = upperHz;
        }
    } else if (hz <= setting.HighPass.Frequency && !setting.SoloLowPass) {
        hz = setting.HighPass.Frequency;
    }
    section.Frequency = hz;
    ShowFrequency(controls, hz);
    section.Order = controls.OrdenSpin;

    // On a sub the upper list's first entry names no family: the low pass in place keeps its
    // family. It is still designed at the new frequency and order, so that what is stored is
    // what the processor runs and the plot shows.
    const bool keepSubLowPass =
        IsSubOutput(Output) && edge == CrossoverEdge::Upper && controls.TipoXCombo == 0;
    if (!keepSubLowPass && controls.TipoXCombo != NoFamilyEntry) {
        section.Family = FamilyCodeOf(controls.TipoXCombo, edge == CrossoverEdge::Lower);
    }
    DesignEdge(edge);
    CrossoverResponse(doc_.Engine.Crossover(Output),
                      doc_.CrossoverResponse[static_cast<std::size_t>(Output - 1)]);
    Redraw();
    UpdateSummary();
    SendSections();
    responseChanged_.Mark();
}

void TXOVERForm::DesignEdge(CrossoverEdge edge) {
    CrossoverSection& section = Setting(edge);
    TXOVERPB& filter = Filter(edge);
    static_cast<CrossoverSection&>(filter) = section;
    constexpr std::uint8_t LastFamilyAtCrossoverFrequency = 6;
    if (section.Family <= LastFamilyAtCrossoverFrequency) {
        filter.Sections[0].Frequency = section.Frequency;
        filter.Sections[1].Frequency = section.Frequency;
    }
    CrossoverDesignResult result = filter.DesignCrossover();
    if (result.Outcome == CrossoverDesignOutcome::BesselLimited) {
        // The design has moved the filter to its maximum; it is designed there at once
        // rather than through the edge's update again, whose edge rule could lift it back
        // above the maximum for ever.
        dialogs_.ShowMessage(MessageKind::Information, MessageButtons::Ok, result.Message);
        ShowFrequency(Controls(edge), filter.Frequency);
        result = filter.DesignCrossover();
    }
    if (result.Outcome == CrossoverDesignOutcome::OrderRefused) {
        dialogs_.ShowMessage(MessageKind::Information, MessageButtons::Ok, result.Message);
    }
    section = filter; // the design may raise an odd order or lower a Bessel frequency
}

void TXOVERForm::ShowFrequency(CrossoverEdgeControls& controls, double hz) {
    controls.FrecSpin = RoundHalfEven(hz);
    controls.FrecEdit = std::to_string(controls.FrecSpin);
}

void TXOVERForm::SendSections() {
    const TXOVER& crossover = doc_.Engine.Crossover(Output);
    const int dsp = DspOf(Output);
    auto send = [&](const TXOVERPB& filter) {
        for (int k = 0; k < SectionsSent; ++k) {
            const TSOS& section = filter.Sections[static_cast<std::size_t>(k)];
            if (!writes_.WriteSection(dsp, section.DspAddress, section)) {
                return false;
            }
        }
        return true;
    };
    // The subs' high-pass sections share the low pass's addresses and are never sent.
    if (send(crossover.LowPass) && !IsSubOutput(Output)) {
        send(crossover.HighPass);
    }
}

void TXOVERForm::UpdateSummary() {
    constexpr std::uint8_t CustomHighPass = 8;
    constexpr std::uint8_t CustomLowPass = 7;
    const CrossoverSetting& setting = doc_.Config.Output(Output).Crossover;
    CrossoverSummary& summary = Summary[static_cast<std::size_t>(Output - 1)];
    summary.HighPass = SummaryText(setting.HighPass, CustomHighPass);
    summary.LowPass = SummaryText(setting.LowPass, CustomLowPass);
}

void TXOVERForm::ApplyPendingParameters() {
    HandlerScope scope(changed_);
    for (const CrossoverEdge edge : {CrossoverEdge::Lower, CrossoverEdge::Upper}) {
        const CrossoverEdgeControls& controls = Controls(edge);
        if (controls.Enabled && controls.FrecEdit != std::to_string(controls.FrecSpin)) {
            FrecEditExit(edge, std::string(controls.FrecEdit));
        }
    }
}

void TXOVERForm::TipoXComboChange(CrossoverEdge edge, int position) {
    HandlerScope scope(changed_);
    CrossoverEdgeControls& controls = Controls(edge);
    if (!controls.Enabled) {
        return;
    }
    controls.TipoXCombo = std::clamp(position, 0, HighestFamilyPosition);
    UpdateEdge(edge);
}

void TXOVERForm::OrdenSpinChange(CrossoverEdge edge, int order) {
    HandlerScope scope(changed_);
    CrossoverEdgeControls& controls = Controls(edge);
    if (!controls.Enabled) {
        return;
    }
    controls.OrdenSpin = order <= LowestOrder ? LowestOrder : HighestOrder;
    UpdateEdge(edge);
}

void TXOVERForm::FrecSpinChange(CrossoverEdge edge, int hz) {
    HandlerScope scope(changed_);
    CrossoverEdgeControls& controls = Controls(edge);
    if (!controls.Enabled) {
        return;
    }
    ShowFrequency(controls, std::clamp(hz, MinimumFrequency, controls.FrecSpinMaximum));
    UpdateEdge(edge);
}

void TXOVERForm::FrecEditExit(CrossoverEdge edge, std::string_view text) {
    HandlerScope scope(changed_);
    const CrossoverEdgeControls& controls = Controls(edge);
    const double hz = ReadLimitedField(text, MinimumFrequency, controls.FrecSpinMaximum);
    FrecSpinChange(edge, RoundHalfEven(hz));
}

void TXOVERForm::FrecStep(CrossoverEdge edge, bool up) {
    HandlerScope scope(changed_);
    // The step starts from what the field holds, also a value typed but not yet confirmed.
    const CrossoverEdgeControls& controls = Controls(edge);
    const double hz =
        ReadLimitedField(controls.FrecEdit, MinimumFrequency, controls.FrecSpinMaximum);
    FrecSpinChange(edge, RoundHalfEven(hz) + (up ? 1 : -1));
}

void TXOVERForm::FrecEditChange(CrossoverEdge edge, std::string_view text) {
    HandlerScope scope(changed_);
    Controls(edge).FrecEdit = std::string(text);
}

void TXOVERForm::OnlyLClick() {
    HandlerScope scope(changed_);
    SetSolo(CrossoverEdge::Lower);
}

void TXOVERForm::OnlyHClick() {
    HandlerScope scope(changed_);
    SetSolo(CrossoverEdge::Upper);
}

void TXOVERForm::SetSolo(CrossoverEdge kept) {
    CrossoverSetting& setting = doc_.Config.Output(Output).Crossover;
    const bool lower = kept == CrossoverEdge::Lower;
    bool& flag = lower ? setting.SoloHighPass : setting.SoloLowPass;
    if (flag) {
        RestoreSetAside();
    } else {
        // The other solo is undone first, so that its edge gets its family back.
        RestoreSetAside();
        CrossoverSection& silenced = lower ? setting.LowPass : setting.HighPass;
        setAside_[static_cast<std::size_t>(Output - 1)] = silenced.Family;
        silenced.Family = 0;
        flag = true;
    }
    LoadControls();
    UpdateEdge(CrossoverEdge::Lower);
    UpdateEdge(CrossoverEdge::Upper);
}

void TXOVERForm::RestoreSetAside() {
    CrossoverSetting& setting = doc_.Config.Output(Output).Crossover;
    std::optional<std::uint8_t>& family = setAside_[static_cast<std::size_t>(Output - 1)];
    if (family) {
        if (setting.SoloHighPass) {
            setting.LowPass.Family = *family;
        } else if (setting.SoloLowPass) {
            setting.HighPass.Family = *family;
        }
    }
    family.reset();
    setting.SoloHighPass = false;
    setting.SoloLowPass = false;
}

void TXOVERForm::VerXoverClick(int output) {
    HandlerScope scope(changed_);
    if (output < 1 || output > OutputCount) {
        return;
    }
    bool& checked = VerXoverChecked[static_cast<std::size_t>(output - 1)];
    checked = !checked;
}

void TXOVERForm::MagnClick() {
    HandlerScope scope(changed_);
    GraphMode = Mode::Magnitude;
    YAxisTitle = MagnitudeAxisTitle;
    YMinimum = MagnitudeBottom;
    YMaximum = MagnitudeTop;
    Redraw();
}

void TXOVERForm::PhasClick() {
    HandlerScope scope(changed_);
    GraphMode = Mode::Phase;
    YAxisTitle = PhaseAxisTitle;
    YMinimum = -PhaseLimit;
    YMaximum = PhaseLimit;
    Redraw();
}

void TXOVERForm::YMaxUpDownClick(bool up) {
    HandlerScope scope(changed_);
    YMaxUpDown = std::clamp(YMaxUpDown + (up ? YStep : -YStep), YMaxBottom, YMaxTop);
    YMaximum = YMaxUpDown;
}

void TXOVERForm::YMinUpDownClick(bool up) {
    HandlerScope scope(changed_);
    YMinUpDown = std::clamp(YMinUpDown + (up ? YStep : -YStep), YMinBottom, YMinTop);
    YMinimum = YMinUpDown;
}

void TXOVERForm::RealTimeBClick() {
    HandlerScope scope(changed_);
    host_.RealTimeBClick();
}

void TXOVERForm::MouseMove(double frequencyHz, double value, bool inside) {
    HandlerScope scope(changed_);
    if (!inside) {
        InfoLabel.clear();
        return;
    }
    InfoLabel = PlotReadout(frequencyHz, value, GraphMode == Mode::Magnitude);
}

void TXOVERForm::Redraw() {
    HandlerScope scope(changed_);
    for (int output = 1; output <= OutputCount; ++output) {
        DrawCurve(output);
    }
}

void TXOVERForm::DrawCurve(int output) {
    const auto index = static_cast<std::size_t>(output - 1);
    const FrequencyResponse& crossover = doc_.CrossoverResponse[index];
    const FrequencyResponse* subLowPass = nullptr;
    const FrequencyResponse* reinforcement = nullptr;
    if (IsSubOutput(output)) {
        subLowPass = &FixedSubLowPassResponse();
        reinforcement = &doc_.ReinforcementResponse[static_cast<std::size_t>(output - 5)];
    }
    auto& curve = Curves[index];
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const bool magnitude = GraphMode == Mode::Magnitude;
        auto value = [&](const FrequencyResponse& r) {
            return static_cast<double>(magnitude ? r.Magnitude[i] : r.Phase[i]);
        };
        double sum = value(crossover);
        if (subLowPass != nullptr) {
            sum += value(*subLowPass) + value(*reinforcement);
        }
        curve[i] = static_cast<float>(magnitude ? sum : WrappedDegrees(sum));
    }
}

CrossoverEdgeControls& TXOVERForm::Controls(CrossoverEdge edge) {
    return edge == CrossoverEdge::Lower ? Lower : Upper;
}

CrossoverSection& TXOVERForm::Setting(CrossoverEdge edge) {
    CrossoverSetting& setting = doc_.Config.Output(Output).Crossover;
    return edge == CrossoverEdge::Lower ? setting.HighPass : setting.LowPass;
}

TXOVERPB& TXOVERForm::Filter(CrossoverEdge edge) {
    TXOVER& crossover = doc_.Engine.Crossover(Output);
    return edge == CrossoverEdge::Lower ? crossover.HighPass : crossover.LowPass;
}

} // namespace quorvex
