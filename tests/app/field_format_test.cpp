#include "app/field_format.h"

#include <gtest/gtest.h>

#include <limits>

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

TEST(ShownValue, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
    EXPECT_EQ(FormatFixed(0.25, 1), "0.3");
    EXPECT_EQ(FormatFixed(-0.25, 1), "-0.3");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
}

TEST(ShownValue, ShowsTheFieldsFormats) {
    EXPECT_EQ(FormatFixed(34.5917, 1), "34.6");
    EXPECT_EQ(FormatFixed(4.875, 2), "4.88");
    EXPECT_EQ(FormatFixed(1000.0, 0), "1000");
    EXPECT_EQ(FormatFixed(-0.04, 1), "0.0");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 1), "0.0");
}

} // namespace
} // namespace quorvex
