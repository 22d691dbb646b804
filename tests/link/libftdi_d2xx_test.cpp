#include "link/libftdi_d2xx.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

// Without an open device every call must refuse the handle rather than reach libftdi.
TEST(LibFtdiD2xx, CallsOnAHandleThatIsNotOpenAreRefused) {
    LibFtdiD2xx d2xx;
    int notADevice = 0;
    FT_HANDLE handle = &notADevice;
    std::uint8_t byte = 0;
    unsigned long moved = 7;

    EXPECT_EQ(d2xx.FT_SetBaudRate(handle, 9600), FT_INVALID_HANDLE);
    EXPECT_EQ(d2xx.FT_SetTimeouts(nullptr, 1000, 1000), FT_INVALID_HANDLE);
    EXPECT_EQ(d2xx.FT_Read(handle, &byte, 1, &moved), FT_INVALID_HANDLE);
    EXPECT_EQ(d2xx.FT_Write(handle, &byte, 1, &moved), FT_INVALID_HANDLE);
    EXPECT_EQ(d2xx.FT_Close(handle), FT_INVALID_HANDLE);
}

TEST(LibFtdiD2xx, OpenRefusesANegativeIndexOrNoHandle) {
    LibFtdiD2xx d2xx;
    FT_HANDLE handle = nullptr;
    EXPECT_EQ(d2xx.FT_Open(-1, &handle), FT_INVALID_PARAMETER);
    EXPECT_EQ(d2xx.FT_Open(0, nullptr), FT_INVALID_PARAMETER);
    EXPECT_EQ(handle, nullptr);
}

} // namespace
} // namespace quorvex
