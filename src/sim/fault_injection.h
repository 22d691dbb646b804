#pragma once

namespace quorvex {

/// Every transmission of the unit, one per protocol step. A data block counts as one.
enum class ReplyKind {
    StartAnswer,  ///< answer to the program's START
    CommandEcho,  ///< answer to the command byte
    NumberAnswer, ///< answer to the memory number (echo, 0xFF or the current memory)
    LongEcho,     ///< answer to LONG: its low byte
    BlockAnswer,  ///< answer to one data block
    EndAnswer,    ///< answer to END
    ReadBegin,    ///< receive transaction: the unit's START
    ReadCommand,
    ReadNumber,
    ReadLongHigh,
    ReadLongLow,
    ReadBlock,
    ReadEnd, ///< receive transaction: the unit's END
};

/// Misbehaviours the unit can be told to show, one at a time.
enum class Fault {
    None,
    Silence,         ///< from the trigger on the unit neither answers nor acts on anything
    WrongStartReply, ///< answers START with a wrong byte
    WrongBegin,      ///< opens a receive transaction with a wrong byte instead of START
    WrongLongEcho,   ///< answers LONG with a wrong byte
    WrongEndReply,   ///< answers END with a wrong byte
    WrongReadEnd,    ///< closes a receive transaction with a wrong byte instead of END
    DropReply,       ///< loses exactly one transmission (the trigger) and goes on
    Disconnect,      ///< hangs up at the trigger: the link closes, nothing more is sent
    WrongStoredByte, ///< answers every step right but stores one byte of each memory image
                     ///< written from the trigger on wrong (StoredFaultOffset)
};

/// The byte of a memory image a WrongStoredByte unit keeps wrong (its low bit flipped): the
/// first byte of word 42 of DSP 2, b1 of Out4's first equaliser band.
inline constexpr int StoredFaultOffset = 1000;

/// A fault and when it starts: `AfterReplies` transmissions after it was set go out
/// untouched, the next one is the trigger. Wrong-byte faults then hit every transmission of
/// their kind; DropReply hits the trigger only.
struct FaultPlan {
    Fault Kind = Fault::None;
    int AfterReplies = 0;
};

/// What happens to one transmission.
enum class FaultAction {
    Send,       ///< as it is
    Corrupt,    ///< with its last byte changed
    Drop,       ///< not at all
    Silence,    ///< not at all, and the unit stops listening
    Disconnect, ///< not at all, and the link closes
};

/// Decides, transmission by transmission, what the armed fault does to the unit's output.
class FaultInjector {
public:
    /// Replaces the current fault and restarts the count of transmissions.
    void Arm(const FaultPlan& plan);

    /// The fate of the next transmission, of kind `kind`.
    FaultAction Next(ReplyKind kind);

    /// True once Silence or Disconnect has triggered: the unit takes no further part.
    bool Stopped() const { return stopped_; }
    /// True when the memory image being stored now must keep StoredFaultOffset wrong.
    bool StoresWrong() const {
        return plan_.Kind == Fault::WrongStoredByte && sent_ >= plan_.AfterReplies;
    }
    bool Disconnected() const { return disconnected_; }

private:
    bool Corrupts(ReplyKind kind) const;

    FaultPlan plan_{};
    int sent_ = 0;
    bool stopped_ = false;
    bool disconnected_ = false;
};

/// The wrong byte a faulty unit sends in place of `expected`: always different from it.
constexpr unsigned char CorruptedByte(unsigned char expected) {
    return static_cast<unsigned char>(expected ^ 0x01U);
}

} // namespace quorvex
