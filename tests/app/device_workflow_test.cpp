#include "app/connect_form.h"
#include "app/device_texts.h"
#include "app/input_pass_form.h"
#include "app/password_form.h"
#include "app/peq_form.h"
#include "device_harness.h"
#include "image/coefficient_image.h"
#include "link/device_messages.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace quorvex::testing {
namespace {

constexpr int WriteCommand = 3;
constexpr int ReadCommand = 4;
constexpr int KeyboardLockCommand = 5;
constexpr int PasswordCommand = 6;
constexpr int ChangeCommand = 7;

bool Shown(const ScriptedDialogs& dialogs, std::string_view text) {
    const std::vector<std::string> texts = dialogs.Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::string Hex(int byte) {
    constexpr char Digits[] = "0123456789ABCDEF";
    return {'0', 'x', Digits[(byte >> 4) & 0x0F], Digits[byte & 0x0F]};
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), ' ');
}

// --- Connection window ---

TEST(ConnectionWindow, ComPortThatAnswersConnectsAndEnablesTheDeviceButtons) {
    DeviceHarness h;
    h.App.Connect().OffLineBClick(TConnectForm::Com3Tag);
    EXPECT_EQ(h.Processor().ConnectionText, "Status : Connected at COM3");
    EXPECT_EQ(h.App.Connect().ConnectionState, 3);
    EXPECT_TRUE(h.App.Connect().Lamps[TConnectForm::Com3Tag]);
    EXPECT_FALSE(h.App.Connect().Visible);
    EXPECT_TRUE(h.Main().Visible);
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
    EXPECT_EQ(h.Processor().Link, LinkKind::ComPort);
    EXPECT_NE(h.Processor().Sink, nullptr);
    // The connection test is command 0 to number 0.
    EXPECT_EQ(SendTransactions(h.Writes), (std::vector<SentTransaction>{{0, 0}}));
}

TEST(ConnectionWindow, UsbThatAnswersReadsStatusUsb) {
    DeviceHarness h;
    h.App.Connect().OffLineBClick(TConnectForm::UsbTag);
    EXPECT_EQ(h.Processor().ConnectionText, "Status : USB");
    EXPECT_EQ(h.App.Connect().ConnectionState, UsbState);
    EXPECT_TRUE(h.App.Connect().UsbFlag);
    EXPECT_EQ(h.Processor().Link, LinkKind::Usb);
}

TEST(ConnectionWindow, SilentUnitLeavesTheProgramOfflineWithTheButtonsOff) {
    DeviceHarness h;
    h.Unit.SetFault({Fault::Silence, 0});
    h.App.Connect().OffLineBClick(TConnectForm::UsbTag);
    EXPECT_EQ(h.Processor().ConnectionText, "Status : Offline");
    EXPECT_TRUE(Shown(h.Dialogs, device_message::NotAQuorvex));
    EXPECT_EQ(h.App.Connect().ConnectionState, OfflineState);
    EXPECT_TRUE(h.App.Connect().Lamps[TConnectForm::OffLineTag]);
    EXPECT_TRUE(h.App.Connect().Visible);
    EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
    EXPECT_EQ(h.Processor().Sink, nullptr);
    EXPECT_FALSE(h.Processor().Connected);
}

/// A serial port that another program holds.
class BusyPort : public ByteLink {
public:
    TransportKind Kind() const override { return TransportKind::ComPort; }
    std::string PortName() const override { return "COM3"; }
    LinkStatus Open() override {
        return LinkStatus::Failure(std::string(device_message::ComPortInUse));
    }
    void Close() override {}
    bool IsOpen() const override { return false; }
    bool Write(std::span<const std::uint8_t>) override { return false; }
    Reply WaitForReply() override { return {Reply::Outcome::Failed, 0, {}}; }
};

TEST(ConnectionWindow, BusyComPortBeepsAndKeepsTheWindowForAnotherChoice) {
    DeviceHarness h;
    h.App.Connect().Links = [](int) { return std::make_unique<BusyPort>(); };
    h.App.Connect().OffLineBClick(TConnectForm::Com3Tag);

    ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_EQ(h.Dialogs.Messages[0].Text, "COM Port already in use. Select another.");
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(h.Dialogs.Beeps, 1);
    EXPECT_EQ(h.App.Connect().ConnectionState, OfflineState);
    EXPECT_TRUE(h.App.Connect().Visible);
    EXPECT_FALSE(h.App.Connect().Lamps[TConnectForm::Com3Tag]);
    EXPECT_FALSE(h.Processor().Connected);
    EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
}

