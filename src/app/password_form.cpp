#include "app/password_form.h"

#include <algorithm>

namespace quorvex {

namespace {

constexpr std::uint8_t ActiveByte = 0x00;
constexpr std::uint8_t InactiveByte = 0xFF;
constexpr int LetterCount = 'Z' - 'A' + 1;
constexpr std::size_t ActiveIndex = KeyboardPasswordLength;

} // namespace

TPasswordForm::TPasswordForm() {
    FormActivate();
}

void TPasswordForm::Show() {
    HandlerScope scope(changed_);
    Visible = true;
    FormActivate();
}

void TPasswordForm::Show(Answer answer) {
    HandlerScope scope(changed_);
    answer_ = std::move(answer);
    Show();
}

void TPasswordForm::FormActivate() {
    HandlerScope scope(changed_);
    letters_.fill('A');
    for (std::size_t i = 0; i < letters_.size(); ++i) {
        block_[i] = static_cast<std::uint8_t>(letters_[i]);
    }
    block_[ActiveIndex] = ActiveByte;
    // The lamp starts lit so that it always agrees with the block's active byte.
    PasswordLED = true;
    position_ = 0;
    Colour = DisplayColour::Red;
    OkEnabled = false;
    Knob = KnobPicture::Enter;
    ShowLetters();
}

void TPasswordForm::SpeedButton1Click() {
    HandlerScope scope(changed_);
    FormActivate();
}

void TPasswordForm::FARR_SpeedButtonClick() {
    HandlerScope scope(changed_);
    Step(+1);
}

void TPasswordForm::FABA_SpeedButtonClick() {
    HandlerScope scope(changed_);
    Step(-1);
}

void TPasswordForm::Step(int direction) {
    if (position_ >= KeyboardPasswordLength) {
        return;
    }
    const std::size_t at = static_cast<std::size_t>(position_);
    const int index = (letters_[at] - 'A' + direction + LetterCount) % LetterCount;
    letters_[at] = static_cast<char>('A' + index);
    block_[at] = static_cast<std::uint8_t>(letters_[at]);
    ShowLetters();
}

void TPasswordForm::ENTER_SpeedButtonClick() {
    HandlerScope scope(changed_);
    if (position_ >= KeyboardPasswordLength) {
        return;
    }
    block_[static_cast<std::size_t>(position_)] =
        static_cast<std::uint8_t>(letters_[static_cast<std::size_t>(position_)]);
    ++position_;
    ShowLetters();
    if (position_ == KeyboardPasswordLength) {
        OkEnabled = true;
        Colour = DisplayColour::BrightGreen;
    }
}

void TPasswordForm::ShowLetters() {
    // The letter being chosen is shown after the confirmed ones; once all six are
    // confirmed there is none.
    const int shown = std::min(position_ + 1, KeyboardPasswordLength);
    PasswordEdit.assign(letters_.begin(), letters_.begin() + shown);
}

void TPasswordForm::KnobPressed(bool up) {
    HandlerScope scope(changed_);
    Knob = up ? KnobPicture::TurnedUp : KnobPicture::TurnedDown;
}

void TPasswordForm::KnobReleased() {
    HandlerScope scope(changed_);
    Knob = KnobPicture::Enter;
}

void TPasswordForm::PasswordLEDClick() {
    HandlerScope scope(changed_);
    PasswordLED = !PasswordLED;
    block_[ActiveIndex] = PasswordLED ? ActiveByte : InactiveByte;
}

bool TPasswordForm::OK_BitBtnClick() {
    HandlerScope scope(changed_);
    if (!OkEnabled) {
        return false;
    }
    Visible = false;
    return answer_ ? answer_(true) : false;
}

void TPasswordForm::BitBtn2Click() {
    HandlerScope scope(changed_);
    Visible = false;
    if (answer_) {
        answer_(false);
    }
}

} // namespace quorvex
