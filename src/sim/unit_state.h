#pragma once

#include "sim/keyboard_password.h"
#include "sim/unit_commands.h"
#include "sim/unit_memories.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quorvex {

/// What a completed command did: a line for the log, and whether the unit refused its data.
struct CommandOutcome {
    bool Refused = false;
    std::string Note;
};

/// Everything the unit keeps apart from the protocol in progress: its memories, the memory it
/// plays, the keyboard lock and password and the operating-system load. Carries out commands
/// whose transaction has been received completely.
class UnitState {
public:
    /// Memories 1..60 hold `initialImage`; `currentMemory` must be 1..60.
    UnitState(std::span<const std::uint8_t> initialImage, int currentMemory);

    UnitMemories& Memories() { return memories_; }
    const UnitMemories& Memories() const { return memories_; }
    int CurrentMemory() const { return currentMemory_; }
    bool KeyboardLocked() const { return keyboardLocked_; }
    const std::optional<KeyboardPassword>& Password() const { return password_; }
    bool OperatingSystemPending() const { return operatingSystemPending_; }
    int OperatingSystemUpdates() const { return operatingSystemUpdates_; }

    /// Carries out `command` on memory `number` with its `data` (already checked against the
    /// command's number and length). Refused data change nothing.
    CommandOutcome Carry(UnitCommand command, std::uint8_t number,
                         std::span<const std::uint8_t> data);

    /// Applies a complete real-time frame to the current memory; the log line.
    std::string ApplyRealTime(std::uint8_t dsp, std::uint8_t type,
                              std::span<const std::uint8_t> payload);

private:
    CommandOutcome LockKeyboard(std::span<const std::uint8_t> data);
    CommandOutcome SetPassword(std::span<const std::uint8_t> data);
    CommandOutcome CloseOperatingSystemLoad();

    UnitMemories memories_;
    int currentMemory_ = 1;
    bool keyboardLocked_ = false;
    std::optional<KeyboardPassword> password_;
    bool operatingSystemPending_ = false;
    int operatingSystemUpdates_ = 0;
};

} // namespace quorvex
