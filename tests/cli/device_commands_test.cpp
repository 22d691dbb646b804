#include "app/main_form.h"
#include "app/scratch_folder.h"
#include "cli/offline_program.h"
#include "cli/qvx_tool.h"
#include "config/configuration.h"
#include "link/operating_system_image.h"
#include "served_unit.h"
#include "sim/pseudo_terminal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace quorvex::testing {
namespace {

struct QvxRun {
    int Code;
    std::string Out;
    std::string Err;
};

QvxRun Qvx(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunQvx(arguments, out, err);
    return {code, out.str(), err.str()};
}

/// A configuration file whose system name is `name`.
std::string ConfigurationNamed(const ScratchFolder& folder, const std::string& name) {
    std::ostringstream quiet;
    OfflineProgram program(quiet);
    program.App().Main().SystemNameChange(name);
    const std::string path = folder / (name + ".QVX");
    EXPECT_TRUE(program.Save(path));
    return path;
}

std::string SystemNameIn(const std::string& path) {
    std::ostringstream quiet;
    OfflineProgram program(quiet);
    EXPECT_TRUE(program.Open(path));
    return program.Config().SystemInfo.SystemName;
}

PtyRunnerOptions Unprotected() {
    PtyRunnerOptions options;
    options.Processor.ProtectedMemories = {};
    return options;
}

TEST(DeviceCommands, WriteThenReadBackGivesTheConfiguration) {
    ScratchFolder folder;
    ServedUnit unit;
    const std::string written = ConfigurationNamed(folder, "Tour 26");
    const std::string readBack = folder / "back.QVX";

    const QvxRun write = Qvx({"write", written, "--memory", "30", "--port", unit.Path()});
    ASSERT_EQ(write.Code, 0) << write.Err;
    const QvxRun read = Qvx({"read", "--memory", "30", "--port", unit.Path(), "-o", readBack});
    ASSERT_EQ(read.Code, 0) << read.Err;

    EXPECT_EQ(SystemNameIn(readBack), "Tour 26" + std::string(33, ' '));
    EXPECT_EQ(unit.Stopped().CurrentMemory(), 30);
}

TEST(DeviceCommands, VerifiedWriteReadsTheMemoryBackAndReportsTheMatch) {
    ScratchFolder folder;
    ServedUnit unit;
    const std::string file = ConfigurationNamed(folder, "Verified");
    const QvxRun write = Qvx({"write", file, "--memory", "33", "--port", unit.Path(), "--verify"});
    ASSERT_EQ(write.Code, 0) << write.Err;
    EXPECT_EQ(write.Out, "Verify after Write: memory 33 holds the 2046 bytes sent.\n");
    EXPECT_TRUE(unit.WaitForReport("memory 33 read"));
}

TEST(DeviceCommands, VerifiedWriteToAUnitThatStoresAByteWrongExitsOne) {
    ScratchFolder folder;
    ServedUnit unit({}, {Fault::WrongStoredByte, 0});
    const std::string file = ConfigurationNamed(folder, "Faulty");
    const QvxRun write = Qvx({"write", file, "--memory", "33", "--port", unit.Path(), "--verify"});
    EXPECT_EQ(write.Code, 1);
    EXPECT_TRUE(write.Out.empty()) << write.Out;
    EXPECT_NE(write.Err.find("memory 33 does not hold what was sent. It differs at DSP 2 word 42 "
                             "(image byte 1000:"),
              std::string::npos)
        << write.Err;
    // Without --verify the same unit's write is the documented success.
    EXPECT_EQ(Qvx({"write", file, "--memory", "34", "--port", unit.Path()}).Code, 0);
}

TEST(DeviceCommands, SubFeedComesBackFromTheUnitAsOpenLeftIt) {
    ScratchFolder folder;
    ServedUnit unit;
    const std::string written = ConfigurationNamed(folder, "Feeds");
    // round(10 x coefficient) as int32, P of DSP 1 and 2 from 1988, then Q, R and S: P of
    // DSP 1 half-way (0.5), Q of DSP 1 0.6, R of DSP 2 3.0.
    std::vector<std::uint8_t> record = ReadBytes(written);
    const std::vector<std::pair<std::size_t, std::uint8_t>> stored{
        {1988, 5}, {1996, 6}, {2008, 30}};
    for (const auto& [offset, tenths] : stored) {
        std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(offset), 4, 0);
        record[offset] = tenths;
    }
    WriteBytes(written, record);
    const std::string opened = folder / "opened.QVX";
    ASSERT_EQ(Qvx({"save", written, "-o", opened}).Code, 0);