TEST(ConnectionWindow, OfflineShowsTheMainWindowWithTheDeviceButtonsOff) {
    DeviceHarness h;
    h.Connect();
    h.App.Connect().OffLineBClick(TConnectForm::OffLineTag);
    EXPECT_EQ(h.Processor().ConnectionText, "Status : Offline");
    EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
    EXPECT_TRUE(h.Main().Visible);
    EXPECT_EQ(h.Processor().Sink, nullptr);
}

// --- Write and Read ---

TEST(WriteAndRead, WriteThenReadRestoresTheConfiguration) {
    DeviceHarness h;
    h.Connect();
    h.Main().SystemNameChange("Hall B");
    h.Main().OutputNameChange(3, "Mid");
    h.Main().RouteBClick(2);
    const int route = h.Config().Route[1];
    h.Config().Output(4).Delay.DelaySamples = 10;
    h.Main().NProgramSpinChange(30);

    h.Dialogs.Answers = {MessageAnswer::Yes};
    EXPECT_TRUE(h.Main().WriteButtonClick());
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{WriteCommand, 30}, {ChangeCommand, 30}}));
    EXPECT_EQ(h.Unit.CurrentMemory(), 30);
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
    EXPECT_EQ(h.Pump.CallsOf(20000), 1);

    h.Dialogs.Answers = {MessageAnswer::No};
    h.Main().NewButtonClick();
    ASSERT_EQ(h.Config().Output(4).Delay.DelaySamples, 0);

    h.Dialogs.Answers = {MessageAnswer::No};
    EXPECT_TRUE(h.Main().ReadButtonClick());
    EXPECT_EQ(h.Config().SystemInfo.SystemName, Padded("Hall B", 40));
    EXPECT_EQ(h.Main().SystemName, Padded("Hall B", 40));
    EXPECT_EQ(h.Config().OutputNames[2], "Mid   ");
    EXPECT_EQ(h.Config().Route[1], route);
    EXPECT_EQ(h.Config().Output(4).Delay.DelaySamples, 10);
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
    EXPECT_FALSE(h.Progress.Visible);
    EXPECT_EQ(h.Pump.CallsOf(200), 1);
}

TEST(VerifyAfterWrite, IsOffAtStartSoThatWriteSendsOnlyTheDocumentedTransfer) {
    DeviceHarness h;
    h.Connect();
    EXPECT_FALSE(h.Main().VerifyAfterWrite);
    h.Main().NProgramSpinChange(30);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    EXPECT_TRUE(h.Main().WriteButtonClick());
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{WriteCommand, 30}, {ChangeCommand, 30}}));
    EXPECT_EQ(h.Main().VerifyText, "");
}

TEST(VerifyAfterWrite, ReadsTheMemoryBackAndSucceedsWhenItHoldsTheImage) {
    DeviceHarness h;
    h.Connect();
    h.Main().SystemNameChange("Checked");
    h.Main().NProgramSpinChange(30);
    h.Main().VerifyAfterWriteClick();
    ASSERT_TRUE(h.Main().VerifyAfterWrite);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    EXPECT_TRUE(h.Main().WriteButtonClick());
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{
                            {WriteCommand, 30}, {ChangeCommand, 30}, {ReadCommand, 30}}));
    EXPECT_EQ(h.Main().VerifyText, "Verify after Write: memory 30 holds the 2046 bytes sent.");
    // Only the overwrite question: a match tells nobody anything in a box.
    EXPECT_EQ(h.Dialogs.Messages.size(), 1U);
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
    // The configuration is not touched by the read-back.
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Checked");
    const CoefficientImage image = BuildCoefficientImage(h.Config(), h.Doc().Engine);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), h.Unit.Memory(30).begin()));
}

