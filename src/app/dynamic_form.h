#pragma once

#include "app/change_signal.h"
#include "app/track_bar.h"
#include "config/dimensions.h"
#include "engine/power_check.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvex {

class TDelayFinoForm;

class EditorHost;
class MessageLoop;
class RealTimeWrites;
struct DynamicsSetting;
struct Document;
struct FrontEnd;
struct ProcessorConnection;
struct TDYNAMIC;

/// A point of the transfer-curve graph, input and output level in dBu.
struct CurvePoint {
    double InputDbu;
    double OutputDbu;
};

/// The "Dynamic Configuration" window: the three dynamics blocks, their transfer curves and
/// the power check. The configuration's blocks are the stored settings; each design copies
/// the selected block into its engine object.
class TDynamicform {
public:
    static constexpr std::string_view Caption = "Dynamic Configuration";
    static constexpr std::array<std::string_view, DynamicsBlockCount> BlockNames{
        "Dynamic OUT 1-2", "Dynamic OUT 3-4", "Dynamic SUB 1-2"};
    static constexpr std::string_view LimitCaption = "     Limit";
    static constexpr std::string_view ThresholdCaption = "Threshold";
    static constexpr std::string_view RatioSuffix = ": 1";
    static constexpr std::string_view SevereRatioText = "oo";
    static constexpr std::array<std::string_view, 8> NoiseLevelItems{
        "Bypass", "1 (Low Noise)", "2", "3", "4", "5", "6", "7 (High Noise)"};
    static constexpr int LookAheadClicks = 10; ///< on "RMS Dynamics"
    static constexpr int GateFieldClicks = 14; ///< on "Noise Level"
    static constexpr int ThresholdSliderMaximum = 101;
    static constexpr double ThresholdTopDbu = 18.0;

    /// The ratio label of a ratio ("2: 1", "2.5: 1"; "oo: 1" for 0 or less).
    static std::string RatioText(float ratio);
    /// The threshold field of a level in dBu and the knee field of a half-width in dB, each
    /// kept inside its field's range (the sliders reach a little beyond).
    static std::string ThresholdText(double dbu);
    static std::string KneeText(double db);