    ASSERT_EQ(Qvx({"write", written, "--memory", "30", "--port", unit.Path()}).Code, 0);
    const std::string readBack = folder / "back.QVX";
    const QvxRun read = Qvx({"read", "--memory", "30", "--port", unit.Path(), "-o", readBack});
    ASSERT_EQ(read.Code, 0) << read.Err;

    // Each coefficient is the nearer switch, half-way giving none: P 0, Q 1, R 0, S 1 in
    // DSP 1 and P 1, Q 0, R 1 (3.0 held at 1), S 1 in DSP 2; in the file's order, in tenths.
    const std::vector<std::uint8_t> expected{0, 10, 10, 0, 0, 10, 10, 10};
    for (const std::string& path : {opened, readBack}) {
        const std::vector<std::uint8_t> bytes = ReadBytes(path);
        std::vector<std::uint8_t> feeds;
        for (std::size_t offset = 1988; offset < 2020; offset += 4) {
            feeds.push_back(bytes.at(offset));
        }
        EXPECT_EQ(feeds, expected) << path;
    }
    const std::span<const std::uint8_t> memory = unit.Stopped().Memory(30);
    ASSERT_EQ(memory.size(), 2046U);
    // The settings block (from 1648) carries P, Q, R, S of each DSP at 182 in its half.
    EXPECT_EQ(std::vector<std::uint8_t>(memory.begin() + 1648 + 182, memory.begin() + 1648 + 186),
              (std::vector<std::uint8_t>{0, 10, 0, 10}));
    EXPECT_EQ(std::vector<std::uint8_t>(memory.begin() + 1648 + 192 + 182,
                                        memory.begin() + 1648 + 192 + 186),
              (std::vector<std::uint8_t>{10, 0, 10, 10}));
}

TEST(DeviceCommands, ReadThatBreaksOffWritesNoOutput) {
    ScratchFolder folder;
    // Five answers for the connection test, five for the read request, then the unit's
    // BEGIN and COMMAND of the receive transaction; it falls silent before the data.
    ServedUnit unit({}, {Fault::Silence, 12});
    const std::string out = folder / "back.QVX";
    const QvxRun read = Qvx({"read", "--memory", "30", "--port", unit.Path(), "-o", out});
    EXPECT_EQ(read.Code, 1);
    EXPECT_NE(read.Err.find("Comunication ERROR."), std::string::npos) << read.Err;
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(unit.Reports().front(), "connection test");
}

TEST(DeviceCommands, ComNamesArePlacedByTheComOptions) {
    ServedUnit unit;
    const QvxRun test = Qvx({"test", "--port", "COM3", "--com3", unit.Path()});
    EXPECT_EQ(test.Code, 0) << test.Err;
    EXPECT_EQ(test.Out, "Status : Connected at COM3\n");
}

TEST(DeviceCommands, LockUnlockAndPasswordReachTheUnit) {
    ServedUnit unit;
    ASSERT_EQ(Qvx({"lock", "--port", unit.Path()}).Code, 0);
    EXPECT_EQ(unit.Reports().front(), "connection test");
    ASSERT_EQ(Qvx({"password", "quorvx", "--inactive", "--port", unit.Path()}).Code, 0);
    VirtualProcessor& processor = unit.Stopped();
    EXPECT_TRUE(processor.KeyboardLocked());
    ASSERT_TRUE(processor.Password().has_value());
    EXPECT_EQ(processor.Password()->Text(), "QUORVX");
    EXPECT_FALSE(processor.Password()->Active);
}

TEST(DeviceCommands, UpdateOsSendsTheProgramOfTheFileGiven) {
    ScratchFolder folder;
    ServedUnit unit;
    std::string program = DefaultOperatingSystemText();
    const std::size_t firstWord = program.find('\n') + 1;
    // The first word 00 00 00 01 84 becomes 7E 00 00 01 84 (lower-case digits count too).
    program.replace(firstWord, 4, "0x7e");
    const std::string text = folder / "os.txt";
    WriteText(text, program);
    const QvxRun update = Qvx({"update-os", text, "--port", unit.Path()});
    ASSERT_EQ(update.Code, 0) << update.Err;
    VirtualProcessor& processor = unit.Stopped();
    EXPECT_EQ(processor.OperatingSystemUpdates(), 1); // loaded and closed with command 8
    const std::span<const std::uint8_t> loaded = processor.Memory(61);
    ASSERT_EQ(loaded.size(), 2560U);
    EXPECT_EQ(
        (std::vector<std::uint8_t>(loaded.begin(), loaded.begin() + 10)),
        (std::vector<std::uint8_t>{0x7E, 0x00, 0x00, 0x01, 0x84, 0x00, 0x00, 0x00, 0x01, 0x00}));
}

