#include "app/gains_form.h"

#include "app/document.h"
#include "app/editor_host.h"
#include "app/field_format.h"
#include "app/processor_connection.h"
#include "app/real_time_writes.h"
#include "config/level_setting.h"
#include "image/dsp_address.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

constexpr double MinimumGainDb = -30.0;
constexpr double MaximumGainDb = 6.0;
constexpr double GainStepDb = 0.1;

std::size_t Index(int output) {
    return static_cast<std::size_t>(output - 1);
}

/// The gain a stored factor stands for. A factor of 0 (or a damaged one) has no level in
/// dB; it is shown as the bottom of the scale.
double ShownGainDb(double gainFactor) {
    const double magnitude = std::fabs(gainFactor);
    if (!std::isfinite(magnitude) || magnitude == 0.0) {
        return MinimumGainDb;
    }
    return std::clamp(20.0 * std::log10(magnitude), MinimumGainDb, MaximumGainDb);
}

} // namespace

SubFeedCoefficients SubFeedFor(bool firstMuted, bool secondMuted) {
    if (!firstMuted && secondMuted) {
        return {1.0, 0.0, 1.0, 0.0};
    }
    if (firstMuted && !secondMuted) {
        return {0.0, 1.0, 0.0, 1.0};
    }
    return {};
}

TGainsForm::TGainsForm(Document& doc, const ProcessorConnection& processor, RealTimeWrites& writes,
                       EditorHost& host)
    : doc_(doc), processor_(processor), writes_(writes), host_(host) {
    Reset();
}

LevelSetting& TGainsForm::Level(int output) {
    return doc_.Config.Output(output).Level;
}

void TGainsForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    Activate();
}

void TGainsForm::Activate() {
    HandlerScope scope(changed_);
    ChannelLabel = doc_.Config.OutputNames;
    RealTimeLamp = processor_.RealTime;
}

void TGainsForm::SetPosition(int output, int position) {
    HandlerScope scope(changed_);
    Position.at(Index(output)) = std::clamp(position, 0, LevelSliderMax);
    OutputTrackChange(output);
}

void TGainsForm::OutputTrackChange(int output) {
    HandlerScope scope(changed_);
    // The slider's top position lies a tenth above what the field holds (+6.0 dB).
    const double sliderDb =
        std::clamp(LevelDbFromPosition(Position.at(Index(output))), MinimumGainDb, MaximumGainDb);
    GainText[Index(output)] = FormatFixed(sliderDb, 1);
    LevelSetting& level = Level(output);
    // The field is what the person sees, so its value is the gain that is used.
    level.GainDb = ParseFieldValue(GainText[Index(output)]).value_or(0.0);
    level.GainFactor = GainFactorOf(level.GainDb, level.PolaritySign);
    SendOutputGain(output);
    responseChanged_.Mark();
}

void TGainsForm::ApplyGainDb(int output, double gainDb) {
    LevelSetting& level = Level(output);
    level.GainDb = gainDb;
    level.GainFactor = GainFactorOf(gainDb, level.PolaritySign);
    SetPosition(output, LevelPositionFromDb(gainDb));
}

void TGainsForm::GainEditEnter(int output, std::string_view text) {
    HandlerScope scope(changed_);
    const auto gainDb = ParseFieldValue(text);
    if (!gainDb || *gainDb < MinimumGainDb || *gainDb > MaximumGainDb) {
        return;
    }
    ApplyGainDb(output, *gainDb);
}

void TGainsForm::GainEditKeyUp(int output) {
    HandlerScope scope(changed_);
    const double gainDb = ParseFieldValue(GainText.at(Index(output))).value_or(0.0);
    ApplyGainDb(output, std::min(gainDb + GainStepDb, MaximumGainDb));
}

void TGainsForm::GainEditKeyDown(int output) {
    HandlerScope scope(changed_);
    const double gainDb = ParseFieldValue(GainText.at(Index(output))).value_or(0.0);
    ApplyGainDb(output, std::max(gainDb - GainStepDb, MinimumGainDb));
}

void TGainsForm::InvClick(int output) {
    HandlerScope scope(changed_);
    InvLamp.at(Index(output)) = !InvLamp[Index(output)];
    LevelSetting& level = Level(output);
    level.PolarityInverted = InvLamp[Index(output)];
    level.PolaritySign = level.PolarityInverted ? -1.0F : 1.0F;
    OutputTrackChange(output);
}

