#include "app/dynamic_form.h"

#include "app/delay_fino_form.h"
#include "app/document.h"
#include "app/editor_fields.h"
#include "app/editor_host.h"
#include "app/field_format.h"
#include "app/real_time_writes.h"
#include "config/dynamics_setting.h"
#include "config/dynamics_times.h"
#include "config/new_configuration.h"
#include "config/rounding.h"
#include "engine/tdynamic.h"
#include "image/dsp_address.h"
#include "link/message_loop.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

constexpr double ThresholdFieldMinimum = -32.0;
constexpr double ThresholdFieldMaximum = 20.0;
constexpr double KneeFieldMinimum = 0.0;
constexpr double KneeFieldMaximum = 10.0;
constexpr double LevelKeyStep = 0.5;
constexpr double AttackMinimum = 5.0;
constexpr double AttackMaximum = 250.0;
constexpr double HoldMinimum = 0.0;
constexpr double HoldMaximum = 80.0;
constexpr double ReleaseMinimum = 1.0;
constexpr double ReleaseMaximum = 80.0;
constexpr double TimeStep = 1.0;
constexpr double LookAheadMinimum = 0.0;
constexpr double LookAheadMaximum = 2.0;
constexpr double LookAheadStepMs = 0.04;
constexpr double GatePositionMinimum = 1.0;
constexpr double GatePositionMaximum = GainTableSize;
constexpr double GateSlopeMinimum = 1.0;
constexpr double GateSlopeMaximum = 10.0;
constexpr float GateOff = 1.0F;
constexpr int FirstGateItemPosition = 10; ///< "1 (Low Noise)"
constexpr int HighestRatio = 10;
constexpr int KneeSliderTop = 21;
constexpr int SubBlock = 3;
constexpr int LookAheadAddress = 181;
constexpr int SinglyWrittenEntries = 3;
constexpr int EntriesPerGroup = 5;
constexpr int LastAlignedOutput = 4;
constexpr double GraphFloorDbu = -50.0;
constexpr double GraphTopDbu = 20.0;
constexpr double BypassLineReach = 100.0;
// A typed look-ahead at the top of the range may carry a rounding error of the steps.
constexpr double StepTolerance = 1e-9;

/// "Noise Level" item of a gate position: 1 is "Bypass", 10..16 the seven levels; other
/// positions (typed in the service field) have no item.
int NoiseItemOf(float position) {
    const int p = RoundHalfEven(position);
    if (p == 1) {
        return 0;
    }
    const int item = p - FirstGateItemPosition + 1;
    const int lastItem = static_cast<int>(TDynamicform::NoiseLevelItems.size()) - 1;
    return (item >= 1 && item <= lastItem) ? item : -1;
}

} // namespace

TDynamicform::TDynamicform(Document& doc, MessageLoop& pump, RealTimeWrites& writes,
                           EditorHost& host)
    : doc_(doc), pump_(pump), writes_(writes), host_(host) {
    ConnectSliders();
    ResetDynamics(doc_.Config);
    Reset();
}

void TDynamicform::ConnectSliders() {
    ThresholdSlider.OnChange([this] { ThresholdSliderChange(); });
    RatioSlider.OnChange([this] { RatioSliderChange(); });
    KneeSlider.OnChange([this] { KneeSliderChange(); });
}

void TDynamicform::Reset() {
    HandlerScope scope(changed_);
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        doc_.Engine.Block(block) = TDYNAMIC{};
    }
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        Block = block;
        Design();
    }
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        SelectBlock(block);
    }
}

void TDynamicform::ShowBlock(int block) {
    HandlerScope scope(changed_);
    EditorBlock = block;
    SelectBlock(block);
    Show();
}

void TDynamicform::Activate() {
    HandlerScope scope(changed_);
    pump_.Run(1);
    CalculaPower();
    SelectBlock(EditorBlock);
    LookAheadVisible = false;
    GateFieldsVisible = false;
    lookAheadCount_ = 0;
    gateCount_ = 0;
}

void TDynamicform::SelectBlock(int block) {
    HandlerScope scope(changed_);
    Block = std::clamp(block, 1, DynamicsBlockCount);
    for (int b = 1; b <= DynamicsBlockCount; ++b) {
        BlockLit[static_cast<std::size_t>(b - 1)] = b == Block;
    }
    GroupCaption = std::string(BlockNames[static_cast<std::size_t>(Block - 1)]);
    GraphTitle = GroupCaption;
    // The sliders' handling runs but stores nothing while the controls are loaded, so the
    // block keeps values the sliders cannot hold exactly (the start-up -6 dBFS among them).
    loading_ = true;
    LoadControls();
    loading_ = false;
    Design();
    DrawCurve();
    CalculaPower();
}