TEST(VerifyAfterWrite, AUnitThatStoresOneByteWrongFailsNamingTheWord) {
    DeviceHarness h;
    h.Connect();
    h.Unit.SetFault({Fault::WrongStoredByte, 0});
    h.Main().NProgramSpinChange(30);
    h.Main().VerifyAfterWriteClick();
    h.Dialogs.Answers = {MessageAnswer::Yes};
    EXPECT_FALSE(h.Main().WriteButtonClick());

    const CoefficientImage image = BuildCoefficientImage(h.Config(), h.Doc().Engine);
    const std::string expected =
        "Verify after Write: memory 30 does not hold what was sent. It differs at DSP 2 word 42 "
        "(image byte 1000: sent " +
        Hex(image[1000]) + ", read back " + Hex(image[1000] ^ 0x01) + "); 1 byte differs.";
    ASSERT_EQ(h.Dialogs.Messages.size(), 2U);
    EXPECT_EQ(h.Dialogs.Messages[1].Text, expected);
    EXPECT_EQ(h.Dialogs.Messages[1].Kind, MessageKind::Error);
    EXPECT_EQ(h.Main().VerifyText, expected);
    // The link is sound: the buttons come back for another try.
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
    EXPECT_TRUE(h.Processor().Connected);
}

TEST(VerifyAfterWrite, AReadBackThatBreaksOffIsAFailure) {
    DeviceHarness h;
    h.Connect();
    // The write (37 answers) and the change (5) go through; the read request's START does not.
    h.Unit.SetFault({Fault::Silence, 42});
    h.Main().NProgramSpinChange(30);
    h.Main().VerifyAfterWriteClick();
    h.Dialogs.Answers = {MessageAnswer::Yes};
    EXPECT_FALSE(h.Main().WriteButtonClick());
    EXPECT_EQ(h.Unit.CurrentMemory(), 30);
    EXPECT_TRUE(Shown(h.Dialogs, device_message::ComCommunicationError));
    EXPECT_FALSE(h.Processor().Connected);
    EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
}

TEST(WriteAndRead, WriteRightAfterNewSendsTheBandsAsNewLeftThem) {
    DeviceHarness h;
    h.Connect();
    h.Main().PeqBtnClick(6);
    h.App.Peq().FrecEditExit("80");
    h.Dialogs.Answers = {MessageAnswer::No};
    h.Main().NewButtonClick();
    h.Main().NProgramSpinChange(30);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    ASSERT_TRUE(h.Main().WriteButtonClick());

    const std::span<const std::uint8_t> memory = h.Unit.Memory(30);
    ASSERT_EQ(memory.size(), static_cast<std::size_t>(CoefficientImageSize));
    for (const SettingsHalf& half : SettingsHalves) {
        // Band 1 of the half's sub: 1000 Hz (0x03E8), not the sub field's 500 Hz.
        const int offset = SettingsBlockOffset + BandRecordOffset(half, 3, 1) + BandFrequencyField;
        EXPECT_EQ(memory[static_cast<std::size_t>(offset)], 0x03) << half.Dsp;
        EXPECT_EQ(memory[static_cast<std::size_t>(offset + 1)], 0xE8) << half.Dsp;
    }
}

TEST(WriteAndRead, ReadAsksTheSaveQuestionFirstAndResetsBeforeReading) {
    DeviceHarness h;
    h.Connect();
    h.Dialogs.Answers = {MessageAnswer::No};
    h.Main().ReadButtonClick();
    ASSERT_FALSE(h.Dialogs.Messages.empty());
    EXPECT_EQ(h.Dialogs.Messages.front().Text, TMainForm::SaveQuestion);
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{ReadCommand, 21}}));
}

TEST(WriteAndRead, CancelAtTheReadQuestionReadsNothing) {
    DeviceHarness h;
    h.Connect();
    h.Main().SystemNameChange("Mine");
    h.Dialogs.Answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(h.Main().ReadButtonClick());
    EXPECT_TRUE(h.Writes.empty());
    EXPECT_EQ(h.Config().SystemInfo.SystemName, "Mine");
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
}

TEST(WriteAndRead, NoOrCancelAtTheWriteQuestionSendsNothing) {
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        DeviceHarness h;
        h.Connect();
        h.Main().NProgramSpinChange(30);
        h.Dialogs.Answers = {answer};
        EXPECT_FALSE(h.Main().WriteButtonClick());
        ASSERT_EQ(h.Dialogs.Messages.size(), 1U);
        EXPECT_EQ(h.Dialogs.Messages[0].Text,
                  "The memory 30 have a preset stored. Do you want to overwrite it?");
        EXPECT_EQ(h.Dialogs.Messages[0].Buttons, MessageButtons::YesNoCancel);
        EXPECT_TRUE(h.Writes.empty());
        EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
    }
}