void TGainsForm::MuteClick(int output) {
    HandlerScope scope(changed_);
    MuteLamp.at(Index(output)) = !MuteLamp[Index(output)];
    LevelSetting& level = Level(output);
    level.Muted = MuteLamp[Index(output)];
    level.MuteFactor = level.Muted ? 0.0 : 1.0;
    RecomputeSubFeeds();
    host_.ShowMuteIndicators(output, level.Muted);
    if (SendOutputGain(output)) {
        SendSubFeeds();
    }
    responseChanged_.Mark();
}

void TGainsForm::RealTimeBClick() {
    HandlerScope scope(changed_);
    host_.RealTimeBClick();
    RealTimeLamp = processor_.RealTime;
}

void TGainsForm::RecomputeSubFeeds() {
    Configuration& config = doc_.Config;
    for (int dsp = 1; dsp <= DspCount; ++dsp) {
        config.SubFeed.at(static_cast<std::size_t>(dsp - 1)) =
            SubFeedFor(config.Output(OutputAt(dsp, 1)).Level.Muted,
                       config.Output(OutputAt(dsp, 2)).Level.Muted);
    }
}

bool TGainsForm::SendOutputGain(int output) {
    // The gain goes to the word the written memory keeps it in (255..257), so a real-time
    // change and a later full write agree on where the output gain lives.
    return writes_.WriteCoefficient(DspOf(output), OutputGainWord(PositionInDspOf(output)),
                                    OutputGainValue(Level(output)));
}

bool TGainsForm::SendSubFeeds() {
    for (int dsp = 1; dsp <= DspCount; ++dsp) {
        const SubFeedCoefficients& feed = doc_.Config.SubFeed.at(static_cast<std::size_t>(dsp - 1));
        const std::array<double, 4> values{feed.P, feed.Q, feed.R, feed.S};
        for (int k = 0; k < 4; ++k) {
            if (!writes_.WriteCoefficient(dsp, SubFeedWord + k,
                                          values[static_cast<std::size_t>(k)])) {
                return false;
            }
        }
    }
    return true;
}

void TGainsForm::ApplyLamps(int output) {
    HandlerScope scope(changed_);
    LevelSetting& level = Level(output);
    level.PolarityInverted = InvLamp.at(Index(output));
    level.PolaritySign = level.PolarityInverted ? -1.0F : 1.0F;
    level.Muted = MuteLamp[Index(output)];
    level.MuteFactor = level.Muted ? 0.0 : 1.0;
    RecomputeSubFeeds();
    host_.ShowMuteIndicators(output, level.Muted);
    OutputTrackChange(output);
}

void TGainsForm::RefreshFromSettings() {
    HandlerScope scope(changed_);
    for (int output = 1; output <= OutputCount; ++output) {
        LevelSetting& level = Level(output);
        InvLamp[Index(output)] = level.PolarityInverted;
        MuteLamp[Index(output)] = level.Muted;
        level.PolaritySign = level.PolarityInverted ? -1.0F : 1.0F;
        level.MuteFactor = level.Muted ? 0.0 : 1.0;
        GainText[Index(output)] = FormatFixed(ShownGainDb(level.GainFactor), 1);
        ApplyGainDb(output, ParseFieldValue(GainText[Index(output)]).value_or(MinimumGainDb));
        host_.ShowMuteIndicators(output, level.Muted);
    }
}

void TGainsForm::RealignSliders() {
    HandlerScope scope(changed_);
    for (int output = 1; output <= OutputCount; ++output) {
        const auto gainDb = ParseFieldValue(GainText[Index(output)]);
        if (gainDb) {
            SetPosition(output, LevelPositionFromDb(*gainDb));
        }
    }
}

void TGainsForm::Reset() {
    HandlerScope scope(changed_);
    InvLamp.fill(false);
    MuteLamp.fill(false);
    for (int output = 1; output <= OutputCount; ++output) {
        Position[Index(output)] = LevelSliderZeroDb;
        GainText[Index(output)] = FormatFixed(LevelDbFromPosition(LevelSliderZeroDb), 1);
    }
}

} // namespace quorvex
