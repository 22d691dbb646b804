#include "app/peq_form.h"

#include "app/document.h"
#include "app/editor_fields.h"
#include "app/editor_host.h"
#include "app/field_format.h"
#include "app/plot_readout.h"
#include "app/real_time_writes.h"
#include "config/new_configuration.h"
#include "config/peq_band.h"
#include "config/rounding.h"
#include "engine/response_grid.h"
#include "engine/stage_responses.h"
#include "engine/wrapped_degrees.h"
#include "image/dsp_address.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace quorvex {

namespace {

constexpr double SliderFrequencySpan = 20000.0;
constexpr double FrequencyStep = 1.0;
constexpr double HitDecades = 0.07;
constexpr double HitDb = 2.0;
constexpr double BandPassQCeilingForFloor = 1.69;
constexpr double MagnitudeAxisLimit = 20.0;
constexpr double PhaseAxisLimit = 180.0;

// Frequency of a frequency-slider position: 20000 x^3 with x = (20000 - v) / 20000, which
// gives the low frequencies most of the slider's travel.
double FrequencyOfPosition(int position) {
    const double x = (SliderFrequencySpan - position) / SliderFrequencySpan;
    return SliderFrequencySpan * x * x * x;
}

int PositionOfFrequency(double hz) {
    return RoundHalfEven(SliderFrequencySpan -
                         SliderFrequencySpan * std::cbrt(hz / SliderFrequencySpan));
}

bool IsSixDbShelf(int code) {
    return code == 2 || code == 3;
}

/// The types whose gain field is forced to 0 (their designs have no gain).
bool HasNoGain(int code) {
    return code == 4 || code == 5 || code == 10 || code == 11;
}

/// The types whose gain follows no drag: the gain is held at 0 while the marker moves.
bool DragKeepsGainZero(int code) {
    return code == 4 || code == 5 || (code >= 7 && code <= 11);
}

double LimitShelfGain(int code, double db, double limit) {
    return IsSixDbShelf(code) ? std::min(db, limit) : db;
}

/// The Q floors of the band pass and the notch.
double FloorQ(int code, double q) {
    if (code == 6 && q <= BandPassQCeilingForFloor) {
        return TPEQForm::BandPassQFloor;
    }
    if (code == 7 && q <= TPEQForm::StopBandQFloor) {
        return TPEQForm::StopBandQFloor;
    }
    return q;
}

/// The type list's position of a band type; codes 15 and 16 have no entry.
int TypeIndexOf(int code) {
    return code < TPEQForm::TypeCount ? code : TPEQForm::NoTypeSelected;
}

/// First coefficient address of a band, in the block of the output's DSP.
int BandAddress(int output, int band) {
    return EqualiserSectionWord(PositionInDspOf(output), band);
}

} // namespace

TPEQForm::TPEQForm(Document& doc, RealTimeWrites& writes, EditorHost& host)
    : doc_(doc), writes_(writes), host_(host) {
    ConnectSliders();
    ResetEqualisers(doc_.Config);
    TheResponseGrid();
    Reset();
}

void TPEQForm::ConnectSliders() {
    FrecSlider.OnChange([this] { FrecSliderChange(); });
    FilterGainSlider.OnChange([this] { FilterGainSliderChange(); });
    QSlider.OnChange([this] { QSliderChange(); });
}

void TPEQForm::Reset() {
    HandlerScope scope(changed_);
    for (int output = 1; output <= OutputCount; ++output) {
        SelectedBand[static_cast<std::size_t>(output - 1)] = 1;
        for (int band = 1; band <= MaxBandsPerOutput; ++band) {
            TSOS& section = doc_.Engine.Band(output, band);
            section = TSOS{};
            section.DspAddress = BandAddress(output, band);
        }
    }
    // The buttons are labelled before the window is first shown (a picture of the window
    // taken before then shows them named too).
    TakeOutputNames();
    // Band 1 is selected without the band selection, whose sliders would put it on their
    // grid: every band keeps 1000 Hz and Q 0.707 until the engineer edits it.
    for (int output = 1; output <= OutputCount; ++output) {
        ShowOutput(output);
        SpinFiltro = 1;
        host_.ShowBandAddress(Section().DspAddress);
        ShowStoredBand();
    }
}

void TPEQForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    Activate();
}

void TPEQForm::Activate() {
    HandlerScope scope(changed_);
    TakeOutputNames();
    SelectOutput(Output);
}

void TPEQForm::TakeOutputNames() {
    for (int output = 1; output <= OutputCount; ++output) {
        ModPEQCaption[static_cast<std::size_t>(output - 1)] =
            doc_.Config.OutputNames[static_cast<std::size_t>(output - 1)];
    }
}

void TPEQForm::SelectOutput(int output) {
    HandlerScope scope(changed_);
    ShowOutput(output);
    SelectBand(SelectedBand[static_cast<std::size_t>(Output - 1)]);
}

void TPEQForm::ShowOutput(int output) {
    Output = std::clamp(output, 1, OutputCount);
    LightButtons();
    SpinFiltroMaximum = BandCountOf(Output);
    FrequencyMaximum = IsSubOutput(Output) ? SubFrequencyMaximum : MainFrequencyMaximum;
    XMaximum = FrequencyMaximum;
    PlotTitle = std::string(TitlePrefix) + std::to_string(Output) + std::string(TitleSuffix);
}

void TPEQForm::LightButtons() {
    for (int output = 1; output <= OutputCount; ++output) {
        const auto index = static_cast<std::size_t>(output - 1);
        ModPEQLit[index] = output == Output || (XoverChecked && VerPEQChecked[index]);
    }
}

void TPEQForm::SelectBand(int band) {
    HandlerScope scope(changed_);
    band = std::clamp(band, 1, BandCountOf(Output));
    SpinFiltro = band;
    SelectedBand[static_cast<std::size_t>(Output - 1)] = band;
    OutputChannel& channel = doc_.Config.Output(Output);
    channel.BandsInUse = std::max(channel.BandsInUse, band);
    host_.ShowBandAddress(Section().DspAddress);
    LoadControlsFromBand();
}

void TPEQForm::LoadControlsFromBand() {
    TipoFiltroIndex = TypeIndexOf(Band().FilterType);
    // Each slider's handling brings its field and the band onto the slider's resolution;
    // the output is drawn once, at the end.
    redrawSuspended_ = true;
    FrecSlider.SetPosition(PositionOfFrequency(Band().Frequency));
    FilterGainSlider.SetPosition(BandGainPosition(Band().Gain));
    QSlider.SetPosition(BandQPosition(Band().Q));
    redrawSuspended_ = false;
    EnableControlsForType();
    Redesign();
}

void TPEQForm::ShowStoredBand() {
    const PeqBand& band = Band();
    TipoFiltroIndex = TypeIndexOf(band.FilterType);
    ShowFrequency(band.Frequency);
    ShowGain(band.Gain);
    ShowQ(band.Q);
    EnableControlsForType();
    Redesign();
}

void TPEQForm::EnableControlsForType() {
    const int code = Band().FilterType;
    switch (code) {
    case 1:
    case 6:
    case 15:
    case 16:
        GainControlsEnabled = true;
        QControlsEnabled = true;
        break;
    case 2:
    case 3:
        GainControlsEnabled = true;
        QControlsEnabled = false;
        break;
    case 7:
    case 9:
    case 10:
    case 11:
        GainControlsEnabled = false;
        QControlsEnabled = true;
        break;
    default:
        GainControlsEnabled = false;
        QControlsEnabled = false;
        break;
    }
    if (HasNoGain(code)) {
        ShowGain(0.0);
        Band().Gain = 0.0;
    }
}

