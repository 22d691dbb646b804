#pragma once

#include "sim/pty_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace quorvex::testing {

/// The virtual processor served on a real pseudo-terminal from a thread of its own, as
/// `qvx sim` serves it.
class ServedUnit {
public:
    explicit ServedUnit(PtyRunnerOptions options = {}, FaultPlan fault = {}) {
        options.Report = [this](const std::string& line) {
            const std::lock_guard<std::mutex> lock(mutex_);
            reports_.push_back(line);
        };
        std::string error;
        runner_ = PtyRunner::Open(std::move(options), error);
        if (!runner_) {
            throw std::runtime_error("no pseudo-terminal: " + error);
        }
        runner_->Processor().SetFault(fault);
        server_ = std::thread([this] { runner_->Serve(stop_); });
    }
    ~ServedUnit() { Stop(); }
    ServedUnit(const ServedUnit&) = delete;
    ServedUnit& operator=(const ServedUnit&) = delete;

    std::string Path() const { return runner_->TerminalPath(); }

    /// What the unit did, one line each, so far.
    std::vector<std::string> Reports() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return reports_;
    }

    /// Waits until the unit has reported `line`, at most `patience`. The client of a
    /// transaction can finish before the unit has taken in its last answer byte, so a test
    /// that looks at once may find the unit's report still due.
    bool WaitForReport(const std::string& line,
                       std::chrono::milliseconds patience = std::chrono::seconds(5)) const {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        for (;;) {
            const std::vector<std::string> reports = Reports();
            if (std::find(reports.begin(), reports.end(), line) != reports.end()) {
                return true;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    /// Stops serving (after the unit has taken in the last bytes) and gives the unit to
    /// look at.
    VirtualProcessor& Stopped() {
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        Stop();
        return runner_->Processor();
    }

private:
    void Stop() {
        stop_ = true;
        if (server_.joinable()) {
            server_.join();
        }
    }

    std::unique_ptr<PtyRunner> runner_;
    std::atomic<bool> stop_{false};
    std::thread server_;
    mutable std::mutex mutex_;
    std::vector<std::string> reports_;
};

} // namespace quorvex::testing
