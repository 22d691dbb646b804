#pragma once

#include "link/message_loop.h"

#include <QCoreApplication>

namespace quorvex::test {

/// Counts the passes and runs one real pass per call, so that pending events still run.
class CountingLoop : public MessageLoop {
public:
    void Run(int passes) override {
        total += passes;
        ++calls;
        QCoreApplication::processEvents();
    }

    long total = 0;
    int calls = 0;
};

} // namespace quorvex::test
