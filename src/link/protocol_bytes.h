#pragma once

#include <cstddef>
#include <cstdint>

// The bytes of the processor's transfer protocol.

namespace quorvex {

inline constexpr std::uint8_t ProtocolStart = 0x85;     ///< START / BEGIN, answered with itself
inline constexpr std::uint8_t ProtocolEnd = 0x55;       ///< END, answered with itself
inline constexpr std::uint8_t RealTimeFrameMark = 0x12; ///< second byte of a real-time message
/// The unit's answer to the memory number when it protects that memory from writing.
inline constexpr std::uint8_t MemoryProtectedReply = 0xFF;
inline constexpr std::size_t DataBlockSize = 64;

/// The COMMAND byte of a send transaction.
enum class DeviceCommand : std::uint8_t {
    ConnectionTest = 0,
    LoadOperatingSystem = 1,
    WriteMemory = 3,
    ReadMemory = 4,
    KeyboardLock = 5,
    KeyboardPassword = 6,
    ChangeMemory = 7,
    CloseOperatingSystemLoad = 8,
    RealTimeRequest = 19, ///< the unit answers the memory number with its current memory
};

/// The fourth byte of a real-time message, which fixes its payload length.
enum class RealTimeMessageType : std::uint8_t {
    Section = 0, ///< 17 bytes
    Block = 1,   ///< 100 bytes
    Word = 2,    ///< 5 bytes
};

/// Payload bytes of a real-time message of `type`.
constexpr std::size_t RealTimePayloadSize(RealTimeMessageType type) {
    switch (type) {
    case RealTimeMessageType::Section:
        return 17;
    case RealTimeMessageType::Block:
        return 100;
    case RealTimeMessageType::Word:
        return 5;
    }
    return 0;
}

} // namespace quorvex
