#pragma once

#include "link/message_loop.h"
#include "link/real_time_sink.h"
#include "link/transfer_protocol.h"

namespace quorvex {

/// The editors' real-time changes as real-time messages to the running processor. Each
/// send first lets the message loop run a while (counted in passes, longer for a section),
/// which spaces the messages for the unit, then sends one message. A send while another
/// transfer is running is refused: its bytes would land inside that transfer.
class RealTimeSender : public RealTimeSink {
public:
    RealTimeSender(TransferProtocol& protocol, MessageLoop& loop);

    /// Type 2: address high, address low, the three bytes of the coefficient word.
    bool SendCoefficient(int dsp, int address, double value) override;
    /// Type 2: address high, address low, 0x00, value high, value low.
    bool SendInteger(int dsp, int address, int value) override;
    /// Type 0: 0x00, the low byte of the address, the fifteen bytes of b0, b1, b2, a1, a2.
    /// Sections live below word 256, so an address above 255 is refused.
    bool SendSection(int dsp, int address, const std::array<long double, 5>& coefficients) override;

    /// The outcome of the last message; on failure the caller shows the box "ERROR". A
    /// message refused before it was sent leaves an empty failure.
    const TransferResult& LastResult() const override { return last_; }

private:
    bool Refused();
    bool Send(int dsp, RealTimeMessageType type, std::span<const std::uint8_t> payload);

    TransferProtocol& protocol_;
    MessageLoop& loop_;
    TransferResult last_;
};

} // namespace quorvex
