#include "config/configuration.h"
#include "counting_loop.h"
#include "link/device_operations.h"
#include "link/usb_byte_link.h"
#include "recording_link.h"
#include "scripted_d2xx.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvex::test {
namespace {

const std::string OpenText = "Can't open the USB. Please verify that the USB port is correct and "
                             "your Quorvex unit is switch on";

TEST(UsbStatusText, SuffixNamesTheStatusAndUnknownStatusesAddNothing) {
    EXPECT_EQ(UsbFailureText(UsbOperation::Open, FT_DEVICE_NOT_FOUND),
              OpenText + " - Device Not Found....");
    EXPECT_EQ(UsbFailureText(UsbOperation::SetRts, FT_INVALID_PARAMETER),
              "FT_SetRTS - Invalid Parameter ...");
    EXPECT_EQ(UsbFailureText(UsbOperation::Write, 7), "USB Write Failed");
    EXPECT_EQ(UsbFailureText(UsbOperation::Read, 99), "USB Read Failed");
}

TEST(UsbByteLink, CheckAndConfigureAppliesTheLineSettingsAndClosesAgain) {
    ScriptedD2xx d2xx;
    UsbByteLink link(d2xx);

    ASSERT_TRUE(link.Prepare().Ok);

    const std::vector<std::string> expected{"FT_Open",
                                            "FT_SetBaudRate",
                                            "FT_SetRts",
                                            "FT_SetDtr",
                                            "FT_SetDataCharacteristics",
                                            "FT_SetFlowControl",
                                            "FT_SetChars",
                                            "FT_SetTimeouts",
                                            "FT_Close"};
    EXPECT_EQ(d2xx.calls, expected);
    EXPECT_EQ(d2xx.openedIndex, 0);
    EXPECT_EQ(d2xx.baudRate, 9600U);
    EXPECT_EQ(d2xx.dataCharacteristics, (std::vector<std::uint8_t>{8, 0, 0}));
    EXPECT_EQ(d2xx.flowControl, (std::vector<std::uint8_t>{0, 0x11, 0x13}));
    EXPECT_EQ(d2xx.timeouts, (std::pair<unsigned long, unsigned long>{1000, 1000}));
    EXPECT_FALSE(link.IsOpen());
}

TEST(UsbByteLink, FailedSettingClosesTheDeviceAndGivesItsText) {
    ScriptedD2xx d2xx;
    d2xx.failures["FT_SetTimeouts"] = FT_IO_ERROR;
    UsbByteLink link(d2xx);

    const LinkStatus status = link.Prepare();

    EXPECT_FALSE(status.Ok);
    EXPECT_EQ(
        status.Error,
        "Comunication ERROR. Please verify that the USB port is correct - General IO Error...");
    EXPECT_FALSE(d2xx.open);
}

TEST(UsbByteLink, ReadWithoutDataIsATimeOutNotThePreviousByte) {
    ScriptedD2xx d2xx;
    UsbByteLink link(d2xx);
    ASSERT_TRUE(link.Open().Ok);
    d2xx.replies = {0x85};

    EXPECT_EQ(link.WaitForReply().Value, 0x85);
    const Reply second = link.WaitForReply();
    EXPECT_EQ(second.Result, Reply::Outcome::TimedOut);
}

class UsbOperations : public ::testing::Test {
protected:
    VirtualProcessor unit;
    ScriptedD2xx d2xx{&unit};
    UsbByteLink usb{d2xx};
    RecordingLink link{usb};
    CommunicationWindow window;
    CountingLoop loop;
    DeviceOperations operations{link, window, loop};
};

TEST_F(UsbOperations, OpenFailureGoesOfflineWithTheStatusText) {
    d2xx.failures["FT_Open"] = FT_DEVICE_NOT_FOUND;

    const ConnectionResult connection = operations.Connect();

    EXPECT_FALSE(connection.Operation.Ok);
    EXPECT_TRUE(connection.Operation.ConnectionLost);
    EXPECT_EQ(connection.StatusText, "Status : Offline");
    ASSERT_EQ(connection.Operation.Messages.size(), 1U);
    EXPECT_EQ(connection.Operation.Messages[0].Text, OpenText + " - Device Not Found....");
    EXPECT_EQ(connection.Operation.Messages[0].Kind, NoticeKind::Error);
    EXPECT_TRUE(link.writes.empty());
}

TEST_F(UsbOperations, ConnectOverUsbReportsUsb) {
    const ConnectionResult connection = operations.Connect();

    ASSERT_TRUE(connection.Operation.Ok);
    EXPECT_EQ(connection.StatusText, "Status : USB");
    EXPECT_EQ(window.PortLine(), "Comunication Port : USB");
    EXPECT_FALSE(d2xx.open);
}

TEST_F(UsbOperations, SilentDeviceIsNotAQuorvex) {
    unit.SetFault({Fault::Silence, 0});

    const ConnectionResult connection = operations.Connect();

    EXPECT_FALSE(connection.Operation.Ok);
    EXPECT_EQ(connection.StatusText, "Status : Offline");
    ASSERT_FALSE(connection.Operation.Messages.empty());
    EXPECT_EQ(connection.Operation.Messages.back().Text,
              "This is not a Quorvex processor, It cannot communicate.");
    EXPECT_EQ(link.Sent(), Bytes{0x85}) << "no byte goes out after a reply that never came";
    EXPECT_FALSE(d2xx.open);
}

/// A write that failed over USB: offline, the reason first, then the reconnection offered.
void ExpectReconnectionOffered(const OperationResult& result) {
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.ConnectionLost);
    EXPECT_TRUE(result.ShowConnectionWindow);
    ASSERT_EQ(result.Messages.size(), 2U);
    EXPECT_EQ(result.Messages[1].Text, "The Quorvex was closed. You need to Reconnect.");
    EXPECT_EQ(result.Messages[1].Kind, NoticeKind::Warning);
}

