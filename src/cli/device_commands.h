#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The commands of qvx that talk to the processor, and the virtual processor itself. DEV is
// a serial device path, a COM name (COM1..COM4, placed by --com1..--com4 PATH) or "usb".
// Each takes the arguments after its name and returns the tool's exit code: 1 with the
// system's message on stderr when the processor refused or did not answer.

namespace quorvex {

inline constexpr std::string_view PortsUsage = "ports [--comN PATH]";
inline constexpr std::string_view TestUsage = "test --port DEV [--comN PATH]";
inline constexpr std::string_view WriteUsage =
    "write FILE.QVX --memory N --port DEV [--unprotect CODE] [--verify] [--comN PATH]";
inline constexpr std::string_view ReadUsage =
    "read --memory N --port DEV -o OUT.QVX [--unprotect CODE] [--comN PATH]";
inline constexpr std::string_view ChangeUsage =
    "change --memory N --port DEV [--unprotect CODE] [--comN PATH]";
inline constexpr std::string_view LockUsage = "lock --port DEV [--comN PATH]";
inline constexpr std::string_view UnlockUsage = "unlock --port DEV [--comN PATH]";
inline constexpr std::string_view PasswordUsage =
    "password LETTERS [--inactive] --port DEV [--comN PATH]";
inline constexpr std::string_view UpdateOsUsage = "update-os [OS.txt] --port DEV [--comN PATH]";
inline constexpr std::string_view SimUsage =
    "sim [--state DIR] [--protect N,M] [--pace] [--fault KIND[:AFTER]]";

using DeviceArguments = std::vector<std::string>;

int RunPortsCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);
int RunTestCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);
int RunWriteCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);
int RunReadCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);
int RunChangeCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);
int RunLockCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);
int RunUnlockCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);
int RunPasswordCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);
int RunUpdateOsCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);
/// Serves the virtual processor on a pseudo-terminal, whose path is the first line on
/// `out`, until SIGINT or SIGTERM.
int RunSimCommand(const DeviceArguments& arguments, std::ostream& out, std::ostream& err);

} // namespace quorvex
