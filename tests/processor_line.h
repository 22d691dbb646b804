#pragma once

#include "link/byte_link.h"
#include "sim/virtual_processor.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace quorvex::testing {

/// An in-process line to a VirtualProcessor: what the program writes reaches the unit when
/// the program next waits (as bytes written back to back arrive together on a line), and a
/// wait with nothing to read is a time-out at once, with the unit told that the reply time
/// passed. The line claims to be a COM port or USB, so either kind's rules run without a
/// device and without waiting. Every write is kept as it was handed over, so tests can tell
/// protocol bytes from data blocks, also after the line is gone.
class ProcessorLine : public ByteLink {
public:
    using WriteLog = std::vector<std::vector<std::uint8_t>>;

    /// The text an unplugged line's open fails with.
    static constexpr const char* UnpluggedText = "Device Not Found";

    // Not delegating: a delegating constructor's arguments are evaluated before any
    // constructor of the object has begun, when naming ownWrites_ is undefined.
    ProcessorLine(VirtualProcessor& unit, TransportKind kind)
        : unit_(unit), kind_(kind), portName_(kind == TransportKind::Usb ? "USB" : "COM1"),
          writes_(&ownWrites_) {}
    /// `writes` outlives the line: it keeps the writes of every line of a connection.
    ProcessorLine(VirtualProcessor& unit, TransportKind kind, std::string portName,
                  WriteLog& writes)
        : unit_(unit), kind_(kind), portName_(std::move(portName)), writes_(&writes) {}

    /// While `unplugged` is true the line cannot be opened and takes no bytes, as a cable
    /// pulled out of the computer.
    void UnpluggedWhile(const bool& unplugged) { unplugged_ = &unplugged; }

    TransportKind Kind() const override { return kind_; }
    std::string PortName() const override { return portName_; }
    LinkStatus Open() override {
        Deliver();
        received_.clear();
        if (Unplugged()) {
            open_ = false;
            return LinkStatus::Failure(UnpluggedText);
        }
        open_ = true;
        ++opens;
        return LinkStatus::Success();
    }
    void Close() override {
        Deliver();
        open_ = false;
    }
    bool IsOpen() const override { return open_; }
    bool Write(std::span<const std::uint8_t> bytes) override {
        if (!open_ || Unplugged()) {
            return false;
        }
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
        sent.insert(sent.end(), bytes.begin(), bytes.end());
        writes_->emplace_back(bytes.begin(), bytes.end());
        return true;
    }
    Reply WaitForReply() override {
        Deliver();
        if (!open_) {
            return {Reply::Outcome::Failed, 0, {}};
        }
        if (received_.empty()) {
            unit_.Elapse(std::chrono::milliseconds(2000));
            ++timeouts;
            return {Reply::Outcome::TimedOut, 0, {}};
        }
        const std::uint8_t byte = received_.front();
        received_.pop_front();
        return {Reply::Outcome::Byte, byte, {}};
    }

    std::vector<std::uint8_t> sent; ///< every byte written, in order
    int opens = 0;
    int timeouts = 0;

private:
    bool Unplugged() const { return unplugged_ != nullptr && *unplugged_; }
    void Deliver() {
        if (pending_.empty()) {
            return;
        }
        const std::vector<std::uint8_t> answer = unit_.Receive(pending_);
        pending_.clear();
        received_.insert(received_.end(), answer.begin(), answer.end());
    }

    VirtualProcessor& unit_;
    TransportKind kind_;
    std::string portName_;
    WriteLog ownWrites_;
    WriteLog* writes_;
    const bool* unplugged_ = nullptr;
    bool open_ = false;
    std::vector<std::uint8_t> pending_;
    std::deque<std::uint8_t> received_;
};

} // namespace quorvex::testing
