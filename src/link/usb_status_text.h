#pragma once

#include "link/d2xx.h"

#include <string>
#include <string_view>

namespace quorvex {

/// The operations of the USB layer, each one D2XX call.
enum class UsbOperation {
    Open,
    Close,
    SetRts,
    SetDtr,
    SetBaudRate,
    SetDataCharacteristics,
    SetFlowControl,
    SetChars,
    SetTimeouts,
    Write,
    Read,
};

/// The operation's own text, shown when its call fails.
std::string_view UsbOperationText(UsbOperation operation);

/// The error box text of a failed call: the operation's text followed by the suffix of
/// statuses 1..6 (" - Device Not Found...." for 2); any other status gives the operation's
/// text alone.
std::string UsbFailureText(UsbOperation operation, FT_STATUS status);

} // namespace quorvex
