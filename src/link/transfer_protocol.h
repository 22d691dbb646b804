#pragma once

#include "link/byte_link.h"
#include "link/communication_window.h"
#include "link/message_loop.h"
#include "link/protocol_bytes.h"
#include "link/transfer_result.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quorvex {

/// One send transaction: the command, the memory (program) number and the data whose
/// length is sent as LONG.
struct SendRequest {
    DeviceCommand Command = DeviceCommand::ConnectionTest;
    int Number = 0;                          ///< 0..255
    std::span<const std::uint8_t> Data = {}; ///< up to 65535 bytes
    bool ShowWindow = false;                 ///< show the communication window first
};

/// The processor's three byte-level procedures over a ByteLink: the send transaction (each
/// step answered by the unit), the receive transaction (each step echoed by the program)
/// and the unacknowledged real-time message. Status texts go to the communication window;
/// on a USB link every status and every data block is followed by 50 message-loop passes.
class TransferProtocol {
public:
    TransferProtocol(ByteLink& link, CommunicationWindow& window, MessageLoop& loop);

    ByteLink& Link() const { return link_; }

    /// Runs a send transaction. A serial port is reopened first (stale input discarded); a
    /// USB device is opened and closed again.
    TransferResult Send(const SendRequest& request);

    /// Command 4 for `memory`, then the unit's image. Fails before anything is stored when
    /// the unit announces another length than a memory image's 2046 bytes, and when the
    /// transaction does not close with END.
    ReceiveResult Receive(int memory);

    /// A real-time message to DSP `dsp` (1 or 2). `payload` must have the type's length.
    /// No reply is read; the link is opened before and closed after.
    TransferResult SendRealTime(int dsp, RealTimeMessageType type,
                                std::span<const std::uint8_t> payload);

    /// True while a transaction or real-time message is under way: the message loop runs
    /// inside its waits, and nothing may start another one until it ends.
    bool Running() const { return running_; }

private:
    /// Raises the running mark for its lifetime.
    class RunningMark {
    public:
        explicit RunningMark(bool& running) : running_(running) { running_ = true; }
        ~RunningMark() { running_ = false; }
        RunningMark(const RunningMark&) = delete;
        RunningMark& operator=(const RunningMark&) = delete;

    private:
        bool& running_;
    };

    bool IsUsb() const { return link_.Kind() == TransportKind::Usb; }
    void Status(std::string text);
    void Status(std::string_view text) { Status(std::string(text)); }
    /// Opens the link for a transaction; on failure fills `result`.
    bool OpenLink(TransferResult& result);
    bool Put(std::span<const std::uint8_t> bytes, TransferResult& result);
    bool Put(std::uint8_t byte, TransferResult& result);
    /// The next reply byte; on a time-out or a failed link fills `result` and gives nothing.
    std::optional<std::uint8_t> Await(TransferResult& result);
    /// The byte of `reply`, or nothing with the time-out or failure reported in `result`.
    std::optional<std::uint8_t> Accept(const Reply& reply, TransferResult& result);
    void Fail(TransferResult& result);

    TransferResult RunSend(const SendRequest& request);
    ReceiveResult RunReceive(int memory);
    bool ReceiveStep(std::string_view status, std::optional<std::uint8_t>& byte,
                     TransferResult& result);
    bool ReceiveBlock(std::size_t size, std::vector<std::uint8_t>& image, TransferResult& result);

    ByteLink& link_;
    CommunicationWindow& window_;
    MessageLoop& loop_;
    bool running_ = false;
};

} // namespace quorvex
