#pragma once

#include "app/session.h"

namespace quorvex {

/// Raises the session's transfer-running mark for its lifetime. Transfers let pending
/// messages run while they wait, so an editor change may be handled in the middle of one;
/// while the mark is up it is not sent, as its bytes would land inside the transfer.
class TransferMark {
public:
    explicit TransferMark(Session& session)
        : session_(session), wasRunning_(session.TransferRunning) {
        session_.TransferRunning = true;
    }
    ~TransferMark() { session_.TransferRunning = wasRunning_; }
    TransferMark(const TransferMark&) = delete;
    TransferMark& operator=(const TransferMark&) = delete;

private:
    Session& session_;
    bool wasRunning_;
};

} // namespace quorvex
