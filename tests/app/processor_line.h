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
/// the program next waits, and a wait with nothing to read is a time-out at once (the unit
/// is told that the reply time passed). Every write is kept in `writes` as it was handed
/// over, so tests can tell protocol bytes from data blocks, also after the line is gone.
class ProcessorLine : public ByteLink {
public:
    using WriteLog = std::vector<std::vector<std::uint8_t>>;

    ProcessorLine(VirtualProcessor& unit, TransportKind kind, std::string portName,
                  WriteLog& writes)
        : unit_(unit), kind_(kind), portName_(std::move(portName)), writes_(writes) {}

    TransportKind Kind() const override { return kind_; }
    std::string PortName() const override { return portName_; }
    LinkStatus Open() override {
        Deliver();
        received_.clear();
        open_ = true;
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
        writes_.emplace_back(bytes.begin(), bytes.end());
        return true;
    }
    Reply WaitForReply() override {
        Deliver();
        if (!open_) {
            return {Reply::Outcome::Failed, 0, {}};
        }
        if (received_.empty()) {
            unit_.Elapse(std::chrono::milliseconds(2000));
            return {Reply::Outcome::TimedOut, 0, {}};
        }
        const std::uint8_t byte = received_.front();
        received_.pop_front();
        return {Reply::Outcome::Byte, byte, {}};
    }

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
    std::string portName_;
    WriteLog& writes_;
    bool open_ = false;
    std::vector<std::uint8_t> pending_;
    std::deque<std::uint8_t> received_;
};

/// One send transaction as it went out: its command and memory number.
struct SentTransaction {
    int Command;
    int Number;
    bool operator==(const SentTransaction&) const = default;
};

/// The send transactions in `writes`: every START written alone, followed by the command
/// and the number written alone. Data blocks are written whole, so they never look like one;
/// a receive transaction's echoes start with two STARTs (the request and the echo of the
/// unit's BEGIN), and real-time frames with START and 0x12.
inline std::vector<SentTransaction>
SendTransactions(const std::vector<std::vector<std::uint8_t>>& writes) {
    constexpr std::uint8_t Start = 0x85;
    constexpr std::uint8_t RealTimeMark = 0x12;
    const auto isSingle = [&](std::size_t i, std::uint8_t byte) {
        return writes[i].size() == 1 && writes[i][0] == byte;
    };
    std::vector<SentTransaction> found;
    for (std::size_t i = 0; i + 2 < writes.size(); ++i) {
        const bool single =
            writes[i].size() == 1 && writes[i + 1].size() == 1 && writes[i + 2].size() == 1;
        const bool echo = i > 0 && isSingle(i - 1, Start);
        if (single && !echo && writes[i][0] == Start && writes[i + 1][0] != RealTimeMark &&
            writes[i + 1][0] != Start) {
            found.push_back({writes[i + 1][0], writes[i + 2][0]});
            i += 2;
        }
    }
    return found;
}

} // namespace quorvex::testing
