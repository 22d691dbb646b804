#include "unit_dialogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace quorvex {
namespace {

using test::Bytes;
using test::PatternImage;
using test::ReceiveImage;
using test::Send;

// Words of DSP 2 start at byte 874, three bytes each: word 11 is at 874 + 33 = 907 and
// words 11..15 cover bytes 907..921.
constexpr std::size_t Dsp2Word11 = 907;
// Word 255 of DSP 1 (the gain of output a): 100 + 765 = 865.
constexpr std::size_t Dsp1Word255 = 865;

const Bytes SectionWords{0x10, 0x00, 0x00, 0x3F, 0x12, 0x34, 0x08, 0x00,
                         0x00, 0x20, 0x00, 0x01, 0x01, 0x99, 0x99};

Bytes SectionFrame(std::uint8_t dsp, std::uint8_t address) {
    // Sized once and filled in place: growing a six-byte vector by insert makes g++ 12's
    // optimiser warn about a copy it never performs.
    constexpr std::size_t HeadSize = 6;
    Bytes frame(HeadSize + SectionWords.size() + 1);
    const std::array<std::uint8_t, HeadSize> head{0x85, 0x12, dsp, 0x00, 0x00, address};
    std::copy(head.begin(), head.end(), frame.begin());
    std::copy(SectionWords.begin(), SectionWords.end(), frame.begin() + HeadSize);
    frame.back() = 0x55;
    return frame;
}

VirtualProcessor UnitPlaying(std::uint8_t memory, const Bytes& image) {
    VirtualProcessorOptions options;
    options.CurrentMemory = memory;
    VirtualProcessor unit(options);
    unit.LoadMemory(memory, image);
    return unit;
}

TEST(RealTime, ASectionToDsp2Address11ChangesWords11To15OfTheCurrentMemory) {
    const Bytes image = PatternImage(9);
    VirtualProcessor unit = UnitPlaying(30, image);
    const Bytes frame = SectionFrame(2, 11);
    ASSERT_EQ(frame.size(), 4U + 17U + 1U);

    EXPECT_EQ(unit.Receive(frame), Bytes{}) << "real-time messages are not acknowledged";
    EXPECT_TRUE(unit.Idle());

    Bytes expected = image;
    std::copy(SectionWords.begin(), SectionWords.end(), expected.begin() + Dsp2Word11);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), unit.Memory(30).begin()));
    EXPECT_EQ(unit.TakeChangedMemories(), std::vector<int>{30});

    // A later read of the memory shows the change.
    Send(unit, {0x85, 0x04, 30, 30, 0x00, 0x00, 0x55});
    EXPECT_EQ(ReceiveImage(unit), expected);
}

TEST(RealTime, AFrameSentOneByteAtATimeGetsOnlyTheStartAnswered) {
    // The unit cannot tell a frame from a transaction before the second byte, and the
    // program waits for nothing, so a lone START is answered as usual.
    const Bytes image = PatternImage(9);
    VirtualProcessor unit = UnitPlaying(30, image);
    Bytes answers;
    for (std::uint8_t byte : SectionFrame(2, 11)) {
        const Bytes answer = Send(unit, {byte});
        answers.insert(answers.end(), answer.begin(), answer.end());
    }
    EXPECT_EQ(answers, Bytes{0x85});
    EXPECT_TRUE(
        std::equal(SectionWords.begin(), SectionWords.end(), unit.Memory(30).begin() + Dsp2Word11));
}

TEST(RealTime, OtherMemoriesAndTheOtherDspAreUntouched) {
    const Bytes image = PatternImage(9);
    VirtualProcessor unit = UnitPlaying(30, image);
    unit.LoadMemory(31, image);
    unit.Receive(SectionFrame(1, 11));
    EXPECT_TRUE(std::equal(image.begin(), image.end(), unit.Memory(31).begin()));
    // DSP 1 word 11 is at 100 + 33 = 133.
    EXPECT_TRUE(
        std::equal(SectionWords.begin(), SectionWords.end(), unit.Memory(30).begin() + 133));
    EXPECT_TRUE(std::equal(image.begin() + 874, image.end(), unit.Memory(30).begin() + 874));
}

