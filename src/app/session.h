#pragma once

#include "config/configuration.h"
#include "engine/engine_objects.h"
#include "engine/frequency_response.h"

#include <array>
#include <functional>
#include <string>

namespace quorvex {

class Dialogs;
class Progress;
class MessageLoop;
class RealTimeSink;

/// How the program reaches the processor.
enum class LinkKind { Offline, Usb, ComPort };

/// The one document of a run and the program state around it. The editors' models change
/// it; the file, image and device operations read it.
struct Session {
    Session(Dialogs& dialogs, Progress& progress, MessageLoop& pump);

    Configuration Config;
    EngineObjects Engine; ///< band sections, crossovers, dynamics blocks, sub reinforcement

    // Stage responses kept per output (index output - 1) and per sub (index sub - 1).
    std::array<FrequencyResponse, OutputCount> EqualiserResponse{};
    std::array<FrequencyResponse, OutputCount> CrossoverResponse{};
    std::array<FrequencyResponse, OutputCount> SpeakerResponse{};
    std::array<FrequencyResponse, 2> ReinforcementResponse{};

    // Program state outside the configuration.
    int MemoryNumber = 21;        ///< `NProgramSpin`
    int MemoryMinimum = 21;       ///< 1 once the protected memories are unlocked
    bool RealTime = false;        ///< real-time mode
    bool TransferRunning = false; ///< a real-time message is being sent
    bool Connected = false;
    LinkKind Link = LinkKind::Offline;
    std::string ConnectionText = "No Connected"; ///< `InfoLabel`
    double MicrophoneSensitivity = 0.020;        ///< V/Pa (the window shows mV/Pa, 1..999)
    bool SaveQuestionCancelled = false;          ///< the cancel mark that Read tests
    std::string ChosenFileName;                  ///< full path of the open or saved file
    std::string ConfigurationFolder; ///< folder of the last file opened, kept for re-imports
    std::string Caption = "Quorvex Loudspeaker Management System ";
    int EditorOutput = 1;       ///< output (1..6) whose chain button was pressed last
    int EditorBlock = 1;        ///< dynamics processor (1..3) asked for last
    int HiddenButtonClicks = 0; ///< clicks on "PROGRAM" since the main window was activated
    bool ConnectionButtonsEnabled = true; ///< the connection window's link buttons

    Dialogs& Ui;
    Progress& ProgressWindow;
    MessageLoop& Messages;
    RealTimeSink* Sink = nullptr; ///< the device link while connected, else null
    /// Takes the connection offline after a real-time send found the link gone; the
    /// connection window sets it.
    std::function<void()> TakeOffline;

    /// True when an editor change must go to the processor now: real-time mode is on,
    /// a sink is present and no transfer is running.
    bool ShouldSendRealTime() const { return RealTime && Sink != nullptr && !TransferRunning; }
};

} // namespace quorvex
