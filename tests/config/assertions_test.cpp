#include "config/byte_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace quorvex {
namespace {

// The layers keep their assertions whatever the build type: a write past the end of a
// fixed layout must stop the program, also in the optimised build CI runs.
TEST(AssertionsDeathTest, AWritePastTheEndOfALayoutStopsTheProgram) {
    std::array<std::uint8_t, 4> bytes{};
    ByteWriter writer(bytes);
    writer.Int32(0, 7);
    EXPECT_EQ(bytes[0], 7);
    EXPECT_DEATH(writer.Int32(1, 7), "offset");
}

} // namespace
} // namespace quorvex
