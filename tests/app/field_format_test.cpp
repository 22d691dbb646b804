#include "app/field_format.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(FieldFormat, ShownValuesRoundHalfAwayFromZero) {
    EXPECT_EQ(FormatFixed(0.25, 1), "0.3");
    EXPECT_EQ(FormatFixed(-0.25, 1), "-0.3");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
    // 34.65 is held a hair below the tie; the field still shows the tie rounded up.
    EXPECT_EQ(FormatFixed(34.65, 1), "34.7");
    EXPECT_EQ(FormatFixed(1.005, 2), "1.01");
}

TEST(FieldFormat, PadsAndDropsTheSignOfZero) {
    EXPECT_EQ(FormatFixed(0.0, 2), "0.00");
    EXPECT_EQ(FormatFixed(0.004, 2), "0.00");
    EXPECT_EQ(FormatFixed(-0.004, 2), "0.00");
    EXPECT_EQ(FormatFixed(-30.0, 1), "-30.0");
    EXPECT_EQ(FormatFixed(4.875, 2), "4.88");
    EXPECT_EQ(FormatFixed(168.81, 1), "168.8");
    EXPECT_EQ(FormatFixed(123.0, 0), "123");
}

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
