#pragma once

#include <array>
#include <functional>

namespace quorvex {

class Dialogs;
class RealTimeSink;
struct ProcessorConnection;
struct TSOS;

/// The editors' real-time writes, the one way an editor change reaches the processor at
/// once. Each is sent only while the connection's rule allows it; a failed write is shown
/// with the system's "ERROR" box, and when the link is gone its own boxes follow and the
/// connection goes offline, as after a failed transfer. Each returns false only when a write
/// failed, so that a change made of several writes can stop at the first one refused.
class RealTimeWrites {
public:
    RealTimeWrites(ProcessorConnection& processor, Dialogs& dialogs)
        : processor_(processor), dialogs_(dialogs) {}
    RealTimeWrites(const RealTimeWrites&) = delete;
    RealTimeWrites& operator=(const RealTimeWrites&) = delete;

    /// True when a write would go out now.
    bool Allowed() const;

    bool WriteSection(int dsp, int address, const TSOS& section);
    bool WriteCoefficients(int dsp, int address, const std::array<long double, 5>& coefficients);
    bool WriteCoefficient(int dsp, int address, double value);
    bool WriteInteger(int dsp, int address, int value);

private:
    /// The one gate of every write: `send` runs only while writes are allowed.
    bool Write(const std::function<bool(RealTimeSink&)>& send);
    bool Reported(bool sent);

    ProcessorConnection& processor_;
    Dialogs& dialogs_;
};

} // namespace quorvex
