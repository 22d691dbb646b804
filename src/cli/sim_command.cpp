#include "cli/device_commands.h"
#include "cli/offline_commands.h"
#include "sim/pty_runner.h"

#include <csignal>

#include <atomic>
#include <charconv>
#include <optional>

namespace quorvex {

namespace {

std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void RequestStop(int) {
    stopRequested = true;
}

/// Installs the stop handler for SIGINT and SIGTERM for its lifetime.
class StopSignals {
public:
    StopSignals() {
        stopRequested = false;
        struct sigaction action {};
        action.sa_handler = RequestStop;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previousInterrupt_);
        sigaction(SIGTERM, &action, &previousTerminate_);
    }
    ~StopSignals() {
        sigaction(SIGINT, &previousInterrupt_, nullptr);
        sigaction(SIGTERM, &previousTerminate_, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    struct sigaction previousInterrupt_ {};
    struct sigaction previousTerminate_ {};
};

/// "N,M,..." memories 1..60; "" or "none" for no protected memory; nothing when malformed.
std::optional<std::vector<int>> ProtectedList(std::string_view text) {
    std::vector<int> memories;
    if (text.empty() || text == "none") {
        return memories;
    }
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        int memory = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), memory);
        if (error != std::errc() || end != item.data() + item.size() || memory < 1 || memory > 60) {
            return std::nullopt;
        }
        memories.push_back(memory);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return memories;
}

} // namespace

int RunSimCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err) {
    const auto line = ParseCommandArguments(SimUsage, arguments,
                                            {{"--state", "--protect"}, {"--pace"}, 0, 0}, err);
    if (!line) {
        return ExitUsage;
    }
    PtyRunnerOptions options;
    if (const auto list = line->Option("--protect")) {
        const auto memories = ProtectedList(*list);
        if (!memories) {
            return UsageError(SimUsage, "--protect takes memory numbers 1 to 60, as in 1,2,3", err);
        }
        options.Processor.ProtectedMemories = *memories;
    }
    options.PaceOutput = line->Has("--pace");
    options.StateDirectory = line->Option("--state").value_or("");
    options.Report = [&err](const std::string& text) { err << text << std::endl; };

    StopSignals signals;
    std::string error;
    const std::unique_ptr<PtyRunner> runner = PtyRunner::Open(std::move(options), error);
    if (!runner) {
        return Failure(error, err);
    }
    out << runner->TerminalPath() << std::endl;
    const ServeResult served = runner->Serve(stopRequested);
    if (served.End == ServeEnd::Failed) {
        return Failure(served.Error, err);
    }
    return ExitSuccess;
}

} // namespace quorvex
