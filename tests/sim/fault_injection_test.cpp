#include "unit_dialogue.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using test::Bytes;
using test::PatternImage;
using test::Send;

const Bytes ConnectionTest{0x85, 0x00, 0x00, 0x00, 0x00, 0x00, 0x55};

Bytes WriteTransaction(std::uint8_t memory, const Bytes& image) {
    const Bytes head{0x85, 0x03, memory, memory, 0x07, 0xFE};
    Bytes stream(head.size() + image.size() + 1, 0x55);
    std::copy(head.begin(), head.end(), stream.begin());
    std::copy(image.begin(), image.end(), stream.begin() + 6);
    return stream;
}

TEST(Faults, SilenceMeansNoAnswerAndNoAction) {
    VirtualProcessor unit;
    unit.SetFault({Fault::Silence, 0});
    const Bytes before(unit.Memory(30).begin(), unit.Memory(30).end());
    EXPECT_EQ(Send(unit, {0x85}), Bytes{});
    EXPECT_EQ(unit.Receive(WriteTransaction(30, PatternImage(2))), Bytes{});
    EXPECT_TRUE(std::equal(before.begin(), before.end(), unit.Memory(30).begin()));
}

TEST(Faults, SilenceCanStartInTheMiddleOfATransaction) {
    VirtualProcessor unit;
    unit.SetFault({Fault::Silence, 3}); // START, COMMAND and NUMBER are answered
    EXPECT_EQ(unit.Receive(WriteTransaction(30, PatternImage(2))), (Bytes{0x85, 0x03, 30}));
    EXPECT_EQ(unit.Receive(ConnectionTest), Bytes{});
}

TEST(Faults, WrongStartReplyIsNot85) {
    VirtualProcessor unit;
    unit.SetFault({Fault::WrongStartReply, 0});
    const Bytes answer = Send(unit, {0x85});
    ASSERT_EQ(answer.size(), 1U);
    EXPECT_NE(answer[0], 0x85);
    // The program gives up; after the quiet time the unit listens again.
    unit.Elapse(std::chrono::seconds(1));
    EXPECT_TRUE(unit.Idle());
}

TEST(Faults, WrongLongEchoDiffersFromTheLowByte) {
    VirtualProcessor unit;
    unit.SetFault({Fault::WrongLongEcho, 0});
    const Bytes answers = unit.Receive(Bytes{0x85, 0x03, 30, 30, 0x07, 0xFE});
    ASSERT_EQ(answers.size(), 4U);
    EXPECT_EQ(answers[0], 0x85);
    EXPECT_EQ(answers[1], 0x03);
    EXPECT_EQ(answers[2], 30);
    EXPECT_NE(answers[3], 0xFE);
}

TEST(Faults, WrongEndReplyIsNot55) {
    VirtualProcessor unit;
    unit.SetFault({Fault::WrongEndReply, 0});
    const Bytes answers = unit.Receive(ConnectionTest);
    ASSERT_EQ(answers.size(), 5U);
    EXPECT_EQ(Bytes(answers.begin(), answers.end() - 1), (Bytes{0x85, 0x00, 0x00, 0x00}));
    EXPECT_NE(answers.back(), 0x55);
}

TEST(Faults, DropReplyLosesExactlyTheChosenAnswer) {
    VirtualProcessor unit;
    unit.SetFault({Fault::DropReply, 2}); // the NUMBER answer
    EXPECT_EQ(unit.Receive(ConnectionTest), (Bytes{0x85, 0x00, 0x00, 0x55}));
    EXPECT_EQ(unit.Receive(ConnectionTest), (Bytes{0x85, 0x00, 0x00, 0x00, 0x55}));
}

TEST(Faults, DropReplyOfADataBlockAnswerLeavesTheOtherBlocksAnswered) {
    VirtualProcessor unit;
    unit.SetFault({Fault::DropReply, 4 + 10}); // START, COMMAND, NUMBER, LONG, blocks 0..9
    const Bytes image = PatternImage(8);
    const Bytes answers = unit.Receive(WriteTransaction(33, image));
    EXPECT_EQ(answers.size(), 4U + 31U + 1U);
    EXPECT_EQ(answers[4 + 9], image[9 * 64 + 63]);
    EXPECT_EQ(answers[4 + 10], image[11 * 64 + 63]);
}