TEST_F(UsbOperations, WriteFailureOffersReconnection) {
    d2xx.failures["FT_Write"] = FT_INVALID_BAUD_RATE;

    const OperationResult result =
        operations.WriteMemory(30, Bytes(2046, 0x01), MemoryProtection{});

    ExpectReconnectionOffered(result);
    EXPECT_EQ(result.Messages.at(0).Text, "USB Write Failed");
    EXPECT_FALSE(d2xx.open);
}

TEST_F(UsbOperations, WritePausesFiftyPassesPerStatusAndBlock) {
    const Bytes image(2046, 0x5A);
    const OperationResult result = operations.WriteMemory(30, image, MemoryProtection{});

    ASSERT_TRUE(result.Ok);
    const auto stored = unit.Memory(30);
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), image.begin(), image.end()));
    // Command 3: twelve statuses and 31 full blocks; command 7: twelve statuses; then the
    // pause after a write.
    EXPECT_EQ(loop.total, (12 + 31) * 50 + 12 * 50 + 20000);
    EXPECT_FALSE(d2xx.open);
}

TEST_F(UsbOperations, ProtectedReplyClosesTheDevice) {
    const OperationResult result = operations.WriteMemory(5, Bytes(2046, 0x01), [] {
        MemoryProtection protection;
        protection.EnterCode("8642");
        return protection;
    }());

    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Messages.front().Button, NoticeButton::Yes);
    EXPECT_FALSE(d2xx.open);
}

TEST_F(UsbOperations, WrongBeginNamesTheByteOnUsb) {
    unit.SetFault({Fault::WrongBegin, 0});
    Configuration config;

    const OperationResult result = operations.ReadMemory(21, config);

    EXPECT_TRUE(result.Ok);
    const auto& lines = window.StatusLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  ¡¡ERROR!! El dato no es el esperado(132)"),
              lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "Received BEGIN..."), lines.end());
}

// A unit that stops answering over USB ends the connection as the reply timer does on a COM
// port: the USB line's communication error, with its beep, the window closed, offline.
void ExpectUsbLineWentQuiet(const Notice& notice) {
    EXPECT_EQ(notice.Text, "Comunication ERROR. Please verify that the USB port is correct");
    EXPECT_EQ(notice.Kind, NoticeKind::Error);
    EXPECT_EQ(notice.Button, NoticeButton::Ok);
    EXPECT_TRUE(notice.Beep);
}

TEST_F(UsbOperations, ReadThatTheUnitStopsAnsweringGoesOfflineWithTheUsbMessage) {
    // The command-4 request (five answers), BEGIN to LONG (five) and ten data blocks arrive.
    unit.SetFault({Fault::Silence, 20});
    Configuration config;
    config.Output(1).Level.GainDb = -12.5;
    window.Show();

    const OperationResult result = operations.ReadMemory(30, config);

    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.ConnectionLost);
    ASSERT_EQ(result.Messages.size(), 1U);
    ExpectUsbLineWentQuiet(result.Messages[0]);
    EXPECT_EQ(window.Status(), " ¡¡ERROR!! DATA stopped");
    EXPECT_FALSE(window.Visible());
    EXPECT_FALSE(d2xx.open);
    EXPECT_EQ(config.Output(1).Level.GainDb, -12.5) << "nothing of a broken read is taken";
}