TEST(RealTime, ASingleWordLandsAtItsAddress) {
    const Bytes image = PatternImage(1);
    VirtualProcessor unit = UnitPlaying(22, image);
    // Integer word 18 to DSP 2 address 222: 874 + 666 = 1540.
    EXPECT_EQ(unit.Receive(Bytes{0x85, 0x12, 0x02, 0x02, 0x00, 0xDE, 0x00, 0x00, 0x12, 0x55}),
              Bytes{});
    EXPECT_EQ(unit.Memory(22)[1540], 0x00);
    EXPECT_EQ(unit.Memory(22)[1541], 0x00);
    EXPECT_EQ(unit.Memory(22)[1542], 0x12);
    EXPECT_EQ(unit.Memory(22)[1539], image[1539]);
    EXPECT_EQ(unit.Memory(22)[1543], image[1543]);
}

TEST(RealTime, OutputGainsMayBeAddressedAs258To260OrAs255To257) {
    const Bytes image = PatternImage(1);
    VirtualProcessor unit = UnitPlaying(22, image);
    unit.Receive(Bytes{0x85, 0x12, 0x01, 0x02, 0x01, 0x02, 0x08, 0x00, 0x00, 0x55}); // 258
    EXPECT_EQ(unit.Memory(22)[Dsp1Word255], 0x08);
    unit.Receive(Bytes{0x85, 0x12, 0x01, 0x02, 0x01, 0x04, 0x30, 0x00, 0x00, 0x55}); // 260
    EXPECT_EQ(unit.Memory(22)[Dsp1Word255 + 6], 0x30);
    unit.Receive(Bytes{0x85, 0x12, 0x01, 0x02, 0x00, 0xFF, 0x10, 0x00, 0x00, 0x55}); // 255
    EXPECT_EQ(unit.Memory(22)[Dsp1Word255], 0x10);
    // 261 lies past both numberings.
    const Bytes before(unit.Memory(22).begin(), unit.Memory(22).end());
    unit.Receive(Bytes{0x85, 0x12, 0x01, 0x02, 0x01, 0x05, 0x3F, 0x3F, 0x3F, 0x55});
    EXPECT_TRUE(std::equal(before.begin(), before.end(), unit.Memory(22).begin()));
}

TEST(RealTime, FramesThatCannotApplyChangeNothing) {
    const Bytes image = PatternImage(4);
    VirtualProcessor unit = UnitPlaying(40, image);
    unit.Receive(SectionFrame(3, 11));  // no DSP 3
    unit.Receive(SectionFrame(2, 254)); // 254..258 reaches past word 257
    Bytes noEnd = SectionFrame(2, 11);
    noEnd.back() = 0x56;
    unit.Receive(noEnd);
    Bytes block{0x85, 0x12, 0x02, 0x01}; // type 1: 100 bytes, consumed but not used
    block.resize(block.size() + 100, 0x10);
    block.push_back(0x55);
    EXPECT_EQ(unit.Receive(block), Bytes{});
    EXPECT_TRUE(std::equal(image.begin(), image.end(), unit.Memory(40).begin()));
    EXPECT_TRUE(unit.TakeChangedMemories().empty());
    EXPECT_TRUE(unit.Idle());
}

TEST(RealTime, AnUnknownTypeIsDroppedAndTheNextTransactionIsServed) {
    VirtualProcessor unit;
    EXPECT_EQ(unit.Receive(Bytes{0x85, 0x12, 0x01, 0x07}), Bytes{});
    EXPECT_TRUE(unit.Idle());
    EXPECT_EQ(Send(unit, {0x85, 0x00, 0x00, 0x00, 0x00, 0x00, 0x55}),
              (Bytes{0x85, 0x00, 0x00, 0x00, 0x55}));
}

} // namespace
} // namespace quorvex
