#pragma once

#include "app/processor_connection.h"

namespace quorvex {

/// Raises the connection's transfer-running mark for its lifetime. Transfers let pending
/// messages run while they wait, so an editor change may be handled in the middle of one;
/// while the mark is up it is not sent, as its bytes would land inside the transfer.
class TransferMark {
public:
    explicit TransferMark(ProcessorConnection& processor)
        : processor_(processor), wasRunning_(processor.TransferRunning) {
        processor_.TransferRunning = true;
    }
    ~TransferMark() { processor_.TransferRunning = wasRunning_; }
    TransferMark(const TransferMark&) = delete;
    TransferMark& operator=(const TransferMark&) = delete;

private:
    ProcessorConnection& processor_;
    bool wasRunning_;
};

} // namespace quorvex