TEST_F(UsbOperations, ReadRequestThatIsNeverAnsweredGoesOffline) {
    unit.SetFault({Fault::Silence, 0});
    Configuration config;

    const OperationResult result = operations.ReadMemory(30, config);

    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.ConnectionLost);
    ASSERT_EQ(result.Messages.size(), 1U);
    ExpectUsbLineWentQuiet(result.Messages[0]);
    EXPECT_EQ(link.Sent(), Bytes{0x85});
}

TEST_F(UsbOperations, WriteThatTheUnitStopsAnsweringGoesOfflineAndOffersReconnection) {
    // START, COMMAND, NUMBER, LONG and ten data blocks are answered.
    unit.SetFault({Fault::Silence, 14});

    const OperationResult result =
        operations.WriteMemory(30, Bytes(2046, 0x01), MemoryProtection{});

    ExpectReconnectionOffered(result);
    ExpectUsbLineWentQuiet(result.Messages.at(0));
    EXPECT_FALSE(window.Visible());
    EXPECT_FALSE(d2xx.open);
}

TEST_F(UsbOperations, ChangeOfMemoryThatIsNeverClosedGoesOffline) {
    // START, COMMAND, NUMBER and LONG are answered, END is not.
    unit.SetFault({Fault::Silence, 4});

    const OperationResult result = operations.ChangeMemory(30);

    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.ConnectionLost);
    ASSERT_EQ(result.Messages.size(), 1U);
    ExpectUsbLineWentQuiet(result.Messages[0]);
    EXPECT_EQ(window.Status(), "Sending END...");
    EXPECT_FALSE(d2xx.open);
}

TEST_F(UsbOperations, FailingReadCallKeepsItsOwnTextWithoutTheSilenceMessage) {
    d2xx.failures["FT_Read"] = FT_IO_ERROR;

    const OperationResult result = operations.ChangeMemory(30);

    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.ConnectionLost);
    ASSERT_EQ(result.Messages.size(), 1U);
    EXPECT_EQ(result.Messages[0].Text, "USB Read Failed - General IO Error...");
    EXPECT_FALSE(result.Messages[0].Beep);
}

TEST(UsbReceive, AnnouncedLengthOtherThanAnImageFailsBeforeAnyData) {
    ScriptedD2xx d2xx;
    UsbByteLink usb(d2xx);
    RecordingLink link(usb);
    CommunicationWindow window;
    CountingLoop loop;
    TransferProtocol protocol(link, window, loop);
    // The command-4 request answered, then a read announcing 2045 bytes.
    d2xx.replies = {0x85, 0x04, 30, 0x00, 0x55, 0x85, 0x04, 30, 0x07, 0xFD, 1, 2, 3};

    const ReceiveResult received = protocol.Receive(30);

    EXPECT_FALSE(received.Transfer.Ok);
    EXPECT_TRUE(received.Image.empty());
    EXPECT_EQ(window.Status(), " ¡¡ERROR!! LONG is not a memory image");
    ASSERT_EQ(received.Transfer.Messages.size(), 1U);
    EXPECT_EQ(received.Transfer.Messages[0].Text,
              "The Quorvex announced 2045 bytes, but a memory holds 2046. Nothing was read.");
    // The low byte of LONG is not echoed: the unit sends no data.
    EXPECT_EQ(link.writes.back(), Bytes{0x07});
    EXPECT_FALSE(d2xx.open);
}

TEST(UsbReceive, DataThatStopsMidBlockFailsTheRead) {
    ScriptedD2xx d2xx;
    UsbByteLink usb(d2xx);
    CommunicationWindow window;
    CountingLoop loop;
    TransferProtocol protocol(usb, window, loop);
    d2xx.replies = {0x85, 0x04, 30, 0x00, 0x55, 0x85, 0x04, 30, 0x07, 0xFE};
    for (int i = 0; i < 100; ++i) {
        d2xx.replies.push_back(0x01);
    }

    const ReceiveResult received = protocol.Receive(30);

    EXPECT_FALSE(received.Transfer.Ok);
    EXPECT_TRUE(received.Image.empty());
    EXPECT_EQ(window.Status(), " ¡¡ERROR!! DATA stopped");
}

} // namespace
} // namespace quorvex::test
