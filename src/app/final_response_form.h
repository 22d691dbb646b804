#pragma once

#include "app/change_signal.h"

#include "config/dimensions.h"
#include "engine/frequency_response.h"

#include <array>
#include <string>
#include <string_view>

namespace quorvex {

struct Document;

/// The "Final response" window: each output's combined response and their sum.
class TFinalResponseForm {
public:
    static constexpr int CurveCount = OutputCount + 1; ///< six outputs and "ADD"
    static constexpr std::string_view Caption = "Final response";
    static constexpr std::string_view GraphTitle = "Final Frequency Response";
    static constexpr std::string_view SumLabel = "ADD";

    enum class Mode { Magnitude, Phase };

    explicit TFinalResponseForm(Document& doc);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    /// `Via1`..`Via7`: whether each curve is shown.
    std::array<bool, CurveCount> ViaVisible{true, true, true, true, true, true, true};
    std::array<std::string, CurveCount> ViaLabel{};
    Mode GraphMode = Mode::Magnitude;
    std::string YAxisTitle = "dB";
    double YMinimum = -20.0;
    double YMaximum = 20.0;
    std::string InfoLabel;
    /// The seven curves on the response grid (index output - 1; the sum last).
    std::array<std::array<float, GridPointCount>, CurveCount> Curves{};
    /// Look-ahead in samples of dynamics blocks 1 and 2, as read at the last activation.
    std::array<int, 2> LookAhead{};

    void Show();
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// Reads the look-ahead of blocks 1 and 2 and the output names, then redraws.
    void Activate();
    /// The dynamics editor changed a look-ahead: while the window is shown it reads the
    /// look-ahead again and redraws, so that the open window never draws a stale delay.
    void LookAheadChanged();
    /// The combined response is drawn again after each change of `stageChanged` (an
    /// editor's stage responses) ...
    void FollowStage(ChangeSignal& stageChanged);
    /// ... and its look-ahead read again after each change of `lookAheadChanged`.
    void FollowLookAhead(ChangeSignal& lookAheadChanged);
    /// Announces that the person asked for the import window ("Import").
    ChangeSignal& ImportWindowAsked() { return importWindowAsked_; }

    /// Recomputes the seven curves from the stored stage responses and the view flags.
    void DibujaFinalResponse();

    /// `Via1`..`Via7` (curve 1..7): toggles the curve and redraws.
    void ViaClick(int curve);
    void MagClick();
    void PhaseClick();
    /// The five check boxes; each writes its view flag and redraws.
    void SpkDataClick(bool checked);
    void PEQBoxClick(bool checked);
    void XOVERBoxClick(bool checked);
    void GAINBoxClick(bool checked);
    void DelayBoxClick(bool checked);
    /// The "Add" button.
    void AddClick() {
        HandlerScope scope(changed_);
        DibujaFinalResponse();
    }

    /// `ImportB`: the "Import Speaker Data" window.
    void ImportBClick();

    /// The information label for the mouse at a frequency (Hz) and a curve value; empty
    /// outside the axis ranges.
    void MouseMove(double frequencyHz, double value);

private:
    void SetMode(Mode mode);
    void ReadLookAhead();

    Document& doc_;
    ChangeSignal changed_;
    ChangeSignal importWindowAsked_;
};

} // namespace quorvex
