#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace quorvex {

// The unit's own copy of the protocol's bytes and commands, kept apart from the link's on
// purpose: the virtual processor is the controller's independent peer, so a wrong value on
// either side shows up as a failed dialogue instead of agreeing with itself.
inline constexpr std::uint8_t StartByte = 0x85;
inline constexpr std::uint8_t EndByte = 0x55;
inline constexpr std::uint8_t RealTimeMarker = 0x12; ///< the command byte of a real-time frame
inline constexpr std::uint8_t ProtectedReply = 0xFF;
inline constexpr std::size_t TransferBlockSize = 64;

/// The commands the unit understands in a send transaction.
enum class UnitCommand : std::uint8_t {
    ConnectionTest = 0,
    LoadOperatingSystem = 1,
    WriteMemory = 3,
    ReadMemory = 4,
    KeyboardLock = 5,
    KeyboardPassword = 6,
    ChangeMemory = 7,
    CloseOperatingSystemLoad = 8,
    ReportCurrentMemory = 19,
};

/// Which memory number a command accepts.
enum class NumberRule {
    Zero,            ///< the number must be 0
    ImageMemory,     ///< 1..60
    OperatingSystem, ///< 61
    Any,             ///< any value; the unit answers with its current memory
};

/// What the unit expects around one command: its number and its exact data length.
struct CommandRule {
    UnitCommand Command = UnitCommand::ConnectionTest;
    NumberRule Number = NumberRule::Zero;
    std::uint16_t Length = 0;
};

/// The rule of a command byte; nothing for a byte the unit does not understand.
std::optional<CommandRule> RuleOf(std::uint8_t command);

/// True when `number` is acceptable under `rule`.
bool NumberAccepted(NumberRule rule, std::uint8_t number);

} // namespace quorvex