void TDynamicform::LoadControls() {
    SanitiseGate(Setting());
    const DynamicsSetting& setting = Setting();
    ThresholdSlider.SetPosition(
        RoundHalfEven((-setting.ThresholdDb - (DbuOffset() - ThresholdTopDbu)) * 2.0));
    ShowThreshold(setting.ThresholdDb + DbuOffset());
    RatioSlider.SetPosition(RoundHalfEven(HighestRatio - setting.Ratio));
    RatioLabel = RatioText(setting.Ratio);
    KneeSlider.SetPosition(RoundHalfEven(KneeSliderTop - 1 - 2.0 * setting.KneeDb));
    ShowKnee(setting.KneeDb);
    AttackEdit =
        FormatTwoDigits(AttackFromRmsCoefficient(setting.RmsCoefficient, ProcessorSampleRate));
    HoldEdit = FormatTwoDigits(MsFromSamples(setting.HoldSamples, ProcessorSampleRate));
    ReleaseEdit = FormatTwoDigits(ReleaseFromDecaySteps(setting.DecaySteps));
    GateEdit = FormatTwoDigits(setting.NoiseGatePosition);
    PendienteEdit = FormatTwoDigits(setting.NoiseGateSlope);
    NoiseLevelIndex = NoiseItemOf(setting.NoiseGatePosition);
    LookAheadEdit = FormatFixed(MsFromSamples(setting.LookAheadSamples, ProcessorSampleRate), 2);
    ShowLampsAndEnables();
}

void TDynamicform::ShowLampsAndEnables() {
    const DynamicsSetting& setting = Setting();
    const bool compressor = setting.CompressorMode == 1;
    const bool bypassed = setting.Bypass == 1;
    LimiterLit = !compressor;
    CompressorLit = compressor;
    ThresholdCaptionText = compressor ? ThresholdCaption : LimitCaption;
    BypassCaptionRed = bypassed;
    ControlsEnabled = !bypassed;
    RatioEnabled = compressor && !bypassed;
}

void TDynamicform::ThresholdSliderMoved(int position) {
    HandlerScope scope(changed_);
    ThresholdSlider.SetPosition(position);
}

void TDynamicform::RatioSliderMoved(int position) {
    HandlerScope scope(changed_);
    RatioSlider.SetPosition(position);
}

void TDynamicform::KneeSliderMoved(int position) {
    HandlerScope scope(changed_);
    KneeSlider.SetPosition(position);
}

void TDynamicform::ThresholdSliderChange() {
    if (loading_) {
        return;
    }
    const double dbu = ThresholdTopDbu - ThresholdSlider.Position() / 2.0;
    Setting().ThresholdDb = static_cast<float>(dbu - DbuOffset());
    ShowThreshold(dbu);
    CurveChanged();
}

void TDynamicform::RatioSliderChange() {
    if (loading_) {
        return;
    }
    Setting().Ratio = static_cast<float>(HighestRatio - RatioSlider.Position());
    RatioLabel = RatioText(Setting().Ratio);
    CurveChanged();
}

void TDynamicform::KneeSliderChange() {
    if (loading_) {
        return;
    }
    Setting().KneeDb = static_cast<float>((KneeSliderTop - KneeSlider.Position()) / 2.0 - 0.5);
    ShowKnee(Setting().KneeDb);
    CurveChanged();
}

// The sliders reach a little beyond their fields (threshold -32.5 dBu, knee -0.5 dB); the
// fields keep their values inside their ranges.
void TDynamicform::ShowThreshold(double dbu) {
    ThresholdEdit = ThresholdText(dbu);
}

void TDynamicform::ShowKnee(double db) {
    KneeEdit = KneeText(db);
}

std::string TDynamicform::ThresholdText(double dbu) {
    return FormatFixed(std::clamp(dbu, ThresholdFieldMinimum, ThresholdFieldMaximum), 1);
}

std::string TDynamicform::KneeText(double db) {
    return FormatFixed(std::clamp(db, KneeFieldMinimum, KneeFieldMaximum), 1);
}

