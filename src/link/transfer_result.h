#pragma once

#include "link/notice.h"

#include <cstdint>
#include <vector>

namespace quorvex {

/// Outcome of one transaction or real-time message. On failure the communication window
/// shows the status where it stopped; `Messages` are the boxes to show, in order.
struct TransferResult {
    bool Ok = false;
    Notices Messages;
    /// The connection must go offline: the COM reply time ran out, the line hung up, or a
    /// USB call failed.
    bool ConnectionLost = false;
    /// Command 19: the memory the unit reported as its current one.
    int ReportedMemory = 0;
};

/// A receive transaction's outcome and, on success, the memory's image.
struct ReceiveResult {
    TransferResult Transfer;
    std::vector<std::uint8_t> Image;
};

} // namespace quorvex
