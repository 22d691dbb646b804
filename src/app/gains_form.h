#pragma once

#include "app/change_signal.h"

#include "config/configuration.h"

#include <array>
#include <string>
#include <string_view>

namespace quorvex {

class EditorHost;
class RealTimeWrites;
struct Document;
struct ProcessorConnection;

/// The levels editor ("Output Levels"): gain, polarity and mute of the six outputs, and
/// the sub feed of each DSP that follows the mutes.
class TGainsForm {
public:
    static constexpr std::string_view Caption = "Output Levels";

    TGainsForm(Document& doc, const ProcessorConnection& processor, RealTimeWrites& writes,
               EditorHost& host);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }
    /// Announces, once per batch of handlers, that a stage response the combined response
    /// is drawn from changed.
    ChangeSignal& ResponseChanged() { return responseChanged_; }

    bool Visible = false;
    bool RealTimeLamp = false;
    std::array<std::string, OutputCount> ChannelLabel{"OUT   1", "OUT   2", "OUT   3",
                                                      "OUT   4", "SUB   1", "SUB   2"};
    /// `Output1Track`..: slider positions 0..361 (61 = 0 dB).
    std::array<int, OutputCount> Position{};
    /// Gain fields, as shown ("0.0").
    std::array<std::string, OutputCount> GainText{};
    std::array<bool, OutputCount> MuteLamp{}; ///< `MuteOutput1`..
    std::array<bool, OutputCount> InvLamp{};  ///< `PolOutput1`..

    void Show();
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// Channel labels from the main window's output names; the real-time lamp.
    void Activate();

    /// Places an output's slider; its change handling always runs, also when the
    /// position does not change. Positions beyond 0..361 stop at the ends.
    void SetPosition(int output, int position);
    /// The slider's change handling: the field, the gain factor, the send, the redraw.
    void OutputTrackChange(int output);
    /// Enter in a gain field; a text that is no number or lies outside -30.0 .. 6.0 is
    /// refused and the field keeps its value.
    void GainEditEnter(int output, std::string_view text);
    /// Up and down keys in a gain field: 0.1 dB more or less, kept inside the range.
    void GainEditKeyUp(int output);
    void GainEditKeyDown(int output);
    void InvClick(int output);
    void MuteClick(int output);
    void RealTimeBClick();

    /// After a configuration was loaded: lamps, factors, fields and sliders from it.
    void RefreshFromSettings();
    /// Sliders placed again from the gain fields.
    void RealignSliders();
    /// Controls to the state of freshly reset levels (New configuration).
    void Reset();
    /// Sign and mute factor of an output from its lamps, gain factor from its slider,
    /// sub feeds and main window indicators after.
    void ApplyLamps(int output);

private:
    void ApplyGainDb(int output, double gainDb);
    void RecomputeSubFeeds();
    /// Real-time writes; false once one failed (it was then shown as "ERROR").
    bool SendOutputGain(int output);
    bool SendSubFeeds();
    LevelSetting& Level(int output);

    Document& doc_;
    const ProcessorConnection& processor_;
    RealTimeWrites& writes_;
    EditorHost& host_;
    ChangeSignal changed_;
    ChangeSignal responseChanged_;
};

/// The sub feed of a DSP from the mutes of its two main outputs.
SubFeedCoefficients SubFeedFor(bool firstMuted, bool secondMuted);

} // namespace quorvex
