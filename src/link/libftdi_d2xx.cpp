#include "link/libftdi_d2xx.h"

#include <ftdi.h>

#include <thread>

namespace quorvex {

namespace {

/// The status of a libftdi call that returns a negative number on failure.
FT_STATUS StatusOf(int result) {
    return result < 0 ? FT_IO_ERROR : FT_OK;
}

/// Finds and opens the `deviceIndex`-th FTDI device on the bus.
FT_STATUS OpenByIndex(ftdi_context* context, int deviceIndex) {
    ftdi_device_list* devices = nullptr;
    // Vendor and product 0: the chip vendor's usual product ids.
    const int count = ftdi_usb_find_all(context, &devices, 0, 0);
    if (count < 0) {
        return FT_IO_ERROR;
    }
    ftdi_device_list* entry = devices;
    for (int i = 0; entry != nullptr && i < deviceIndex; ++i) {
        entry = entry->next;
    }
    FT_STATUS status = FT_DEVICE_NOT_FOUND;
    if (entry != nullptr) {
        status = ftdi_usb_open_dev(context, entry->dev) < 0 ? FT_DEVICE_NOT_OPENED : FT_OK;
    }
    ftdi_list_free(&devices);
    return status;
}

} // namespace

LibFtdiD2xx::~LibFtdiD2xx() {
    if (context_ != nullptr) {
        FT_Close(context_);
    }
}

ftdi_context* LibFtdiD2xx::Context(FT_HANDLE handle) const {
    return handle != nullptr && handle == context_ ? context_ : nullptr;
}

FT_STATUS LibFtdiD2xx::FT_Open(int deviceIndex, FT_HANDLE* handle) {
    if (handle == nullptr || deviceIndex < 0) {
        return FT_INVALID_PARAMETER;
    }
    if (context_ != nullptr) {
        return FT_DEVICE_NOT_OPENED;
    }
    ftdi_context* context = ftdi_new();
    if (context == nullptr) {
        return FT_INSUFFICIENT_RESOURCES;
    }
    // Hand the device back to the kernel's serial driver on close, so that it is still
    // reachable as a plain serial port afterwards.
    context->module_detach_mode = AUTO_DETACH_REATACH_SIO_MODULE;
    const FT_STATUS status = OpenByIndex(context, deviceIndex);
    if (status != FT_OK) {
        ftdi_free(context);
        return status;
    }
    context_ = context;
    *handle = context;
    return FT_OK;
}

FT_STATUS LibFtdiD2xx::FT_Close(FT_HANDLE handle) {
    ftdi_context* context = Context(handle);
    if (context == nullptr) {
        return FT_INVALID_HANDLE;
    }
    const int result = ftdi_usb_close(context);
    ftdi_free(context);
    context_ = nullptr;
    return StatusOf(result);
}

FT_STATUS LibFtdiD2xx::FT_SetBaudRate(FT_HANDLE handle, unsigned long baudRate) {
    ftdi_context* context = Context(handle);
    if (context == nullptr) {
        return FT_INVALID_HANDLE;
    }
    return ftdi_set_baudrate(context, static_cast<int>(baudRate)) < 0 ? FT_INVALID_BAUD_RATE
                                                                      : FT_OK;
}

FT_STATUS LibFtdiD2xx::FT_SetDataCharacteristics(FT_HANDLE handle, std::uint8_t wordLength,
                                                 std::uint8_t stopBits, std::uint8_t parity) {
    ftdi_context* context = Context(handle);
    if (context == nullptr) {
        return FT_INVALID_HANDLE;
    }
    if (wordLength != 7 && wordLength != 8) {
        return FT_INVALID_PARAMETER;
    }
    const ftdi_bits_type bits = wordLength == 8 ? BITS_8 : BITS_7;
    const ftdi_stopbits_type stop = stopBits == 0 ? STOP_BIT_1 : STOP_BIT_2;
    const auto parityType = static_cast<ftdi_parity_type>(parity);
    return StatusOf(ftdi_set_line_property(context, bits, stop, parityType));
}

FT_STATUS LibFtdiD2xx::FT_SetFlowControl(FT_HANDLE handle, std::uint16_t flowControl,
                                         std::uint8_t /*xon*/, std::uint8_t /*xoff*/) {
    ftdi_context* context = Context(handle);
    if (context == nullptr) {
        return FT_INVALID_HANDLE;
    }
    if (flowControl != FT_FLOW_NONE) {
        return FT_INVALID_PARAMETER;
    }
    return StatusOf(ftdi_setflowctrl(context, SIO_DISABLE_FLOW_CTRL));
}

FT_STATUS LibFtdiD2xx::FT_SetRts(FT_HANDLE handle) {
    ftdi_context* context = Context(handle);
    return context == nullptr ? FT_INVALID_HANDLE : StatusOf(ftdi_setrts(context, 1));
}

FT_STATUS LibFtdiD2xx::FT_SetDtr(FT_HANDLE handle) {
    ftdi_context* context = Context(handle);
    return context == nullptr ? FT_INVALID_HANDLE : StatusOf(ftdi_setdtr(context, 1));
}

FT_STATUS LibFtdiD2xx::FT_SetChars(FT_HANDLE handle, std::uint8_t eventChar,
                                   std::uint8_t eventCharEnabled, std::uint8_t errorChar,
                                   std::uint8_t errorCharEnabled) {
    ftdi_context* context = Context(handle);
    if (context == nullptr) {
        return FT_INVALID_HANDLE;
    }
    if (ftdi_set_event_char(context, eventChar, eventCharEnabled) < 0) {
        return FT_IO_ERROR;
    }
    return StatusOf(ftdi_set_error_char(context, errorChar, errorCharEnabled));
}

FT_STATUS LibFtdiD2xx::FT_SetTimeouts(FT_HANDLE handle, unsigned long readTimeout,
                                      unsigned long writeTimeout) {
    ftdi_context* context = Context(handle);
    if (context == nullptr) {
        return FT_INVALID_HANDLE;
    }
    // libftdi's own time-outs bound one USB transfer; the read time-out as a whole is kept
    // here and enforced by FT_Read.
    readTimeout_ = std::chrono::milliseconds(readTimeout);
    context->usb_read_timeout = static_cast<int>(readTimeout);
    context->usb_write_timeout = static_cast<int>(writeTimeout);
    return FT_OK;
}

FT_STATUS LibFtdiD2xx::FT_Read(FT_HANDLE handle, void* buffer, unsigned long count,
                               unsigned long* returned) {
    ftdi_context* context = Context(handle);
    if (context == nullptr) {
        return FT_INVALID_HANDLE;
    }
    if (buffer == nullptr || returned == nullptr) {
        return FT_INVALID_PARAMETER;
    }
    auto* bytes = static_cast<unsigned char*>(buffer);
    unsigned long got = 0;
    const auto deadline = std::chrono::steady_clock::now() + readTimeout_;
    while (got < count) {
        const int result = ftdi_read_data(context, bytes + got, static_cast<int>(count - got));
        if (result < 0) {
            *returned = got;
            return FT_IO_ERROR;
        }
        got += static_cast<unsigned long>(result);
        if (got == count || std::chrono::steady_clock::now() >= deadline) {
            break;
        }
        if (result == 0) {
            // No data yet: the chip answers every latency period, give it that time.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    *returned = got;
    return FT_OK;
}

FT_STATUS LibFtdiD2xx::FT_Write(FT_HANDLE handle, const void* buffer, unsigned long count,
                                unsigned long* written) {
    ftdi_context* context = Context(handle);
    if (context == nullptr) {
        return FT_INVALID_HANDLE;
    }
    if (buffer == nullptr || written == nullptr) {
        return FT_INVALID_PARAMETER;
    }
    const int result = ftdi_write_data(context, static_cast<const unsigned char*>(buffer),
                                       static_cast<int>(count));
    if (result < 0) {
        *written = 0;
        return FT_IO_ERROR;
    }
    *written = static_cast<unsigned long>(result);
    return FT_OK;
}

} // namespace quorvex
