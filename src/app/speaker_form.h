#pragma once

#include "app/change_signal.h"

#include <array>
#include <string>
#include <string_view>

namespace quorvex {

class TDynamicform;
struct Document;
struct DynamicsSetting;

/// "Speaker and Amplifier Parameters": the box and amplifier data of a dynamics block, with
/// the block's power check after every change.
class TSpeakerForm {
public:
    static constexpr std::string_view Caption = "Speaker and Amplifier Parameters";
    static constexpr std::array<std::string_view, 6> ButtonNames{
        "OUTPUT 1:", "OUTPUT 2:", "OUTPUT 3:", "OUTPUT 4:", "OUT SUB 1:", "OUT SUB 2:"};
    static constexpr std::array<std::string_view, 4> SpeakerCountItems{"1", "2", "3", "4"};
    static constexpr std::string_view GainUnit = " dB";
    static constexpr int MinimumBoxPower = 5;
    static constexpr int MaximumBoxPower = 4000;
    static constexpr int MinimumAmpPower = 50;
    static constexpr int MaximumAmpPower = 4000;
    static constexpr int MinimumAmpGain = 5;
    static constexpr int MaximumAmpGain = 200;

    TSpeakerForm(Document& doc, TDynamicform& dynamics);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    int Button = 1; ///< the output button chosen, 1..6
    std::string OutputName;
    int ImpedanceItem = 3; ///< "8"
    int PowerMaxLoadSpin = 400;
    int PowerAmpMaxSpin = 600;
    int AmpGainSpin = 41;
    std::string AmpGainDbLabel;
    bool BalanceadoLit = true;
    int NumberSpeakersItem = 1;

    /// Opened modally from the dynamics editor.
    void Show();
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// Shows the button of the block the dynamics editor has selected.
    void Activate();

    /// "OUTPUT 1:" .. "OUT SUB 2:": the controls from the button's block, which the
    /// dynamics editor also selects.
    void OutputButtonClick(int button);
    /// "Box Impedance" list item 0..4.
    void ZloadChange(int item);
    /// The spins: a typed value outside the range is refused; the buttons step.
    void PowerMaxLoadChange(int watts);
    void PowerMaxLoadStep(bool up);
    void PowerAmpMaxChange(int watts);
    void PowerAmpMaxStep(bool up);
    void AmpGainChange(int gain);
    void AmpGainStep(bool up);
    void BalanceadoClick();
    void NumberSpeakersChange(int item);

private:
    void LoadControls();
    void ShowGainDb();
    void SpeakerDataEdited();
    DynamicsSetting& Setting();

    Document& doc_;
    TDynamicform& dynamics_;
    ChangeSignal changed_;
};

/// Spin step of the box power at a value: 1 below 25 W, 25 from 25 W, 100 from 1000 W.
int BoxPowerStep(int watts);
/// Spin step of the amplifier power: 25 below 1000 W, 100 from 1000 W.
int AmpPowerStep(int watts);
/// 20 log10(gain) with four significant digits followed by " dB".
std::string AmpGainDbText(double gain);

} // namespace quorvex
