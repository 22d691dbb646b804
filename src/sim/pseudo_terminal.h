#pragma once

#include <memory>
#include <string>

namespace quorvex {

/// A POSIX pseudo-terminal whose far end (the terminal path) the program opens as its serial
/// port. The near end (master) is non-blocking. The terminal is set to raw 9600 8N1 with no
/// handshake, and kept open from this side as well, so that the program may close and reopen
/// its port without the pseudo-terminal hanging up.
class PseudoTerminal {
public:
    /// Opens a new pseudo-terminal; nothing and `error` set when the system refuses.
    static std::unique_ptr<PseudoTerminal> Open(std::string& error);

    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    /// Path the program opens, such as "/dev/pts/3".
    const std::string& TerminalPath() const { return path_; }
    /// The near end's descriptor; -1 after Close.
    int MasterDescriptor() const { return master_; }

    /// Closes both ends: whoever has the terminal open sees the line hang up.
    void Close();

private:
    PseudoTerminal(int master, int slave, std::string path);

    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

} // namespace quorvex