TEST(Faults, DisconnectHangsUpAndAnswersNothingMore) {
    VirtualProcessor unit;
    unit.SetFault({Fault::Disconnect, 1});
    EXPECT_FALSE(unit.Disconnected());
    EXPECT_EQ(unit.Receive(ConnectionTest), Bytes{0x85});
    EXPECT_TRUE(unit.Disconnected());
    EXPECT_EQ(unit.Receive(ConnectionTest), Bytes{});
}

TEST(Faults, WrongBeginIsAnsweredWith85AndTheReadGoesOn) {
    VirtualProcessor unit;
    const Bytes image = PatternImage(6);
    unit.LoadMemory(30, image);
    Send(unit, {0x85, 0x04, 30, 30, 0x00, 0x00, 0x55});
    unit.SetFault({Fault::WrongBegin, 0});
    const Bytes begin = Send(unit, {0x85});
    ASSERT_EQ(begin.size(), 1U);
    EXPECT_NE(begin[0], 0x85);
    EXPECT_EQ(Send(unit, {0x85}), Bytes{0x04}) << "the program answers BEGIN with 85 regardless";
}

TEST(Faults, WrongReadEndIsEchoedAndTheReadCompletes) {
    VirtualProcessor unit;
    Send(unit, {0x85, 0x04, 30, 30, 0x00, 0x00, 0x55});
    unit.SetFault({Fault::WrongReadEnd, 0});
    Bytes step = Send(unit, {0x85});
    step = Send(unit, {0x85});
    for (int i = 0; i < 4 + 32; ++i) {
        step = Send(unit, {step.back()});
    }
    ASSERT_EQ(step.size(), 1U);
    EXPECT_NE(step[0], 0x55);
    EXPECT_EQ(Send(unit, {step[0]}), Bytes{});
    EXPECT_TRUE(unit.Idle());
}

TEST(Faults, WrongStoredByteAnswersRightButKeepsOneByteOfTheImageWrong) {
    VirtualProcessor unit;
    unit.SetFault({Fault::WrongStoredByte, 0});
    const Bytes image = PatternImage(4);
    const Bytes answers = unit.Receive(WriteTransaction(33, image));
    // Every step answered as a sound unit answers it: START, COMMAND, NUMBER, LONG's low
    // byte, the last byte of each of the 32 blocks, END.
    ASSERT_EQ(answers.size(), 4U + 32U + 1U);
    EXPECT_EQ(Bytes(answers.begin(), answers.begin() + 4), (Bytes{0x85, 0x03, 33, 0xFE}));
    EXPECT_EQ(answers[4 + 15], image[15 * 64 + 63]) << "block 15 holds byte 1000";
    EXPECT_EQ(answers.back(), 0x55);

    const auto stored = unit.Memory(33);
    ASSERT_EQ(stored.size(), image.size());
    for (std::size_t i = 0; i < image.size(); ++i) {
        if (i == 1000) {
            EXPECT_EQ(stored[i], image[i] ^ 0x01);
        } else {
            ASSERT_EQ(stored[i], image[i]) << "byte " << i;
        }
    }
}

TEST(Faults, WrongStoredByteSparesWritesBeforeItsTriggerAndOtherCommands) {
    VirtualProcessor unit;
    unit.SetFault({Fault::WrongStoredByte, 5 + 37}); // the connection test and one write
    unit.Receive(ConnectionTest);
    const Bytes first = PatternImage(1);
    unit.Receive(WriteTransaction(30, first));
    EXPECT_TRUE(std::equal(first.begin(), first.end(), unit.Memory(30).begin()));

    unit.Receive(Bytes{0x85, 0x05, 0x00, 0x00, 0x00, 0x01, 0xFF, 0x55}); // lock, as sent
    EXPECT_TRUE(unit.KeyboardLocked());
    const Bytes second = PatternImage(2);
    unit.Receive(WriteTransaction(31, second));
    EXPECT_EQ(unit.Memory(31)[1000], second[1000] ^ 0x01);
    EXPECT_TRUE(std::equal(second.begin(), second.begin() + 1000, unit.Memory(31).begin()));
}

TEST(Faults, ClearingTheFaultRestoresNormalAnswers) {
    VirtualProcessor unit;
    unit.SetFault({Fault::WrongStartReply, 0});
    unit.Receive(Bytes{0x85});
    unit.Elapse(std::chrono::seconds(1));
    unit.SetFault({Fault::None, 0});
    EXPECT_EQ(unit.Receive(ConnectionTest), (Bytes{0x85, 0x00, 0x00, 0x00, 0x55}));
}

} // namespace
} // namespace quorvex
