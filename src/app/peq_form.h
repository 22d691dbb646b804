#pragma once

#include "app/change_signal.h"
#include "app/track_bar.h"
#include "config/dimensions.h"
#include "config/peq_band.h"
#include "engine/frequency_response.h"
#include "engine/tsos.h"

#include <array>
#include <string>
#include <string_view>

namespace quorvex {

class EditorHost;
class RealTimeWrites;
struct PeqBand;
struct Document;
struct FrontEnd;
struct ProcessorConnection;

/// The "Parametric Equalization" window: the equaliser bands of the six outputs. Every
/// change redesigns the selected band, sends it in real-time mode, shows its coefficients
/// and redraws the output's equaliser response and the combined response.
class TPEQForm {
public:
    static constexpr std::string_view Caption = "Parametric Equalization";
    static constexpr std::string_view TitlePrefix = "OUT ";
    static constexpr std::string_view TitleSuffix = " Equalization";
    static constexpr std::string_view MagnitudeAxisTitle = "dB";
    static constexpr std::string_view PhaseAxisTitle = "Phase";
    static constexpr std::string_view XAxisTitle = "Frequency";
    static constexpr std::string_view InfoPrefix = "INFO:";
    static constexpr std::string_view XoverCheckHint = "View the influence of XOVER";
    static constexpr int TypeCount = 12;
    static constexpr std::array<std::string_view, TypeCount> TypeNames{
        "Bypass",        "Parametric",   "Shelv Low 6dB", "Shelv High 6dB",
        "LowPass Buttw", "HiPass Buttw", "BandPass",      "StopBand",
        "AllPass 1",     "AllPass 2",    "LowPass Q",     "HiPass Q"};
    static constexpr int NoTypeSelected = -1; ///< codes 15 and 16 have no list entry

    // Field ranges.
    static constexpr double MinimumFrequency = MinimumBandFrequency;
    static constexpr double MainFrequencyMaximum = MaximumBandFrequency;
    static constexpr double SubFrequencyMaximum = 500.0;
    static constexpr double MinimumGain = MinimumBandGain;
    static constexpr double MaximumGain = MaximumBandGain;
    static constexpr double ShelfGainLimit = 6.0;
    static constexpr double MinimumQ = MinimumBandQ;
    static constexpr double MaximumQ = MaximumBandQ;
    static constexpr double BandPassQFloor = 1.7;
    static constexpr double StopBandQFloor = 1.0;

    enum class Mode { Magnitude, Phase };

    TPEQForm(Document& doc, RealTimeWrites& writes, EditorHost& host);
    TPEQForm(const TPEQForm&) = delete;
    TPEQForm& operator=(const TPEQForm&) = delete;

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }
    /// Announces, once per batch of handlers, that a stage response the combined response
    /// is drawn from changed.
    ChangeSignal& ResponseChanged() { return responseChanged_; }

    bool Visible = false;
    int Output = 1; ///< the selected output, 1..6
    /// Per output the band selected last (not part of the configuration).
    std::array<int, OutputCount> SelectedBand{1, 1, 1, 1, 1, 1};

    // Controls.
    std::array<bool, OutputCount> ModPEQLit{}; ///< `ModPEQ1`..`ModPEQ6` lit
    std::array<std::string, OutputCount> ModPEQCaption{};
    std::array<bool, OutputCount> VerPEQChecked{true, true, true, true, true, true};
    int SpinFiltro = 1;
    int SpinFiltroMaximum = MaxBandsPerOutput;
    int TipoFiltroIndex = 0; ///< list position; NoTypeSelected for codes without an entry
    std::string FrecEdit;
    std::string FilterGainEdit;
    std::string QEdit;
    double FrequencyMaximum = MainFrequencyMaximum;
    TrackBar FrecSlider{10, 20000};
    TrackBar FilterGainSlider{0, 274};
    TrackBar QSlider{2, 200};
    bool GainControlsEnabled = false;
    bool QControlsEnabled = false;
    bool XoverChecked = false;
    bool AddChecked = true; ///< "Add"; "Individual" is the other radio button
    bool SelectedCurveRed = false;

    // Plot.
    std::string PlotTitle;
    Mode GraphMode = Mode::Magnitude;
    std::string YAxisTitle{MagnitudeAxisTitle};
    double YMinimum = -20.0;
    double YMaximum = 20.0;
    double XMaximum = MainFrequencyMaximum;
    bool DraggingEnabled = true;
    std::array<std::array<float, GridPointCount>, OutputCount> Curves{};
    double MarkerFrequency = 1000.0;
    double MarkerGain = 0.0;
    std::string MarkerLabel = "1";
    std::string InfoLabel;
    std::string StatusText;
    bool HandCursor = false;
    bool Dragging = false;

