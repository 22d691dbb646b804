#pragma once

#include <functional>
#include <string>

namespace quorvex {

class RealTimeSink;

/// How the program reaches the processor.
enum class LinkKind { Offline, Usb, ComPort };

/// The program's connection to the processor: whether one answers, over which link, the
/// memory worked on and whether editor changes go to it at once (real-time mode).
struct ProcessorConnection {
    int MemoryNumber = 21;        ///< `NProgramSpin`
    int MemoryMinimum = 21;       ///< 1 once the protected memories are unlocked
    bool RealTime = false;        ///< real-time mode
    bool TransferRunning = false; ///< a transfer or a real-time message is under way
    bool Connected = false;
    LinkKind Link = LinkKind::Offline;
    std::string ConnectionText = "No Connected"; ///< `InfoLabel`
    RealTimeSink* Sink = nullptr;                ///< the device link while connected, else null
    /// Takes the connection offline after a real-time send found the link gone; the
    /// connection window sets it.
    std::function<void()> TakeOffline;

    /// The one rule for an editor change: it goes to the processor now only while
    /// real-time mode is on, a sink is present and no transfer is running (a transfer lets
    /// messages run while it waits, and a change handled then would land inside it).
    bool ShouldSendRealTime() const { return RealTime && Sink != nullptr && !TransferRunning; }
};

} // namespace quorvex