    TDynamicform(Document& doc, MessageLoop& pump, RealTimeWrites& writes, EditorHost& host);
    TDynamicform(const TDynamicform&) = delete;
    TDynamicform& operator=(const TDynamicform&) = delete;

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }
    /// Announces, once per batch of handlers, that a block's look-ahead changed.
    ChangeSignal& LookAheadChanged() { return lookAheadChanged_; }
    /// Announces that the person asked for the speaker window ("Box Parameters").
    ChangeSignal& SpeakerWindowAsked() { return speakerWindowAsked_; }
    /// The delay editor that keeps the aligned outputs' delays after a look-ahead change.
    void Aligns(TDelayFinoForm& delay) { delay_ = &delay; }

    bool Visible = false;
    int Block = 1;       ///< the selected block, 1..3
    int EditorBlock = 1; ///< the block the main window asked for last
    std::string GroupCaption;
    std::string GraphTitle;
    std::array<bool, DynamicsBlockCount> BlockLit{};

    TrackBar ThresholdSlider{0, ThresholdSliderMaximum};
    std::string ThresholdEdit; ///< dBu, "0.0"
    std::string ThresholdCaptionText{LimitCaption};
    TrackBar RatioSlider{0, 10};
    std::string RatioLabel;
    bool RatioEnabled = false;
    TrackBar KneeSlider{0, 21};
    std::string KneeEdit; ///< "0.0"
    bool LimiterLit = true;
    bool CompressorLit = false;
    bool BypassCaptionRed = false;
    bool ControlsEnabled = true; ///< threshold, knee, times and lamps; off while bypassed
    std::string AttackEdit;      ///< dB/s, "00"
    std::string HoldEdit;        ///< ms, "00"
    std::string ReleaseEdit;     ///< dB/s, "00"
    int NoiseLevelIndex = 0;     ///< -1 when the gate position has no item
    bool ShowInfoChecked = true;

    // Service controls.
    bool LookAheadVisible = false;
    std::string LookAheadEdit; ///< ms, "0.00"
    bool GateFieldsVisible = false;
    std::string GateEdit;      ///< "00"
    std::string PendienteEdit; ///< "00"

    // Graph and power check.
    std::vector<CurvePoint> CurvePoints;
    std::pair<CurvePoint, CurvePoint> ReferenceLine{{-50, -50}, {20, 20}};
    PowerCheckResult Power;
    std::array<std::string, 2> InfoLines{}; ///< empty while "Show INFO" is unchecked

    /// The main window's DYNAMIC button: block `block` selected and the window shown.
    void ShowBlock(int block);
    void Show() {
        HandlerScope scope(changed_);
        Visible = true;
    }
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// Pending messages run, the power check, the block the main window asked for, the
    /// service controls hidden.
    void Activate();
    /// New configuration: the three blocks to their start-up values, each selected in turn.
    void Reset();

    /// The block buttons: loads the controls from block 1..3, then designs it.
    void SelectBlock(int block);

    /// The person moved a slider to `position`: its change handling runs.
    void ThresholdSliderMoved(int position);
    void RatioSliderMoved(int position);
    void KneeSliderMoved(int position);

    void ThresholdEditExit(std::string_view text);
    void ThresholdEditKey(bool up);
    void KneeEditExit(std::string_view text);
    void KneeEditKey(bool up);
    void LimiterBClick();
    void CompressorBClick();
    void DynBypassBotonClick();
    /// Fields, spins and arrow keys of the times; values outside a field's range are refused.
    void AttackEditExit(std::string_view text);
    void AttackStep(bool up);
    void HoldEditExit(std::string_view text);
    void HoldStep(bool up);
    void ReleaseEditExit(std::string_view text);
    void ReleaseStep(bool up);
    void LookAheadEditExit(std::string_view text);
    void LookAheadStep(bool up);
    /// "Noise Level" list item 0..7.
    void NoiseLevelChange(int item);
    void GateEditEnter(std::string_view text);
    void PendienteEditEnter(std::string_view text);
    /// The captions that reveal the service controls.
    void RmsDynamicsCaptionClick();
    void NoiseLevelCaptionClick();
    void ShowInfoClick(bool checked);
    /// "Box Parameters": the speaker and amplifier window, modal.
    void BoxParametersClick();
    void RealTimeBClick();

    /// The threshold handling: design, the real-time table, the power check. The speaker
    /// window runs it when the balanced lamp changes.
    void CurveChanged();
    /// `CalculaPower` / `CalculaPowerSUB` of the selected block.
    void CalculaPower();
    /// The speaker window changed the box or amplifier data of the selected block.
    void SpeakerDataChanged();

private:
    void ConnectSliders();
    void ThresholdSliderChange();
    void RatioSliderChange();
    void KneeSliderChange();
    void LoadControls();
    void ShowLampsAndEnables();
    void ShowThreshold(double dbu);
    void ShowKnee(double db);
    void Design();
    void DrawCurve();
    void SendGainTable();
    void ApplyRelease();
    void SetGatePosition(float position);
    static void SanitiseGate(DynamicsSetting& setting);
    static std::string Stepped(const std::string& field, double step, int decimals);
    bool SendValue(int address, double value);
    bool SendWord(int address, int value);
    std::vector<int> DspsOfBlock() const;
    int BlockBase() const;
    double DbuOffset() const;
    DynamicsSetting& Setting();
    TDYNAMIC& Engine();

    Document& doc_;
    MessageLoop& pump_;
    RealTimeWrites& writes_;
    EditorHost& host_;
    ChangeSignal changed_;
    ChangeSignal lookAheadChanged_;
    ChangeSignal speakerWindowAsked_;
    TDelayFinoForm* delay_ = nullptr;
    bool loading_ = false;
    int lookAheadCount_ = 0;
    int gateCount_ = 0;
};

} // namespace quorvex