TEST(WriteAndRead, UsbWriteFailureOffersReconnection) {
    DeviceHarness h;
    h.Connect(TConnectForm::UsbTag);
    h.Unit.SetFault({Fault::Silence, 3});
    h.Dialogs.Answers = {MessageAnswer::Yes};
    EXPECT_FALSE(h.Main().WriteButtonClick());
    ASSERT_FALSE(h.Dialogs.Messages.empty());
    const ShownMessage& last = h.Dialogs.Messages.back();
    EXPECT_EQ(last.Text, "The Quorvex was closed. You need to Reconnect.");
    EXPECT_EQ(last.Kind, MessageKind::Warning);
    EXPECT_TRUE(h.App.Connect().Visible);
    EXPECT_FALSE(h.App.Connect().Communication.Visible());
    EXPECT_FALSE(h.Processor().Connected);
    EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
    // Command 3 began and failed; no command 7 followed.
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{WriteCommand, 21}}));
}

TEST(WriteAndRead, MemoryTheUnitProtectsFailsWithItsMessageAndSendsNoData) {
    DeviceHarness h;
    h.Connect();
    h.Unit.SetProtected(25, true);
    h.Main().NProgramSpinChange(25);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    h.Main().WriteButtonClick();
    EXPECT_TRUE(Shown(h.Dialogs, device_message::MemoryProtected));
    const auto largest =
        std::max_element(h.Writes.begin(), h.Writes.end(),
                         [](const auto& a, const auto& b) { return a.size() < b.size(); });
    ASSERT_NE(largest, h.Writes.end());
    EXPECT_EQ(largest->size(), 1U);
    EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
}

TEST(WriteAndRead, ChangeAsksAndSendsOnlyCommandSeven) {
    DeviceHarness h;
    h.Connect();
    h.Main().NProgramSpinChange(22);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    h.Main().ChangeButtonClick();
    EXPECT_EQ(h.Dialogs.Messages.at(0).Text,
              "Do you want to Change the present configuration and load the memory 22 in the "
              "Quorvex ?");
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{ChangeCommand, 22}}));
    EXPECT_EQ(h.Unit.CurrentMemory(), 22);

    h.Writes.clear();
    h.Dialogs.Answers = {MessageAnswer::No};
    h.Main().ChangeButtonClick();
    EXPECT_TRUE(h.Writes.empty());
}

// --- A unit that falls silent in the middle of an operation ---

/// The line a connection runs over and the message its silence is reported with.
struct SilentLine {
    int Tag;
    std::string_view Message;
};

class FallsSilent : public ::testing::TestWithParam<SilentLine> {
protected:
    /// After the operation: the line's message, the program offline, the buttons off.
    void ExpectOfflineWithTheLineMessage(DeviceHarness& h) {
        EXPECT_TRUE(Shown(h.Dialogs, GetParam().Message));
        EXPECT_GE(h.Dialogs.Beeps, 1);
        EXPECT_FALSE(h.Processor().Connected);
        EXPECT_EQ(h.Processor().ConnectionText, "Status : Offline");
        EXPECT_EQ(h.App.Connect().ConnectionState, OfflineState);
        EXPECT_TRUE(h.App.Connect().Lamps[TConnectForm::OffLineTag]);
        EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
        EXPECT_FALSE(h.App.Connect().Communication.Visible());
    }
};

TEST_P(FallsSilent, DuringReadTheProgramGoesOfflineWithTheLineMessage) {
    DeviceHarness h;
    h.Connect(GetParam().Tag);
    // The read request and BEGIN to LONG are answered, then ten data blocks.
    h.Unit.SetFault({Fault::Silence, 20});
    h.Dialogs.Answers = {MessageAnswer::No};
    EXPECT_FALSE(h.Main().ReadButtonClick());
    ExpectOfflineWithTheLineMessage(h);
}

