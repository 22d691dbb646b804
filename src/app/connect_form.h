#pragma once

#include "app/change_signal.h"
#include "app/device_connection.h"
#include "link/communication_window.h"

#include <array>
#include <memory>
#include <string>

namespace quorvex {

class Program;

/// The connection window: the first window of the program (closing it ends the program),
/// where the person chooses offline, a COM port or USB. A choice opens the link and runs the
/// connection test; while a processor answers, its operations and the real-time sender are
/// here, and the communication window shows their transfers.
class TConnectForm {
public:
    /// The lamps' tags; `Lamps` is indexed by them.
    static constexpr int OffLineTag = 0;
    static constexpr int Com1Tag = 1;
    static constexpr int Com2Tag = 2;
    static constexpr int UsbTag = 3;
    static constexpr int Com3Tag = 4;
    static constexpr int Com4Tag = 5;
    static constexpr int LampCount = 6;

    explicit TConnectForm(Program& program);
    ~TConnectForm();
    TConnectForm(const TConnectForm&) = delete;
    TConnectForm& operator=(const TConnectForm&) = delete;

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }

    bool Visible = true;
    std::array<bool, LampCount>
        Lamps{}; ///< `OffLineB`, `Com1B`, `Com2B`, `USBButton`, `Com3B`, `Com4B`
    int ConnectionState = OfflineState; ///< 0 offline, 1..4 COM1..COM4, 5 USB
    bool UsbFlag = false;
    bool ButtonsEnabled = true; ///< the link buttons
    /// The communication window ("Serial Interface") of every transfer; its changes are
    /// announced through `Changed()`, which holds its change hook.
    CommunicationWindow Communication;
    /// The operating-system text that Update DSP sends (the communication window's program).
    std::string OperatingSystemText;
    /// Where each connection state's link comes from; the desktop program's serial ports
    /// and USB unless the front end points it elsewhere.
    LinkFactory Links;

    /// New configuration: the link buttons can be pressed again.
    void EnableButtons() {
        HandlerScope scope(changed_);
        ButtonsEnabled = true;
    }
    void Show() {
        HandlerScope scope(changed_);
        Visible = true;
    }
    void Hide() {
        HandlerScope scope(changed_);
        Visible = false;
    }

    /// A click on one of the six lamps, told apart by `tag`.
    void OffLineBClick(int tag);
    /// Back to offline, as after any communication error: the "Offline" lamp.
    void GoOffline() {
        HandlerScope scope(changed_);
        OffLineBClick(OffLineTag);
    }
    /// Lets the person choose another operating-system text for Update DSP. A file that
    /// cannot be read or is not a whole program is refused with its message and the text
    /// held so far is kept. True when the chosen text is now held.
    bool LoadOperatingSystemText();
    /// The close icon: asks to save; false when the program keeps running.
    bool CloseQuery();

    /// The connection while a processor is connected, else null.
    DeviceConnection* Connection() { return connection_.get(); }

private:
    void Disconnect();
    void Connect(int tag, int state);
    void ShowConnected(int tag, int state, const std::string& statusText);

    Program& program_;
    ChangeSignal changed_;
    AnnouncingLoop loop_;
    std::unique_ptr<DeviceConnection> connection_;
};

} // namespace quorvex
