#pragma once

#include "sim/virtual_processor.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

namespace quorvex::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Send(VirtualProcessor& unit, std::initializer_list<std::uint8_t> bytes) {
    return unit.Receive(Bytes(bytes));
}

inline Bytes Send(VirtualProcessor& unit, std::span<const std::uint8_t> bytes) {
    return unit.Receive(bytes);
}

/// A 2046-byte image whose bytes differ from one block to the next and never contain START,
/// so a stray byte cannot be taken for the start of a transaction.
inline Bytes PatternImage(std::uint8_t seed) {
    Bytes image(2046);
    for (std::size_t i = 0; i < image.size(); ++i) {
        auto byte = static_cast<std::uint8_t>((i * 7 + seed) & 0xFF);
        image[i] = byte == 0x85 ? 0x86 : byte;
    }
    return image;
}

inline std::span<const std::uint8_t> Block(const Bytes& data, std::size_t index,
                                           std::size_t size = 64) {
    const std::size_t from = index * 64;
    return std::span<const std::uint8_t>(data).subspan(from, std::min(size, data.size() - from));
}

/// Plays the program's part of a receive transaction after the command-4 request: START,
/// then every step echoed with the last byte received (the unit's START with START). Returns
/// the image, or nothing when a step did not come as documented.
inline std::optional<Bytes> ReceiveImage(VirtualProcessor& unit) {
    Bytes step = Send(unit, {0x85});
    for (std::uint8_t expected : {0x85, 0x04}) {
        if (step != Bytes{expected}) {
            return std::nullopt;
        }
        step = Send(unit, {step.back()});
    }
    const Bytes number = step;
    const Bytes high = Send(unit, {number.at(0)});
    const Bytes low = Send(unit, {high.at(0)});
    const std::size_t length = high.at(0) * 256U + low.at(0);
    Bytes data;
    step = low;
    while (data.size() < length) {
        step = Send(unit, {step.back()});
        if (step.empty()) {
            return std::nullopt;
        }
        data.insert(data.end(), step.begin(), step.end());
    }
    if (Send(unit, {step.back()}) != Bytes{0x55} || !Send(unit, {0x55}).empty()) {
        return std::nullopt;
    }
    return data;
}

} // namespace quorvex::test