std::string TDynamicform::RatioText(float ratio) {
    const bool whole = std::floor(ratio) == ratio;
    const std::string number =
        ratio > 0.0F ? FormatFixed(ratio, whole ? 0 : 1) : std::string(SevereRatioText);
    return number + std::string(RatioSuffix);
}

void TDynamicform::ThresholdEditExit(std::string_view text) {
    HandlerScope scope(changed_);
    const auto dbu = ReadRefusingField(text, ThresholdFieldMinimum, ThresholdFieldMaximum);
    if (!dbu) {
        return; // a lone "-" while typing, or a value the field does not hold
    }
    ThresholdSlider.SetPosition(RoundHalfEven(2.0 * (ThresholdTopDbu - *dbu)));
}

void TDynamicform::ThresholdEditKey(bool up) {
    HandlerScope scope(changed_);
    const double dbu = ParseFieldValue(ThresholdEdit).value_or(ThresholdTopDbu) +
                       (up ? LevelKeyStep : -LevelKeyStep);
    ThresholdEditExit(FormatFixed(dbu, 1));
}

void TDynamicform::KneeEditExit(std::string_view text) {
    HandlerScope scope(changed_);
    const auto knee = ReadRefusingField(text, KneeFieldMinimum, KneeFieldMaximum);
    if (!knee) {
        return;
    }
    KneeSlider.SetPosition(RoundHalfEven(KneeSliderTop - 1 - 2.0 * *knee));
}

void TDynamicform::KneeEditKey(bool up) {
    HandlerScope scope(changed_);
    const double knee =
        ParseFieldValue(KneeEdit).value_or(0.0) + (up ? LevelKeyStep : -LevelKeyStep);
    KneeEditExit(FormatFixed(knee, 1));
}

void TDynamicform::LimiterBClick() {
    HandlerScope scope(changed_);
    Setting().CompressorMode = 0;
    ShowLampsAndEnables();
    CurveChanged();
}

void TDynamicform::CompressorBClick() {
    HandlerScope scope(changed_);
    Setting().CompressorMode = 1;
    ShowLampsAndEnables();
    CurveChanged();
}

void TDynamicform::DynBypassBotonClick() {
    HandlerScope scope(changed_);
    Setting().Bypass = Setting().Bypass == 1 ? 0 : 1;
    ShowLampsAndEnables();
    CurveChanged();
}

void TDynamicform::AttackEditExit(std::string_view text) {
    HandlerScope scope(changed_);
    const auto rate = ReadRefusingField(text, AttackMinimum, AttackMaximum);
    if (!rate) {
        return;
    }
    Setting().RmsCoefficient = RmsCoefficientFromAttack(*rate, ProcessorSampleRate);
    Engine().RmsCoefficient = Setting().RmsCoefficient;
    AttackEdit =
        FormatTwoDigits(AttackFromRmsCoefficient(Setting().RmsCoefficient, ProcessorSampleRate));
    if (SendValue(BlockBase() + DynamicsRmsCoefficientOffset,
                  static_cast<double>(Setting().RmsCoefficient))) {
        ApplyRelease();
    }
}

void TDynamicform::AttackStep(bool up) {
    HandlerScope scope(changed_);
    AttackEditExit(Stepped(AttackEdit, up ? TimeStep : -TimeStep, 0));
}

void TDynamicform::HoldEditExit(std::string_view text) {
    HandlerScope scope(changed_);
    const auto ms = ReadRefusingField(text, HoldMinimum, HoldMaximum);
    if (!ms) {
        return;
    }
    Setting().HoldSamples = SamplesFromMs(*ms, ProcessorSampleRate);
    Engine().HoldSamples = Setting().HoldSamples;
    HoldEdit = FormatTwoDigits(MsFromSamples(Setting().HoldSamples, ProcessorSampleRate));
    if (SendWord(BlockBase() + DynamicsHoldOffset, Setting().HoldSamples)) {
        ApplyRelease();
    }
}

void TDynamicform::HoldStep(bool up) {
    HandlerScope scope(changed_);
    HoldEditExit(Stepped(HoldEdit, up ? TimeStep : -TimeStep, 0));
}

