#include "app/speaker_form.h"

#include "app/document.h"
#include "app/dynamic_form.h"
#include "app/field_format.h"
#include "config/dynamics_setting.h"
#include "config/rounding.h"
#include "engine/speaker_choices.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

constexpr int FineBoxPowerBelow = 25;
constexpr int CoarsePowerFrom = 1000;
constexpr int FineStep = 1;
constexpr int MediumStep = 25;
constexpr int CoarseStep = 100;
constexpr int SignificantDigits = 4;
constexpr int LastSpeakerCountItem = 3;

/// One step of a spin whose step depends on the value: up with the step of the value, down
/// with the step of the value just below, so that stepping down retraces stepping up.
int Stepped(int value, bool up, int (*stepAt)(int), int minimum, int maximum) {
    const int next = up ? value + stepAt(value) : value - stepAt(value - 1);
    return std::clamp(next, minimum, maximum);
}

} // namespace

int BoxPowerStep(int watts) {
    if (watts < FineBoxPowerBelow) {
        return FineStep;
    }
    return watts < CoarsePowerFrom ? MediumStep : CoarseStep;
}

int AmpPowerStep(int watts) {
    return watts < CoarsePowerFrom ? MediumStep : CoarseStep;
}

std::string AmpGainDbText(double gain) {
    const double db = 20.0 * std::log10(gain);
    const double magnitude = std::abs(db);
    const int wholeDigits =
        magnitude >= 1.0 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 1;
    const int decimals = std::max(0, SignificantDigits - wholeDigits);
    return FormatFixed(db, decimals) + std::string(TSpeakerForm::GainUnit);
}

TSpeakerForm::TSpeakerForm(Document& doc, TDynamicform& dynamics) : doc_(doc), dynamics_(dynamics) {
    LoadControls();
}

void TSpeakerForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    Activate();
}

void TSpeakerForm::Activate() {
    HandlerScope scope(changed_);
    Button = 2 * dynamics_.Block - 1;
    LoadControls();
}

void TSpeakerForm::OutputButtonClick(int button) {
    HandlerScope scope(changed_);
    Button = std::clamp(button, 1, static_cast<int>(ButtonNames.size()));
    dynamics_.SelectBlock(BlockOfSpeakerButton(Button));
    LoadControls();
    SpeakerDataEdited();
}

void TSpeakerForm::LoadControls() {
    const DynamicsSetting& setting = Setting();
    ImpedanceItem = ImpedanceItemOf(setting.LoadImpedance).value_or(-1);
    PowerMaxLoadSpin = RoundHalfEven(setting.SpeakerMaxPower);
    PowerAmpMaxSpin = RoundHalfEven(setting.AmpMaxPower);
    AmpGainSpin = RoundHalfEven(setting.AmpGain);
    ShowGainDb();
    BalanceadoLit = setting.Balanced == 1;
    NumberSpeakersItem = setting.SpeakerCountIndex;
    OutputName = doc_.Config.OutputNames.at(static_cast<std::size_t>(Button - 1));
}

void TSpeakerForm::ShowGainDb() {
    AmpGainDbLabel = AmpGainDbText(Setting().AmpGain);
}

void TSpeakerForm::ZloadChange(int item) {
    HandlerScope scope(changed_);
    const std::optional<float> ohms = ImpedanceOfItem(item);
    if (!ohms) {
        return;
    }
    ImpedanceItem = item;
    Setting().LoadImpedance = *ohms;
    SpeakerDataEdited();
}

void TSpeakerForm::PowerMaxLoadChange(int watts) {
    HandlerScope scope(changed_);
    if (watts < MinimumBoxPower || watts > MaximumBoxPower) {
        return;
    }
    PowerMaxLoadSpin = watts;
    Setting().SpeakerMaxPower = static_cast<float>(watts);
    SpeakerDataEdited();
}

void TSpeakerForm::PowerMaxLoadStep(bool up) {
    HandlerScope scope(changed_);
    PowerMaxLoadChange(
        Stepped(PowerMaxLoadSpin, up, &BoxPowerStep, MinimumBoxPower, MaximumBoxPower));
}

void TSpeakerForm::PowerAmpMaxChange(int watts) {
    HandlerScope scope(changed_);
    if (watts < MinimumAmpPower || watts > MaximumAmpPower) {
        return;
    }
    PowerAmpMaxSpin = watts;
    Setting().AmpMaxPower = static_cast<float>(watts);
    SpeakerDataEdited();
}

void TSpeakerForm::PowerAmpMaxStep(bool up) {
    HandlerScope scope(changed_);
    PowerAmpMaxChange(
        Stepped(PowerAmpMaxSpin, up, &AmpPowerStep, MinimumAmpPower, MaximumAmpPower));
}

void TSpeakerForm::AmpGainChange(int gain) {
    HandlerScope scope(changed_);
    if (gain < MinimumAmpGain || gain > MaximumAmpGain) {
        return;
    }
    AmpGainSpin = gain;
    Setting().AmpGain = static_cast<float>(gain);
    ShowGainDb();
    SpeakerDataEdited();
}

void TSpeakerForm::AmpGainStep(bool up) {
    HandlerScope scope(changed_);
    AmpGainChange(std::clamp(AmpGainSpin + (up ? 1 : -1), MinimumAmpGain, MaximumAmpGain));
}

void TSpeakerForm::BalanceadoClick() {
    HandlerScope scope(changed_);
    BalanceadoLit = !BalanceadoLit;
    Setting().Balanced = BalanceadoLit ? 1 : 0;
    dynamics_.CurveChanged();
    SpeakerDataEdited();
}

void TSpeakerForm::NumberSpeakersChange(int item) {
    HandlerScope scope(changed_);
    if (item < 0 || item > LastSpeakerCountItem) {
        return;
    }
    NumberSpeakersItem = item;
    Setting().SpeakerCountIndex = item;
    SpeakerDataEdited();
}

void TSpeakerForm::SpeakerDataEdited() {
    dynamics_.SpeakerDataChanged();
}

DynamicsSetting& TSpeakerForm::Setting() {
    return doc_.Config.Block(dynamics_.Block);
}

} // namespace quorvex
