#pragma once

// The progress window and message pump of a benchmark: nothing to draw, nothing to wait for,
// so only the program's own work is timed.

#include "app/progress.h"
#include "app/pump.h"

namespace quorvex::bench {

class SilentProgress : public Progress {
public:
    void Show() override {}
    void SetFirstLine(std::string_view) override {}
    void SetStepText(std::string_view) override {}
    void SetPercent(int) override {}
    void SetBarVisible(bool) override {}
    void Close() override {}
};

class SilentPump : public Pump {
public:
    void Run(int) override {}
};

} // namespace quorvex::bench