TEST_P(FallsSilent, DuringWriteTheProgramGoesOfflineWithTheLineMessage) {
    DeviceHarness h;
    h.Connect(GetParam().Tag);
    // START, COMMAND, NUMBER, LONG and ten data blocks are answered.
    h.Unit.SetFault({Fault::Silence, 14});
    h.Dialogs.Answers = {MessageAnswer::Yes};
    EXPECT_FALSE(h.Main().WriteButtonClick());
    ExpectOfflineWithTheLineMessage(h);
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{WriteCommand, 21}}));
}

TEST_P(FallsSilent, DuringChangeOfMemoryTheProgramGoesOfflineWithTheLineMessage) {
    DeviceHarness h;
    h.Connect(GetParam().Tag);
    // END is not answered.
    h.Unit.SetFault({Fault::Silence, 4});
    h.Dialogs.Answers = {MessageAnswer::Yes};
    EXPECT_FALSE(h.Main().ChangeButtonClick());
    ExpectOfflineWithTheLineMessage(h);
}

INSTANTIATE_TEST_SUITE_P(
    ComPortAndUsb, FallsSilent,
    ::testing::Values(SilentLine{TConnectForm::Com1Tag, device_message::ComCommunicationError},
                      SilentLine{TConnectForm::UsbTag, device_message::UsbCommunicationError}),
    [](const ::testing::TestParamInfo<SilentLine>& info) {
        return info.param.Tag == TConnectForm::UsbTag ? std::string("Usb") : std::string("Com");
    });

// --- Memory selector and access code ---

TEST(AccessCode, TheCodeWidensTheSelectorToAllSixtyMemories) {
    DeviceHarness h;
    h.Main().NProgramSpinChange(5);
    EXPECT_EQ(h.Processor().MemoryNumber, 21);

    h.Main().LOGOImageClick();
    TInputPassForm& dialog = h.App.InputPass();
    EXPECT_TRUE(dialog.Visible);
    dialog.PasswordEditChange("86421");
    EXPECT_EQ(dialog.PasswordEdit, "8642");
    dialog.PasswordEditEnter();
    EXPECT_FALSE(dialog.Visible);
    EXPECT_EQ(h.Processor().MemoryMinimum, 1);
    EXPECT_EQ(h.Dialogs.Texts(), std::vector<std::string>{
                                     "Unprotected System. Now you can write in all the memories"});
    h.Main().NProgramSpinChange(5);
    EXPECT_EQ(h.Processor().MemoryNumber, 5);
    h.Main().NProgramSpinChange(61);
    EXPECT_EQ(h.Processor().MemoryNumber, 60);
}

TEST(AccessCode, AWrongCodeProtectsAgainSilentlyAndLiftsTheSelectorTo21) {
    DeviceHarness h;
    h.Main().LOGOImageClick();
    h.App.InputPass().PasswordEditChange("8642");
    h.App.InputPass().PasswordEditEnter();
    h.Main().NProgramSpinChange(5);
    h.ClearRecords();

    h.Main().LOGOImageClick();
    EXPECT_EQ(h.App.InputPass().PasswordEdit, "");
    h.App.InputPass().PasswordEditChange("1234");
    h.App.InputPass().PasswordEditEnter();
    EXPECT_EQ(h.Processor().MemoryMinimum, 21);
    EXPECT_EQ(h.Processor().MemoryNumber, 21);
    EXPECT_TRUE(h.Dialogs.Messages.empty());
}

TEST(AccessCode, ProtectedMemoriesAreWrittenOnlyAfterTheCode) {
    VirtualProcessorOptions open;
    open.ProtectedMemories = {};
    DeviceHarness h(open);
    h.Connect();
    h.Main().LOGOImageClick();
    h.App.InputPass().PasswordEditChange("8642");
    h.App.InputPass().PasswordEditEnter();
    h.Main().NProgramSpinChange(7);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    h.Main().WriteButtonClick();
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{WriteCommand, 7}, {ChangeCommand, 7}}));
    EXPECT_EQ(h.Unit.CurrentMemory(), 7);
}

// --- Write to all memories ---

TEST(CopyAllMemories, WhileProtectedTheFirstTwentyPassesWriteMemory21) {
    DeviceHarness h;
    h.Connect();
    h.Main().CopyAllMemClick();
    std::vector<SentTransaction> expected(20, SentTransaction{WriteCommand, 21});
    for (int memory = 21; memory <= 60; ++memory) {
        expected.push_back({WriteCommand, memory});
    }
    EXPECT_EQ(h.Sent(), expected);
    EXPECT_EQ(h.Pump.CallsOf(5501), 60);
    EXPECT_EQ(h.Pump.CallsOf(20000), 60);
    EXPECT_EQ(h.Processor().MemoryNumber, 60);
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
    EXPECT_EQ(h.Unit.TakeChangedMemories().size(), 40U);
}

