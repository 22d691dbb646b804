#pragma once

#include "link/byte_link.h"
#include "sim/virtual_processor.h"

#include <chrono>
#include <deque>
#include <vector>

namespace quorvex::test {

/// An in-process line to a VirtualProcessor: what the program writes reaches the unit when
/// the program next waits (as bytes written back to back arrive together on a line), and a
/// wait with nothing to read is a time-out at once, with the unit told that the reply time
/// passed. The link claims to be a COM port or USB, so either kind's rules can be run
/// without a device and without waiting.
class ProcessorLink : public ByteLink {
public:
    ProcessorLink(VirtualProcessor& unit, TransportKind kind) : unit_(unit), kind_(kind) {}

    TransportKind Kind() const override { return kind_; }
    std::string PortName() const override { return kind_ == TransportKind::Usb ? "USB" : "COM1"; }
    LinkStatus Open() override {
        Deliver();
        received_.clear();
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
        if (!open_) {
            return false;
        }
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
        sent.insert(sent.end(), bytes.begin(), bytes.end());
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

    std::vector<std::uint8_t> sent;
    int opens = 0;
    int timeouts = 0;

private:
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
    bool open_ = false;
    std::vector<std::uint8_t> pending_;
    std::deque<std::uint8_t> received_;
};

} // namespace quorvex::test
