#include "app/password_form.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace quorvex::testing {
namespace {

struct PasswordWindow : ::testing::Test {
    ProgramHarness h;
    TPasswordForm& window = h.App.Password();

    void SetUp() override { window.Show(); }
};

TEST_F(PasswordWindow, StartsAtARedAWithOkDisabled) {
    EXPECT_EQ(window.PasswordEdit, "A");
    EXPECT_EQ(window.Colour, TPasswordForm::DisplayColour::Red);
    EXPECT_FALSE(window.OkEnabled);
    EXPECT_EQ(window.Position(), 0);
    EXPECT_EQ(window.Block()[6], 0x00);
}

TEST_F(PasswordWindow, DownFromAGivesZAndUpFromZGivesA) {
    window.FABA_SpeedButtonClick();
    EXPECT_EQ(window.PasswordEdit, "Z");
    EXPECT_EQ(window.Block()[0], 0x5A);
    window.FARR_SpeedButtonClick();
    EXPECT_EQ(window.PasswordEdit, "A");
    EXPECT_EQ(window.Block()[0], 0x41);
}

TEST_F(PasswordWindow, SixEntersGiveAaaaaaAndEnableOk) {
    for (int i = 0; i < 5; ++i) {
        window.ENTER_SpeedButtonClick();
        EXPECT_FALSE(window.OkEnabled);
    }
    window.ENTER_SpeedButtonClick();
    EXPECT_TRUE(window.OkEnabled);
    EXPECT_EQ(window.Colour, TPasswordForm::DisplayColour::BrightGreen);
    EXPECT_EQ(window.PasswordEdit, "AAAAAA");
    EXPECT_EQ(window.Block(), (PasswordBlock{0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x00}));
}

TEST_F(PasswordWindow, EachConfirmedLetterIsShownWithTheOneBeingChosen) {
    window.FARR_SpeedButtonClick(); // B
    window.ENTER_SpeedButtonClick();
    EXPECT_EQ(window.PasswordEdit, "BA");
    window.FABA_SpeedButtonClick(); // Z
    EXPECT_EQ(window.PasswordEdit, "BZ");
    EXPECT_EQ(window.Block()[1], 'Z');
}

TEST_F(PasswordWindow, KeysDoNothingOnceSixLettersAreConfirmed) {
    for (int i = 0; i < 6; ++i) {
        window.ENTER_SpeedButtonClick();
    }
    window.FARR_SpeedButtonClick();
    window.ENTER_SpeedButtonClick();
    EXPECT_EQ(window.PasswordEdit, "AAAAAA");
    EXPECT_EQ(window.Position(), 6);
    EXPECT_EQ(window.Block()[6], 0x00);
}

TEST_F(PasswordWindow, TheActiveLampTogglesTheLastByte) {
    window.PasswordLEDClick();
    EXPECT_FALSE(window.PasswordLED);
    EXPECT_EQ(window.Block()[6], 0xFF);
    window.PasswordLEDClick();
    EXPECT_TRUE(window.PasswordLED);
    EXPECT_EQ(window.Block()[6], 0x00);
}

TEST_F(PasswordWindow, ClearAndShowingAgainStartAfresh) {
    window.FARR_SpeedButtonClick();
    window.ENTER_SpeedButtonClick();
    window.PasswordLEDClick();
    window.SpeedButton1Click();
    EXPECT_EQ(window.PasswordEdit, "A");
    EXPECT_EQ(window.Position(), 0);
    EXPECT_EQ(window.Block()[6], 0x00);

    window.FABA_SpeedButtonClick();
    window.Show();
    EXPECT_EQ(window.PasswordEdit, "A");
}

TEST_F(PasswordWindow, OkIsIgnoredBeforeSixLetters) {
    window.OK_BitBtnClick();
    EXPECT_TRUE(window.Visible);
}

TEST_F(PasswordWindow, HoldingUpOrDownTurnsTheKnob) {
    window.KnobPressed(true);
    EXPECT_EQ(window.Knob, TPasswordForm::KnobPicture::TurnedUp);
    window.KnobReleased();
    window.KnobPressed(false);
    EXPECT_EQ(window.Knob, TPasswordForm::KnobPicture::TurnedDown);
    window.KnobReleased();
    EXPECT_EQ(window.Knob, TPasswordForm::KnobPicture::Enter);
}

} // namespace
} // namespace quorvex::testing