TEST(CopyAllMemories, StopsAtTheFirstMemoryTheUnitRefuses) {
    DeviceHarness h;
    h.Connect();
    h.Main().LOGOImageClick();
    h.App.InputPass().PasswordEditChange("8642");
    h.App.InputPass().PasswordEditEnter();
    h.ClearRecords();
    h.Main().CopyAllMemClick();
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{WriteCommand, 1}}));
    EXPECT_TRUE(Shown(h.Dialogs, device_message::MemoryProtected));
    EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
}

// --- Keyboard lock, password, operating system ---

TEST(Keyboard, LockAndUnlockAskFirstAndSendTheirByte) {
    DeviceHarness h;
    h.Connect();
    h.Dialogs.Answers = {MessageAnswer::Ok};
    h.Main().BlockBClick();
    EXPECT_EQ(h.Dialogs.Messages.at(0).Text, "Do you want to LOCK the Keyboard?");
    EXPECT_EQ(h.Dialogs.Messages.at(0).Buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(h.Unit.KeyboardLocked());
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{KeyboardLockCommand, 0}}));

    h.Dialogs.Answers = {MessageAnswer::Cancel};
    h.Main().UnblockBClick();
    EXPECT_TRUE(h.Unit.KeyboardLocked());
    EXPECT_EQ(h.Dialogs.Messages.back().Text, "Do you want to UNLOCK the Keyboard?");

    h.Dialogs.Answers = {MessageAnswer::Ok};
    h.Main().UnblockBClick();
    EXPECT_FALSE(h.Unit.KeyboardLocked());
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
}

TEST(Keyboard, PasswordWindowSendsTheLettersAndTheActiveByte) {
    DeviceHarness h;
    h.Connect();
    h.Main().PasswordBClick();
    EXPECT_FALSE(h.Main().DeviceButtonsEnabled);
    TPasswordForm& window = h.App.Password();
    ASSERT_TRUE(window.Visible);
    // Q is sixteen steps up from A; Y is two steps down.
    for (int i = 0; i < 16; ++i) {
        window.FARR_SpeedButtonClick();
    }
    window.ENTER_SpeedButtonClick();
    window.FABA_SpeedButtonClick();
    window.FABA_SpeedButtonClick();
    for (int i = 0; i < 5; ++i) {
        window.ENTER_SpeedButtonClick();
    }
    EXPECT_EQ(window.PasswordEdit, "QYAAAA");
    window.PasswordLEDClick();
    window.OK_BitBtnClick();
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{PasswordCommand, 0}}));
    ASSERT_TRUE(h.Unit.Password().has_value());
    EXPECT_EQ(h.Unit.Password()->Text(), "QYAAAA");
    EXPECT_FALSE(h.Unit.Password()->Active);
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
}

TEST(Keyboard, CancelledPasswordWindowSendsNothing) {
    DeviceHarness h;
    h.Connect();
    h.Main().PasswordBClick();
    h.App.Password().BitBtn2Click();
    EXPECT_TRUE(h.Writes.empty());
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
}

TEST(UpdateDsp, BeepsAndWarnsWithTheExactText) {
    DeviceHarness h;
    h.Connect();
    h.Dialogs.Answers = {MessageAnswer::No};
    h.Main().UpdateDSPClick();
    ASSERT_EQ(h.Log.size(), 2U);
    EXPECT_EQ(h.Log[0], "beep");
    EXPECT_EQ(h.Dialogs.Messages.at(0).Text,
              "WARNING!!! Updating the DSP Operating System may left your Quorvex unit blocked "
              "if it does not finish correctlly. Please, be sure that  everything is connected "
              "well. Do you want to continue anyway?");
    EXPECT_EQ(h.Dialogs.Messages.at(0).Buttons, MessageButtons::YesNo);
    EXPECT_TRUE(h.Writes.empty());

    h.Dialogs.Answers = {MessageAnswer::Yes};
    h.Main().UpdateDSPClick();
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{1, 61}, {8, 0}}));
    EXPECT_EQ(h.Unit.OperatingSystemUpdates(), 1);
    EXPECT_TRUE(h.Main().DeviceButtonsEnabled);
}

