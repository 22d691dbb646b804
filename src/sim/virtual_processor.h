#pragma once

#include "sim/fault_injection.h"
#include "sim/read_transfer.h"
#include "sim/unit_commands.h"
#include "sim/unit_state.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quorvex {

/// Memories 1..20: the ones the unit protects unless told otherwise.
std::vector<int> DefaultProtectedMemories();

struct VirtualProcessorOptions {
    std::vector<int> ProtectedMemories = DefaultProtectedMemories();
    int CurrentMemory = 1; ///< 1..60
    /// Quiet time after which a transaction or frame in progress is abandoned. Shorter than
    /// the program's own reply waits, so the unit is listening for START again by the time
    /// the program gives up and retries.
    std::chrono::microseconds IdleTimeout = std::chrono::milliseconds(750);
    /// What every memory 1..60 holds at start: ImageSize bytes, or empty for FactoryImage().
    std::vector<std::uint8_t> InitialImage;
};

/// The processor at the far end of the link, as a byte-driven protocol peer. Feed it what the
/// program sends, get back what the unit answers. It keeps 60 memories, the operating-system
/// store (61), the current memory, the keyboard lock and password, and applies real-time
/// frames to the current memory. Anything it does not understand (unknown commands, numbers
/// or lengths a command does not take, broken frames) it ignores without answering and waits
/// for the next START; nothing is stored unless its transaction ended with END. Time passes
/// only through Elapse, so every run is deterministic.
class VirtualProcessor {
public:
    explicit VirtualProcessor(const VirtualProcessorOptions& options = {});

    /// Bytes from the program, in the order they arrived; returns the bytes the unit sends
    /// in answer. A START answer is held back until the next byte of the same call shows
    /// that no real-time frame follows (real-time frames get no answer at all).
    std::vector<std::uint8_t> Receive(std::span<const std::uint8_t> bytes);

    /// Tells the unit that `time` passed without a byte arriving.
    void Elapse(std::chrono::microseconds time);

    /// True when the unit waits for a START (no transaction or frame in progress).
    bool Idle() const;

    /// Contents of memory 1..61.
    std::span<const std::uint8_t> Memory(int number) const {
        return state_.Memories().Read(number);
    }
    /// Puts contents into memory 1..61 as stored state (not reported by TakeChangedMemories).
    /// False when the number or the size is wrong.
    bool LoadMemory(int number, std::span<const std::uint8_t> bytes);
    /// Memories whose contents changed by protocol since the last call, ascending.
    std::vector<int> TakeChangedMemories() { return state_.Memories().TakeChanged(); }

    int CurrentMemory() const { return state_.CurrentMemory(); }

    /// The keyboard's protection of memories 1..60.
    bool IsProtected(int memory) const { return state_.Memories().IsProtected(memory); }
    void SetProtected(int memory, bool isProtected) {
        state_.Memories().SetProtected(memory, isProtected);
    }

    bool KeyboardLocked() const { return state_.KeyboardLocked(); }
    /// The keyboard password; nothing until one has been set.
    const std::optional<KeyboardPassword>& Password() const { return state_.Password(); }

    /// True after an operating system was loaded into memory 61 and before command 8.
    bool OperatingSystemPending() const { return state_.OperatingSystemPending(); }
    /// Loads closed by command 8.
    int OperatingSystemUpdates() const { return state_.OperatingSystemUpdates(); }

    /// Arms a fault (Fault::None clears it).
    void SetFault(const FaultPlan& plan) { faults_.Arm(plan); }
    /// True once a Disconnect fault has hung up: the link must be closed.
    bool Disconnected() const { return faults_.Disconnected(); }

    /// One line per thing the unit did or refused since the last call.
    std::vector<std::string> TakeLog();

private:
    enum class Phase {
        AwaitStart,
        AwaitCommand,
        AwaitNumber,
        AwaitNumberAgain,
        AwaitLongHigh,
        AwaitLongLow,
        AwaitData,
        AwaitEnd,
        AwaitReadStart,
        AwaitReadAnswer,
        RealTimeDsp,
        RealTimeType,
        RealTimePayload,
        RealTimeEnd,
    };

    void Step(std::uint8_t byte);
    void OnStart(std::uint8_t byte);
    void OnCommand(std::uint8_t byte);
    void OnNumber(std::uint8_t byte);
    void OnNumberAgain(std::uint8_t byte);
    void OnLongLow(std::uint8_t byte);
    void OnData(std::uint8_t byte);
    void OnEnd(std::uint8_t byte);
    void OnReadStart(std::uint8_t byte);
    void OnReadAnswer(std::uint8_t byte);
    void OnRealTimeType(std::uint8_t byte);
    void OnRealTimePayload(std::uint8_t byte);
    void OnRealTimeEnd(std::uint8_t byte);

    void SendReadStep();

    /// Sends one transmission through the fault injector; returns its last byte as it went
    /// out (changed when corrupted).
    std::uint8_t Transmit(ReplyKind kind, std::span<const std::uint8_t> bytes);
    std::uint8_t Transmit(ReplyKind kind, std::uint8_t byte);
    void FlushStartAnswer();
    void Refuse(const std::string& reason);
    void Reset();
    void Log(std::string line);

    UnitState state_;
    FaultInjector faults_;
    std::chrono::microseconds idleTimeout_;
    std::chrono::microseconds quiet_{0};

    Phase phase_ = Phase::AwaitStart;
    bool startAnswerOwed_ = false;
    CommandRule rule_{};
    std::uint8_t number_ = 0;
    std::uint16_t length_ = 0;
    std::vector<std::uint8_t> data_;
    std::vector<ReadStep> readSteps_;
    std::size_t readIndex_ = 0;
    std::uint8_t readAnswer_ = 0;
    std::uint8_t frameDsp_ = 0;
    std::uint8_t frameType_ = 0;
    std::size_t frameLength_ = 0;

    std::vector<std::uint8_t> output_;
    std::vector<std::string> log_;
};

} // namespace quorvex
