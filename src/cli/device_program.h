#pragma once

#include "app/program.h"
#include "cli/console_dialogs.h"
#include "link/port_map.h"

#include <ostream>
#include <string>

namespace quorvex {

/// The desktop program without windows, for the commands that talk to the processor: boxes
/// go to `err`, questions are answered from `Dialogs.Answers` (No when none is queued).
class DeviceProgram {
public:
    explicit DeviceProgram(std::ostream& err);
    DeviceProgram(const DeviceProgram&) = delete;
    DeviceProgram& operator=(const DeviceProgram&) = delete;

    ConsoleDialogs Dialogs;
    Program& App() { return program_; }

    /// Chooses `device` in the connection window and runs the connection test: "usb", a COM
    /// name "COM1".."COM4" (through `ports`) or a serial device path. False when no
    /// processor answered; the reason is on `err` (see ReportFailure).
    bool Connect(const std::string& device, const PortMap& ports);

    /// Tells why an operation failed when no box has said it already, or when the
    /// communication window stayed open on a wrong byte: the window's last status. Returns
    /// the tool's failure exit code.
    int ReportFailure();

private:
    std::ostream& err_;
    ConsoleProgress progress_;
    ConsolePump pump_;
    Program program_;
};

} // namespace quorvex
