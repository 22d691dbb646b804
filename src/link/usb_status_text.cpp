#include "link/usb_status_text.h"

#include "link/device_messages.h"

namespace quorvex {

namespace {

std::string_view StatusSuffix(FT_STATUS status) {
    switch (status) {
    case FT_INVALID_HANDLE:
        return " - Invalid Handle...";
    case FT_DEVICE_NOT_FOUND:
        return " - Device Not Found....";
    case FT_DEVICE_NOT_OPENED:
        return " - Device Not Opened...";
    case FT_IO_ERROR:
        return " - General IO Error...";
    case FT_INSUFFICIENT_RESOURCES:
        return " - Insufficient Resources...";
    case FT_INVALID_PARAMETER:
        return " - Invalid Parameter ...";
    default:
        return {};
    }
}

} // namespace

std::string_view UsbOperationText(UsbOperation operation) {
    switch (operation) {
    case UsbOperation::Open:
        return "Can't open the USB. Please verify that the USB port is correct and your Quorvex "
               "unit is switch on";
    case UsbOperation::Close:
        return "FT_Close";
    case UsbOperation::SetRts:
        return "FT_SetRTS";
    case UsbOperation::SetDtr:
        return "FT_SetDTR";
    case UsbOperation::SetBaudRate:
        return "FT_SetBaudRate";
    case UsbOperation::SetDataCharacteristics:
        return "FT_SetDataCharacteristics";
    case UsbOperation::SetFlowControl:
        return "FT_SetFlowControl";
    case UsbOperation::SetChars:
        return "FT_SetChars";
    case UsbOperation::SetTimeouts:
        return device_message::UsbCommunicationError;
    case UsbOperation::Write:
        return "USB Write Failed";
    case UsbOperation::Read:
        return "USB Read Failed";
    }
    return {};
}

std::string UsbFailureText(UsbOperation operation, FT_STATUS status) {
    return std::string(UsbOperationText(operation)) + std::string(StatusSuffix(status));
}

} // namespace quorvex
