#pragma once

#include <array>
#include <string>
#include <vector>

namespace quorvex {

inline constexpr int ComPortCount = 4;

/// Where "COM1" .. "COM4" of the connection window are on this computer. Each starts at the
/// platform's name for it and may be pointed elsewhere (a USB adapter, a pseudo-terminal
/// served by the virtual processor).
class PortMap {
public:
    PortMap();

    /// Device path of COM `number` (1..4); empty for any other number.
    std::string PathOf(int number) const;
    /// Points COM `number` (1..4) at `path`; false for any other number or an empty path.
    bool Set(int number, std::string path);

    /// Takes the options "--com1 PATH" .. "--com4 PATH" (also "--com1=PATH") out of
    /// `arguments` and applies them; returns the arguments it did not take. An option
    /// without a path is left in place for the caller to report.
    std::vector<std::string> TakeOptions(const std::vector<std::string>& arguments);

private:
    std::array<std::string, ComPortCount> paths_;
};

/// The platform's own name of serial port `number` (1..4): "COM1" on Windows, "/dev/ttyS0"
/// for COM1 elsewhere.
std::string PlatformPortName(int number);

} // namespace quorvex
