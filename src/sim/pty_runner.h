#pragma once

#include "sim/virtual_processor.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvex {

class PseudoTerminal;

struct PtyRunnerOptions {
    VirtualProcessorOptions Processor;
    /// Keep to the line's own pace (9600 bit/s, 1.0417 ms a byte) both ways instead of the
    /// terminal's: an answer starts only once the line could have carried what it answers,
    /// and its bytes go out one byte time apart.
    bool PaceOutput = false;
    /// Where memories are kept between runs (see MemoryFileName); empty keeps nothing.
    std::filesystem::path StateDirectory;
    /// Receives what the unit did and every problem with the state directory, one line at a
    /// time, on the serving thread. May be empty.
    std::function<void(const std::string&)> Report;
};

enum class ServeEnd {
    Stopped,      ///< the stop flag was raised
    Disconnected, ///< a Disconnect fault hung up the terminal
    Failed,       ///< the pseudo-terminal failed; see the error text
};

struct ServeResult {
    ServeEnd End = ServeEnd::Stopped;
    std::string Error;
};

/// Serves a VirtualProcessor on a pseudo-terminal: the program opens TerminalPath() as its
/// serial port and talks to the unit as over a real line.
class PtyRunner {
public:
    /// Opens the pseudo-terminal and loads the state directory. Nothing, with `error` set,
    /// when the terminal cannot be opened; problems with single memory files only go to
    /// Report.
    static std::unique_ptr<PtyRunner> Open(PtyRunnerOptions options, std::string& error);

    ~PtyRunner();
    PtyRunner(const PtyRunner&) = delete;
    PtyRunner& operator=(const PtyRunner&) = delete;

    const std::string& TerminalPath() const;

    /// The unit itself: set faults or protection, look at memories. Not while Serve runs on
    /// another thread.
    VirtualProcessor& Processor() { return processor_; }

    /// Answers the program until `stop` is raised (checked at least every 50 ms) or a
    /// Disconnect fault closes the terminal. Blocks; waits in poll, never spins.
    ServeResult Serve(const std::atomic<bool>& stop);

private:
    PtyRunner(PtyRunnerOptions options, std::unique_ptr<PseudoTerminal> terminal);

    bool ReadAndAnswer(std::string& error);
    /// Queues the unit's answer to what it had heard completely at `heard`.
    void Queue(const std::vector<std::uint8_t>& bytes, std::chrono::steady_clock::time_point heard);
    bool WriteDue(std::string& error);
    int PollTimeoutMs() const;
    void SaveChangedMemories();
    void ForwardLog();
    void Tell(const std::string& line) const;

    PtyRunnerOptions options_;
    std::unique_ptr<PseudoTerminal> terminal_;
    VirtualProcessor processor_;
    std::deque<std::uint8_t> pending_; ///< answered but not yet on the line
    std::chrono::steady_clock::time_point burstStart_{};
    std::size_t burstSent_ = 0;
    /// When the line has carried the last byte the program sent (paced only).
    std::chrono::steady_clock::time_point inboundEnd_{};
    bool writeBlocked_ = false; ///< the terminal took no more bytes: wait until it is writable
};

} // namespace quorvex
