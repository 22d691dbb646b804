#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace quorvex {

/// Real-time message types: one section (five words), a 100-byte block, one word.
enum class RealTimeType : std::uint8_t { Section = 0, Block = 1, Word = 2 };

/// Payload bytes that follow the type byte; nothing for a type the unit does not know.
std::optional<std::size_t> RealTimePayloadLength(std::uint8_t type);

/// What a complete real-time frame did to the current memory.
enum class RealTimeOutcome {
    Applied,
    UnknownDsp,    ///< DSP number other than 1 or 2: nothing changed
    OutOfRange,    ///< the words would reach past the DSP block: nothing changed
    NotApplicable, ///< a 100-byte block: the unit has no use for it
};

/// Writes the words of a real-time payload into `image` (a whole memory image).
/// Section payload: address high, address low, then five 3-byte words at consecutive
/// addresses. Word payload: address high, address low, one 3-byte word. The output gains
/// may be addressed as 258..260 as well as by their image words 255..257. The bytes are
/// stored as received; a frame that does not fit changes nothing.
RealTimeOutcome ApplyRealTimeFrame(std::span<std::uint8_t> image, std::uint8_t dsp,
                                   std::uint8_t type, std::span<const std::uint8_t> payload);

} // namespace quorvex
