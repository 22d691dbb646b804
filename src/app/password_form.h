#pragma once

#include "app/change_signal.h"

#include "link/password_block.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace quorvex {

/// The password window: the processor's keyboard password is entered as on the unit itself,
/// one letter at a time with UP, DOWN and ENTER. OK becomes possible once six letters are
/// confirmed; closing with OK hands the seven-byte block to the main window.
class TPasswordForm {
public:
    static constexpr std::string_view Caption = "Set Password";
    static constexpr std::string_view ActiveLabel = "P a s s w o r d  A c t i v e";

    /// Colour of the display `Password_Edit`.
    enum class DisplayColour { Red, BrightGreen };
    /// The knob picture: the ENTER one, or turned while UP or DOWN is held.
    enum class KnobPicture { Enter, TurnedUp, TurnedDown };

    TPasswordForm();

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    std::string PasswordEdit; ///< the letters shown, at most six
    DisplayColour Colour = DisplayColour::Red;
    bool OkEnabled = false;  ///< `OK_BitBtn`
    bool PasswordLED = true; ///< the active lamp
    KnobPicture Knob = KnobPicture::Enter;

    /// Shown modally by the main window's "Set Password"; every showing starts afresh.
    void Show();
    /// The main window's request: the window shown, `answer` told of OK (true) or Cancel
    /// (false); what it returns is what OK returns.
    using Answer = std::function<bool(bool accepted)>;
    void Show(Answer answer);
    void FormActivate();
    /// "Clear": back to a fresh entry.
    void SpeedButton1Click();
    /// UP: the letter being chosen goes to the next one, 'Z' wrapping to 'A'.
    void FARR_SpeedButtonClick();
    /// DOWN: the letter being chosen goes to the previous one, 'A' wrapping to 'Z'.
    void FABA_SpeedButtonClick();
    /// ENTER: the letter being chosen is confirmed and the next one starts.
    void ENTER_SpeedButtonClick();
    /// UP or DOWN held (the knob turns) and released.
    void KnobPressed(bool up);
    void KnobReleased();
    /// The active lamp toggles; the block's last byte follows it.
    void PasswordLEDClick();
    /// OK: the window closes and the main window sends the block; true when the processor
    /// took it. Ignored (false) while OK is disabled.
    bool OK_BitBtnClick();
    /// Cancel: the window closes, nothing is sent.
    void BitBtn2Click();

    /// Letters confirmed so far, 0..6.
    int Position() const { return position_; }
    /// The data of the set-password command as it stands.
    const PasswordBlock& Block() const { return block_; }

private:
    void Step(int direction);
    void ShowLetters();

    ChangeSignal changed_;
    Answer answer_;
    std::array<char, KeyboardPasswordLength> letters_{};
    PasswordBlock block_{};
    int position_ = 0;
};

} // namespace quorvex
