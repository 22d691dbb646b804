#include "ui/virtual_unit.h"

#include "sim/pty_runner.h"

#include <iostream>

namespace quorvex {

std::unique_ptr<VirtualUnit> VirtualUnit::Start(const std::string& stateDirectory,
                                                std::string& error) {
    PtyRunnerOptions options;
    options.StateDirectory = stateDirectory;
    // The unit's own account of what it did, for a person watching the terminal.
    options.Report = [](const std::string& line) { std::cerr << "virtual unit: " << line << '\n'; };
    std::unique_ptr<PtyRunner> runner = PtyRunner::Open(std::move(options), error);
    if (!runner) {
        return nullptr;
    }
    return std::unique_ptr<VirtualUnit>(new VirtualUnit(std::move(runner)));
}

VirtualUnit::VirtualUnit(std::unique_ptr<PtyRunner> runner)
    : runner_(std::move(runner)), path_(runner_->TerminalPath()) {
    serving_ = std::thread([this] {
        const ServeResult result = runner_->Serve(stop_);
        if (result.End == ServeEnd::Failed) {
            std::cerr << "virtual unit: " << result.Error << '\n';
        }
    });
}

VirtualUnit::~VirtualUnit() {
    stop_ = true;
    if (serving_.joinable()) {
        serving_.join();
    }
}

} // namespace quorvex
