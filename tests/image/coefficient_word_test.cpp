#include "image/coefficient_word.h"
#include "image/integer_word.h"
#include "image/real_time_word.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace quorvex {
namespace {

using Bytes = WordBytes;

TEST(CoefficientWord, EncodesTheDocumentedValues) {
    EXPECT_EQ(EncodeCoefficientWord(1.0L), (Bytes{0x10, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(-1.0L), (Bytes{0x30, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(0.5L), (Bytes{0x08, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(-0.5L), (Bytes{0x38, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(0.1L), (Bytes{0x01, 0x99, 0x99}));
    EXPECT_EQ(EncodeCoefficientWord(-2.0L), (Bytes{0x20, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(0.0L), (Bytes{0x00, 0x00, 0x00}));
    // -0.1 x 2^20 = -104857.6, truncated to -104857 = 0x3E6667 in 22 bits.
    EXPECT_EQ(EncodeCoefficientWord(-0.1L), (Bytes{0x3E, 0x66, 0x67}));
    // The smallest step, 2^-20, and its negative.
    EXPECT_EQ(EncodeCoefficientWord(1.0L / 1048576.0L), (Bytes{0x00, 0x00, 0x01}));
    EXPECT_EQ(EncodeCoefficientWord(-1.0L / 1048576.0L), (Bytes{0x3F, 0xFF, 0xFF}));
}

TEST(CoefficientWord, TruncatesTowardZero) {
    EXPECT_EQ(EncodeCoefficientWord(-1e-7L), (Bytes{0x00, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(1e-7L), (Bytes{0x00, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(1.9999999L), (Bytes{0x1F, 0xFF, 0xFF}));
    EXPECT_EQ(EncodeCoefficientWord(-1.9999999L), (Bytes{0x20, 0x00, 0x01}));
}

TEST(CoefficientWord, SaturatesInsteadOfWrapping) {
    EXPECT_EQ(EncodeCoefficientWord(2.0L), (Bytes{0x1F, 0xFF, 0xFF}));
    EXPECT_EQ(EncodeCoefficientWord(2.5L), (Bytes{0x1F, 0xFF, 0xFF}));
    EXPECT_EQ(EncodeCoefficientWord(1e30L), (Bytes{0x1F, 0xFF, 0xFF}));
    EXPECT_EQ(EncodeCoefficientWord(std::numeric_limits<long double>::max()),
              (Bytes{0x1F, 0xFF, 0xFF}));
    EXPECT_EQ(EncodeCoefficientWord(-2.0000001L), (Bytes{0x20, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(-3.0L), (Bytes{0x20, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(std::numeric_limits<long double>::lowest()),
              (Bytes{0x20, 0x00, 0x00}));
}

TEST(CoefficientWord, NonFiniteValuesAreZero) {
    EXPECT_EQ(EncodeCoefficientWord(std::numeric_limits<long double>::quiet_NaN()),
              (Bytes{0x00, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(std::numeric_limits<long double>::infinity()),
              (Bytes{0x00, 0x00, 0x00}));
    EXPECT_EQ(EncodeCoefficientWord(-std::numeric_limits<long double>::infinity()),
              (Bytes{0x00, 0x00, 0x00}));
}

TEST(CoefficientWord, ReadsBackSignExtended) {
    EXPECT_DOUBLE_EQ(CoefficientWordValue({0x10, 0x00, 0x00}), 1.0);
    EXPECT_DOUBLE_EQ(CoefficientWordValue({0x30, 0x00, 0x00}), -1.0);
    EXPECT_DOUBLE_EQ(CoefficientWordValue({0x20, 0x00, 0x00}), -2.0);
    EXPECT_DOUBLE_EQ(CoefficientWordValue({0x1F, 0xFF, 0xFF}), 2.0 - 1.0 / 1048576.0);
    EXPECT_DOUBLE_EQ(CoefficientWordValue({0x3F, 0xFF, 0xFF}), -1.0 / 1048576.0);
    EXPECT_DOUBLE_EQ(CoefficientWordValue({0x01, 0x99, 0x99}), 104857.0 / 1048576.0);
    // The two top bits of the first byte are not part of the word.
    EXPECT_DOUBLE_EQ(CoefficientWordValue({0xF0, 0x00, 0x00}), -1.0);
}

TEST(CoefficientWord, EveryValueInRangeReadsBackWithinOneStep) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> values(-2.0, 2.0);
    for (int i = 0; i < 10000; ++i) {
        const double x = values(random);
        const double back = CoefficientWordValue(EncodeCoefficientWord(x));
        EXPECT_LE(std::fabs(back), std::fabs(x)) << x; // toward zero
        EXPECT_LT(std::fabs(x - back), 1.0 / 1048576.0) << x;
    }
}

TEST(IntegerWord, IsZeroThenHighThenLowByte) {
    EXPECT_EQ(EncodeIntegerWord(1), (Bytes{0x00, 0x00, 0x01}));
    EXPECT_EQ(EncodeIntegerWord(18), (Bytes{0x00, 0x00, 0x12}));
    EXPECT_EQ(EncodeIntegerWord(1920), (Bytes{0x00, 0x07, 0x80}));
    EXPECT_EQ(EncodeIntegerWord(65535), (Bytes{0x00, 0xFF, 0xFF}));
    EXPECT_EQ(IntegerWordValue({0x00, 0x07, 0x80}), 1920);
    EXPECT_EQ(IntegerWordValue({0xAB, 0x00, 0x0B}), 11);
}

TEST(IntegerWord, SaturatesOutsideSixteenBits) {
    EXPECT_EQ(EncodeIntegerWord(65536), (Bytes{0x00, 0xFF, 0xFF}));
    EXPECT_EQ(EncodeIntegerWord(-1), (Bytes{0x00, 0x00, 0x00}));
    EXPECT_EQ(EncodeIntegerWord(std::numeric_limits<std::int32_t>::min()),
              (Bytes{0x00, 0x00, 0x00}));
}

TEST(RealTimeWord, SendsTheImageWordAndShowsWhatTheProcessorRuns) {
    const RealTimeWord tenth = QuantiseForRealTime(0.1L);
    EXPECT_EQ(tenth.Bytes, (Bytes{0x01, 0x99, 0x99}));
    EXPECT_DOUBLE_EQ(tenth.Value, 0.09999942779541015625);

    const RealTimeWord over = QuantiseForRealTime(2.245L);
    EXPECT_EQ(over.Bytes, (Bytes{0x1F, 0xFF, 0xFF}));
    EXPECT_DOUBLE_EQ(over.Value, 2.0 - 1.0 / 1048576.0);

    const RealTimeWord nan = QuantiseForRealTime(std::numeric_limits<long double>::quiet_NaN());
    EXPECT_EQ(nan.Bytes, (Bytes{0x00, 0x00, 0x00}));
    EXPECT_EQ(nan.Value, 0.0);
}

} // namespace
} // namespace quorvex
