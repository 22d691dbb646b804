#pragma once

#include <array>
#include <string_view>

namespace quorvex {

/// A control of the main window and the hint it shows (tooltip and status line).
struct ControlHint {
    std::string_view Control;
    std::string_view Hint;
};

/// The main window's hints, as the system words them.
inline constexpr std::array<ControlHint, 16> MainFormHints{{
    {"NewButton", "New File"},
    {"OpenButton", "Open File"},
    {"SaveButton", "Save to File"},
    {"AcercadeButton", "About us"},
    {"ConnectButton", "Connect"},
    {"ReadButton", "Read From Hardware"},
    {"WriteButton", "Write to Memory"},
    {"ChangeButton", "Change Hardware Memory"},
    {"BlockB", "Block Hardware Keyboard"},
    {"UnblockB", "Unblock Hardware Keyboard"},
    {"PasswordB", "Set Password"},
    {"UpdateDSP", "Update DSP Program"},
    {"RealTimeB", "Real Time"},
    {"FinalResponseB", "Total Freq Response"},
    {"CopyOutsB", "Copy"},
    {"NProgramSpin", "Select Memory to Load / Store"},
}};

} // namespace quorvex
