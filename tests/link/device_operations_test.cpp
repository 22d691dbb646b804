#include "config/new_configuration.h"
#include "engine/engine_objects.h"
#include "image/coefficient_image.h"
#include "link/operating_system_image.h"
#include "link/password_block.h"
#include "pty_fixture.h"
#include "sim/memory_layout.h"

namespace quorvex::test {
namespace {

MemoryProtection Unlocked() {
    MemoryProtection protection;
    protection.EnterCode("8642");
    return protection;
}

Bytes ImageOf(Configuration config) {
    EngineObjects objects;
    DesignAll(config, objects);
    const CoefficientImage image = BuildCoefficientImage(config, objects);
    return Bytes(image.begin(), image.end());
}

Bytes Stored(PtyUnit& unit, int memory) {
    Bytes bytes;
    unit.Inspect([&](VirtualProcessor& processor) {
        const auto stored = processor.Memory(memory);
        bytes.assign(stored.begin(), stored.end());
    });
    return bytes;
}

using DeviceOperationsOverPty = OverPty;

TEST_F(DeviceOperationsOverPty, WriteSendsTheImageThenMakesTheMemoryCurrent) {
    const Bytes image = ImageOf(Configuration{});
    const OperationResult result = operations.WriteMemory(30, image, MemoryProtection{});

    ASSERT_TRUE(result.Ok);
    EXPECT_TRUE(result.Messages.empty());
    const std::vector<Bytes> expected = Then(SendWrites(3, 30, image), SendWrites(7, 30, {}));
    EXPECT_EQ(link.writes, expected);
    // 31 blocks of 64 and a last one of 62, LONG 07 FE.
    EXPECT_EQ(link.writes[4], Bytes{0x07});
    EXPECT_EQ(link.writes[5], Bytes{0xFE});
    EXPECT_EQ(link.writes[6 + 30].size(), 64U);
    EXPECT_EQ(link.writes[6 + 31].size(), 62U);
    EXPECT_EQ(link.writes[6 + 32], Bytes{0x55});
    EXPECT_TRUE(StatusShown("Sending DATA... to Memory 30"));
    EXPECT_EQ(window.ProgressMaximum(), 0) << "the change-memory command comes last";
    EXPECT_EQ(loop.total, 20000);
    EXPECT_EQ(Stored(unit, 30), image);
    unit.Inspect([](VirtualProcessor& processor) { EXPECT_EQ(processor.CurrentMemory(), 30); });
}

TEST_F(DeviceOperationsOverPty, ChangeMemorySendsOnlyCommandSeven) {
    ASSERT_TRUE(operations.ChangeMemory(22).Ok);
    EXPECT_EQ(link.writes, SendWrites(7, 22, {}));
    unit.Inspect([](VirtualProcessor& processor) { EXPECT_EQ(processor.CurrentMemory(), 22); });
}

TEST_F(DeviceOperationsOverPty, KeyboardLockAndUnlockSendOneByte) {
    ASSERT_TRUE(operations.SetKeyboardLock(true).Ok);
    EXPECT_EQ(link.writes, SendWrites(5, 0, {0xFF}));
    unit.Inspect([](VirtualProcessor& processor) { EXPECT_TRUE(processor.KeyboardLocked()); });

    link.writes.clear();
    ASSERT_TRUE(operations.SetKeyboardLock(false).Ok);
    EXPECT_EQ(link.writes, SendWrites(5, 0, {0x00}));
    unit.Inspect([](VirtualProcessor& processor) { EXPECT_FALSE(processor.KeyboardLocked()); });
}

TEST_F(DeviceOperationsOverPty, PasswordTravelsAsSevenBytes) {
    const std::optional<PasswordBlock> block = MakePasswordBlock("AAAAAA", true);
    ASSERT_TRUE(block);
    ASSERT_TRUE(operations.SetPassword(*block).Ok);

    EXPECT_EQ(link.writes, SendWrites(6, 0, {0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x00}));
    EXPECT_EQ(link.writes[6].size(), 7U) << "LONG 7 is one block of 7 bytes";
    unit.Inspect([](VirtualProcessor& processor) {
        ASSERT_TRUE(processor.Password());
        EXPECT_EQ(processor.Password()->Text(), "AAAAAA");
        EXPECT_TRUE(processor.Password()->Active);
    });
}

TEST_F(DeviceOperationsOverPty, OperatingSystemGoesAsFortyBlocksThenCommandEight) {
    std::string error;
    const std::optional<OperatingSystemImage> program =
        ParseOperatingSystemText(DefaultOperatingSystemText(), error);
    ASSERT_TRUE(program) << error;
    const Bytes bytes(program->begin(), program->end());

    ASSERT_TRUE(operations.UpdateDspProgram(*program).Ok);

    EXPECT_EQ(link.writes, Then(SendWrites(1, 61, bytes), SendWrites(8, 0, {})));
    EXPECT_EQ(link.writes[4], Bytes{0x0A});
    EXPECT_EQ(link.writes[5], Bytes{0x00});
    EXPECT_EQ(link.writes[6 + 39].size(), 64U);
    EXPECT_EQ(link.writes[6 + 40], Bytes{0x55}) << "2560 bytes leave no last block";
    EXPECT_EQ(Stored(unit, 61), bytes);
    unit.Inspect(
        [](VirtualProcessor& processor) { EXPECT_EQ(processor.OperatingSystemUpdates(), 1); });
}

TEST_F(DeviceOperationsOverPty, ProtectedMemoryIsRefusedBeforeAnythingIsSent) {
    const Bytes image = ImageOf(Configuration{});
    const OperationResult result = operations.WriteMemory(5, image, MemoryProtection{});

    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(link.writes.empty());
    ASSERT_EQ(result.Messages.size(), 1U);
    EXPECT_EQ(result.Messages[0].Text,
              "Memory 5 is protected. Type the access code to write memories 1 to 20.");
}

TEST_F(DeviceOperationsOverPty, UnitProtectionStillHoldsAfterTheAccessCode) {
    const Bytes image = ImageOf(Configuration{});
    const OperationResult result = operations.WriteMemory(5, image, Unlocked());

    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(link.Sent(), (Bytes{0x85, 0x03, 0x05}));
    ASSERT_EQ(result.Messages.size(), 1U);
    EXPECT_EQ(result.Messages[0].Button, NoticeButton::Yes);
    EXPECT_EQ(loop.total, 0) << "no pause after a failed write";
}

TEST_F(DeviceOperationsOverPty, ConnectTestsTheUnitAndNamesThePort) {
    const ConnectionResult connection = operations.Connect();

    ASSERT_TRUE(connection.Operation.Ok);
    EXPECT_EQ(connection.StatusText, "Status : Connected at COM1");
    EXPECT_EQ(window.PortLine(), "Comunication Port : COM1");
    EXPECT_EQ(link.writes, SendWrites(0, 0, {}));
}

TEST(DeviceOperationsOffline, BusyPortLeavesTheLinkOffline) {
    PortMap ports;
    ports.Set(3, "/dev/quorvex-no-such-port");
    SerialByteLink serial(ports, 3);
    CommunicationWindow window;
    CountingLoop loop;
    DeviceOperations operations(serial, window, loop);

    const ConnectionResult connection = operations.Connect();

    EXPECT_FALSE(connection.Operation.Ok);
    EXPECT_TRUE(connection.Operation.ConnectionLost);
    EXPECT_EQ(connection.StatusText, "Status : Offline");
    ASSERT_EQ(connection.Operation.Messages.size(), 1U);
    EXPECT_EQ(connection.Operation.Messages[0].Text, "COM Port already in use. Select another.");
    EXPECT_TRUE(connection.Operation.Messages[0].Beep);
    EXPECT_EQ(window.PortLine(), "Comunication Port : COM3");
}

} // namespace
} // namespace quorvex::test
