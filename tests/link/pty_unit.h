#pragma once

#include "sim/pty_runner.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace quorvex::test {

/// The virtual processor served on a real pseudo-terminal from a thread of its own.
class PtyUnit {
public:
    explicit PtyUnit(PtyRunnerOptions options = {});
    ~PtyUnit();
    PtyUnit(const PtyUnit&) = delete;
    PtyUnit& operator=(const PtyUnit&) = delete;

    /// What the program opens as its serial port.
    std::string Path() const { return runner_->TerminalPath(); }

    /// Runs `look` on the unit while it is not serving (waiting for it to finish what it
    /// received), then serves again.
    void Inspect(const std::function<void(VirtualProcessor&)>& look);

private:
    void Start();
    void Stop();

    std::unique_ptr<PtyRunner> runner_;
    std::atomic<bool> stop_{false};
    std::thread server_;
};

} // namespace quorvex::test
