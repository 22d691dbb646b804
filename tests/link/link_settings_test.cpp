#include "link/memory_protection.h"
#include "link/password_block.h"
#include "link/port_map.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(PortMap, PortsStartAtThePlatformNames) {
    const PortMap ports;
    EXPECT_EQ(ports.PathOf(1), PlatformPortName(1));
    EXPECT_EQ(ports.PathOf(4), PlatformPortName(4));
    EXPECT_EQ(ports.PathOf(5), "");
#ifndef _WIN32
    EXPECT_EQ(PlatformPortName(3), "/dev/ttyS2");
#endif
}

TEST(PortMap, OptionsPointPortsElsewhereAndLeaveTheRest) {
    PortMap ports;
    const std::vector<std::string> rest = ports.TakeOptions(
        {"--com1", "/dev/ttyUSB0", "file.qvx", "--com3=/dev/pts/7", "--com5", "x", "--com2"});

    EXPECT_EQ(ports.PathOf(1), "/dev/ttyUSB0");
    EXPECT_EQ(ports.PathOf(3), "/dev/pts/7");
    EXPECT_EQ(ports.PathOf(2), PlatformPortName(2)) << "an option without a path changes nothing";
    EXPECT_EQ(rest, (std::vector<std::string>{"file.qvx", "--com5", "x", "--com2"}));
}

TEST(PasswordBlock, SixLettersAndTheActiveByte) {
    EXPECT_EQ(MakePasswordBlock("AAAAAA", true),
              (PasswordBlock{0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x00}));
    EXPECT_EQ(MakePasswordBlock("ZABCDY", false),
              (PasswordBlock{0x5A, 0x41, 0x42, 0x43, 0x44, 0x59, 0xFF}));
}

TEST(PasswordBlock, AnythingButSixCapitalLettersIsRefused) {
    EXPECT_FALSE(MakePasswordBlock("AAAAA", true));
    EXPECT_FALSE(MakePasswordBlock("AAAAAAA", true));
    EXPECT_FALSE(MakePasswordBlock("AAAAAa", true));
    EXPECT_FALSE(MakePasswordBlock("AAA1AA", true));
}

TEST(MemoryProtection, AccessCodeOpensTheFirstTwentyUntilAWrongCode) {
    MemoryProtection protection;
    EXPECT_EQ(protection.MinimumMemory(), 21);
    EXPECT_FALSE(protection.MayWrite(20));
    EXPECT_TRUE(protection.MayWrite(21));

    EXPECT_TRUE(protection.EnterCode("8642"));
    EXPECT_EQ(protection.MinimumMemory(), 1);
    EXPECT_TRUE(protection.MayWrite(1));
    EXPECT_FALSE(protection.MayWrite(61));

    EXPECT_FALSE(protection.EnterCode("8643"));
    EXPECT_FALSE(protection.MayWrite(5));
}

} // namespace
} // namespace quorvex
