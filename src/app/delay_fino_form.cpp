#include "app/delay_fino_form.h"

#include "app/document.h"
#include "app/editor_host.h"
#include "app/field_format.h"
#include "app/processor_connection.h"
#include "app/real_time_writes.h"
#include "config/new_configuration.h"
#include "config/rounding.h"
#include "engine/delay_alignment.h"
#include "engine/delay_conversions.h"
#include "image/dsp_address.h"

#include <algorithm>

namespace quorvex {

namespace {

constexpr int MinimumCelsius = 0;
constexpr int MaximumCelsius = 50;
constexpr int MinimumFahrenheit = 32;
constexpr int MaximumFahrenheit = 122;
constexpr double DrawingPixels = 60.0; ///< line length of a full-scale distance difference

std::size_t Index(int output) {
    return static_cast<std::size_t>(output - 1);
}

} // namespace

TDelayFinoForm::TDelayFinoForm(Document& doc, const ProcessorConnection& processor,
                               RealTimeWrites& writes, EditorHost& host)
    : doc_(doc), processor_(processor), writes_(writes), host_(host) {
    ResetDelays(doc_.Config);
    Reset();
}

int TDelayFinoForm::TemperatureC() const {
    return doc_.Config.TemperatureC;
}

void TDelayFinoForm::SelectOutput(int output) {
    HandlerScope scope(changed_);
    CurrentOutput = output;
}

void TDelayFinoForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    Activate();
}

void TDelayFinoForm::Activate() {
    HandlerScope scope(changed_);
    ChannelLabel = doc_.Config.OutputNames;
    RealTimeLamp = processor_.RealTime;
}

void TDelayFinoForm::SetPosition(int output, int position) {
    HandlerScope scope(changed_);
    Position.at(Index(output)) = std::clamp(position, 0, SliderMaximum);
    DelTrackChange(output);
}

void TDelayFinoForm::DelTrackChange(int output) {
    HandlerScope scope(changed_);
    // The slider has one position more than there are delays; its last one stays at 0.
    const int samples = LimitDelaySamples(MaxDelaySamples - Position.at(Index(output)));
    doc_.Config.Output(output).Delay.DelaySamples = samples;
    ShowDelayOf(output);
    host_.ShowDelay(output, DelayMsFromSamples(samples));
    DrawLines();
    responseChanged_.Mark();
    SendDelay(output);
}

void TDelayFinoForm::ApplySamples(int output, int samples) {
    SetPosition(output, MaxDelaySamples - samples);
}

void TDelayFinoForm::MsEditEnter(int output, std::string_view text) {
    HandlerScope scope(changed_);
    const auto ms = ParseFieldValue(text);
    if (!ms || *ms < 0.0 || *ms > MaximumMs) {
        return;
    }
    ApplySamples(output, DelaySamplesFromMs(*ms));
}

void TDelayFinoForm::CmEditEnter(int output, std::string_view text) {
    HandlerScope scope(changed_);
    const auto cm = ParseFieldValue(text);
    if (!cm || *cm < 0.0 || *cm > MaximumCm) {
        return;
    }
    ApplySamples(output, SamplesFromDistanceCm(*cm, doc_.Config.TemperatureC));
}

void TDelayFinoForm::StepUp(int output) {
    HandlerScope scope(changed_);
    const int samples = doc_.Config.Output(output).Delay.DelaySamples;
    if (StepDelayUp(samples) != samples) {
        ApplySamples(output, StepDelayUp(samples));
    }
}

void TDelayFinoForm::StepDown(int output) {
    HandlerScope scope(changed_);
    const int samples = doc_.Config.Output(output).Delay.DelaySamples;
    if (StepDelayDown(samples) != samples) {
        ApplySamples(output, StepDelayDown(samples));
    }
}

void TDelayFinoForm::TemperatureCChange(int celsius) {
    HandlerScope scope(changed_);
    Configuration& config = doc_.Config;
    config.TemperatureC = std::clamp(celsius, MinimumCelsius, MaximumCelsius);
    TemperatureF = FahrenheitFromCelsius(config.TemperatureC);
    RefreshDisplays();
}

void TDelayFinoForm::TemperatureFChange(int fahrenheit) {
    HandlerScope scope(changed_);
    TemperatureF = std::clamp(fahrenheit, MinimumFahrenheit, MaximumFahrenheit);
    doc_.Config.TemperatureC =
        std::clamp(CelsiusFromFahrenheit(TemperatureF), MinimumCelsius, MaximumCelsius);
    RefreshDisplays();
}

void TDelayFinoForm::DistanceEnter(int output, std::string_view text) {
    HandlerScope scope(changed_);
    const auto cm = ParseFieldValue(text);
    if (!cm || *cm < 0.0 || *cm > MaximumCm) {
        return;
    }
    DistanceText.at(Index(output)) = FormatFixed(*cm, 1);
    EditDistance(output, DistanceEdit::Confirm);
}

void TDelayFinoForm::DistanceStepUp(int output) {
    HandlerScope scope(changed_);
    EditDistance(output, DistanceEdit::StepUp);
}

