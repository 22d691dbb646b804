#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quorvex {

/// Which kind of line a link is. The protocol's texts, pauses and error handling differ
/// between the two.
enum class TransportKind { ComPort, Usb };

/// Outcome of opening or preparing a link: empty text on success, else the system's message
/// for the failure.
struct LinkStatus {
    bool Ok = true;
    std::string Error;

    static LinkStatus Success() { return {}; }
    static LinkStatus Failure(std::string text) { return {false, std::move(text)}; }
};

/// What a wait for one reply byte produced.
struct Reply {
    enum class Outcome {
        Byte,     ///< `Value` arrived
        TimedOut, ///< nothing arrived within the link's reply time
        Failed,   ///< the link itself failed (hung up, driver error); see `Error`
    };
    Outcome Result = Outcome::TimedOut;
    std::uint8_t Value = 0;
    std::string Error; ///< the system's text for a failure, may be empty

    bool HasByte() const { return Result == Outcome::Byte; }
};

/// The program's byte pipe to the processor, with no framing of its own. The transfer
/// protocol runs over it unchanged whether it is a serial port, the USB chip or an
/// in-process peer. Received bytes are kept in arrival order until they are waited for.
class ByteLink {
public:
    virtual ~ByteLink() = default;

    virtual TransportKind Kind() const = 0;
    /// Text after "Comunication Port : " in the communication window ("COM3", "USB").
    virtual std::string PortName() const = 0;

    /// Makes sure the device is there and configured before an operation; the link stays
    /// closed afterwards. A serial port needs nothing here.
    virtual LinkStatus Prepare() { return LinkStatus::Success(); }

    /// Opens the line and discards whatever was pending in both directions.
    virtual LinkStatus Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    /// Hands the bytes to the line, in one write. False, with `LastError` set when the link
    /// has a text for it, when they could not all be handed over.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    /// The system's text for the last failed write, or empty.
    virtual std::string LastError() const { return {}; }

    /// Waits for the next received byte for at most the link's reply time (2000 ms on a
    /// serial port, the 1000 ms read time-out on USB), keeping the program responsive.
    virtual Reply WaitForReply() = 0;
};

} // namespace quorvex