void TDynamicform::ReleaseEditExit(std::string_view text) {
    HandlerScope scope(changed_);
    const auto rate = ReadRefusingField(text, ReleaseMinimum, ReleaseMaximum);
    if (!rate) {
        return;
    }
    Setting().DecaySteps = DecayStepsFromRelease(*rate);
    Engine().DecaySteps = Setting().DecaySteps;
    ReleaseEdit = FormatTwoDigits(ReleaseFromDecaySteps(Setting().DecaySteps));
    ApplyRelease();
}

void TDynamicform::ReleaseStep(bool up) {
    HandlerScope scope(changed_);
    ReleaseEditExit(Stepped(ReleaseEdit, up ? TimeStep : -TimeStep, 0));
}

void TDynamicform::ApplyRelease() {
    SendWord(BlockBase() + DynamicsDecayOffset, Setting().DecaySteps);
}

void TDynamicform::LookAheadEditExit(std::string_view text) {
    HandlerScope scope(changed_);
    if (Block == SubBlock) {
        return;
    }
    const auto ms = ReadRefusingField(text, LookAheadMinimum, LookAheadMaximum + StepTolerance);
    if (!ms) {
        return;
    }
    const std::int32_t samples =
        SamplesFromMs(std::min(*ms, LookAheadMaximum), ProcessorSampleRate);
    Setting().LookAheadSamples = samples;
    Engine().LookAheadSamples = samples;
    LookAheadEdit = FormatFixed(MsFromSamples(samples, ProcessorSampleRate), 2);
    const bool sent = writes_.WriteInteger(Block, LookAheadAddress, samples);
    lookAheadChanged_.Mark();
    if (delay_ != nullptr) {
        delay_->SetLookAhead(Block, samples);
        for (int output = 1; output <= LastAlignedOutput; ++output) {
            delay_->ReapplyDelay(output);
        }
    }
    if (sent) {
        ApplyRelease();
    }
}

void TDynamicform::LookAheadStep(bool up) {
    HandlerScope scope(changed_);
    LookAheadEditExit(Stepped(LookAheadEdit, up ? LookAheadStepMs : -LookAheadStepMs, 2));
}

void TDynamicform::NoiseLevelChange(int item) {
    HandlerScope scope(changed_);
    const int lastItem = static_cast<int>(NoiseLevelItems.size()) - 1;
    if (item < 0 || item > lastItem) {
        return;
    }
    SetGatePosition(item == 0 ? GateOff : static_cast<float>(FirstGateItemPosition + item - 1));
}

void TDynamicform::GateEditEnter(std::string_view text) {
    HandlerScope scope(changed_);
    const auto position = ReadRefusingField(text, GatePositionMinimum, GatePositionMaximum);
    if (position) {
        SetGatePosition(static_cast<float>(RoundHalfEven(*position)));
    }
}

void TDynamicform::SetGatePosition(float position) {
    Setting().NoiseGatePosition = position;
    NoiseLevelIndex = NoiseItemOf(position);
    GateEdit = FormatTwoDigits(position);
    CurveChanged();
}

void TDynamicform::PendienteEditEnter(std::string_view text) {
    HandlerScope scope(changed_);
    const auto slope = ReadRefusingField(text, GateSlopeMinimum, GateSlopeMaximum);
    if (!slope) {
        return;
    }
    Setting().NoiseGateSlope = static_cast<float>(RoundHalfEven(*slope));
    PendienteEdit = FormatTwoDigits(Setting().NoiseGateSlope);
    CurveChanged();
}

void TDynamicform::RmsDynamicsCaptionClick() {
    HandlerScope scope(changed_);
    if (++lookAheadCount_ >= LookAheadClicks) {
        LookAheadVisible = true;
        lookAheadCount_ = 0;
    }
}

void TDynamicform::NoiseLevelCaptionClick() {
    HandlerScope scope(changed_);
    if (++gateCount_ >= GateFieldClicks) {
        GateFieldsVisible = true;
        gateCount_ = 0;
    }
}

void TDynamicform::ShowInfoClick(bool checked) {
    HandlerScope scope(changed_);
    ShowInfoChecked = checked;
    CalculaPower();
}

void TDynamicform::BoxParametersClick() {
    HandlerScope scope(changed_);
    speakerWindowAsked_.Mark();
}

void TDynamicform::RealTimeBClick() {
    HandlerScope scope(changed_);
    host_.RealTimeBClick();
}

void TDynamicform::CurveChanged() {
    HandlerScope scope(changed_);
    if (loading_) {
        return;
    }
    Design();
    DrawCurve();
    CalculaPower();
    SendGainTable();
}

