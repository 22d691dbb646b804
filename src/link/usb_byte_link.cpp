#include "link/usb_byte_link.h"

#include "link/serial_settings.h"

namespace quorvex {

namespace {

constexpr int UsbDeviceIndex = 0;
constexpr unsigned long UsbTimeoutMs = 1000;
constexpr std::uint8_t XonChar = 0x11;
constexpr std::uint8_t XoffChar = 0x13;

} // namespace

UsbByteLink::UsbByteLink(D2xx& d2xx) : d2xx_(d2xx) {}

UsbByteLink::~UsbByteLink() {
    Close();
}

std::string UsbByteLink::Check(UsbOperation operation, FT_STATUS status) {
    return status == FT_OK ? std::string() : UsbFailureText(operation, status);
}

LinkStatus UsbByteLink::Prepare() {
    const LinkStatus opened = Open();
    if (!opened.Ok) {
        return opened;
    }
    std::string error = Configure();
    Close();
    if (error.empty()) {
        error = lastError_;
    }
    return error.empty() ? LinkStatus::Success() : LinkStatus::Failure(error);
}

std::string UsbByteLink::Configure() {
    std::string error =
        Check(UsbOperation::SetBaudRate, d2xx_.FT_SetBaudRate(handle_, SerialBaudRate));
    if (error.empty()) {
        error = Check(UsbOperation::SetRts, d2xx_.FT_SetRts(handle_));
    }
    if (error.empty()) {
        error = Check(UsbOperation::SetDtr, d2xx_.FT_SetDtr(handle_));
    }
    if (error.empty()) {
        error = Check(
            UsbOperation::SetDataCharacteristics,
            d2xx_.FT_SetDataCharacteristics(handle_, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE));
    }
    if (error.empty()) {
        error = Check(UsbOperation::SetFlowControl,
                      d2xx_.FT_SetFlowControl(handle_, FT_FLOW_NONE, XonChar, XoffChar));
    }
    if (error.empty()) {
        error = Check(UsbOperation::SetChars, d2xx_.FT_SetChars(handle_, 0, 0, 0, 0));
    }
    if (error.empty()) {
        error = Check(UsbOperation::SetTimeouts,
                      d2xx_.FT_SetTimeouts(handle_, UsbTimeoutMs, UsbTimeoutMs));
    }
    return error;
}

LinkStatus UsbByteLink::Open() {
    Close();
    lastError_.clear();
    FT_HANDLE handle = nullptr;
    const FT_STATUS status = d2xx_.FT_Open(UsbDeviceIndex, &handle);
    if (status != FT_OK || handle == nullptr) {
        return LinkStatus::Failure(UsbFailureText(UsbOperation::Open, status));
    }
    handle_ = handle;
    return LinkStatus::Success();
}

void UsbByteLink::Close() {
    if (handle_ == nullptr) {
        return;
    }
    const std::string error = Check(UsbOperation::Close, d2xx_.FT_Close(handle_));
    handle_ = nullptr;
    if (!error.empty()) {
        lastError_ = error;
    }
}

bool UsbByteLink::Write(std::span<const std::uint8_t> bytes) {
    if (handle_ == nullptr) {
        return false;
    }
    unsigned long written = 0;
    const FT_STATUS status = d2xx_.FT_Write(handle_, bytes.data(), bytes.size(), &written);
    if (status != FT_OK) {
        lastError_ = UsbFailureText(UsbOperation::Write, status);
        return false;
    }
    return written == bytes.size();
}

Reply UsbByteLink::WaitForReply() {
    if (handle_ == nullptr) {
        return {Reply::Outcome::Failed, 0, {}};
    }
    const std::string timeoutError =
        Check(UsbOperation::SetTimeouts, d2xx_.FT_SetTimeouts(handle_, UsbTimeoutMs, UsbTimeoutMs));
    if (!timeoutError.empty()) {
        return {Reply::Outcome::Failed, 0, timeoutError};
    }
    std::uint8_t byte = 0;
    unsigned long returned = 0;
    const FT_STATUS status = d2xx_.FT_Read(handle_, &byte, 1, &returned);
    if (status != FT_OK) {
        return {Reply::Outcome::Failed, 0, UsbFailureText(UsbOperation::Read, status)};
    }
    if (returned == 0) {
        return {Reply::Outcome::TimedOut, 0, {}};
    }
    return {Reply::Outcome::Byte, byte, {}};
}

} // namespace quorvex
