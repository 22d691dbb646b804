#pragma once

#include "app/marked_sink.h"
#include "link/byte_link.h"
#include "link/communication_window.h"
#include "link/device_operations.h"
#include "link/message_loop.h"
#include "link/real_time_sender.h"

#include <functional>
#include <memory>

namespace quorvex {

/// The device operations pause in passes of the front end's own message loop, each after
/// the windows were told what changed so far.
class AnnouncingLoop : public MessageLoop {
public:
    explicit AnnouncingLoop(MessageLoop& loop) : loop_(loop) {}
    void Run(int passes) override;

private:
    MessageLoop& loop_;
};

/// The connection state of the connection window: 0 offline, 1..4 COM1..COM4, 5 USB.
inline constexpr int OfflineState = 0;
inline constexpr int UsbState = 5;

/// Makes the link of a connection state (1..4 a COM port, 5 USB); null when there is none.
using LinkFactory = std::function<std::unique_ptr<ByteLink>(int state)>;

/// One chosen connection: its link, the operations over it and the real-time sender that
/// the editors use while it lasts.
class DeviceConnection {
public:
    DeviceConnection(std::unique_ptr<ByteLink> link, CommunicationWindow& window, MessageLoop& loop,
                     ProcessorConnection& processor);
    DeviceConnection(const DeviceConnection&) = delete;
    DeviceConnection& operator=(const DeviceConnection&) = delete;

    ByteLink& Link() { return *link_; }
    DeviceOperations& Operations() { return operations_; }
    /// The editors' real-time sends, under the connection's transfer-running mark.
    RealTimeSink& Sink() { return sink_; }

private:
    std::unique_ptr<ByteLink> link_;
    DeviceOperations operations_;
    RealTimeSender sender_;
    MarkedSink sink_;
};

} // namespace quorvex
