#include "app/loudness_form.h"

#include "app/document.h"
#include "app/editor_host.h"
#include "app/field_format.h"
#include "app/processor_connection.h"
#include "app/real_time_writes.h"
#include "app/xover_form.h"
#include "config/rounding.h"
#include "engine/tsos.h"

#include <algorithm>
#include <span>

namespace quorvex {

namespace {

constexpr double GainSliderZero = 120.0;
constexpr double GainScale = 10.0;
constexpr double MinimumGain = 0.0;
constexpr double MaximumGain = 12.0;
constexpr double HighPassQPerDb = 1.0 / 3.8;
constexpr double HighPassQBase = 0.707;

} // namespace

TLoudnessForm::TLoudnessForm(Document& doc, const ProcessorConnection& processor,
                             RealTimeWrites& writes, EditorHost& host, TXOVERForm& xover)
    : doc_(doc), processor_(processor), writes_(writes), host_(host), xover_(xover) {
    FrecSlider.OnChange([this] { FrecSliderChange(); });
    FilterGainSlider.OnChange([this] { FilterGainSliderChange(); });
    Reset();
}

void TLoudnessForm::Reset() {
    HandlerScope scope(changed_);
    for (TSOS& section : doc_.Engine.Reinforcement) {
        section = TSOS{};
        section.FilterType = ParametricCode;
        section.Q = ParametricQ;
        section.Frequency = DefaultFrequency;
        section.DspAddress = ReinforcementAddress;
    }
    ParamLEDLit = true;
    HighLEDLit = false;
    FrecEdit = FormatFixed(DefaultFrequency, 0);
    // The gain handling at the slider's top designs both subs as flat parametric filters.
    for (const int sub : {2, 1}) {
        Sub = sub;
        FilterGainSlider.SetPosition(GainSliderMaximum);
    }
    SubLabel = std::to_string(Sub);
    FrecSlider.SetPosition(RoundHalfEven(HighestFrequency - DefaultFrequency));
}

void TLoudnessForm::Activate() {
    HandlerScope scope(changed_);
    RealTimePictureOn = processor_.RealTime;
    LoadSliders();
}

void TLoudnessForm::SelectSub(int sub) {
    HandlerScope scope(changed_);
    Sub = std::clamp(sub, 1, 2);
    SubLabel = std::to_string(Sub);
    LoadSliders();
}

void TLoudnessForm::LoadSliders() {
    const TSOS& section = Section();
    HighLEDLit = section.FilterType == HighPassCode;
    ParamLEDLit = !HighLEDLit;
    FrecSlider.SetPosition(RoundHalfEven(HighestFrequency - section.Frequency));
    FilterGainSlider.SetPosition(RoundHalfEven(GainSliderZero - GainScale * section.Gain));
}

void TLoudnessForm::FrecSliderMove(int position) {
    HandlerScope scope(changed_);
    FrecSlider.SetPosition(position);
}

void TLoudnessForm::FilterGainSliderMove(int position) {
    HandlerScope scope(changed_);
    FilterGainSlider.SetPosition(position);
}

void TLoudnessForm::ParamLEDClick() {
    HandlerScope scope(changed_);
    for (TSOS& section : doc_.Engine.Reinforcement) {
        section.Q = ParametricQ;
    }
    Section().FilterType = ParametricCode;
    ParamLEDLit = true;
    HighLEDLit = false;
    FilterGainSliderChange();
    FrecSliderChange();
    DibujaLoudness();
}

void TLoudnessForm::HighLEDClick() {
    HandlerScope scope(changed_);
    Section().FilterType = HighPassCode;
    ParamLEDLit = false;
    HighLEDLit = true;
    FilterGainSliderChange();
    FrecSliderChange();
    DibujaLoudness();
}

void TLoudnessForm::ShowRealTimePicture() {
    HandlerScope scope(changed_);
    RealTimePictureOn = processor_.RealTime;
}

void TLoudnessForm::RealTimeBClick() {
    HandlerScope scope(changed_);
    host_.RealTimeBClick();
    RealTimePictureOn = processor_.RealTime;
}

void TLoudnessForm::FrecSliderChange() {
    const int hz = HighestFrequency - FrecSlider.Position();
    FrecEdit = std::to_string(hz);
    Section().Frequency = hz;
    DesignSelected();
    SendSelected();
    DibujaLoudness();
}

void TLoudnessForm::FilterGainSliderChange() {
    const double db = std::clamp((GainSliderZero - FilterGainSlider.Position()) / GainScale,
                                 MinimumGain, MaximumGain);
    FilterGainEdit = FormatFixed(db, 1);
    TSOS& section = Section();
    section.Gain = db;
    if (section.FilterType == ParametricCode) {
        section.Q = ParametricQ;
    } else if (section.FilterType == HighPassCode) {
        section.Q = section.Gain * HighPassQPerDb + HighPassQBase;
    }
    DesignSelected();
    SendSelected();
    DibujaLoudness();
}

void TLoudnessForm::DesignSelected() {
    TSOS& section = Section();
    if (section.FilterType == ParametricCode) {
        section.DesignParametric();
    } else if (section.FilterType == HighPassCode) {
        section.DesignHighPassQ();
    }
}

void TLoudnessForm::SendSelected() {
    // SUB1 runs on DSP 1 and SUB2 on DSP 2.
    writes_.WriteSection(Sub, ReinforcementAddress, Section());
}

void TLoudnessForm::DibujaLoudness() {
    HandlerScope scope(changed_);
    for (std::size_t k = 0; k < doc_.Engine.Reinforcement.size(); ++k) {
        AddResponse(std::span<const TSOS>(&doc_.Engine.Reinforcement[k], 1), 1,
                    doc_.ReinforcementResponse[k]);
    }
    xover_.UpdateEdge(CrossoverEdge::Upper);
}

TSOS& TLoudnessForm::Section() {
    return doc_.Engine.Reinforcement.at(static_cast<std::size_t>(Sub - 1));
}

} // namespace quorvex
