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

TEST(ReadMemory, AMemoryNeverWrittenHoldsTheImageOfANewConfiguration) {
    VirtualProcessor unit;
    const auto image = unit.Memory(44);
    ASSERT_EQ(image.size(), 2046U);
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 4), (Bytes{0x07, 0xFC, 0xCB, 0x00}));
    // Words 0..5 of DSP 1: Out1 from A, Out2 from B, SUB1 from half of each.
    EXPECT_EQ(Bytes(image.begin() + 100, image.begin() + 118),
              (Bytes{0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x08,
                     0x00, 0x00, 0x08, 0x00, 0x00}));
    // Word 222 of DSP 2 (874 + 666) is the integer 18.
    EXPECT_EQ(Bytes(image.begin() + 1540, image.begin() + 1543), (Bytes{0x00, 0x00, 0x12}));
    EXPECT_EQ(Bytes(image.begin() + 2038, image.begin() + 2045), Bytes(7, 0x0D));
    EXPECT_TRUE(std::equal(image.begin(), image.end(), unit.Memory(1).begin()));
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
