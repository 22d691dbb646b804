#pragma once

#include <string_view>

// What the communication window ("Serial Interface") shows during a transfer, as the unit's
// owners know these lines. Blanks, "¡¡" and spellings are part of the texts.

namespace quorvex::communication_text {

inline constexpr std::string_view Caption = "Serial Interface";
inline constexpr std::string_view PortLinePrefix = "Comunication Port : ";
inline constexpr std::string_view BaudRateLine = "Baudrate : 9600 bps";
inline constexpr std::string_view Connecting = "Conecting...";

// Send transaction.
inline constexpr std::string_view SendingStart = "Sending START...";
inline constexpr std::string_view WrongStartPrefix = "  ¡¡ERROR!! DATA NO VALID(";
inline constexpr std::string_view WrongStartSuffix = ")";
inline constexpr std::string_view ReceivedStart = "Received START...";
inline constexpr std::string_view SendingCommand = "Sending COMMAND...";
inline constexpr std::string_view ReceivedCommand = "Received COMMAND...";
inline constexpr std::string_view SendingProgramNumber = "Sending PROGRAM NUMBER...";
inline constexpr std::string_view ReceivedProgramNumber = "Received Program Number...";
inline constexpr std::string_view WrongProgramNumber = "  ¡¡ERROR!! DATA NO VALID (n_prog)";
inline constexpr std::string_view SendingLong = "Sending LONG...";
inline constexpr std::string_view WrongLong = "¡¡ERROR!! DATA NO VALID (Long)";
inline constexpr std::string_view ReceivedLong = "Received LONG...";
inline constexpr std::string_view SendingData = "Sending DATA...";
inline constexpr std::string_view ToMemory = " to Memory ";
inline constexpr std::string_view SendingEnd = "Sending END...";
inline constexpr std::string_view WrongEnd = " ¡¡ERROR!! DATA NO VALID (END)";
inline constexpr std::string_view ReceivedEnd = "Received END...";
inline constexpr std::string_view CommunicationOk = "Communication OK...";

// Receive transaction.
inline constexpr std::string_view ReadProgram = "Read program...";
inline constexpr std::string_view StartCommunication = "Start comunication...";
inline constexpr std::string_view ReceivingBegin = "Receiving BEGIN...";
/// A wrong BEGIN over a COM port: the text names 129 whatever byte came.
inline constexpr std::string_view WrongBeginCom = "  ¡¡ERROR!! El dato no es el esperado (129)";
inline constexpr std::string_view WrongBeginUsbPrefix = "  ¡¡ERROR!! El dato no es el esperado(";
inline constexpr std::string_view ReceivedBegin = "Received BEGIN...";
inline constexpr std::string_view ReceivingCommand = "Receiving COMMAND...";
inline constexpr std::string_view ReceivingProgram = "Receiving PROGRAM...";
inline constexpr std::string_view ReceivingLong = "Receiving LONG...";
inline constexpr std::string_view ReceiveData = "Receive data...";
inline constexpr std::string_view LongPrefix = "LONG : ";
inline constexpr std::string_view ReadingConfiguration = "Reading Configuration ";
inline constexpr std::string_view FromThe = " from the ";
inline constexpr std::string_view UnitName = "Quorvex";
inline constexpr std::string_view Rest = "Rest...";
inline constexpr std::string_view DataReceived = "Data Received...";
inline constexpr std::string_view ReceivingEnd = "Receiving END ...";
inline constexpr std::string_view WrongFinal = " ERROR FINAL...";
inline constexpr std::string_view ReceiveOk = "Comunication is OK...";

// Ours: a unit that announces an image of another length than a memory holds.
inline constexpr std::string_view WrongImageLength = " ¡¡ERROR!! LONG is not a memory image";
// Ours: the unit fell silent in the middle of a data block.
inline constexpr std::string_view DataStopped = " ¡¡ERROR!! DATA stopped";

} // namespace quorvex::communication_text
