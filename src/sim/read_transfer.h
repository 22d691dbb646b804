#pragma once

#include "sim/fault_injection.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorvex {

/// One transmission of the unit in a receive transaction and the answer it waits for.
struct ReadStep {
    ReplyKind Kind = ReplyKind::ReadBegin;
    std::vector<std::uint8_t> Bytes;
    /// The answer the program must give; when empty, the last byte it was sent.
    std::optional<std::uint8_t> FixedAnswer;
};

/// The steps by which the unit hands a memory's image to the program: START (answered with
/// START whatever the program received), the command, the memory number, LONG high and low
/// bytes, the image in 64-byte blocks and a shorter last block, END. Every step but the first
/// is answered with the last byte the program received.
std::vector<ReadStep> PlanReadTransfer(std::uint8_t command, std::uint8_t memory,
                                       std::span<const std::uint8_t> image);

} // namespace quorvex
