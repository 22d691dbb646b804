#include "unit_dialogue.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using test::Block;
using test::Bytes;
using test::PatternImage;
using test::Send;

TEST(WriteMemory, EveryStepOfAWriteToMemory30GetsItsDocumentedAnswer) {
    VirtualProcessor unit;
    const Bytes image = PatternImage(3);

    EXPECT_EQ(Send(unit, {0x85}), Bytes{0x85}); // START
    EXPECT_EQ(Send(unit, {0x03}), Bytes{0x03}); // COMMAND, echoed
    EXPECT_EQ(Send(unit, {30}), Bytes{30});     // PROGRAM NUMBER, echoed
    EXPECT_EQ(Send(unit, {30}), Bytes{});       // the number again: no answer
    EXPECT_EQ(Send(unit, {0x07}), Bytes{});     // LONG high byte
    EXPECT_EQ(Send(unit, {0xFE}), Bytes{0xFE}); // LONG low byte: 2046
    for (std::size_t block = 0; block < 31; ++block) {
        const auto bytes = Block(image, block);
        ASSERT_EQ(bytes.size(), 64U);
        // One answer per block: the unit returns the block's last byte.
        EXPECT_EQ(Send(unit, bytes), Bytes{image[block * 64 + 63]}) << "block " << block;
    }
    const auto last = Block(image, 31);
    ASSERT_EQ(last.size(), 62U);
    EXPECT_EQ(Send(unit, last), Bytes{image[2045]});
    EXPECT_EQ(Send(unit, {0x55}), Bytes{0x55}); // END

    EXPECT_TRUE(unit.Idle());
    EXPECT_EQ(Bytes(unit.Memory(30).begin(), unit.Memory(30).end()), image);
    EXPECT_EQ(unit.TakeChangedMemories(), std::vector<int>{30});
    EXPECT_EQ(unit.CurrentMemory(), 1) << "a write alone does not change the current memory";

    // Change memory: 7, 30, LONG 0, no data.
    EXPECT_EQ(Send(unit, {0x85, 0x07, 30, 30, 0x00, 0x00, 0x55}),
              (Bytes{0x85, 0x07, 30, 0x00, 0x55}));
    EXPECT_EQ(unit.CurrentMemory(), 30);
    EXPECT_TRUE(unit.TakeChangedMemories().empty());
}

TEST(WriteMemory, AWholeTransactionInOneChunkGetsTheSameAnswersInOrder) {
    VirtualProcessor unit;
    const Bytes image = PatternImage(11);
    Bytes stream{0x85, 0x03, 45, 45, 0x07, 0xFE};
    stream.insert(stream.end(), image.begin(), image.end());
    stream.push_back(0x55);

    Bytes expected{0x85, 0x03, 45, 0xFE};
    for (std::size_t end = 63; end < 2046; end += 64) {
        expected.push_back(image[end]);
    }
    expected.push_back(image[2045]);
    expected.push_back(0x55);
    ASSERT_EQ(expected.size(), 4U + 32U + 1U);

    EXPECT_EQ(unit.Receive(stream), expected);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), unit.Memory(45).begin()));
}

TEST(WriteMemory, AProtectedMemoryAnswersFFAndTakesNoData) {
    VirtualProcessor unit; // 1..20 protected by default
    const Bytes before(unit.Memory(5).begin(), unit.Memory(5).end());

    EXPECT_EQ(Send(unit, {0x85, 0x03, 5}), (Bytes{0x85, 0x03, 0xFF}));
    EXPECT_TRUE(unit.Idle());

    // A program that pushes on regardless gets nothing back and changes nothing.
    Bytes rest{5, 0x07, 0xFE};
    rest.resize(rest.size() + 2046, 0x00);
    rest.push_back(0x55);
    EXPECT_EQ(unit.Receive(rest), Bytes{});
    EXPECT_TRUE(std::equal(before.begin(), before.end(), unit.Memory(5).begin()));
    EXPECT_TRUE(unit.TakeChangedMemories().empty());

    // The unit listens for the next transaction at once.
    EXPECT_EQ(Send(unit, {0x85, 0x00, 0x00, 0x00, 0x00, 0x00, 0x55}),
              (Bytes{0x85, 0x00, 0x00, 0x00, 0x55}));
}

