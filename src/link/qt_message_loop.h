#pragma once

#include "link/message_loop.h"

namespace quorvex {

/// Message-loop passes of the running Qt application: one pass processes the events that
/// are pending at that moment and returns at once.
class QtMessageLoop : public MessageLoop {
public:
    void Run(int passes) override;
};

} // namespace quorvex