void TDelayFinoForm::DistanceStepDown(int output) {
    HandlerScope scope(changed_);
    EditDistance(output, DistanceEdit::StepDown);
}

void TDelayFinoForm::EditDistance(int output, DistanceEdit edit) {
    Configuration& config = doc_.Config;
    CmPerOutput fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = ParseFieldValue(DistanceText[i]).value_or(0.0);
    }
    const RelativeDistanceEditResult result =
        EditRelativeDistance(fields, output, edit, config.TemperatureC);
    for (int o = 1; o <= OutputCount; ++o) {
        config.Output(o).Delay.RelativeDistanceSamples = result.RelativeDistanceSamples[Index(o)];
    }
    DistanceText.at(Index(output)) = FormatFixed(result.EditedFieldCm, 1);
    RefreshDisplays();
}

void TDelayFinoForm::AutoAlignClick() {
    HandlerScope scope(changed_);
    const Configuration& config = doc_.Config;
    SamplesPerOutput distances{};
    for (int output = 1; output <= OutputCount; ++output) {
        distances[Index(output)] = config.Output(output).Delay.RelativeDistanceSamples;
    }
    const SamplesPerOutput delays = AutoAlign(distances, lookAhead_[0], lookAhead_[1]);
    for (int output = 1; output <= OutputCount; ++output) {
        ApplySamples(output, delays[Index(output)]);
    }
}

void TDelayFinoForm::RealTimeBClick() {
    HandlerScope scope(changed_);
    host_.RealTimeBClick();
    RealTimeLamp = processor_.RealTime;
}

void TDelayFinoForm::SetLookAhead(int block, int samples) {
    HandlerScope scope(changed_);
    if (block == 1 || block == 2) {
        const auto index = static_cast<std::size_t>(block - 1);
        lookAhead_[index] = samples;
        LookAheadText[index] = std::to_string(samples) + " samples (" +
                               FormatFixed(DelayMsFromSamples(samples), 2) + " ms)";
    }
}

void TDelayFinoForm::ReapplyDelay(int output) {
    HandlerScope scope(changed_);
    SetPosition(output, Position.at(Index(output)));
}

void TDelayFinoForm::ApplyStoredDelays() {
    HandlerScope scope(changed_);
    const Configuration& config = doc_.Config;
    SetLookAhead(1, config.Block(1).LookAheadSamples);
    SetLookAhead(2, config.Block(2).LookAheadSamples);
    for (int output = 1; output <= OutputCount; ++output) {
        SetPosition(output, MaxDelaySamples - config.Output(output).Delay.DelaySamples);
    }
}

void TDelayFinoForm::Reset() {
    HandlerScope scope(changed_);
    for (int output = 1; output <= OutputCount; ++output) {
        Position[Index(output)] = MaxDelaySamples;
        host_.ShowDelay(output, 0.0);
    }
    ResetDistances();
    SetLookAhead(1, lookAhead_[0]);
    SetLookAhead(2, lookAhead_[1]);
    TemperatureF = FahrenheitFromCelsius(doc_.Config.TemperatureC);
    RefreshDisplays();
}

void TDelayFinoForm::ResetDistances() {
    HandlerScope scope(changed_);
    for (int output = 1; output <= OutputCount; ++output) {
        DistanceText[Index(output)] = FormatFixed(0.0, 1);
    }
    DrawLines();
}

void TDelayFinoForm::ShowStoredDistances() {
    HandlerScope scope(changed_);
    const Configuration& config = doc_.Config;
    for (int output = 1; output <= OutputCount; ++output) {
        const double cm = DistanceCmFromSamples(config.Output(output).Delay.RelativeDistanceSamples,
                                                config.TemperatureC);
        DistanceText[Index(output)] = FormatFixed(cm, 1);
    }
}

void TDelayFinoForm::RefreshDisplays() {
    for (int output = 1; output <= OutputCount; ++output) {
        ShowDelayOf(output);
    }
    DrawLines();
}

void TDelayFinoForm::ShowDelayOf(int output) {
    const Configuration& config = doc_.Config;
    const int samples = config.Output(output).Delay.DelaySamples;
    MsText.at(Index(output)) = FormatFixed(DelayMsFromSamples(samples), 2);
    CmText.at(Index(output)) = FormatFixed(DistanceCmFromSamples(samples, config.TemperatureC), 1);
}

void TDelayFinoForm::DrawLines() {
    const Configuration& config = doc_.Config;
    for (int output = 1; output <= OutputCount; ++output) {
        const DelaySetting& delay = config.Output(output).Delay;
        LineLength[Index(output)] = RoundHalfEven(
            (delay.RelativeDistanceSamples - delay.DelaySamples) * DrawingPixels / MaxDelaySamples);
    }
}

void TDelayFinoForm::SendDelay(int output) {
    // The processor's delay word is one more than the delay in samples.
    const int samples = doc_.Config.Output(output).Delay.DelaySamples;
    writes_.WriteInteger(DspOf(output), DelayWord(PositionInDspOf(output)), samples + 1);
}

} // namespace quorvex
