#pragma once

#include <string_view>

// Message boxes of the device link and its operations, character for character.

namespace quorvex::device_message {

inline constexpr std::string_view MemoryProtected =
    "MEMORY PROTECTED. If you want to override it, you must unprotect it from the keyboard of "
    "the Processor.";
inline constexpr std::string_view Error = "ERROR";
inline constexpr std::string_view ComCommunicationError =
    "Comunication ERROR. Please verify that the COM port selected is correct and there isn't a "
    "USB Connected and your Quorvex unit is in its Main Menu";
/// The USB line's counterpart: a failed time-out setting, and a unit that stops answering.
inline constexpr std::string_view UsbCommunicationError =
    "Comunication ERROR. Please verify that the USB port is correct";
inline constexpr std::string_view ComPortInUse = "COM Port already in use. Select another.";
inline constexpr std::string_view ComPortAlreadyUsed =
    "COM Port already used. Please, select another.";
inline constexpr std::string_view NotAQuorvex =
    "This is not a Quorvex processor, It cannot communicate.";
inline constexpr std::string_view QuorvexClosed = "The Quorvex was closed. You need to Reconnect.";

// Status line of the main window after the connection test.
inline constexpr std::string_view StatusConnectedAtPrefix = "Status : Connected at COM";
inline constexpr std::string_view StatusUsb = "Status : USB";
inline constexpr std::string_view StatusOffline = "Status : Offline";

// Ours: the program's own guard of memories 1..20, before anything is sent.
inline constexpr std::string_view ProtectedByProgramPrefix = "Memory ";
inline constexpr std::string_view ProtectedByProgramSuffix =
    " is protected. Type the access code to write memories 1 to 20.";
// Ours: a memory number outside 1..60.
inline constexpr std::string_view NoSuchMemory = "There is no such memory in the Quorvex.";
// Ours: a read-back whose image could not be taken into the configuration.
inline constexpr std::string_view ImageNotReadable =
    "The memory read from the Quorvex is not a configuration image.";

} // namespace quorvex::device_message
