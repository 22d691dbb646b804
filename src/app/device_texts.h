#pragma once

#include <string>
#include <string_view>

// The main window's questions and warnings around the device operations, character for
// character.

namespace quorvex::device_text {

inline constexpr std::string_view OverwritePrefix = "The memory ";
inline constexpr std::string_view OverwriteSuffix =
    " have a preset stored. Do you want to overwrite it?";
inline constexpr std::string_view ChangePrefix =
    "Do you want to Change the present configuration and load the memory ";
inline constexpr std::string_view LockQuestion = "Do you want to LOCK the Keyboard?";
inline constexpr std::string_view UnlockQuestion = "Do you want to UNLOCK the Keyboard?";
inline constexpr std::string_view UpdateDspWarning =
    "WARNING!!! Updating the DSP Operating System may left your Quorvex unit blocked if it "
    "does not finish correctlly. Please, be sure that  everything is connected well. Do you "
    "want to continue anyway?";
inline constexpr std::string_view Loading = "Loading...";

/// "The memory 30 have a preset stored. Do you want to overwrite it?"
inline std::string OverwriteQuestion(int memory) {
    return std::string(OverwritePrefix) + std::to_string(memory) + std::string(OverwriteSuffix);
}

/// "Do you want to Change the present configuration and load the memory 22 in the Quorvex ?"
inline std::string ChangeQuestion(int memory) {
    return std::string(ChangePrefix) + std::to_string(memory) + " in the " + "Quorvex" + " ?";
}

} // namespace quorvex::device_text