void TDynamicform::SpeakerDataChanged() {
    HandlerScope scope(changed_);
    Engine().Settings() = Setting();
    CalculaPower();
}

void TDynamicform::Design() {
    SanitiseGate(Setting());
    TDYNAMIC& engine = Engine();
    engine.Settings() = Setting();
    engine.DesignCurve();
    engine.ComposeGainTable();
    Setting() = engine.Settings(); // the design replaces a threshold of exactly 0 dBFS
}

void TDynamicform::SanitiseGate(DynamicsSetting& setting) {
    // A position or slope read from a file or a processor may lie outside what the 33-entry
    // table can hold; the fields show, and the table is composed from, the nearest sane value.
    const float position = setting.NoiseGatePosition;
    setting.NoiseGatePosition =
        std::isfinite(position) ? std::clamp(position, GateOff, static_cast<float>(GainTableSize))
                                : GateOff;
    const float slope = setting.NoiseGateSlope;
    setting.NoiseGateSlope =
        (std::isfinite(slope) && slope >= GateSlopeMinimum) ? slope : GateSlopeMinimum;
}

void TDynamicform::DrawCurve() {
    CurvePoints.clear();
    const TDYNAMIC& engine = Engine();
    if (engine.IsBypassed()) {
        ReferenceLine = {{-BypassLineReach, -BypassLineReach}, {BypassLineReach, BypassLineReach}};
        return;
    }
    ReferenceLine = {{GraphFloorDbu, GraphFloorDbu}, {GraphTopDbu, GraphTopDbu}};
    const double offset = DbuOffset();
    const int last = std::clamp(engine.PointCount, 35, DesignSlots - 2) - GainTableSize;
    for (int i = 1; i <= last; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        CurvePoints.push_back({engine.LevelGridDb[slot] + offset, engine.OutputDb[slot] + offset});
    }
    CurvePoints.push_back({GraphFloorDbu, engine.MakeupGainDb + GraphFloorDbu});
}

void TDynamicform::CalculaPower() {
    HandlerScope scope(changed_);
    Power = CheckPower(Engine(), Block, {ThresholdSliderMaximum, ThresholdSlider.Position()});
    if (ShowInfoChecked) {
        InfoLines = {Power.PowerLine, Power.VoltageLine};
    } else {
        InfoLines = {};
    }
}

void TDynamicform::SendGainTable() {
    const TDYNAMIC& engine = Engine();
    const int base = BlockBase();
    for (int j = 0; j < SinglyWrittenEntries; ++j) {
        if (!SendValue(base + j,
                       static_cast<double>(engine.GainTable[static_cast<std::size_t>(j)]))) {
            return;
        }
    }
    for (int first = SinglyWrittenEntries; first < GainTableSize; first += EntriesPerGroup) {
        std::array<long double, EntriesPerGroup> group{};
        std::copy_n(engine.GainTable.begin() + first, EntriesPerGroup, group.begin());
        for (const int dsp : DspsOfBlock()) {
            if (!writes_.WriteCoefficients(dsp, base + first, group)) {
                return;
            }
        }
    }
}

bool TDynamicform::SendValue(int address, double value) {
    for (const int dsp : DspsOfBlock()) {
        if (!writes_.WriteCoefficient(dsp, address, value)) {
            return false;
        }
    }
    return true;
}

bool TDynamicform::SendWord(int address, int value) {
    for (const int dsp : DspsOfBlock()) {
        if (!writes_.WriteInteger(dsp, address, value)) {
            return false;
        }
    }
    return true;
}

std::vector<int> TDynamicform::DspsOfBlock() const {
    if (Block == SubBlock) {
        return {1, 2};
    }
    return {Block};
}

int TDynamicform::BlockBase() const {
    return DynamicsBlockWord(Block);
}

double TDynamicform::DbuOffset() const {
    return DbuOffsetOfBlock(Block);
}

std::string TDynamicform::Stepped(const std::string& field, double step, int decimals) {
    return FormatFixed(ParseFieldValue(field).value_or(0.0) + step, decimals);
}

DynamicsSetting& TDynamicform::Setting() {
    return doc_.Config.Block(Block);
}

TDYNAMIC& TDynamicform::Engine() {
    return doc_.Engine.Block(Block);
}

} // namespace quorvex