/// An operating-system text of the documented form whose every word is AB CD 01 23 45.
std::string RepeatedWordProgram(int words) {
    std::string text = "0x02 , 0x00 , \n";
    for (int word = 0; word < words; ++word) {
        text += "0xAB , 0xCD , 0x01 , 0x23 , 0x45 , \n";
    }
    return text;
}

TEST(UpdateDsp, SendsAnotherProgramThePersonLoaded) {
    ScratchFolder folder;
    const std::string path = folder / "dsp.txt";
    std::ofstream(path) << RepeatedWordProgram(512);
    DeviceHarness h;
    h.Connect();
    h.Dialogs.OpenAnswers = {path};

    ASSERT_TRUE(h.App.Connect().LoadOperatingSystemText());
    EXPECT_TRUE(h.Dialogs.OpenRequests.at(0).MustExist);
    h.Dialogs.Answers = {MessageAnswer::Yes};
    ASSERT_TRUE(h.Main().UpdateDSPClick());

    const auto memory = h.Unit.Memory(61);
    ASSERT_EQ(memory.size(), 2560U);
    const std::array<std::uint8_t, 5> word{0xAB, 0xCD, 0x01, 0x23, 0x45};
    EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + 5, word.begin()));
    EXPECT_TRUE(std::equal(memory.end() - 5, memory.end(), word.begin()));
}

TEST(UpdateDsp, ShortOrMissingProgramIsRefusedAndTheOneHeldIsKept) {
    ScratchFolder folder;
    const std::string shortProgram = folder / "short.txt";
    std::ofstream(shortProgram) << RepeatedWordProgram(100);
    DeviceHarness h;
    h.Connect();
    h.Dialogs.OpenAnswers = {shortProgram, folder / "missing.txt", std::nullopt};

    EXPECT_FALSE(h.App.Connect().LoadOperatingSystemText());
    EXPECT_FALSE(h.App.Connect().LoadOperatingSystemText());
    EXPECT_FALSE(h.App.Connect().LoadOperatingSystemText()) << "the dialog was cancelled";
    ASSERT_EQ(h.Dialogs.Messages.size(), 2U);
    EXPECT_EQ(h.Dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(h.Dialogs.Messages[1].Kind, MessageKind::Error);
    EXPECT_TRUE(h.Writes.empty());

    // The program's own text still goes: its first word is 00 00 00 01 84, its last
    // 00 00 1F A1 84.
    h.Dialogs.Answers = {MessageAnswer::Yes};
    ASSERT_TRUE(h.Main().UpdateDSPClick());
    const auto memory = h.Unit.Memory(61);
    const std::array<std::uint8_t, 5> first{0x00, 0x00, 0x00, 0x01, 0x84};
    const std::array<std::uint8_t, 5> last{0x00, 0x00, 0x1F, 0xA1, 0x84};
    EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + 5, first.begin()));
    EXPECT_TRUE(std::equal(memory.end() - 5, memory.end(), last.begin()));
}

// --- Real-time switch ---

TEST(RealTime, OnlineSwitchReadsThePlayingMemoryThenTurnsOn) {
    VirtualProcessorOptions playing;
    playing.CurrentMemory = 37;
    DeviceHarness h(playing);
    {
        ProgramHarness other;
        other.App.Main().SystemNameChange("Stage");
        const CoefficientImage image = BuildCoefficientImage(other.Config(), other.Doc().Engine);
        ASSERT_TRUE(h.Unit.LoadMemory(37, image));
    }
    h.Connect();
    h.Dialogs.Answers = {MessageAnswer::Ok, MessageAnswer::No};
    h.Main().RealTimeBClick();
    EXPECT_EQ(h.Dialogs.Messages.at(0).Text, TMainForm::RealTimeText);
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{19, 0}, {ReadCommand, 37}}));
    EXPECT_EQ(h.Processor().MemoryNumber, 37);
    EXPECT_EQ(h.Config().SystemInfo.SystemName, Padded("Stage", 40));
    EXPECT_TRUE(h.Processor().RealTime);
    EXPECT_TRUE(h.Main().RealTimePictureOn);
    EXPECT_TRUE(h.Processor().ShouldSendRealTime());
}

