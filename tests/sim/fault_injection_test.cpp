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
