#include "unit_dialogue.h"

#include <gtest/gtest.h>

#include <random>

namespace quorvex {
namespace {

using namespace std::chrono_literals;
using test::Bytes;
using test::PatternImage;
using test::Send;

const Bytes ConnectionTest{0x85, 0x00, 0x00, 0x00, 0x00, 0x00, 0x55};
const Bytes ConnectionTestAnswers{0x85, 0x00, 0x00, 0x00, 0x55};

TEST(Refusals, AnUnknownCommandGetsNoAnswerAndTheUnitWaitsForStart) {
    VirtualProcessor unit;
    for (std::uint8_t command : {0x02, 0x09, 0x14, 0xFF}) {
        EXPECT_EQ(Send(unit, {0x85, command}), Bytes{0x85}) << int(command);
        EXPECT_TRUE(unit.Idle());
    }
    EXPECT_EQ(unit.Receive(ConnectionTest), ConnectionTestAnswers);
}

TEST(Refusals, ALongThatDoesNotMatchTheCommandIsNotAnswered) {
    VirtualProcessor unit;
    // A write of 2047 bytes (one too many) and of 0 bytes.
    EXPECT_EQ(unit.Receive(Bytes{0x85, 0x03, 30, 30, 0x07, 0xFF}), (Bytes{0x85, 0x03, 30}));
    EXPECT_TRUE(unit.Idle());
    EXPECT_EQ(unit.Receive(Bytes{0x85, 0x03, 30, 30, 0x00, 0x00}), (Bytes{0x85, 0x03, 30}));
    // A lock with two bytes; a change of memory with data.
    EXPECT_EQ(unit.Receive(Bytes{0x85, 0x05, 0, 0, 0x00, 0x02}), (Bytes{0x85, 0x05, 0}));
    EXPECT_EQ(unit.Receive(Bytes{0x85, 0x07, 30, 30, 0x00, 0x01}), (Bytes{0x85, 0x07, 30}));
    // The operating system must be 2560 bytes, to memory 61 only.
    EXPECT_EQ(unit.Receive(Bytes{0x85, 0x01, 61, 61, 0x07, 0xFE}), (Bytes{0x85, 0x01, 61}));
    EXPECT_EQ(unit.Receive(Bytes{0x85, 0x01, 30}), (Bytes{0x85, 0x01}));
    EXPECT_TRUE(unit.TakeChangedMemories().empty());
}

TEST(Refusals, ANumberRepeatedDifferentlyIsNotAccepted) {
    VirtualProcessor unit;
    EXPECT_EQ(unit.Receive(Bytes{0x85, 0x07, 30, 31, 0x00, 0x00, 0x55}), (Bytes{0x85, 0x07, 30}));
    EXPECT_EQ(unit.CurrentMemory(), 1);
}

TEST(Refusals, DataNotClosedByEndIsDiscarded) {
    VirtualProcessor unit;
    const Bytes image = PatternImage(1);
    Bytes stream{0x85, 0x03, 30, 30, 0x07, 0xFE};
    stream.insert(stream.end(), image.begin(), image.end());
    stream.push_back(0x56);
    const Bytes before(unit.Memory(30).begin(), unit.Memory(30).end());
    const Bytes answers = unit.Receive(stream);
    EXPECT_EQ(answers.size(), 4U + 32U) << "no END answer";
    EXPECT_TRUE(std::equal(before.begin(), before.end(), unit.Memory(30).begin()));
    EXPECT_TRUE(unit.TakeChangedMemories().empty());
}

TEST(Timeouts, QuietTimeAbandonsATransactionAndKeepsNothingOfIt) {
    VirtualProcessorOptions options;
    options.IdleTimeout = 100ms;
    VirtualProcessor unit(options);
    const Bytes image = PatternImage(1);
    Bytes partial{0x85, 0x03, 30, 30, 0x07, 0xFE};
    partial.insert(partial.end(), image.begin(), image.begin() + 1000);
    const Bytes before(unit.Memory(30).begin(), unit.Memory(30).end());
    unit.Receive(partial);

    unit.Elapse(99ms);
    EXPECT_FALSE(unit.Idle());
    unit.Elapse(1ms);
    EXPECT_TRUE(unit.Idle());
    // The rest of the abandoned write is not taken for anything.
    Bytes rest(image.begin() + 1000, image.end());
    rest.push_back(0x55);
    EXPECT_EQ(unit.Receive(rest), Bytes{});
    EXPECT_TRUE(std::equal(before.begin(), before.end(), unit.Memory(30).begin()));
    EXPECT_EQ(unit.Receive(ConnectionTest), ConnectionTestAnswers);
}

TEST(Timeouts, EveryByteRestartsTheQuietTime) {
    VirtualProcessorOptions options;
    options.IdleTimeout = 100ms;
    VirtualProcessor unit(options);
    for (std::uint8_t byte : ConnectionTest) {
        unit.Receive(Bytes{byte});
        unit.Elapse(90ms);
    }
    EXPECT_TRUE(unit.Idle());
    EXPECT_TRUE(unit.TakeLog().back().find("connection test") != std::string::npos);
}

TEST(Timeouts, AReadThatTheProgramStopsEchoingIsAbandoned) {
    VirtualProcessorOptions options;
    options.IdleTimeout = 100ms;
    VirtualProcessor unit(options);
    unit.Receive(Bytes{0x85, 0x04, 30, 30, 0x00, 0x00, 0x55, 0x85});
    unit.Elapse(100ms);
    EXPECT_TRUE(unit.Idle());
    EXPECT_EQ(unit.Receive(ConnectionTest), ConnectionTestAnswers);
}

// Bytes drawn mostly from the protocol's own vocabulary reach deep into the state machine.
std::uint8_t ProtocolishByte(std::mt19937& random) {
    static const std::uint8_t Vocabulary[] = {0x85, 0x55, 0x12, 0x00, 0x01, 0x03, 0x04,
                                              0x05, 0x06, 0x07, 0x08, 0x13, 30,   61,
                                              0x07, 0xFE, 0x0A, 0x02, 0xFF, 0x41};
    std::uniform_int_distribution<int> pick(0, 2 * static_cast<int>(std::size(Vocabulary)));
    const int index = pick(random);
    if (index < static_cast<int>(std::size(Vocabulary))) {
        return Vocabulary[index];
    }
    return static_cast<std::uint8_t>(random());
}

TEST(Garbage, RandomBytesNeverCrashOrWedgeTheUnit) {
    for (unsigned seed : {1U, 2U, 3U, 20261208U}) {
        std::mt19937 random(seed);
        VirtualProcessor unit;
        std::uniform_int_distribution<int> chunkSize(1, 300);
        for (int round = 0; round < 3000; ++round) {
            Bytes chunk(static_cast<std::size_t>(chunkSize(random)));
            for (std::uint8_t& byte : chunk) {
                byte = ProtocolishByte(random);
            }
            const Bytes answers = unit.Receive(chunk);
            ASSERT_LE(answers.size(), chunk.size() * 64 + 64) << "seed " << seed;
            if (random() % 8 == 0) {
                unit.Elapse(std::chrono::milliseconds(random() % 900));
            }
        }
        for (int memory = 1; memory <= 60; ++memory) {
            ASSERT_EQ(unit.Memory(memory).size(), 2046U);
        }
        ASSERT_GE(unit.CurrentMemory(), 1);
        ASSERT_LE(unit.CurrentMemory(), 60);
        // Whatever state the noise left, after the quiet time the unit serves again.
        unit.Elapse(1s);
        EXPECT_EQ(unit.Receive(ConnectionTest), ConnectionTestAnswers) << "seed " << seed;
    }
}

} // namespace
} // namespace quorvex
