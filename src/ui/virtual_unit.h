#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace quorvex {

class PtyRunner;

/// The virtual processor inside the desktop program: it answers on a pseudo-terminal from
/// a thread of its own, so the program talks to it exactly as to a unit on a serial line.
class VirtualUnit {
public:
    /// Starts the unit; `stateDirectory` keeps its memories between runs (empty: nothing
    /// kept). Nothing, with `error` set, when no pseudo-terminal could be opened.
    static std::unique_ptr<VirtualUnit> Start(const std::string& stateDirectory,
                                              std::string& error);
    /// Stops the unit and waits for its thread.
    ~VirtualUnit();
    VirtualUnit(const VirtualUnit&) = delete;
    VirtualUnit& operator=(const VirtualUnit&) = delete;

    /// The path the program opens as the unit's serial port.
    const std::string& TerminalPath() const { return path_; }

private:
    explicit VirtualUnit(std::unique_ptr<PtyRunner> runner);

    std::unique_ptr<PtyRunner> runner_;
    std::string path_;
    std::atomic<bool> stop_{false};
    std::thread serving_;
};

} // namespace quorvex
