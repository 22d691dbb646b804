#pragma once

#include "link/port_map.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvex {

/// What the desktop program's command line asks for:
/// `quorvex [FILE.QVX] [--com1 PATH ... --com4 PATH] [--virtual-unit [DIR]] [--grab DIR]`.
struct DesktopOptions {
    std::string File;              ///< opened at start as Open does; empty for none
    PortMap Ports;                 ///< where COM1..COM4 are
    bool VirtualUnit = false;      ///< serve the virtual processor and point COM1 at it
    std::string VirtualUnitFolder; ///< where it keeps its memories; empty keeps nothing
    std::string GrabFolder;        ///< write the windows' pictures there and end; empty: run
};

inline constexpr const char* DesktopUsage =
    "usage: quorvex [FILE.QVX] [--com1 PATH ... --com4 PATH] [--virtual-unit [DIR]] "
    "[--grab DIR]";

/// Reads the arguments after the program's name. Nothing, with `error` set, for an unknown
/// option, an option without its value, or a second file.
std::optional<DesktopOptions> ParseDesktopOptions(const std::vector<std::string>& arguments,
                                                  std::string& error);

} // namespace quorvex
