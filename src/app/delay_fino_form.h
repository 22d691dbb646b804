#pragma once

#include "app/change_signal.h"

#include "config/dimensions.h"
#include "engine/delay_alignment.h"

#include <array>
#include <string>
#include <string_view>

namespace quorvex {

class EditorHost;
class RealTimeWrites;
struct Document;
struct ProcessorConnection;

/// The delay editor ("Output Delay"): each output's delay, the air temperature, the
/// relative distances of the speakers and Auto Align.
class TDelayFinoForm {
public:
    static constexpr std::string_view Caption = "Output Delay";
    static constexpr int SliderMaximum = 235;
    static constexpr double MaximumMs = 5.00;
    static constexpr double MaximumCm = 168.8;

    TDelayFinoForm(Document& doc, const ProcessorConnection& processor, RealTimeWrites& writes,
                   EditorHost& host);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }
    /// Announces, once per batch of handlers, that a stage response the combined response
    /// is drawn from changed.
    ChangeSignal& ResponseChanged() { return responseChanged_; }

    bool Visible = false;
    bool RealTimeLamp = false;
    int CurrentOutput = 1; ///< the output whose delay button opened the editor
    std::array<std::string, OutputCount> ChannelLabel{"OUT   1", "OUT   2", "OUT   3",
                                                      "OUT   4", "SUB   1", "SUB   2"};
    /// `Del1track`..: positions 0..235; the delay is 234 - position.
    std::array<int, OutputCount> Position{};
    std::array<std::string, OutputCount> MsText{};       ///< "0.00"
    std::array<std::string, OutputCount> CmText{};       ///< "0.0"
    std::array<std::string, OutputCount> DistanceText{}; ///< "0.0", relative distance in cm
    std::array<int, OutputCount> LineLength{};           ///< the drawing, pixels
    int TemperatureF = 77;                               ///< the "ºF" spin; "ºC" is the config's
    /// The look-ahead of dynamics blocks 1 and 2 that Auto Align takes off the pairs
    /// Out1/Out2 and Out3/Out4, as "N samples (0.00 ms)".
    std::array<std::string, 2> LookAheadText{};

    /// The "ºC" spin: the configuration's air temperature.
    int TemperatureC() const;

    void Show();
    /// The main window's DELAY button of `output`.
    void SelectOutput(int output);
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// Channel labels from the main window's names; the real-time lamp.
    void Activate();

    /// Places an output's slider (kept inside 0..235); its change handling always runs.
    void SetPosition(int output, int position);
    /// The slider's change handling: delay, fields, main window, drawing, redraw, send.
    void DelTrackChange(int output);
    /// Enter in (or leaving) an output's ms or cm field; values outside the field's range
    /// or not numbers are refused.
    void MsEditEnter(int output, std::string_view text);
    void CmEditEnter(int output, std::string_view text);
    /// The up and down keys of both fields and their spin buttons: one sample.
    void StepUp(int output);
    void StepDown(int output);
    /// The "ºC" and "ºF" spins.
    void TemperatureCChange(int celsius);
    void TemperatureFChange(int fahrenheit);
    /// A relative distance field: Enter (or leaving it), and the up and down steps.
    void DistanceEnter(int output, std::string_view text);
    void DistanceStepUp(int output);
    void DistanceStepDown(int output);
    /// "Auto Align".
    void AutoAlignClick();
    void RealTimeBClick();

    /// L1 or L2 of the alignment: the look-ahead of dynamics block 1 or 2 in samples.
    void SetLookAhead(int block, int samples);
    /// An output's delay applied again through its slider.
    void ReapplyDelay(int output);
    /// After a configuration was loaded: the look-ahead of blocks 1 and 2 taken for the
    /// alignment, and each slider set to its stored delay (running its change handling).
    void ApplyStoredDelays();
    /// The six distance fields from the stored relative distances, at the temperature.
    void ShowStoredDistances();
    /// Delays 0, distances 0.0 and 25 ºC: New configuration.
    void Reset();
    /// The six distance fields 0.0 and the relative distances 0.
    void ResetDistances();

private:
    void ApplySamples(int output, int samples);
    void EditDistance(int output, DistanceEdit edit);
    void RefreshDisplays();
    void ShowDelayOf(int output);
    void DrawLines();
    void SendDelay(int output);

    Document& doc_;
    const ProcessorConnection& processor_;
    RealTimeWrites& writes_;
    EditorHost& host_;
    ChangeSignal changed_;
    ChangeSignal responseChanged_;
    std::array<int, 2> lookAhead_{};
};

} // namespace quorvex
