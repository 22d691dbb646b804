#include "sim/unit_state.h"

#include "sim/memory_layout.h"
#include "sim/real_time_frame.h"

#include <cassert>

namespace quorvex {

namespace {

std::string Number(int value) {
    return std::to_string(value);
}

const char* RealTimeOutcomeText(RealTimeOutcome outcome) {
    switch (outcome) {
    case RealTimeOutcome::Applied:
        return "applied";
    case RealTimeOutcome::UnknownDsp:
        return "ignored: no such DSP";
    case RealTimeOutcome::OutOfRange:
        return "ignored: address outside the DSP block";
    case RealTimeOutcome::NotApplicable:
        return "ignored: block messages are not used";
    }
    return "ignored";
}

CommandOutcome Done(std::string note) {
    return {false, std::move(note)};
}

CommandOutcome Refused(std::string reason) {
    return {true, std::move(reason)};
}

} // namespace

UnitState::UnitState(std::span<const std::uint8_t> initialImage, int currentMemory)
    : memories_(initialImage), currentMemory_(currentMemory) {
    assert(sim::IsImageMemory(currentMemory));
}

CommandOutcome UnitState::Carry(UnitCommand command, std::uint8_t number,
                                std::span<const std::uint8_t> data) {
    switch (command) {
    case UnitCommand::ConnectionTest:
        return Done("connection test");
    case UnitCommand::LoadOperatingSystem:
        memories_.Write(sim::OperatingSystemMemory, data);
        operatingSystemPending_ = true;
        return Done("operating system loaded");
    case UnitCommand::WriteMemory:
        memories_.Write(number, data);
        return Done("memory " + Number(number) + " written");
    case UnitCommand::ReadMemory:
        return Done("memory " + Number(number) + " requested");
    case UnitCommand::KeyboardLock:
        return LockKeyboard(data);
    case UnitCommand::KeyboardPassword:
        return SetPassword(data);
    case UnitCommand::ChangeMemory:
        currentMemory_ = number;
        return Done("current memory " + Number(number));
    case UnitCommand::CloseOperatingSystemLoad:
        return CloseOperatingSystemLoad();
    case UnitCommand::ReportCurrentMemory:
        return Done("reported current memory " + Number(currentMemory_));
    }
    return Refused("unknown command");
}

std::string UnitState::ApplyRealTime(std::uint8_t dsp, std::uint8_t type,
                                     std::span<const std::uint8_t> payload) {
    const RealTimeOutcome outcome =
        ApplyRealTimeFrame(memories_.Edit(currentMemory_), dsp, type, payload);
    if (outcome == RealTimeOutcome::Applied) {
        memories_.MarkChanged(currentMemory_);
    }
    return "real-time message type " + Number(type) + " for DSP " + Number(dsp) + " " +
           RealTimeOutcomeText(outcome);
}

CommandOutcome UnitState::LockKeyboard(std::span<const std::uint8_t> data) {
    const std::optional<bool> lock = ParseLockByte(data);
    if (!lock) {
        return Refused("keyboard lock byte " + Number(data.front()) + " is neither 0 nor 255");
    }
    keyboardLocked_ = *lock;
    return Done(keyboardLocked_ ? "keyboard locked" : "keyboard unlocked");
}

CommandOutcome UnitState::SetPassword(std::span<const std::uint8_t> data) {
    const std::optional<KeyboardPassword> password = ParsePasswordBlock(data);
    if (!password) {
        return Refused("password block is not six letters A..Z and an active mark");
    }
    password_ = password;
    return Done("password " + password->Text() + (password->Active ? " active" : " not active"));
}

CommandOutcome UnitState::CloseOperatingSystemLoad() {
    if (!operatingSystemPending_) {
        return Done("closing command without an operating-system load");
    }
    operatingSystemPending_ = false;
    ++operatingSystemUpdates_;
    return Done("operating system updated");
}

} // namespace quorvex
