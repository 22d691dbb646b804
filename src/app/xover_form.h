#pragma once

#include "app/change_signal.h"

#include "config/dimensions.h"
#include "engine/frequency_response.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

class Dialogs;
class EditorHost;
class RealTimeWrites;
struct CrossoverSection;
struct Document;
struct FrontEnd;
struct ProcessorConnection;
struct TXOVERPB;

/// The two edges of an output's band: the lower edge is the high pass (controls ending in
/// "L"), the upper edge the low pass (controls ending in "H").
enum class CrossoverEdge { Lower, Upper };

/// The controls of one edge.
struct CrossoverEdgeControls {
    int TipoXCombo = 0; ///< list position 0..3; -1 when the family has no entry (7, 8)
    int OrdenSpin = 2;  ///< 2 or 4
    int FrecSpin = 100; ///< whole Hz
    int FrecSpinMaximum = 20000;
    std::string FrecEdit = "100";
    bool Enabled = true; ///< family, order, field and spin button
};

/// The crossover summary of one output for the main window.
struct CrossoverSummary {
    std::string HighPass; ///< "fc1Xover" n "L": the lower edge
    std::string LowPass;  ///< "fc2Xover" n "L": the upper edge
};

/// The "CrossOver Configuration" window: the high pass and the low pass of each output.
class TXOVERForm {
public:
    static constexpr std::string_view Caption = "CrossOver Configuration";
    static constexpr std::string_view TitlePrefix = "OUT ";
    static constexpr std::string_view TitleSuffix = " CrossOver";
    static constexpr std::string_view PanelTitlePrefix = "CrossOver ";
    static constexpr std::string_view MagnitudeAxisTitle = "dB";
    static constexpr std::string_view PhaseAxisTitle = "Phase";
    static constexpr std::array<std::string_view, 4> FamilyNames{"ByPass", "ButtW", "L-Riley",
                                                                 "Bessel"};
    static constexpr std::string_view SubUpperFirstEntry = "-----------";
    static constexpr std::string_view SummaryCustom = "   C ";
    static constexpr std::string_view SummaryBypassed = "  -- ";
    static constexpr int MinimumFrequency = 20;
    static constexpr int MaximumFrequency = 20000;
    static constexpr int SubUpperMaximum = 480;
    static constexpr int NoFamilyEntry = -1;

    enum class Mode { Magnitude, Phase };

    TXOVERForm(Document& doc, Dialogs& dialogs, RealTimeWrites& writes, EditorHost& host);
    TXOVERForm(const TXOVERForm&) = delete;
    TXOVERForm& operator=(const TXOVERForm&) = delete;

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }
    /// Announces, once per batch of handlers, that a stage response the combined response
    /// is drawn from changed.
    ChangeSignal& ResponseChanged() { return responseChanged_; }

    bool Visible = false;
    int Output = 1;
    CrossoverEdgeControls Lower;
    CrossoverEdgeControls Upper;
    std::array<std::string_view, 4> UpperFamilyNames = FamilyNames;
    std::array<bool, OutputCount> ModXoverLit{};
    std::array<bool, OutputCount> VerXoverChecked{true, true, true, true, true, true};
    bool OnlyLLit = false;
    bool OnlyHLit = false;
    /// Per output: the crossover summary the main window may show (step 9 of the update).
    std::array<CrossoverSummary, OutputCount> Summary{};

    // Plot.
    std::string PlotTitle;
    std::string PanelTitle;
    Mode GraphMode = Mode::Magnitude;
    std::string YAxisTitle{MagnitudeAxisTitle};
    double YMinimum = -20.0;
    double YMaximum = 15.0;
    int YMaxUpDown = 10;  ///< 0 .. 40, step 5
    int YMinUpDown = -40; ///< -140 .. -10, step 5
    int FrontCurve = 1;
    std::array<std::array<float, GridPointCount>, OutputCount> Curves{};
    std::string InfoLabel;

    void Show() {
        HandlerScope scope(changed_);
        Visible = true;
    }
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }

    /// `ModXover1Click`..: selects the output, loads its controls, then updates the lower
    /// edge and the upper edge.
    void SelectOutput(int output);
    /// New configuration: the six crossovers to their defaults, solo flags off, every
    /// output selected in turn.
    void Reset();
    /// Applies frequency fields typed but not yet confirmed.
    void ApplyPendingParameters();

    /// `TipoXCombo0L`/`0H`: family list position 0..3.
    void TipoXComboChange(CrossoverEdge edge, int position);
    /// `OrdenSpin0L`/`0H`: taken to 2 or 4.
    void OrdenSpinChange(CrossoverEdge edge, int order);
    /// `FrecSpin0L`/`0H`: kept inside the spin's range.
    void FrecSpinChange(CrossoverEdge edge, int hz);
    /// `FrecEdit0L`/`0H` left or Enter: the spin takes the field, the field the spin.
    void FrecEditExit(CrossoverEdge edge, std::string_view text);
    /// Up and Down keys in the field, and `FrecSpinB0L`/`0H`: the field's value +-1 Hz.
    void FrecStep(CrossoverEdge edge, bool up);
    /// The edits of the field as typed, before it is confirmed.
    void FrecEditChange(CrossoverEdge edge, std::string_view text);

    void OnlyLClick();
    void OnlyHClick();
    void VerXoverClick(int output);
    void MagnClick();
    void PhasClick();
    void YMaxUpDownClick(bool up);
    void YMinUpDownClick(bool up);
    void RealTimeBClick();
    void MouseMove(double frequencyHz, double value, bool inside = true);

    /// The update of one edge of the selected output (family, order, frequency, design,
    /// response, curves, summary, real-time sends, combined response).
    void UpdateEdge(CrossoverEdge edge);
    /// Every output's curve drawn again.
    void Redraw();

private:
    void LoadControls();
    void DesignEdge(CrossoverEdge edge);
    static void ShowFrequency(CrossoverEdgeControls& controls, double hz);
    void SendSections();
    void UpdateSummary();
    void SetSolo(CrossoverEdge kept);
    void RestoreSetAside();
    void DrawCurve(int output);
    CrossoverEdgeControls& Controls(CrossoverEdge edge);
    CrossoverSection& Setting(CrossoverEdge edge);
    TXOVERPB& Filter(CrossoverEdge edge);
    void AssignAddresses();

    Document& doc_;
    Dialogs& dialogs_;
    RealTimeWrites& writes_;
    EditorHost& host_;
    ChangeSignal changed_;
    ChangeSignal responseChanged_;
    /// Per output: the family of the edge a solo button switched off, kept to restore it.
    std::array<std::optional<std::uint8_t>, OutputCount> setAside_{};
};

} // namespace quorvex