TEST(WriteMemory, ProtectionFollowsTheUnitsOwnKeyboardNotTheMemoryNumber) {
    VirtualProcessorOptions options;
    options.ProtectedMemories = {30};
    VirtualProcessor unit(options);
    EXPECT_FALSE(unit.IsProtected(5));
    EXPECT_EQ(Send(unit, {0x85, 0x03, 30}), (Bytes{0x85, 0x03, 0xFF}));

    unit.SetProtected(30, false);
    EXPECT_EQ(Send(unit, {0x85, 0x03, 30}), (Bytes{0x85, 0x03, 30}));
}

TEST(WriteMemory, ReadAndChangeOfAProtectedMemoryAreAllowed) {
    VirtualProcessor unit;
    EXPECT_EQ(Send(unit, {0x85, 0x07, 3, 3, 0x00, 0x00, 0x55}), (Bytes{0x85, 0x07, 3, 0x00, 0x55}));
    EXPECT_EQ(unit.CurrentMemory(), 3);
}

TEST(Commands, ConnectionTestHasTheShapeOfLong0) {
    VirtualProcessor unit;
    EXPECT_EQ(Send(unit, {0x85}), Bytes{0x85});
    EXPECT_EQ(Send(unit, {0x00}), Bytes{0x00});
    EXPECT_EQ(Send(unit, {0x00}), Bytes{0x00});
    EXPECT_EQ(Send(unit, {0x00}), Bytes{});
    EXPECT_EQ(Send(unit, {0x00, 0x00}), Bytes{0x00});
    EXPECT_EQ(Send(unit, {0x55}), Bytes{0x55});
    EXPECT_TRUE(unit.Idle());
}

TEST(Commands, KeyboardLockAndUnlockCarryOneByte) {
    VirtualProcessor unit;
    EXPECT_EQ(Send(unit, {0x85, 0x05, 0x00, 0x00, 0x00}), (Bytes{0x85, 0x05, 0x00}));
    EXPECT_EQ(Send(unit, {0x01}), Bytes{0x01}); // LONG 1
    EXPECT_EQ(Send(unit, {0xFF}), Bytes{0xFF}); // the one-byte block
    EXPECT_FALSE(unit.KeyboardLocked()) << "nothing happens before END";
    EXPECT_EQ(Send(unit, {0x55}), Bytes{0x55});
    EXPECT_TRUE(unit.KeyboardLocked());

    EXPECT_EQ(Send(unit, {0x85, 0x05, 0x00, 0x00, 0x00, 0x01, 0x00, 0x55}),
              (Bytes{0x85, 0x05, 0x00, 0x01, 0x00, 0x55}));
    EXPECT_FALSE(unit.KeyboardLocked());
}

TEST(Commands, ALockByteOtherThan0Or255IsRefusedWithoutEnd) {
    VirtualProcessor unit;
    EXPECT_EQ(Send(unit, {0x85, 0x05, 0x00, 0x00, 0x00, 0x01, 0x7F}),
              (Bytes{0x85, 0x05, 0x00, 0x01, 0x7F}));
    EXPECT_EQ(Send(unit, {0x55}), Bytes{}) << "a refused block must not look like success";
    EXPECT_FALSE(unit.KeyboardLocked());
}

TEST(Commands, PasswordAAAAAAIsASevenByteBlock) {
    VirtualProcessor unit;
    EXPECT_FALSE(unit.Password().has_value());
    EXPECT_EQ(Send(unit, {0x85, 0x06, 0x00, 0x00, 0x00, 0x07}), (Bytes{0x85, 0x06, 0x00, 0x07}));
    EXPECT_EQ(Send(unit, {0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x00}), Bytes{0x00});
    EXPECT_EQ(Send(unit, {0x55}), Bytes{0x55});
    ASSERT_TRUE(unit.Password().has_value());
    EXPECT_EQ(unit.Password()->Text(), "AAAAAA");
    EXPECT_TRUE(unit.Password()->Active);

    EXPECT_EQ(
        Send(unit, {0x85, 0x06, 0x00, 0x00, 0x00, 0x07, 'Z', 'Y', 'X', 'A', 'B', 'C', 0xFF, 0x55}),
        (Bytes{0x85, 0x06, 0x00, 0x07, 0xFF, 0x55}));
    EXPECT_EQ(unit.Password()->Text(), "ZYXABC");
    EXPECT_FALSE(unit.Password()->Active);
}

