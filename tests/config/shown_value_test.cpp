#include "config/shown_value.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvex {
namespace {

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