TEST(DeviceCommands, UpdateOsRefusesAShortProgramBeforeSendingIt) {
    ScratchFolder folder;
    ServedUnit unit;
    const std::string text = folder / "os.txt";
    WriteText(text, "0x02 , 0x00 , \n0x00 , 0x00 , 0x00 , 0x01 , 0x84 , \n");
    const QvxRun update = Qvx({"update-os", text, "--port", unit.Path()});
    EXPECT_EQ(update.Code, 1);
    EXPECT_FALSE(update.Err.empty());
    unit.Stopped();
    EXPECT_EQ(unit.Reports(), std::vector<std::string>{});
}

TEST(DeviceCommands, ProtectedMemoryIsRefusedWithoutTheAccessCode) {
    ScratchFolder folder;
    ServedUnit unit(Unprotected());
    const std::string file = ConfigurationNamed(folder, "Low");
    const QvxRun refused = Qvx({"write", file, "--memory", "5", "--port", unit.Path()});
    EXPECT_EQ(refused.Code, 1);
    EXPECT_NE(refused.Err.find("Memory 5 is protected."), std::string::npos) << refused.Err;
    const QvxRun wrongCode =
        Qvx({"write", file, "--memory", "5", "--port", unit.Path(), "--unprotect", "1234"});
    EXPECT_EQ(wrongCode.Code, 1);
    // Nothing at all reached the unit, not even the connection test.
    unit.Stopped();
    EXPECT_EQ(unit.Reports(), std::vector<std::string>{});
}

TEST(DeviceCommands, AccessCodeWritesAProtectedMemory) {
    ScratchFolder folder;
    ServedUnit unit(Unprotected());
    const std::string file = ConfigurationNamed(folder, "Low");
    const QvxRun write =
        Qvx({"write", file, "--memory", "5", "--port", unit.Path(), "--unprotect", "8642"});
    ASSERT_EQ(write.Code, 0) << write.Err;
    EXPECT_EQ(unit.Stopped().CurrentMemory(), 5);
}

TEST(DeviceCommands, MemoryTheUnitProtectsFailsWithItsMessage) {
    ScratchFolder folder;
    ServedUnit unit;
    const std::string file = ConfigurationNamed(folder, "Low");
    const QvxRun write =
        Qvx({"write", file, "--memory", "5", "--port", unit.Path(), "--unprotect", "8642"});
    EXPECT_EQ(write.Code, 1);
    EXPECT_NE(write.Err.find("MEMORY PROTECTED."), std::string::npos) << write.Err;
}

TEST(DeviceCommands, AbsentPortFailsWithTheSystemsMessage) {
    const QvxRun test = Qvx({"test", "--port", "/nonexistent/tty-quorvex"});
    EXPECT_EQ(test.Code, 1);
    EXPECT_NE(test.Err.find("COM Port already in use. Select another."), std::string::npos)
        << test.Err;
}

TEST(DeviceCommands, SilentPortFailsWithoutHangingAndWritesNoOutput) {
    ScratchFolder folder;
    std::string error;
    const auto silent = PseudoTerminal::Open(error);
    ASSERT_TRUE(silent) << error;
    const std::string out = folder / "never.QVX";
    const auto started = std::chrono::steady_clock::now();
    const QvxRun read =
        Qvx({"read", "--memory", "30", "--port", silent->TerminalPath(), "-o", out});
    EXPECT_EQ(read.Code, 1);
    EXPECT_NE(read.Err.find("Comunication ERROR."), std::string::npos) << read.Err;
    EXPECT_FALSE(std::filesystem::exists(out));
    // One reply time of the connection test, not an endless wait.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

TEST(DeviceCommands, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Qvx({"write", "a.QVX", "--memory", "61", "--port", "x"}).Code, 2);
    EXPECT_EQ(Qvx({"read", "--memory", "30", "--port", "x"}).Code, 2);
    EXPECT_EQ(Qvx({"lock"}).Code, 2);
    EXPECT_EQ(Qvx({"password", "ABC", "--port", "x"}).Code, 2);
    EXPECT_EQ(Qvx({"sim", "--protect", "0,70"}).Code, 2);
}

} // namespace
} // namespace quorvex::testing
