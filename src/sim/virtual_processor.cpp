#include "sim/virtual_processor.h"

#include "sim/factory_image.h"
#include "sim/memory_layout.h"
#include "sim/real_time_frame.h"

#include <cassert>
#include <utility>

namespace quorvex {

namespace {

constexpr std::size_t MaxLogLines = 1000;

std::string Number(int value) {
    return std::to_string(value);
}

} // namespace

std::vector<int> DefaultProtectedMemories() {
    std::vector<int> memories;
    for (int number = 1; number <= 20; ++number) {
        memories.push_back(number);
    }
    return memories;
}

VirtualProcessor::VirtualProcessor(const VirtualProcessorOptions& options)
    : state_(options.InitialImage.size() == sim::ImageSize ? options.InitialImage : FactoryImage(),
             sim::IsImageMemory(options.CurrentMemory) ? options.CurrentMemory : 1),
      idleTimeout_(options.IdleTimeout) {
    assert(options.InitialImage.empty() || options.InitialImage.size() == sim::ImageSize);
    assert(sim::IsImageMemory(options.CurrentMemory));
    for (int memory : options.ProtectedMemories) {
        state_.Memories().SetProtected(memory, true);
    }
}

std::vector<std::uint8_t> VirtualProcessor::Receive(std::span<const std::uint8_t> bytes) {
    output_.clear();
    if (!bytes.empty()) {
        quiet_ = std::chrono::microseconds{0};
    }
    for (std::uint8_t byte : bytes) {
        if (faults_.Stopped()) {
            break;
        }
        // A real-time frame is told apart from a transaction only by its second byte, and it
        // must get no answer at all: the START answer waits for that byte when it is here.
        if (startAnswerOwed_ && byte == RealTimeMarker) {
            startAnswerOwed_ = false;
        } else if (startAnswerOwed_) {
            FlushStartAnswer();
        }
        if (!faults_.Stopped()) {
            Step(byte);
        }
    }
    if (startAnswerOwed_) {
        FlushStartAnswer();
    }
    return std::exchange(output_, {});
}

void VirtualProcessor::Elapse(std::chrono::microseconds time) {
    if (phase_ == Phase::AwaitStart) {
        return;
    }
    quiet_ += time;
    if (quiet_ >= idleTimeout_) {
        Refuse("timed out waiting for the next byte");
    }
}

bool VirtualProcessor::Idle() const {
    return phase_ == Phase::AwaitStart;
}

bool VirtualProcessor::LoadMemory(int number, std::span<const std::uint8_t> bytes) {
    if (!UnitMemories::Exists(number) || bytes.size() != UnitMemories::SizeOf(number)) {
        return false;
    }
    const std::span<std::uint8_t> target = state_.Memories().Edit(number);
    std::copy(bytes.begin(), bytes.end(), target.begin());
    return true;
}

std::vector<std::string> VirtualProcessor::TakeLog() {
    return std::exchange(log_, {});
}

void VirtualProcessor::Step(std::uint8_t byte) {
    switch (phase_) {
    case Phase::AwaitStart:
        return OnStart(byte);
    case Phase::AwaitCommand:
        return OnCommand(byte);
    case Phase::AwaitNumber:
        return OnNumber(byte);
    case Phase::AwaitNumberAgain:
        return OnNumberAgain(byte);
    case Phase::AwaitLongHigh:
        length_ = static_cast<std::uint16_t>(byte << 8);
        phase_ = Phase::AwaitLongLow;
        return;
    case Phase::AwaitLongLow:
        return OnLongLow(byte);
    case Phase::AwaitData:
        return OnData(byte);
    case Phase::AwaitEnd:
        return OnEnd(byte);
    case Phase::AwaitReadStart:
        return OnReadStart(byte);
    case Phase::AwaitReadAnswer:
        return OnReadAnswer(byte);
    case Phase::RealTimeDsp:
        frameDsp_ = byte;
        phase_ = Phase::RealTimeType;
        return;
    case Phase::RealTimeType:
        return OnRealTimeType(byte);
    case Phase::RealTimePayload:
        return OnRealTimePayload(byte);
    case Phase::RealTimeEnd:
        return OnRealTimeEnd(byte);
    }
}

void VirtualProcessor::OnStart(std::uint8_t byte) {
    // Anything but START between transactions is line noise or the tail of something the
    // unit already gave up on.
    if (byte == StartByte) {
        phase_ = Phase::AwaitCommand;
        startAnswerOwed_ = true;
    }
}

void VirtualProcessor::OnCommand(std::uint8_t byte) {
    if (byte == RealTimeMarker) {
        phase_ = Phase::RealTimeDsp;
        return;
    }
    const std::optional<CommandRule> rule = RuleOf(byte);
    if (!rule) {
        return Refuse("unknown command " + Number(byte));
    }
    rule_ = *rule;
    Transmit(ReplyKind::CommandEcho, byte);
    phase_ = Phase::AwaitNumber;
}

void VirtualProcessor::OnNumber(std::uint8_t byte) {
    const int command = static_cast<int>(rule_.Command);
    if (!NumberAccepted(rule_.Number, byte)) {
        return Refuse("command " + Number(command) + " does not take memory " + Number(byte));
    }
    if (rule_.Command == UnitCommand::WriteMemory && state_.Memories().IsProtected(byte)) {
        Transmit(ReplyKind::NumberAnswer, ProtectedReply);
        return Refuse("memory " + Number(byte) + " is protected");
    }
    const bool reportsMemory = rule_.Number == NumberRule::Any;
    Transmit(ReplyKind::NumberAnswer,
             reportsMemory ? static_cast<std::uint8_t>(state_.CurrentMemory()) : byte);
    number_ = byte;
    phase_ = Phase::AwaitNumberAgain;
}

void VirtualProcessor::OnNumberAgain(std::uint8_t byte) {
    if (byte != number_) {
        return Refuse("memory number repeated as " + Number(byte) + " instead of " +
                      Number(number_));
    }
    phase_ = Phase::AwaitLongHigh;
}

void VirtualProcessor::OnLongLow(std::uint8_t byte) {
    length_ = static_cast<std::uint16_t>(length_ | byte);
    if (length_ != rule_.Length) {
        return Refuse("LONG " + Number(length_) + " for command " +
                      Number(static_cast<int>(rule_.Command)) + ", which takes " +
                      Number(rule_.Length));
    }
    Transmit(ReplyKind::LongEcho, byte);
    data_.clear();
    phase_ = length_ == 0 ? Phase::AwaitEnd : Phase::AwaitData;
}

void VirtualProcessor::OnData(std::uint8_t byte) {
    data_.push_back(byte);
    const bool blockFull = data_.size() % TransferBlockSize == 0;
    const bool lastByte = data_.size() == length_;
    if (blockFull || lastByte) {
        Transmit(ReplyKind::BlockAnswer, byte);
    }
    if (lastByte) {
        phase_ = Phase::AwaitEnd;
    }
}

void VirtualProcessor::OnEnd(std::uint8_t byte) {
    if (byte != EndByte) {
        return Refuse("byte " + Number(byte) + " where END was due; data discarded");
    }
    if (rule_.Command == UnitCommand::WriteMemory && faults_.StoresWrong() &&
        data_.size() > static_cast<std::size_t>(StoredFaultOffset)) {
        data_[StoredFaultOffset] = CorruptedByte(data_[StoredFaultOffset]);
        Log("fault: byte " + Number(StoredFaultOffset) + " of memory " + Number(number_) +
            " stored wrong");
    }
    const CommandOutcome outcome = state_.Carry(rule_.Command, number_, data_);
    if (outcome.Refused) {
        return Refuse(outcome.Note);
    }
    Log(outcome.Note);
    Transmit(ReplyKind::EndAnswer, EndByte);
    if (rule_.Command != UnitCommand::ReadMemory) {
        return Reset();
    }
    readSteps_ = PlanReadTransfer(static_cast<std::uint8_t>(rule_.Command), number_,
                                  state_.Memories().Read(number_));
    readIndex_ = 0;
    phase_ = Phase::AwaitReadStart;
}

void VirtualProcessor::OnReadStart(std::uint8_t byte) {
    if (byte != StartByte) {
        return Refuse("byte " + Number(byte) + " where the read's START was due");
    }
    phase_ = Phase::AwaitReadAnswer;
    SendReadStep();
}

void VirtualProcessor::OnReadAnswer(std::uint8_t byte) {
    const ReadStep& step = readSteps_[readIndex_];
    const std::uint8_t expected = step.FixedAnswer.value_or(readAnswer_);
    if (byte != expected) {
        return Refuse("read of memory " + Number(number_) + " answered " + Number(byte) +
                      " instead of " + Number(expected));
    }
    ++readIndex_;
    if (readIndex_ == readSteps_.size()) {
        Log("memory " + Number(number_) + " read");
        return Reset();
    }
    SendReadStep();
}

void VirtualProcessor::OnRealTimeType(std::uint8_t byte) {
    const std::optional<std::size_t> length = RealTimePayloadLength(byte);
    if (!length) {
        return Refuse("unknown real-time message type " + Number(byte));
    }
    frameType_ = byte;
    frameLength_ = *length;
    data_.clear();
    phase_ = Phase::RealTimePayload;
}

void VirtualProcessor::OnRealTimePayload(std::uint8_t byte) {
    data_.push_back(byte);
    if (data_.size() == frameLength_) {
        phase_ = Phase::RealTimeEnd;
    }
}

void VirtualProcessor::OnRealTimeEnd(std::uint8_t byte) {
    if (byte != EndByte) {
        return Refuse("real-time message without END; discarded");
    }
    Log(state_.ApplyRealTime(frameDsp_, frameType_, data_));
    Reset();
}

void VirtualProcessor::SendReadStep() {
    const ReadStep& step = readSteps_[readIndex_];
    readAnswer_ = Transmit(step.Kind, step.Bytes);
}

std::uint8_t VirtualProcessor::Transmit(ReplyKind kind, std::span<const std::uint8_t> bytes) {
    assert(!bytes.empty());
    const std::uint8_t last = bytes.back();
    if (faults_.Stopped()) {
        return last;
    }
    switch (faults_.Next(kind)) {
    case FaultAction::Send:
        output_.insert(output_.end(), bytes.begin(), bytes.end());
        return last;
    case FaultAction::Corrupt:
        output_.insert(output_.end(), bytes.begin(), bytes.end() - 1);
        output_.push_back(CorruptedByte(last));
        return CorruptedByte(last);
    case FaultAction::Drop:
        Log("fault: a reply was lost");
        return last;
    case FaultAction::Silence:
        Log("fault: the unit fell silent");
        return last;
    case FaultAction::Disconnect:
        Log("fault: the unit hung up");
        return last;
    }
    return last;
}

std::uint8_t VirtualProcessor::Transmit(ReplyKind kind, std::uint8_t byte) {
    return Transmit(kind, std::span<const std::uint8_t>(&byte, 1));
}

void VirtualProcessor::FlushStartAnswer() {
    startAnswerOwed_ = false;
    Transmit(ReplyKind::StartAnswer, StartByte);
}

void VirtualProcessor::Refuse(const std::string& reason) {
    Log("refused: " + reason);
    Reset();
}

void VirtualProcessor::Reset() {
    phase_ = Phase::AwaitStart;
    startAnswerOwed_ = false;
    data_.clear();
    readSteps_.clear();
    readIndex_ = 0;
}

void VirtualProcessor::Log(std::string line) {
    // Nobody may be reading the log (a fuzzing run): keep only the recent part.
    if (log_.size() >= MaxLogLines) {
        log_.erase(log_.begin(), log_.begin() + MaxLogLines / 2);
    }
    log_.push_back(std::move(line));
}

} // namespace quorvex