void TPEQForm::TipoFiltroComboChange(int position) {
    HandlerScope scope(changed_);
    if (position < 0 || position >= TypeCount) {
        return;
    }
    TipoFiltroIndex = position;
    PeqBand& band = Band();
    band.FilterType = static_cast<std::uint8_t>(position);
    if (position == 6) {
        ShowQ(FloorQ(position, FieldQ()));
    }
    band.Q = FieldQ();
    if (position == 7) {
        // The notch's floor reaches the band too, so that what is shown is what is designed.
        ShowQ(FloorQ(position, FieldQ()));
        band.Q = FieldQ();
    }
    if (IsSixDbShelf(position)) {
        ShowGain(LimitShelfGain(position, FieldGain(), ShelfGainLimit));
    }
    band.Gain = FieldGain();
    EnableControlsForType();
    Redesign();
}

void TPEQForm::FrecSliderChange() {
    const double hz =
        std::clamp(FrequencyOfPosition(FrecSlider.Position()), MinimumFrequency, FrequencyMaximum);
    ShowFrequency(hz);
    Band().Frequency = FieldFrequency();
    Redesign();
}

void TPEQForm::FilterGainSliderChange() {
    const int code = Band().FilterType;
    const double db =
        std::clamp(BandGainFromPosition(FilterGainSlider.Position()), MinimumGain, MaximumGain);
    ShowGain(LimitShelfGain(code, db, ShelfGainLimit));
    Band().Gain = FieldGain();
    Redesign();
}

void TPEQForm::QSliderChange() {
    const double q = std::clamp(BandQFromPosition(QSlider.Position()), MinimumQ, MaximumQ);
    ShowQ(FloorQ(Band().FilterType, q));
    Band().Q = FieldQ();
    Redesign();
}

void TPEQForm::FrecSliderMoved(int position) {
    HandlerScope scope(changed_);
    FrecSlider.SetPosition(position);
}

void TPEQForm::FilterGainSliderMoved(int position) {
    HandlerScope scope(changed_);
    FilterGainSlider.SetPosition(position);
}

void TPEQForm::QSliderMoved(int position) {
    HandlerScope scope(changed_);
    QSlider.SetPosition(position);
}

void TPEQForm::FrecEditExit(std::string_view text) {
    HandlerScope scope(changed_);
    SetFrequencyFromField(ReadLimitedField(text, MinimumFrequency, FrequencyMaximum));
}

void TPEQForm::FilterGainEditExit(std::string_view text) {
    HandlerScope scope(changed_);
    SetGainFromField(ReadLimitedField(text, MinimumGain, MaximumGain));
}

void TPEQForm::QEditExit(std::string_view text) {
    HandlerScope scope(changed_);
    SetQFromField(ReadLimitedField(text, MinimumQ, MaximumQ));
}

void TPEQForm::FilterGainEditKey(bool up) {
    HandlerScope scope(changed_);
    StepGain(up ? BandGainStep : -BandGainStep);
}

void TPEQForm::QEditKey(bool up) {
    HandlerScope scope(changed_);
    StepQ(up ? 1.0 / BandQScale : -1.0 / BandQScale);
}

void TPEQForm::FrecSpinBClick(bool up) {
    HandlerScope scope(changed_);
    const double hz = FieldFrequency() + (up ? FrequencyStep : -FrequencyStep);
    SetFrequencyFromField(std::clamp(hz, MinimumFrequency, FrequencyMaximum));
}

void TPEQForm::GainSpinBClick(bool up) {
    HandlerScope scope(changed_);
    StepGain(up ? BandGainStep : -BandGainStep);
}

void TPEQForm::QSpinBClick(bool up) {
    HandlerScope scope(changed_);
    StepQ(up ? 1.0 / BandQScale : -1.0 / BandQScale);
}

void TPEQForm::StepGain(double step) {
    SetGainFromField(std::clamp(FieldGain() + step, MinimumGain, MaximumGain));
}

void TPEQForm::StepQ(double step) {
    SetQFromField(std::clamp(FieldQ() + step, MinimumQ, MaximumQ));
}

