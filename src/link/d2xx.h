#pragma once

#include <cstdint>

// The calls of the USB chip's D2XX interface that the program relies on, with their status
// codes. The program talks to the USB chip only through `D2xx`, so the chip vendor's own
// library, libftdi or a scripted test backend can stand behind it.

namespace quorvex {

using FT_HANDLE = void*;
using FT_STATUS = unsigned long;

inline constexpr FT_STATUS FT_OK = 0;
inline constexpr FT_STATUS FT_INVALID_HANDLE = 1;
inline constexpr FT_STATUS FT_DEVICE_NOT_FOUND = 2;
inline constexpr FT_STATUS FT_DEVICE_NOT_OPENED = 3;
inline constexpr FT_STATUS FT_IO_ERROR = 4;
inline constexpr FT_STATUS FT_INSUFFICIENT_RESOURCES = 5;
inline constexpr FT_STATUS FT_INVALID_PARAMETER = 6;
inline constexpr FT_STATUS FT_INVALID_BAUD_RATE = 7;

inline constexpr std::uint8_t FT_BITS_8 = 8;
inline constexpr std::uint8_t FT_STOP_BITS_1 = 0;
inline constexpr std::uint8_t FT_PARITY_NONE = 0;
inline constexpr std::uint16_t FT_FLOW_NONE = 0;

/// One device at a time, opened by index. Reads wait for `count` bytes or the read
/// time-out, whichever comes first, and report in `returned` how many arrived (0 when the
/// time-out passed with nothing).
class D2xx {
public:
    virtual ~D2xx() = default;

    virtual FT_STATUS FT_Open(int deviceIndex, FT_HANDLE* handle) = 0;
    virtual FT_STATUS FT_Close(FT_HANDLE handle) = 0;
    virtual FT_STATUS FT_SetBaudRate(FT_HANDLE handle, unsigned long baudRate) = 0;
    virtual FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, std::uint8_t wordLength,
                                                std::uint8_t stopBits, std::uint8_t parity) = 0;
    virtual FT_STATUS FT_SetFlowControl(FT_HANDLE handle, std::uint16_t flowControl,
                                        std::uint8_t xon, std::uint8_t xoff) = 0;
    virtual FT_STATUS FT_SetRts(FT_HANDLE handle) = 0;
    virtual FT_STATUS FT_SetDtr(FT_HANDLE handle) = 0;
    virtual FT_STATUS FT_SetChars(FT_HANDLE handle, std::uint8_t eventChar,
                                  std::uint8_t eventCharEnabled, std::uint8_t errorChar,
                                  std::uint8_t errorCharEnabled) = 0;
    /// Time-outs in ms for reads and for writes.
    virtual FT_STATUS FT_SetTimeouts(FT_HANDLE handle, unsigned long readTimeout,
                                     unsigned long writeTimeout) = 0;
    virtual FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, unsigned long count,
                              unsigned long* returned) = 0;
    virtual FT_STATUS FT_Write(FT_HANDLE handle, const void* buffer, unsigned long count,
                               unsigned long* written) = 0;
};

} // namespace quorvex
