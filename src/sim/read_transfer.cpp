#include "sim/read_transfer.h"

#include "sim/unit_commands.h"

#include <algorithm>

namespace quorvex {

namespace {

ReadStep SingleByte(ReplyKind kind, std::uint8_t byte) {
    return ReadStep{kind, {byte}, std::nullopt};
}

} // namespace

std::vector<ReadStep> PlanReadTransfer(std::uint8_t command, std::uint8_t memory,
                                       std::span<const std::uint8_t> image) {
    const std::size_t length = image.size();
    std::vector<ReadStep> steps;
    steps.push_back(ReadStep{ReplyKind::ReadBegin, {StartByte}, StartByte});
    steps.push_back(SingleByte(ReplyKind::ReadCommand, command));
    steps.push_back(SingleByte(ReplyKind::ReadNumber, memory));
    steps.push_back(SingleByte(ReplyKind::ReadLongHigh, static_cast<std::uint8_t>(length >> 8)));
    steps.push_back(SingleByte(ReplyKind::ReadLongLow, static_cast<std::uint8_t>(length & 0xFF)));
    for (std::size_t from = 0; from < length; from += TransferBlockSize) {
        const std::size_t count = std::min(TransferBlockSize, length - from);
        const auto block = image.subspan(from, count);
        steps.push_back(ReadStep{ReplyKind::ReadBlock, {block.begin(), block.end()}, std::nullopt});
    }
    steps.push_back(SingleByte(ReplyKind::ReadEnd, EndByte));
    return steps;
}

} // namespace quorvex
