#include "sim/fault_injection.h"

namespace quorvex {

void FaultInjector::Arm(const FaultPlan& plan) {
    plan_ = plan;
    sent_ = 0;
    stopped_ = false;
    disconnected_ = false;
}

FaultAction FaultInjector::Next(ReplyKind kind) {
    if (stopped_) {
        return FaultAction::Silence;
    }
    const bool triggered = sent_ >= plan_.AfterReplies;
    const bool isTrigger = sent_ == plan_.AfterReplies;
    ++sent_;
    if (!triggered) {
        return FaultAction::Send;
    }
    switch (plan_.Kind) {
    case Fault::Silence:
        stopped_ = true;
        return FaultAction::Silence;
    case Fault::Disconnect:
        stopped_ = true;
        disconnected_ = true;
        return FaultAction::Disconnect;
    case Fault::DropReply:
        return isTrigger ? FaultAction::Drop : FaultAction::Send;
    case Fault::None:
        return FaultAction::Send;
    default:
        return Corrupts(kind) ? FaultAction::Corrupt : FaultAction::Send;
    }
}

bool FaultInjector::Corrupts(ReplyKind kind) const {
    switch (plan_.Kind) {
    case Fault::WrongStartReply:
        return kind == ReplyKind::StartAnswer;
    case Fault::WrongBegin:
        return kind == ReplyKind::ReadBegin;
    case Fault::WrongLongEcho:
        return kind == ReplyKind::LongEcho;
    case Fault::WrongEndReply:
        return kind == ReplyKind::EndAnswer;
    case Fault::WrongReadEnd:
        return kind == ReplyKind::ReadEnd;
    default:
        return false;
    }
}

} // namespace quorvex
