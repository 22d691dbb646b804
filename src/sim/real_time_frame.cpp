#include "sim/real_time_frame.h"

#include "sim/memory_layout.h"

#include <algorithm>
#include <cassert>

namespace quorvex {

namespace {

constexpr std::size_t SectionPayloadLength = 17;
constexpr std::size_t BlockPayloadLength = 100;
constexpr std::size_t WordPayloadLength = 5;
constexpr std::size_t AddressBytes = 2;

int AddressOf(std::span<const std::uint8_t> payload) {
    return payload[0] * 256 + payload[1];
}

/// The image word that an address reaches, or -1 past the block.
int ImageWordOf(int address) {
    if (address >= sim::RealTimeGainAlias &&
        address < sim::RealTimeGainAlias + sim::OutputGainCount) {
        return OutputGainWord(address - sim::RealTimeGainAlias + 1);
    }
    return address < DspBlockWordCount ? address : -1;
}

} // namespace

std::optional<std::size_t> RealTimePayloadLength(std::uint8_t type) {
    switch (static_cast<RealTimeType>(type)) {
    case RealTimeType::Section:
        return SectionPayloadLength;
    case RealTimeType::Block:
        return BlockPayloadLength;
    case RealTimeType::Word:
        return WordPayloadLength;
    }
    return std::nullopt;
}

RealTimeOutcome ApplyRealTimeFrame(std::span<std::uint8_t> image, std::uint8_t dsp,
                                   std::uint8_t type, std::span<const std::uint8_t> payload) {
    assert(image.size() == sim::ImageSize);
    assert(RealTimePayloadLength(type) == payload.size());
    if (static_cast<RealTimeType>(type) == RealTimeType::Block) {
        return RealTimeOutcome::NotApplicable;
    }
    if (dsp != 1 && dsp != 2) {
        return RealTimeOutcome::UnknownDsp;
    }
    const std::span<const std::uint8_t> words = payload.subspan(AddressBytes);
    const int wordCount = static_cast<int>(words.size()) / WordByteCount;
    const int first = ImageWordOf(AddressOf(payload));
    if (first < 0 || first + wordCount > DspBlockWordCount) {
        return RealTimeOutcome::OutOfRange;
    }
    std::copy(words.begin(), words.end(),
              image.begin() + static_cast<std::ptrdiff_t>(sim::WordOffset(dsp, first)));
    return RealTimeOutcome::Applied;
}

} // namespace quorvex