TEST(Commands, APasswordThatCannotBeTypedOnTheKeyboardIsRefused) {
    VirtualProcessor unit;
    const Bytes lowerCase{0x85, 0x06, 0x00, 0x00, 0x00, 0x07, 'a',
                          'A',  'A',  'A',  'A',  'A',  0x00, 0x55};
    EXPECT_EQ(unit.Receive(lowerCase), (Bytes{0x85, 0x06, 0x00, 0x07, 0x00}));
    const Bytes badMark{0x85, 0x06, 0x00, 0x00, 0x00, 0x07, 'A',
                        'A',  'A',  'A',  'A',  'A',  0x01, 0x55};
    EXPECT_EQ(unit.Receive(badMark), (Bytes{0x85, 0x06, 0x00, 0x07, 0x01}));
    EXPECT_FALSE(unit.Password().has_value());
}

TEST(Commands, CurrentMemoryIsReportedInPlaceOfTheNumberEcho) {
    VirtualProcessorOptions options;
    options.CurrentMemory = 37;
    VirtualProcessor unit(options);
    EXPECT_EQ(Send(unit, {0x85, 0x13, 0x00}), (Bytes{0x85, 0x13, 37}));
    EXPECT_EQ(Send(unit, {0x00, 0x00, 0x00, 0x55}), (Bytes{0x00, 0x55}));

    EXPECT_EQ(Send(unit, {0x85, 0x07, 52, 52, 0x00, 0x00, 0x55}),
              (Bytes{0x85, 0x07, 52, 0x00, 0x55}));
    EXPECT_EQ(Send(unit, {0x85, 0x13, 0x00, 0x00, 0x00, 0x00, 0x55}),
              (Bytes{0x85, 0x13, 52, 0x00, 0x55}));
}

Bytes OperatingSystemImage() {
    // The documented first four program words and last word; the rest a fixed pattern.
    Bytes image(2560);
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>((i * 13) & 0x7F);
    }
    const Bytes head{0x00, 0x00, 0x00, 0x01, 0x84, 0x00, 0x00, 0x00, 0x01, 0x00,
                     0x00, 0x40, 0x02, 0x00, 0x00, 0x01, 0x10, 0x00, 0x01, 0x84};
    std::copy(head.begin(), head.end(), image.begin());
    const Bytes tail{0x00, 0x00, 0x1F, 0xA1, 0x84};
    std::copy(tail.begin(), tail.end(), image.end() - 5);
    return image;
}

TEST(OperatingSystem, FortyBlocksToMemory61ThenTheClosingCommand) {
    VirtualProcessor unit;
    const Bytes os = OperatingSystemImage();
    EXPECT_EQ(Send(unit, {0x85, 0x01, 61, 61, 0x0A, 0x00}), (Bytes{0x85, 0x01, 61, 0x00}));
    for (std::size_t block = 0; block < 40; ++block) {
        EXPECT_EQ(Send(unit, Block(os, block)), Bytes{os[block * 64 + 63]}) << "block " << block;
    }
    EXPECT_EQ(Send(unit, {0x55}), Bytes{0x55});
    EXPECT_TRUE(std::equal(os.begin(), os.end(), unit.Memory(61).begin()));
    EXPECT_TRUE(unit.OperatingSystemPending());
    EXPECT_EQ(unit.OperatingSystemUpdates(), 0);

    EXPECT_EQ(Send(unit, {0x85, 0x08, 0x00, 0x00, 0x00, 0x00, 0x55}),
              (Bytes{0x85, 0x08, 0x00, 0x00, 0x55}));
    EXPECT_FALSE(unit.OperatingSystemPending());
    EXPECT_EQ(unit.OperatingSystemUpdates(), 1);
    EXPECT_EQ(unit.TakeChangedMemories(), std::vector<int>{61});
}

TEST(OperatingSystem, TheClosingCommandAloneIsAnsweredButUpdatesNothing) {
    VirtualProcessor unit;
    EXPECT_EQ(Send(unit, {0x85, 0x08, 0x00, 0x00, 0x00, 0x00, 0x55}),
              (Bytes{0x85, 0x08, 0x00, 0x00, 0x55}));
    EXPECT_EQ(unit.OperatingSystemUpdates(), 0);
}

} // namespace
} // namespace quorvex
