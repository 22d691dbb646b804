#include "pty_unit.h"

#include <gtest/gtest.h>

#include <chrono>

namespace quorvex::test {

PtyUnit::PtyUnit(PtyRunnerOptions options) {
    std::string error;
    runner_ = PtyRunner::Open(std::move(options), error);
    if (!runner_) {
        ADD_FAILURE() << "no pseudo-terminal: " << error;
        std::abort();
    }
    Start();
}

PtyUnit::~PtyUnit() {
    Stop();
}

void PtyUnit::Start() {
    stop_ = false;
    server_ = std::thread([this] { runner_->Serve(stop_); });
}

void PtyUnit::Stop() {
    stop_ = true;
    if (server_.joinable()) {
        server_.join();
    }
}

void PtyUnit::Inspect(const std::function<void(VirtualProcessor&)>& look) {
    // Let the unit take in the last bytes the program wrote before looking at it.
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    Stop();
    look(runner_->Processor());
    Start();
}

} // namespace quorvex::test
