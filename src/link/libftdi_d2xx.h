#pragma once

#include "link/d2xx.h"

#include <chrono>

struct ftdi_context;

namespace quorvex {

/// The D2XX calls on libftdi1, for platforms without the chip vendor's library. The device
/// is taken from the kernel's serial driver while open and handed back on close. Reads poll
/// the chip (each poll waits on the USB transfer, so no core spins) until the byte count or
/// the read time-out is reached, as a D2XX read does.
class LibFtdiD2xx : public D2xx {
public:
    LibFtdiD2xx() = default;
    ~LibFtdiD2xx() override;
    LibFtdiD2xx(const LibFtdiD2xx&) = delete;
    LibFtdiD2xx& operator=(const LibFtdiD2xx&) = delete;

    FT_STATUS FT_Open(int deviceIndex, FT_HANDLE* handle) override;
    FT_STATUS FT_Close(FT_HANDLE handle) override;
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, unsigned long baudRate) override;
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, std::uint8_t wordLength,
                                        std::uint8_t stopBits, std::uint8_t parity) override;
    FT_STATUS FT_SetFlowControl(FT_HANDLE handle, std::uint16_t flowControl, std::uint8_t xon,
                                std::uint8_t xoff) override;
    FT_STATUS FT_SetRts(FT_HANDLE handle) override;
    FT_STATUS FT_SetDtr(FT_HANDLE handle) override;
    FT_STATUS FT_SetChars(FT_HANDLE handle, std::uint8_t eventChar, std::uint8_t eventCharEnabled,
                          std::uint8_t errorChar, std::uint8_t errorCharEnabled) override;
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, unsigned long readTimeout,
                             unsigned long writeTimeout) override;
    FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, unsigned long count,
                      unsigned long* returned) override;
    FT_STATUS FT_Write(FT_HANDLE handle, const void* buffer, unsigned long count,
                       unsigned long* written) override;

private:
    /// The open context when `handle` is it, else null.
    ftdi_context* Context(FT_HANDLE handle) const;

    ftdi_context* context_ = nullptr;
    std::chrono::milliseconds readTimeout_{1000};
};

} // namespace quorvex
