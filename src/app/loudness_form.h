#pragma once

#include "app/change_signal.h"
#include "app/track_bar.h"
#include "image/dsp_address.h"

#include <string>
#include <string_view>

namespace quorvex {

class EditorHost;
class RealTimeWrites;
class TXOVERForm;
struct Document;
struct FrontEnd;
struct ProcessorConnection;
struct TSOS;

/// The "Sub Reforcement" window: one low-frequency filter per sub output, a parametric
/// boost or a high pass between 29 and 80 Hz.
class TLoudnessForm {
public:
    static constexpr std::string_view Caption = "Sub Reforcement";
    static constexpr std::string_view PanelTitle = "SUB Reinforcement";
    static constexpr int ParametricCode = 1;
    static constexpr int HighPassCode = 11;
    static constexpr double ParametricQ = 1.5;
    static constexpr double DefaultFrequency = 55.0;
    /// The sub's first equaliser band: the processor has no place of its own for it.
    /// The address of the sub's first equaliser band, which the reinforcement shares.
    static constexpr int ReinforcementAddress = EqualiserSectionWord(3, 1);
    static constexpr int HighestFrequency = 80;
    static constexpr int GainSliderMaximum = 121;

    TLoudnessForm(Document& doc, const ProcessorConnection& processor, RealTimeWrites& writes,
                  EditorHost& host, TXOVERForm& xover);
    TLoudnessForm(const TLoudnessForm&) = delete;
    TLoudnessForm& operator=(const TLoudnessForm&) = delete;

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    int Sub = 1; ///< 1 = SUB1, 2 = SUB2
    std::string SubLabel = "1";
    TrackBar FrecSlider{0, 51, 25};
    std::string FrecEdit;
    TrackBar FilterGainSlider{0, GainSliderMaximum, GainSliderMaximum};
    std::string FilterGainEdit;
    bool ParamLEDLit = true;
    bool HighLEDLit = false;
    bool RealTimePictureOn = false;
    /// The lamp follows the connection's real-time mode (the main window switched it).
    void ShowRealTimePicture();

    void Show() {
        HandlerScope scope(changed_);
        Visible = true;
    }
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// The real-time picture follows the mode; the sliders from the selected section.
    void Activate();
    /// New configuration: both filters to their defaults.
    void Reset();

    /// `ModSub1`, `ModSub2`.
    void SelectSub(int sub);
    /// The person moved `FrecSlider` or `FilterGainSlider`; the slider's change handling
    /// runs, also at the position it already has.
    void FrecSliderMove(int position);
    void FilterGainSliderMove(int position);
    void ParamLEDClick();
    void HighLEDClick();
    void RealTimeBClick();
    /// `DibujaLoudness`: both reinforcement responses, then the crossover editor's update.
    void DibujaLoudness();

private:
    void FrecSliderChange();
    void FilterGainSliderChange();
    void DesignSelected();
    void SendSelected();
    void LoadSliders();
    TSOS& Section();

    Document& doc_;
    const ProcessorConnection& processor_;
    RealTimeWrites& writes_;
    EditorHost& host_;
    TXOVERForm& xover_;
    ChangeSignal changed_;
};

} // namespace quorvex
