#include "image/image_comparison.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using ByteList = std::vector<std::uint8_t>;

ByteList Image(std::uint8_t fill) {
    return ByteList(2046, fill);
}

TEST(ImagePartName, NamesThePartsOfTheLayoutAtTheirEdges) {
    // Offsets worked out from the layout: header 0..99, DSP 1 100..873 and DSP 2 874..1647
    // (258 words of three bytes), settings 1648..2037, fill 2038..2044, last byte 2045.
    EXPECT_EQ(ImagePartName(0), "header byte 0");
    EXPECT_EQ(ImagePartName(99), "header byte 99");
    EXPECT_EQ(ImagePartName(100), "DSP 1 word 0");
    EXPECT_EQ(ImagePartName(102), "DSP 1 word 0");
    EXPECT_EQ(ImagePartName(103), "DSP 1 word 1");
    EXPECT_EQ(ImagePartName(873), "DSP 1 word 257");
    EXPECT_EQ(ImagePartName(874), "DSP 2 word 0");
    EXPECT_EQ(ImagePartName(874 + 3 * 142 + 2), "DSP 2 word 142");
    EXPECT_EQ(ImagePartName(1647), "DSP 2 word 257");
    EXPECT_EQ(ImagePartName(1648), "settings byte 0");
    EXPECT_EQ(ImagePartName(2037), "settings byte 389");
    EXPECT_EQ(ImagePartName(2038), "fill byte 0");
    EXPECT_EQ(ImagePartName(2044), "fill byte 6");
    EXPECT_EQ(ImagePartName(2045), "last byte");
    EXPECT_EQ(ImagePartName(2046), "byte 2046 past the end");
}

TEST(CompareImages, EqualImagesHaveNoDifference) {
    EXPECT_FALSE(CompareImages(Image(0x0D), Image(0x0D)).has_value());
    EXPECT_FALSE(CompareImages(ByteList{}, ByteList{}).has_value());
}

TEST(CompareImages, GivesTheFirstDifferenceAndCountsEveryDifferingByte) {
    const ByteList sent = Image(0x10);
    ByteList back = sent;
    back[1500] = 0x11;
    back[101] = 0x90;
    back[2045] = 0x00;
    const auto difference = CompareImages(sent, back);
    ASSERT_TRUE(difference.has_value());
    EXPECT_EQ(difference->Offset, 101);
    EXPECT_EQ(difference->Sent, 0x10);
    EXPECT_EQ(difference->ReadBack, 0x90);
    EXPECT_EQ(difference->DifferingBytes, 3);
}

TEST(CompareImages, AShorterReadBackDiffersWhereItEnds) {
    const ByteList sent = Image(0x22);
    const ByteList back(sent.begin(), sent.end() - 4);
    const auto difference = CompareImages(sent, back);
    ASSERT_TRUE(difference.has_value());
    EXPECT_EQ(difference->Offset, 2042);
    EXPECT_EQ(difference->Sent, 0x22);
    EXPECT_EQ(difference->ReadBack, -1);
    EXPECT_EQ(difference->DifferingBytes, 4);
}

TEST(CompareImages, AnEmptyReadBackDiffersAtTheFirstByte) {
    const auto difference = CompareImages(Image(0x00), ByteList{});
    ASSERT_TRUE(difference.has_value());
    EXPECT_EQ(difference->Offset, 0);
    EXPECT_EQ(difference->DifferingBytes, 2046);
}

} // namespace
} // namespace quorvex
