#pragma once

#include "link/byte_link.h"
#include "link/d2xx.h"
#include "link/usb_status_text.h"

namespace quorvex {

/// The processor's USB interface through the D2XX calls: device 0, 9600 8N1, no flow
/// control, RTS and DTR set, 1000 ms time-outs. The device is open only during one
/// transaction or real-time message. Every failing call yields its error text
/// (UsbFailureText); the caller shows it and goes offline.
class UsbByteLink : public ByteLink {
public:
    explicit UsbByteLink(D2xx& d2xx);
    ~UsbByteLink() override;
    UsbByteLink(const UsbByteLink&) = delete;
    UsbByteLink& operator=(const UsbByteLink&) = delete;

    TransportKind Kind() const override { return TransportKind::Usb; }
    std::string PortName() const override { return "USB"; }

    /// Check-and-configure: opens the device, applies the line settings and closes it again.
    LinkStatus Prepare() override;
    LinkStatus Open() override;
    void Close() override;
    bool IsOpen() const override { return handle_ != nullptr; }
    bool Write(std::span<const std::uint8_t> bytes) override;
    std::string LastError() const override { return lastError_; }
    /// Sets the 1000 ms time-outs again and reads one byte. A read that returns no byte is a
    /// time-out: the previous reply is never taken for a new one.
    Reply WaitForReply() override;

private:
    /// Empty when `status` is FT_OK, else the failure text of `operation`.
    static std::string Check(UsbOperation operation, FT_STATUS status);
    std::string Configure();

    D2xx& d2xx_;
    FT_HANDLE handle_ = nullptr;
    std::string lastError_;
};

} // namespace quorvex