void TPEQForm::SetFrequencyFromField(double hz) {
    ShowFrequency(hz);
    Band().Frequency = FieldFrequency();
    FrecSlider.SetPosition(PositionOfFrequency(Band().Frequency));
}

void TPEQForm::SetGainFromField(double db) {
    ShowGain(db);
    Band().Gain = FieldGain();
    FilterGainSlider.SetPosition(BandGainPosition(Band().Gain));
}

void TPEQForm::SetQFromField(double q) {
    ShowQ(q);
    Band().Q = FieldQ();
    QSlider.SetPosition(BandQPosition(Band().Q));
}

void TPEQForm::DesignBand(int band) {
    PeqBand& stored = doc_.Config.Output(Output).Band(band);
    TSOS& section = doc_.Engine.Band(Output, band);
    static_cast<PeqBand&>(section) = stored;
    section.Design();
    stored = section; // the designs of some types store their own code or a gain of 0
}

void TPEQForm::Redesign() {
    DesignBand(SpinFiltro);
    const TSOS& section = Section();
    const PeqBand& band = Band();
    // The address map, as the memory image uses it, not the section's own copy.
    writes_.WriteSection(DspOf(Output), BandAddress(Output, SpinFiltro), section);
    designed_ = section;
    sectionDesigned_.Mark();
    MarkerFrequency = band.Frequency;
    MarkerGain = band.Gain;
    MarkerLabel = std::to_string(SpinFiltro);
    if (redrawSuspended_) {
        return;
    }
    // The other bands follow the configuration too, whoever changed it last.
    for (int other = 1; other <= BandCountOf(Output); ++other) {
        if (other != SpinFiltro) {
            DesignBand(other);
        }
    }
    const auto index = static_cast<std::size_t>(Output - 1);
    const std::span<const TSOS> sections(doc_.Engine.Bands[index].data(),
                                         static_cast<std::size_t>(BandCountOf(Output)));
    EqualiserResponse(sections, doc_.Config.Output(Output).BandsInUse,
                      doc_.EqualiserResponse[index]);
    RedrawCurve(Output);
    responseChanged_.Mark();
}

void TPEQForm::RedrawCurve(int output) {
    const auto index = static_cast<std::size_t>(output - 1);
    const FrequencyResponse& response = doc_.EqualiserResponse[index];
    auto& curve = Curves[index];
    for (std::size_t i = 0; i < curve.size(); ++i) {
        curve[i] = GraphMode == Mode::Magnitude
                       ? response.Magnitude[i]
                       : static_cast<float>(WrappedDegrees(response.Phase[i]));
    }
}

void TPEQForm::FollowCrossover(ChangeSignal& crossoverChanged) {
    crossoverChanged.Listen([this] {
        if (Visible) {
            Redraw();
        }
    });
}

void TPEQForm::Redraw() {
    HandlerScope scope(changed_);
    for (int output = 1; output <= OutputCount; ++output) {
        RedrawCurve(output);
    }
}

void TPEQForm::VerPEQClick(int output) {
    HandlerScope scope(changed_);
    if (output < 1 || output > OutputCount) {
        return;
    }
    bool& checked = VerPEQChecked[static_cast<std::size_t>(output - 1)];
    checked = !checked;
    Redesign();
}

void TPEQForm::MagClick() {
    HandlerScope scope(changed_);
    GraphMode = Mode::Magnitude;
    YAxisTitle = MagnitudeAxisTitle;
    YMinimum = -MagnitudeAxisLimit;
    YMaximum = MagnitudeAxisLimit;
    DraggingEnabled = true;
    Redraw();
}

void TPEQForm::PhaseClick() {
    HandlerScope scope(changed_);
    GraphMode = Mode::Phase;
    YAxisTitle = PhaseAxisTitle;
    YMinimum = -PhaseAxisLimit;
    YMaximum = PhaseAxisLimit;
    DraggingEnabled = false;
    Dragging = false;
    Redraw();
}

