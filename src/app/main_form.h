#pragma once

#include "app/change_signal.h"
#include "app/editor_host.h"

#include "config/dimensions.h"

#include <array>
#include <string>
#include <string_view>

namespace quorvex {

class Program;
struct Document;
struct FrontEnd;
struct ProcessorConnection;

/// The main window: names, routes, memory and mode, the chain buttons that open the
/// editors, New configuration, Save, the real-time switch and closing.
class TMainForm final : public EditorHost {
public:
    static constexpr std::string_view CaptionPrefix = "Quorvex Loudspeaker Management System ";
    static constexpr std::string_view SaveQuestion =
        "Do you want to save the present configuration?";
    static constexpr std::string_view ClosingQuestion =
        "Quorvex is closing...Do you want to save the present configuration before?";
    static constexpr std::string_view OfflineText =
        "You are Offline, Real Time Mode is not posible";
    static constexpr std::string_view RealTimeText =
        "You are in Real Time Mode!. Quorvex is going to read the present configuration for "
        "security";
    static constexpr std::string_view InitializingText = "Initializing ";
    static constexpr int CopyAllMemClicks = 20;

    explicit TMainForm(Program& program);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = false;
    std::string Caption{CaptionPrefix};               ///< the title: the prefix and the file's name
    bool Running = true;                              ///< false once the program has been closed
    bool RealTimePictureOn = false;                   ///< `RealTimeB`'s picture
    bool CopyAllMemVisible = false;                   ///< "Copiar todas las memorias igual"
    std::string SystemName;                           ///< the `SystemName` field
    std::string BandAddressText;                      ///< the band address field
    std::array<int, OutputCount> RoutePicture{};      ///< picture index of `Route1B`..`Route6B`
    std::array<bool, OutputCount> MuteLabelVisible{}; ///< "MUTE"
    std::array<bool, OutputCount> MuteMarkVisible{};  ///< "x"
    std::array<bool, OutputCount> OutputNameEnabled{}; ///< `Out1Edit`..`OutSub2Edit`
    std::array<std::string, OutputCount> DelayText{};  ///< each output's delay, "0.00 ms"
    int EditorOutput = 1;       ///< output (1..6) whose chain button was pressed last
    int HiddenButtonClicks = 0; ///< clicks on "PROGRAM" since the window was activated

    void Show();
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// Pending messages run, the real-time picture follows the flag, the PROGRAM count restarts.
    void Activate();

    /// New configuration with its save question.
    void NewButtonClick();
    /// Open: New configuration with its question, the open dialog, the chosen file read.
    void OpenButtonClick();
    /// A file named when the program starts: New configuration without the save question,
    /// the file opened as the open dialog would, and the history starting from it.
    void OpenStartFile(const std::string& path);
    /// Save: the save dialog, then the file. True when a file was written.
    bool SaveButtonClick();
    /// The real-time switch.
    void RealTimeBClick() override;
    /// `Route1B`..`Route6B`: the route of `output` (1..6) steps on.
    void RouteBClick(int output);
    /// A change of the `SystemName` field; copied to System Info at once.
    void SystemNameChange(std::string_view text);
    /// Once every window exists: the System Info window's name field is copied here after
    /// each of its changes, as this window's is copied there.
    void FollowSystemInfo();
    /// A change of an input (1, 2) or output (1..6) name field; at most six characters.
    void InputNameChange(int input, std::string_view text);
    void OutputNameChange(int output, std::string_view text);
    /// A click on the label "PROGRAM".
    void ProgramLabelClick();
    /// The close icon: asks to save; false when the person chose to keep running.
    bool CloseQuery();

    // Chain buttons; `output` is the button's tag 1..6.
    void PeqBtnClick(int output);
    void XoverBtnClick(int output);
    void GainBtnClick(int output);
    void DelayBtnClick(int output);
    void DynamicBtnClick(int output);
    void FinalResponseBClick();
    void SystemInfoBClick();
    void ShowCoeffButtonClick();
    void CopyOutsBClick();

    /// The address of the band being edited, as the equaliser reports it.
    void ShowBandAddress(int dspAddress) override;
    /// The "MUTE" and "x" labels and the name field of an output follow its mute.
    void ShowMuteIndicators(int output, bool muted) override;
    /// An output's delay indicator, "0.00" followed by " ms".
    void ShowDelay(int output, double delayMs) override;
    /// `RealTimeB`'s picture (and the sub reinforcement editor's) for the current flag.
    void ShowRealTimePicture();
    /// The import window's OK action: every output's speaker data from its measurement file
    /// (none without one), a box for each file that could not be used, then the redraw.
    void ReimportSpeakerData();
    /// Names and route pictures from the configuration.
    void RefreshNamesAndRoutes();
    /// The route button of `output` shows the output's stored route.
    void ShowRoute(int output);
    /// The caption names the document's file, without its folder.
    void ShowFileName(std::string_view path);

    /// New configuration without the question: the ten steps with the progress window.
    void ResetConfiguration();

    // The device operations (main_form_device.cpp). Busy: the device buttons are disabled
    // for the operation's duration; idle: enabled again, but only while connected. Each
    // handler tells whether its operation ran and succeeded (false also when the person
    // declined it).
    bool DeviceButtonsEnabled = false; ///< Read, Write, Change, Update DSP, Unblock, Block,
                                       ///< Password and `NProgramSpin`
    /// "Verify after Write": after a successful Write the memory is read back and compared
    /// with the image sent. Off at start, so that Write is the documented transfer.
    bool VerifyAfterWrite = false;
    /// The outcome of the last read-back after a Write ("" before the first one).
    std::string VerifyText;
    void Busy();
    void Idle();
    /// `NProgramSpin`: the memory number, kept inside its range (its minimum is 21 while
    /// memories 1..20 are protected, else 1; its maximum 60).
    void NProgramSpinChange(int value);
    void ConnectButtonClick();
    void LOGOImageClick();
    bool ReadButtonClick();
    /// Write; with "Verify after Write" on, true only when the read-back equals the image.
    bool WriteButtonClick();
    /// The "Verify after Write" check box.
    void VerifyAfterWriteClick();
    bool ChangeButtonClick();
    bool CopyAllMemClick();
    bool BlockBClick();
    bool UnblockBClick();
    /// Shows the password window; the set-password operation runs when it closes with OK.
    void PasswordBClick();
    bool PasswordWindowClosed(bool ok);
    bool UpdateDSPClick();

private:
    void RunNewConfigurationStep(int index);
    void SendRoute(int output);
    /// Writes the configuration file; false, after telling the person, when it could not.
    bool WriteConfiguration(const std::string& path);
    /// Asks the processor for real-time mode; true when it agreed.
    bool RequestRealTime();
    Document& Doc();
    ProcessorConnection& Processor();
    FrontEnd& Services();

    Program& program_;
    ChangeSignal changed_;
};

} // namespace quorvex
