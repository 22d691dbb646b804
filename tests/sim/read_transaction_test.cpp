#include "unit_dialogue.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using test::Bytes;
using test::PatternImage;
using test::ReceiveImage;
using test::Send;

TEST(ReadMemory, TheRequestHasTheShapeOfLong0) {
    VirtualProcessor unit;
    EXPECT_EQ(Send(unit, {0x85, 0x04, 30, 30, 0x00, 0x00, 0x55}),
              (Bytes{0x85, 0x04, 30, 0x00, 0x55}));
    EXPECT_FALSE(unit.Idle()) << "the unit now waits for the program to open the transfer";
}

TEST(ReadMemory, TheUnitSendsEveryStepOnlyAfterItsEcho) {
    VirtualProcessor unit;
    const Bytes image = PatternImage(5);
    ASSERT_TRUE(unit.LoadMemory(30, image));
    Send(unit, {0x85, 0x04, 30, 30, 0x00, 0x00, 0x55});

    EXPECT_EQ(Send(unit, {0x85}), Bytes{0x85}); // BEGIN
    EXPECT_EQ(Send(unit, {0x85}), Bytes{0x04}); // COMMAND
    EXPECT_EQ(Send(unit, {0x04}), Bytes{30});   // PROGRAM
    EXPECT_EQ(Send(unit, {30}), Bytes{0x07});   // LONG high
    EXPECT_EQ(Send(unit, {0x07}), Bytes{0xFE}); // LONG low: 2046
    Bytes block = Send(unit, {0xFE});
    EXPECT_EQ(block, Bytes(image.begin(), image.begin() + 64));
    for (std::size_t i = 1; i < 31; ++i) {
        block = Send(unit, {block.back()});
        ASSERT_EQ(block.size(), 64U);
        EXPECT_TRUE(std::equal(block.begin(), block.end(), image.begin() + 64 * i)) << i;
    }
    block = Send(unit, {block.back()});
    EXPECT_EQ(block, Bytes(image.begin() + 1984, image.end()));
    EXPECT_EQ(Send(unit, {image[2045]}), Bytes{0x55}); // END
    EXPECT_EQ(Send(unit, {0x55}), Bytes{});
    EXPECT_TRUE(unit.Idle());
}

TEST(ReadMemory, ReturnsTheImageThatAWriteStored) {
    VirtualProcessor unit;
    const Bytes image = PatternImage(200);
    Bytes write{0x85, 0x03, 60, 60, 0x07, 0xFE};
    write.insert(write.end(), image.begin(), image.end());
    write.push_back(0x55);
    unit.Receive(write);

    Send(unit, {0x85, 0x04, 60, 60, 0x00, 0x00, 0x55});
    EXPECT_EQ(ReceiveImage(unit), image);
    EXPECT_TRUE(unit.Idle());
}

TEST(ReadMemory, AMemoryNeverWrittenHoldsTheBlankImage) {
    VirtualProcessor unit;
    const auto blank = unit.Memory(44);
    ASSERT_EQ(blank.size(), 2046U);
    EXPECT_EQ(blank[0], 0x07);
    EXPECT_EQ(blank[1], 0xFC);
    EXPECT_EQ(blank[2], 0xCB);
    EXPECT_EQ(blank[4], 0x01);
    EXPECT_EQ(blank[11], 0x01);
    EXPECT_EQ(blank[12], ' ');
    EXPECT_EQ(blank[99], ' ');
    EXPECT_EQ(blank[100], 0x00);
    EXPECT_EQ(blank[2037], 0x00);
    EXPECT_EQ(blank[2038], 0x0D);
    EXPECT_EQ(blank[2044], 0x0D);
    EXPECT_EQ(blank[2045], 0x00);
}

TEST(ReadMemory, AWrongEchoMakesTheUnitAbandonTheTransfer) {
    VirtualProcessor unit;
    Send(unit, {0x85, 0x04, 30, 30, 0x00, 0x00, 0x55});
    EXPECT_EQ(Send(unit, {0x85}), Bytes{0x85});
    EXPECT_EQ(Send(unit, {0x85}), Bytes{0x04});
    EXPECT_EQ(Send(unit, {0x05}), Bytes{}) << "echo 5 of command 4";
    EXPECT_TRUE(unit.Idle());
}

TEST(ReadMemory, SomethingElseThanStartAfterTheRequestCancelsIt) {
    VirtualProcessor unit;
    Send(unit, {0x85, 0x04, 30, 30, 0x00, 0x00, 0x55});
    EXPECT_EQ(Send(unit, {0x00}), Bytes{});
    EXPECT_TRUE(unit.Idle());
}

TEST(ReadMemory, ARequestForAMemoryOutside1To60GetsNoAnswer) {
    VirtualProcessor unit;
    EXPECT_EQ(Send(unit, {0x85, 0x04, 0}), (Bytes{0x85, 0x04}));
    EXPECT_TRUE(unit.Idle());
    EXPECT_EQ(Send(unit, {0x85, 0x04, 61}), (Bytes{0x85, 0x04}));
    EXPECT_TRUE(unit.Idle());
}

} // namespace
} // namespace quorvex