void TPEQForm::XoverCheckClick(bool checked) {
    HandlerScope scope(changed_);
    XoverChecked = checked;
    SelectedCurveRed = checked;
    LightButtons();
    Redraw();
}

void TPEQForm::RealTimeBClick() {
    HandlerScope scope(changed_);
    host_.RealTimeBClick();
}

void TPEQForm::MouseMove(double frequencyHz, double value, bool inside) {
    HandlerScope scope(changed_);
    if (!inside) {
        InfoLabel.clear();
        StatusText.clear();
        HandCursor = false;
        return;
    }
    InfoLabel = PlotReadout(frequencyHz, value, GraphMode == Mode::Magnitude);
    StatusText = InfoLabel;
    if (Dragging) {
        DragTo(frequencyHz, value, true);
        return;
    }
    HandCursor = DraggingEnabled && OnBand(frequencyHz, value);
}

void TPEQForm::MouseDown(double frequencyHz, double value) {
    HandlerScope scope(changed_);
    if (!DraggingEnabled || !OnBand(frequencyHz, value)) {
        return;
    }
    Dragging = true;
    DragTo(frequencyHz, value, false);
}

void TPEQForm::MouseUp() {
    HandlerScope scope(changed_);
    Dragging = false;
    StatusText.clear();
}

void TPEQForm::MouseWheel(double frequencyHz, double value, double notches) {
    HandlerScope scope(changed_);
    if (!DraggingEnabled || !QControlsEnabled || !OnBand(frequencyHz, value)) {
        wheelNotches_ = 0.0;
        return;
    }
    wheelNotches_ += notches;
    const double whole = std::trunc(wheelNotches_);
    if (whole == 0.0) {
        return;
    }
    wheelNotches_ -= whole;
    StepQ(whole / BandQScale);
}

bool TPEQForm::OnBand(double frequencyHz, double value) const {
    const PeqBand& band = doc_.Config.Output(Output).Band(SpinFiltro);
    if (frequencyHz <= 0.0 || band.Frequency <= 0.0) {
        return false;
    }
    return std::abs(std::log10(frequencyHz) - std::log10(band.Frequency)) <= HitDecades &&
           std::abs(value - band.Gain) <= HitDb;
}

void TPEQForm::DragTo(double frequencyHz, double value, bool moving) {
    PeqBand& band = Band();
    const int code = band.FilterType;
    ShowFrequency(std::clamp(frequencyHz, MinimumFrequency, FrequencyMaximum));
    band.Frequency = FieldFrequency();
    double db = RoundHalfEven(value / BandGainStep) * BandGainStep;
    db = LimitShelfGain(code, std::clamp(db, MinimumGain, MaximumGain), ShelfGainLimit);
    if (moving && DragKeepsGainZero(code)) {
        db = 0.0;
    }
    ShowGain(db);
    band.Gain = FieldGain();
    Redesign();
    if (moving) {
        LoadControlsFromBand();
    }
}

void TPEQForm::ShowFrequency(double hz) {
    FrecEdit = FormatFixed(hz, 0);
}

void TPEQForm::ShowGain(double db) {
    FilterGainEdit = FormatFixed(db, 1);
}

void TPEQForm::ShowQ(double q) {
    QEdit = FormatFixed(q, 1);
}

double TPEQForm::FieldFrequency() const {
    return ParseFieldValue(FrecEdit).value_or(MinimumFrequency);
}

double TPEQForm::FieldGain() const {
    return ParseFieldValue(FilterGainEdit).value_or(0.0);
}

double TPEQForm::FieldQ() const {
    return ParseFieldValue(QEdit).value_or(MinimumQ);
}

PeqBand& TPEQForm::Band() {
    return doc_.Config.Output(Output).Band(SpinFiltro);
}

TSOS& TPEQForm::Section() {
    return doc_.Engine.Band(Output, SpinFiltro);
}

} // namespace quorvex