    void Show();
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// Button captions from the main window's output names; the last output selected again.
    void Activate();
    /// New configuration: bands to their defaults, BandsInUse 2, band 1 everywhere, every
    /// output shown in turn with its band 1 as stored (not moved onto the sliders' grid).
    void Reset();

    /// `ModPEQ1Click`..`ModPEQ6Click`.
    void SelectOutput(int output);
    /// `SpinFiltroChange`: selects band `band` (kept inside the output's bands) of the
    /// selected output.
    void SelectBand(int band);
    /// `TipoFiltroComboChange`: list position 0..11.
    void TipoFiltroComboChange(int position);

    /// Leaving a field, or Enter in it: the band takes the field's value, the slider follows.
    /// Out of range gives the limit, text that is not a number the minimum, empty text 0.
    void FrecEditExit(std::string_view text);
    void FilterGainEditExit(std::string_view text);
    void QEditExit(std::string_view text);
    /// Up and Down keys in the gain and Q fields: +-0.1 at once.
    void FilterGainEditKey(bool up);
    void QEditKey(bool up);
    /// The spin buttons: +-1 Hz, +-0.1 dB, +-0.1.
    void FrecSpinBClick(bool up);
    void GainSpinBClick(bool up);
    void QSpinBClick(bool up);

    /// The person moved a slider to `position`: its change handling runs.
    void FrecSliderMoved(int position);
    void FilterGainSliderMoved(int position);
    void QSliderMoved(int position);

    /// `VerPEQ1Check`..`VerPEQ6Check`.
    void VerPEQClick(int output);
    void MagClick();
    void PhaseClick();
    /// The "XOVER" check box.
    void XoverCheckClick(bool checked);
    void AddClick() {
        HandlerScope scope(changed_);
        AddChecked = true;
    }
    void IndividualClick() {
        HandlerScope scope(changed_);
        AddChecked = false;
    }
    void RealTimeBClick();

    /// The mouse over the plot at a frequency (Hz) and a value (dB or degrees); `inside`
    /// false when it is outside the axes.
    void MouseMove(double frequencyHz, double value, bool inside = true);
    void MouseDown(double frequencyHz, double value);
    void MouseUp();
    /// The wheel over the plot, `notches` of a standard wheel (positive away from the
    /// person): over the band, in magnitude mode, each notch steps the Q field by 0.1 as its
    /// Up and Down keys do. Parts of a notch (fine-grained wheels) add up to whole ones.
    void MouseWheel(double frequencyHz, double value, double notches);

    /// Every output's curve drawn again from its stored equaliser response.
    void Redraw();
    /// While the window is shown its curves are drawn again after each change of
    /// `crossoverChanged` (the crossover's responses, which the XOVER check box adds in).
    void FollowCrossover(ChangeSignal& crossoverChanged);

    /// Announces, once per batch of handlers, that a band was designed; the coefficient
    /// display shows `DesignedSection()`, the one designed last.
    ChangeSignal& SectionDesigned() { return sectionDesigned_; }
    const TSOS& DesignedSection() const { return designed_; }

private:
    void ConnectSliders();
    void FrecSliderChange();
    void FilterGainSliderChange();
    void QSliderChange();
    void SetFrequencyFromField(double hz);
    void SetGainFromField(double db);
    void SetQFromField(double q);
    void StepGain(double step);
    void StepQ(double step);
    void ShowOutput(int output);
    void TakeOutputNames();
    void LoadControlsFromBand();
    void ShowStoredBand();
    void LightButtons();
    void EnableControlsForType();
    void DesignBand(int band);
    void Redesign();
    void RedrawCurve(int output);
    void DragTo(double frequencyHz, double value, bool moving);
    bool OnBand(double frequencyHz, double value) const;
    double FieldFrequency() const;
    double FieldGain() const;
    double FieldQ() const;
    void ShowFrequency(double hz);
    void ShowGain(double db);
    void ShowQ(double q);

    PeqBand& Band();
    TSOS& Section();

    Document& doc_;
    RealTimeWrites& writes_;
    EditorHost& host_;
    ChangeSignal changed_;
    ChangeSignal responseChanged_;
    ChangeSignal sectionDesigned_;
    TSOS designed_{};
    bool redrawSuspended_ = false;
    double wheelNotches_ = 0.0; ///< turned but not yet a whole notch
};

} // namespace quorvex
