#include "sim/pty_runner.h"

#include "sim/line_pacing.h"
#include "sim/memory_files.h"
#include "sim/pseudo_terminal.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace quorvex {

namespace {

using Clock = std::chrono::steady_clock;

/// Longest wait in poll: bounds how late a raised stop flag is seen.
constexpr int IdleWaitMs = 50;
/// How long a START that ends what was read waits for the byte after it, which tells a
/// real-time frame (no answer) from a transaction (answered). The program sends a frame
/// without pauses, so the wait only delays the answer to a transaction's START.
constexpr int SecondByteWaitMs = 10;

std::string SystemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

bool WouldBlock() {
    return errno == EAGAIN || errno == EWOULDBLOCK;
}

/// Reads what is there (non-blocking) and appends it; false on a failure of the terminal.
bool ReadAvailable(int descriptor, std::vector<std::uint8_t>& into, std::string& error) {
    std::array<std::uint8_t, 512> buffer{};
    const ssize_t count = read(descriptor, buffer.data(), buffer.size());
    if (count < 0 && !WouldBlock() && errno != EINTR) {
        error = SystemError("Reading the pseudo-terminal failed");
        return false;
    }
    if (count > 0) {
        into.insert(into.end(), buffer.begin(), buffer.begin() + count);
    }
    return true;
}

} // namespace

std::unique_ptr<PtyRunner> PtyRunner::Open(PtyRunnerOptions options, std::string& error) {
    std::unique_ptr<PseudoTerminal> terminal = PseudoTerminal::Open(error);
    if (!terminal) {
        return nullptr;
    }
    std::unique_ptr<PtyRunner> runner(new PtyRunner(std::move(options), std::move(terminal)));
    if (!runner->options_.StateDirectory.empty()) {
        for (const std::string& problem :
             LoadMemoryFiles(runner->options_.StateDirectory, runner->processor_)) {
            runner->Tell(problem);
        }
    }
    return runner;
}

PtyRunner::PtyRunner(PtyRunnerOptions options, std::unique_ptr<PseudoTerminal> terminal)
    : options_(std::move(options)), terminal_(std::move(terminal)), processor_(options_.Processor) {
}

PtyRunner::~PtyRunner() = default;

const std::string& PtyRunner::TerminalPath() const {
    return terminal_->TerminalPath();
}

ServeResult PtyRunner::Serve(const std::atomic<bool>& stop) {
    std::string error;
    Clock::time_point last = Clock::now();
    while (!stop.load()) {
        if (!WriteDue(error)) {
            return {ServeEnd::Failed, error};
        }
        pollfd descriptor{terminal_->MasterDescriptor(),
                          static_cast<short>(POLLIN | (writeBlocked_ ? POLLOUT : 0)), 0};
        if (poll(&descriptor, 1, PollTimeoutMs()) < 0 && errno != EINTR) {
            return {ServeEnd::Failed, SystemError("Waiting on the pseudo-terminal failed")};
        }
        const Clock::time_point now = Clock::now();
        processor_.Elapse(std::chrono::duration_cast<std::chrono::microseconds>(now - last));
        last = now;
        if ((descriptor.revents & (POLLERR | POLLNVAL)) != 0) {
            return {ServeEnd::Failed, "The pseudo-terminal reported an error"};
        }
        if ((descriptor.revents & POLLOUT) != 0) {
            writeBlocked_ = false;
        }
        if ((descriptor.revents & POLLIN) != 0 && !ReadAndAnswer(error)) {
            return {ServeEnd::Failed, error};
        }
        SaveChangedMemories();
        ForwardLog();
        if (processor_.Disconnected()) {
            terminal_->Close();
            return {ServeEnd::Disconnected, {}};
        }
    }
    return {ServeEnd::Stopped, {}};
}

bool PtyRunner::ReadAndAnswer(std::string& error) {
    const int master = terminal_->MasterDescriptor();
    std::vector<std::uint8_t> received;
    if (!ReadAvailable(master, received, error)) {
        return false;
    }
    if (!received.empty() && received.back() == StartByte) {
        pollfd descriptor{master, POLLIN, 0};
        if (poll(&descriptor, 1, SecondByteWaitMs) > 0 && !ReadAvailable(master, received, error)) {
            return false;
        }
    }
    Clock::time_point heard = Clock::now();
    if (options_.PaceOutput && !received.empty()) {
        // The terminal hands over at once what a real line carries a byte at a time: the unit
        // has heard the last of these bytes only that much later.
        inboundEnd_ = std::max(heard, inboundEnd_) +
                      std::chrono::duration_cast<Clock::duration>(DueTimeOf(received.size() - 1));
        heard = inboundEnd_;
    }
    Queue(processor_.Receive(received), heard);
    return true;
}

void PtyRunner::Queue(const std::vector<std::uint8_t>& bytes, Clock::time_point heard) {
    if (bytes.empty()) {
        return;
    }
    if (pending_.empty()) {
        // The line is free once the last byte of the previous burst has gone.
        const Clock::time_point lineFree =
            burstStart_ + std::chrono::duration_cast<Clock::duration>(DueTimeOf(burstSent_));
        burstStart_ = std::max({Clock::now(), heard, lineFree});
        burstSent_ = 0;
    }
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
}

bool PtyRunner::WriteDue(std::string& error) {
    if (pending_.empty() || writeBlocked_) {
        return true;
    }
    std::size_t count = pending_.size();
    if (options_.PaceOutput) {
        const std::size_t due = BytesDue(Clock::now() - burstStart_);
        count = due > burstSent_ ? std::min(count, due - burstSent_) : 0;
    }
    if (count == 0) {
        return true;
    }
    const std::vector<std::uint8_t> bytes(pending_.begin(),
                                          pending_.begin() + static_cast<std::ptrdiff_t>(count));
    const ssize_t written = write(terminal_->MasterDescriptor(), bytes.data(), bytes.size());
    if (written < 0) {
        if (WouldBlock() || errno == EINTR) {
            writeBlocked_ = WouldBlock();
            return true;
        }
        error = SystemError("Writing the pseudo-terminal failed");
        return false;
    }
    const auto sent = static_cast<std::size_t>(written);
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(sent));
    burstSent_ += sent;
    writeBlocked_ = sent < count;
    return true;
}

int PtyRunner::PollTimeoutMs() const {
    if (pending_.empty() || writeBlocked_ || !options_.PaceOutput) {
        return IdleWaitMs;
    }
    const Clock::time_point due =
        burstStart_ + std::chrono::duration_cast<Clock::duration>(DueTimeOf(burstSent_));
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now());
    return static_cast<int>(std::clamp<long long>(wait.count(), 0, IdleWaitMs));
}

void PtyRunner::SaveChangedMemories() {
    for (int number : processor_.TakeChangedMemories()) {
        if (options_.StateDirectory.empty()) {
            continue;
        }
        const std::string problem =
            SaveMemoryFile(options_.StateDirectory, number, processor_.Memory(number));
        if (!problem.empty()) {
            Tell(problem);
        }
    }
}

void PtyRunner::ForwardLog() {
    for (const std::string& line : processor_.TakeLog()) {
        Tell(line);
    }
}

void PtyRunner::Tell(const std::string& line) const {
    if (options_.Report) {
        options_.Report(line);
    }
}

} // namespace quorvex
