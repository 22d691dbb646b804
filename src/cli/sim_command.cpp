#include "cli/device_commands.h"
#include "cli/offline_commands.h"
#include "sim/pty_runner.h"

#include <csignal>

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

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

/// The misbehaviours a person can ask the unit for, by the names --fault takes.
constexpr std::array<std::pair<std::string_view, Fault>, 9> FaultNames{{
    {"silence", Fault::Silence},
    {"wrong-start", Fault::WrongStartReply},
    {"wrong-begin", Fault::WrongBegin},
    {"wrong-long", Fault::WrongLongEcho},
    {"wrong-end", Fault::WrongEndReply},
    {"wrong-read-end", Fault::WrongReadEnd},
    {"drop-reply", Fault::DropReply},
    {"disconnect", Fault::Disconnect},
    {"wrong-store", Fault::WrongStoredByte},
}};

/// "KIND" or "KIND:AFTER" (AFTER transmissions of the unit go out untouched first); nothing
/// when malformed.
std::optional<FaultPlan> FaultPlanOf(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    FaultPlan plan;
    const auto named = std::find_if(FaultNames.begin(), FaultNames.end(),
                                    [name](const auto& entry) { return entry.first == name; });
    if (named == FaultNames.end()) {
        return std::nullopt;
    }
    plan.Kind = named->second;
    if (colon != std::string_view::npos) {
        const std::string_view count = text.substr(colon + 1);
        const auto [end, error] =
            std::from_chars(count.data(), count.data() + count.size(), plan.AfterReplies);
        if (count.empty() || error != std::errc() || end != count.data() + count.size() ||
            plan.AfterReplies < 0) {
            return std::nullopt;
        }
    }
    return plan;
}

std::string FaultNameList() {
    std::string list;
    for (const auto& [name, fault] : FaultNames) {
        list += (list.empty() ? "" : ", ") + std::string(name);
    }
    return list;
}

} // namespace

int RunSimCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err) {
    const auto line = ParseCommandArguments(
        SimUsage, arguments, {{"--state", "--protect", "--fault"}, {"--pace"}, 0, 0}, err);
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
    std::optional<FaultPlan> fault;
    if (const auto text = line->Option("--fault")) {
        fault = FaultPlanOf(*text);
        if (!fault) {
            return UsageError(
                SimUsage, "--fault takes one of " + FaultNameList() + ", as in drop-reply:5", err);
        }
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
    if (fault) {
        runner->Processor().SetFault(*fault);
    }
    out << runner->TerminalPath() << std::endl;
    const ServeResult served = runner->Serve(stopRequested);
    if (served.End == ServeEnd::Failed) {
        return Failure(served.Error, err);
    }
    return ExitSuccess;
}

} // namespace quorvex
