#include "sim/line_pacing.h"
#include "sim/memory_list.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

std::optional<std::vector<int>> Parse(std::string_view text) {
    std::string error;
    auto list = ParseMemoryList(text, error);
    EXPECT_EQ(list.has_value(), error.empty()) << text;
    return list;
}

TEST(MemoryList, ReadsNumbersAndRanges) {
    EXPECT_EQ(Parse("5,7"), (std::vector<int>{5, 7}));
    EXPECT_EQ(Parse(" 30 , 1-3 ,2"), (std::vector<int>{1, 2, 3, 30}));
    EXPECT_EQ(Parse("60"), (std::vector<int>{60}));
    EXPECT_EQ(Parse("1-20")->size(), 20U);
    EXPECT_EQ(Parse(""), std::vector<int>{});
}

TEST(MemoryList, RefusesWhatIsNotAMemory) {
    for (const char* text :
         {"0", "61", "5-3", "a", "1,,2", "1,", "3-", "-3", "1.5", "7 8", "99999999999"}) {
        EXPECT_FALSE(Parse(text).has_value()) << text;
    }
    std::string error;
    ParseMemoryList("4,x", error);
    EXPECT_NE(error.find("\"x\""), std::string::npos);
}

TEST(LinePacing, TheLineCarries960BytesASecond) {
    using std::chrono::milliseconds;
    using std::chrono::nanoseconds;
    EXPECT_EQ(BytesDue(nanoseconds(0)), 1U);
    EXPECT_EQ(BytesDue(nanoseconds(1'041'000)), 1U);
    EXPECT_EQ(BytesDue(nanoseconds(1'042'000)), 2U);
    // 64 bytes at 9600 bit/s take 66.7 ms.
    EXPECT_EQ(BytesDue(milliseconds(66)), 64U);
    EXPECT_EQ(BytesDue(milliseconds(67)), 65U);
    EXPECT_EQ(BytesDue(milliseconds(1000)), 960U);
    EXPECT_EQ(BytesDue(nanoseconds(-1)), 0U);
}

} // namespace
} // namespace quorvex