/// Real-time frames in `writes`: START, 0x12, the DSP and the type, each written alone.
std::vector<std::array<int, 2>> RealTimeFrames(const ProcessorLine::WriteLog& writes) {
    std::vector<std::array<int, 2>> frames;
    for (std::size_t i = 0; i + 3 < writes.size(); ++i) {
        if (writes[i] == std::vector<std::uint8_t>{0x85} &&
            writes[i + 1] == std::vector<std::uint8_t>{0x12}) {
            frames.push_back({writes[i + 2].at(0), writes[i + 3].at(0)});
        }
    }
    return frames;
}

TEST(RealTime, ChangesGoToTheUnitOnlyWhileTheSwitchIsOn) {
    DeviceHarness h;
    h.Connect();
    h.Main().RouteBClick(3);
    EXPECT_TRUE(RealTimeFrames(h.Writes).empty());

    h.Dialogs.Answers = {MessageAnswer::Ok, MessageAnswer::No};
    h.Main().RealTimeBClick();
    ASSERT_TRUE(h.Processor().RealTime);
    h.Writes.clear();
    h.Main().RouteBClick(3);
    // Out3 runs on DSP 2; its two route factors are single words (type 2).
    const std::vector<std::array<int, 2>> expected{{2, 2}, {2, 2}};
    EXPECT_EQ(RealTimeFrames(h.Writes), expected);
}

TEST(RealTime, NothingIsSentWhileATransferIsRunning) {
    DeviceHarness h;
    h.Connect();
    h.Dialogs.Answers = {MessageAnswer::Ok, MessageAnswer::No};
    h.Main().RealTimeBClick();
    ASSERT_TRUE(h.Processor().ShouldSendRealTime());

    std::vector<int> sendableRuns;
    h.Pump.OnRun = [&h, &sendableRuns](int times) {
        if (h.Processor().ShouldSendRealTime()) {
            sendableRuns.push_back(times);
        }
    };
    h.Dialogs.Answers = {MessageAnswer::Yes};
    ASSERT_TRUE(h.Main().WriteButtonClick());
    EXPECT_TRUE(sendableRuns.empty());

    // Only the route button's own pauses after each of its two messages may send; the
    // pauses inside the messages may not.
    h.Main().RouteBClick(1);
    EXPECT_EQ(sendableRuns, (std::vector<int>{100, 100}));
    EXPECT_TRUE(h.Processor().ShouldSendRealTime());
}

TEST(RealTime, CancelledSaveQuestionLeavesTheSwitchOff) {
    DeviceHarness h;
    h.Connect();
    h.Dialogs.Answers = {MessageAnswer::Ok, MessageAnswer::Cancel};
    h.Main().RealTimeBClick();
    EXPECT_EQ(h.Sent(), (std::vector<SentTransaction>{{19, 0}}));
    EXPECT_FALSE(h.Processor().RealTime);
    EXPECT_FALSE(h.Main().RealTimePictureOn);
}

TEST(RealTime, UsbRequestFailureOffersReconnectionAndStaysOff) {
    DeviceHarness h;
    h.Connect(TConnectForm::UsbTag);
    h.Unit.SetFault({Fault::Silence, 0});
    h.Main().RealTimeBClick();
    EXPECT_EQ(h.Dialogs.Messages.back().Text, device_message::QuorvexClosed);
    EXPECT_FALSE(h.Processor().RealTime);
    EXPECT_TRUE(h.App.Connect().Visible);
}

TEST(RealTime, ComRequestFailureLeavesTheSwitchOffWithoutReconnecting) {
    DeviceHarness h;
    h.Connect();
    h.Unit.SetFault({Fault::Silence, 0});
    h.Main().RealTimeBClick();

    EXPECT_FALSE(h.Processor().RealTime);
    EXPECT_FALSE(h.Main().RealTimePictureOn);
    EXPECT_FALSE(Shown(h.Dialogs, device_message::QuorvexClosed));
    EXPECT_TRUE(Shown(h.Dialogs, device_message::ComCommunicationError));
    EXPECT_EQ(h.Sent().size(), 0U) << "START was not answered";
    EXPECT_EQ(h.Writes.size(), 1U);
}

} // namespace
} // namespace quorvex::testing
