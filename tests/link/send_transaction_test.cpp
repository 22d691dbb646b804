#include "link/communication_texts.h"
#include "link/device_messages.h"
#include "pty_fixture.h"

#include <chrono>
#include <thread>

namespace quorvex::test {
namespace {

using Clock = std::chrono::steady_clock;

class SendTransaction : public OverPty {
protected:
    SendTransaction() = default;
    explicit SendTransaction(PtyRunnerOptions options) : OverPty(std::move(options)) {}

    void Arm(Fault fault, int afterReplies = 0) {
        unit.Inspect([&](VirtualProcessor& processor) {
            processor.SetFault({fault, afterReplies});
        });
    }
};

TEST_F(SendTransaction, LongZeroSendsNoDataBlockAndShowsEveryStep) {
    window.Show();
    const TransferResult result = protocol.Send({DeviceCommand::ConnectionTest, 0, {}, true});

    ASSERT_TRUE(result.Ok);
    EXPECT_EQ(link.writes, SendWrites(0, 0, {}));
    EXPECT_EQ(link.Sent(), (Bytes{0x85, 0x00, 0x00, 0x00, 0x00, 0x00, 0x55}));
    const std::vector<std::string> expected{
        "Sending START...",    "Received START...",         "Sending COMMAND...",
        "Received COMMAND...", "Sending PROGRAM NUMBER...", "Received Program Number...",
        "Sending LONG...",     "Received LONG...",          "Sending DATA...",
        "Sending END...",      "Received END...",           "Communication OK..."};
    EXPECT_EQ(window.StatusLines(), expected);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(loop.total, 0) << "a COM link makes no pauses of its own";
}

TEST_F(SendTransaction, SilentUnitFailsAtStartAfterTheReplyTimer) {
    Arm(Fault::Silence);
    window.Show();
    const Clock::time_point start = Clock::now();
    const TransferResult result = protocol.Send({DeviceCommand::ConnectionTest, 0, {}, true});
    const auto waited = Clock::now() - start;

    EXPECT_FALSE(result.Ok);
    EXPECT_GE(waited, std::chrono::milliseconds(1900));
    EXPECT_EQ(link.Sent(), Bytes{0x85});
    EXPECT_EQ(window.Status(), "Sending START...");
    ASSERT_EQ(result.Messages.size(), 1U);
    EXPECT_EQ(result.Messages[0].Text,
              "Comunication ERROR. Please verify that the COM port selected is correct and "
              "there isn't a USB Connected and your Quorvex unit is in its Main Menu");
    EXPECT_EQ(result.Messages[0].Kind, NoticeKind::Error);
    EXPECT_TRUE(result.Messages[0].Beep);
    EXPECT_TRUE(result.ConnectionLost);
    EXPECT_FALSE(window.Visible());
}

TEST_F(SendTransaction, WrongStartReplyIsShownInDecimalAndFails) {
    Arm(Fault::WrongStartReply);
    window.Show();
    const TransferResult result = protocol.Send({DeviceCommand::ConnectionTest, 0, {}, true});

    EXPECT_FALSE(result.Ok);
    // The unit answers 0x84 for 0x85.
    EXPECT_EQ(window.Status(), "  ¡¡ERROR!! DATA NO VALID(132)");
    EXPECT_TRUE(window.Visible()) << "the window stays open showing the text";
    EXPECT_FALSE(result.ConnectionLost);
    EXPECT_EQ(link.Sent(), Bytes{0x85});
}

TEST_F(SendTransaction, ProtectedMemoryFailsWithItsMessageBeforeAnyData) {
    const Bytes image(2046, 0x11);
    const TransferResult result = protocol.Send({DeviceCommand::WriteMemory, 5, image, true});

    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(link.Sent(), (Bytes{0x85, 0x03, 0x05}));
    ASSERT_EQ(result.Messages.size(), 1U);
    EXPECT_EQ(result.Messages[0].Text,
              "MEMORY PROTECTED. If you want to override it, you must unprotect it from the "
              "keyboard of the Processor.");
    EXPECT_EQ(result.Messages[0].Kind, NoticeKind::Information);
    EXPECT_EQ(result.Messages[0].Button, NoticeButton::Yes);
    unit.Inspect([](VirtualProcessor& processor) { EXPECT_NE(processor.Memory(5)[0], 0x11); });
}

TEST_F(SendTransaction, WrongLongEchoFailsBeforeTheData) {
    Arm(Fault::WrongLongEcho);
    const Bytes image(2046, 0x22);
    const TransferResult result = protocol.Send({DeviceCommand::WriteMemory, 30, image, true});

    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(window.Status(), "¡¡ERROR!! DATA NO VALID (Long)");
    EXPECT_EQ(link.Sent(), (Bytes{0x85, 0x03, 30, 30, 0x07, 0xFE}));
}

TEST_F(SendTransaction, WrongEndReplyFailsWithTheErrorBox) {
    Arm(Fault::WrongEndReply);
    const TransferResult result = protocol.Send({DeviceCommand::ChangeMemory, 22, {}, true});

    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(window.Status(), " ¡¡ERROR!! DATA NO VALID (END)");
    ASSERT_EQ(result.Messages.size(), 1U);
    EXPECT_EQ(result.Messages[0].Text, "ERROR");
}

TEST_F(SendTransaction, UnitHangingUpMidTransferFailsAtOnce) {
    // START, COMMAND, NUMBER, LONG and ten blocks are answered; then the line goes dead.
    Arm(Fault::Disconnect, 14);
    const Bytes image(2046, 0x33);
    const Clock::time_point start = Clock::now();
    const TransferResult result = protocol.Send({DeviceCommand::WriteMemory, 30, image, true});
    const auto waited = Clock::now() - start;

    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.ConnectionLost);
    EXPECT_EQ(window.Status(), "Sending DATA... to Memory 30");
    EXPECT_LT(waited, std::chrono::milliseconds(1900)) << "a hang-up ends the wait, not the timer";
    EXPECT_FALSE(serial.IsOpen());
}

TEST_F(SendTransaction, RealTimeRequestTakesTheReportedMemory) {
    ASSERT_TRUE(operations.ChangeMemory(37).Ok);
    link.writes.clear();

    const OperationResult result = operations.RequestRealTime();

    ASSERT_TRUE(result.Ok);
    EXPECT_EQ(result.ReportedMemory, 37);
    EXPECT_EQ(link.writes, SendWrites(19, 0, {}));
}

PtyRunnerOptions QuicklyIdleUnit() {
    PtyRunnerOptions options;
    options.Processor.IdleTimeout = std::chrono::milliseconds(100);
    return options;
}

/// A transaction broken off by a fault leaves the unit in the middle of it until the line has
/// been quiet for its idle time; then the program must be able to go on as before.
class AfterAFault : public SendTransaction, public ::testing::WithParamInterface<Fault> {
protected:
    AfterAFault() : SendTransaction(QuicklyIdleUnit()) {}
};

TEST_P(AfterAFault, TheNextTransactionGoesThrough) {
    Arm(GetParam());
    const Bytes image(2046, 0x44);
    const TransferResult failed = protocol.Send({DeviceCommand::WriteMemory, 30, image, true});
    ASSERT_FALSE(failed.Ok);
    Arm(Fault::None);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    const OperationResult next = operations.ChangeMemory(22);

    EXPECT_TRUE(next.Ok) << window.Status();
    EXPECT_EQ(window.StatusLines().back(), "Communication OK...");
    unit.Inspect([](VirtualProcessor& processor) { EXPECT_EQ(processor.CurrentMemory(), 22); });
}

INSTANTIATE_TEST_SUITE_P(SendTransaction, AfterAFault,
                         ::testing::Values(Fault::WrongStartReply, Fault::WrongLongEcho,
                                           Fault::WrongEndReply, Fault::DropReply));

} // namespace
} // namespace quorvex::test
