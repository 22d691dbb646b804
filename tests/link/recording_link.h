#pragma once

#include "link/byte_link.h"

#include <cstdint>
#include <vector>

namespace quorvex::test {

using Bytes = std::vector<std::uint8_t>;

/// Passes everything to another link and keeps each write as it was made.
class RecordingLink : public ByteLink {
public:
    explicit RecordingLink(ByteLink& inner) : inner_(inner) {}

    TransportKind Kind() const override { return inner_.Kind(); }
    std::string PortName() const override { return inner_.PortName(); }
    LinkStatus Prepare() override { return inner_.Prepare(); }
    LinkStatus Open() override { return inner_.Open(); }
    void Close() override { inner_.Close(); }
    bool IsOpen() const override { return inner_.IsOpen(); }
    bool Write(std::span<const std::uint8_t> bytes) override {
        writes.emplace_back(bytes.begin(), bytes.end());
        return inner_.Write(bytes);
    }
    std::string LastError() const override { return inner_.LastError(); }
    Reply WaitForReply() override { return inner_.WaitForReply(); }

    /// All bytes written, in order.
    Bytes Sent() const {
        Bytes all;
        for (const Bytes& write : writes) {
            all.insert(all.end(), write.begin(), write.end());
        }
        return all;
    }

    std::vector<Bytes> writes;

private:
    ByteLink& inner_;
};

/// The writes of a send transaction as the protocol makes them: START, the command, the
/// number twice, LONG high and low, 64-byte blocks and the rest, END.
inline std::vector<Bytes> SendWrites(std::uint8_t command, std::uint8_t number, const Bytes& data) {
    std::vector<Bytes> writes{{0x85},
                              {command},
                              {number},
                              {number},
                              {static_cast<std::uint8_t>(data.size() >> 8)},
                              {static_cast<std::uint8_t>(data.size() & 0xFF)}};
    for (std::size_t from = 0; from < data.size(); from += 64) {
        const std::size_t to = std::min(data.size(), from + 64);
        writes.emplace_back(data.begin() + static_cast<std::ptrdiff_t>(from),
                            data.begin() + static_cast<std::ptrdiff_t>(to));
    }
    writes.push_back({0x55});
    return writes;
}

} // namespace quorvex::test
