#include "app/field_format.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(FieldFormat, CoefficientsShowEighteenDecimals) {
    EXPECT_EQ(FormatCoefficient(1.0L), "1.000000000000000000");
    EXPECT_EQ(FormatCoefficient(0.0L), "0.000000000000000000");
    EXPECT_EQ(FormatCoefficient(-0.5L), "-0.500000000000000000");
}

TEST(FieldFormat, ParsesNumbersAndRefusesTheRest) {
    EXPECT_EQ(ParseFieldValue("-6.0"), -6.0);
    EXPECT_EQ(ParseFieldValue(" 1.00 "), 1.0);
    EXPECT_EQ(ParseFieldValue("+2"), 2.0);
    EXPECT_FALSE(ParseFieldValue(""));
    EXPECT_FALSE(ParseFieldValue("abc"));
    EXPECT_FALSE(ParseFieldValue("1.0dB"));
    EXPECT_FALSE(ParseFieldValue("nan"));
    EXPECT_FALSE(ParseFieldValue("inf"));
}

} // namespace
} // namespace quorvex
