#include "app/connect_form.h"

#include "app/dialogs.h"
#include "app/main_form.h"
#include "app/notice_boxes.h"
#include "app/processor_links.h"
#include "app/program.h"
#include "link/device_messages.h"
#include "link/operating_system_image.h"

#include <optional>
#include <string>

namespace quorvex {

namespace {

/// Connection state of each lamp's tag: Offline, COM1, COM2, USB, COM3, COM4.
constexpr std::array<int, TConnectForm::LampCount> StateOfTag{OfflineState, 1, 2, UsbState, 3, 4};

/// The open dialog for another operating-system text (ours: the system has no such dialog).
const FileDialogRequest OperatingSystemRequest{
    "Open DSP Program", "Text Files *.txt|*.txt|All Files *.*|*.*", "txt", "", true, false};

LinkKind KindOf(int state) {
    if (state == OfflineState) {
        return LinkKind::Offline;
    }
    return state == UsbState ? LinkKind::Usb : LinkKind::ComPort;
}

} // namespace

TConnectForm::TConnectForm(Program& program)
    : OperatingSystemText(DefaultOperatingSystemText()), Links(SystemLinks(PortMap{})),
      program_(program), loop_(program.Services().MessagePump) {
    // The communication window belongs to the link layer, which knows nothing of the
    // windows' announcements: its changes are this window's changes.
    Communication.Changed = [this] { changed_.Mark(); };
    Communication.SetPort("COM1");
    program.Processor().TakeOffline = [this] { GoOffline(); };
}

TConnectForm::~TConnectForm() {
    program_.Processor().TakeOffline = nullptr;
    Disconnect();
}

void TConnectForm::Disconnect() {
    program_.Processor().Sink = nullptr;
    program_.Processor().Connected = false;
    program_.Processor().Link = LinkKind::Offline;
    connection_.reset();
}

bool TConnectForm::LoadOperatingSystemText() {
    HandlerScope scope(changed_);
    Dialogs& ui = program_.Services().DialogBoxes;
    const std::optional<std::string> path = ui.ChooseOpenFile(OperatingSystemRequest);
    if (!path) {
        return false;
    }
    std::string error;
    std::optional<std::string> text = ReadOperatingSystemFile(*path, error);
    if (text && ParseOperatingSystemText(*text, error)) {
        OperatingSystemText = std::move(*text);
        return true;
    }
    ui.ShowMessage(MessageKind::Error, MessageButtons::Ok, error);
    return false;
}

void TConnectForm::OffLineBClick(int tag) {
    HandlerScope scope(changed_);
    if (tag < 0 || tag >= LampCount) {
        return;
    }
    Lamps.fill(false);
    ConnectionState = OfflineState;
    Disconnect();
    const int state = StateOfTag[static_cast<std::size_t>(tag)];
    if (state == OfflineState) {
        UsbFlag = false;
        Lamps[OffLineTag] = true;
        program_.Processor().ConnectionText = device_message::StatusOffline;
        program_.Main().Show();
        program_.Main().Idle();
        Hide();
        return;
    }
    Connect(tag, state);
}

void TConnectForm::Connect(int tag, int state) {
    std::unique_ptr<ByteLink> link = Links ? Links(state) : nullptr;
    if (!link) {
        program_.Services().DialogBoxes.Beep();
        program_.Services().DialogBoxes.ShowMessage(MessageKind::Error, MessageButtons::Ok,
                                                    device_message::ComPortInUse);
        Lamps[OffLineTag] = true;
        return;
    }
    connection_ = std::make_unique<DeviceConnection>(std::move(link), Communication, loop_,
                                                     program_.Processor());
    const ConnectionResult result = connection_->Operations().Connect();
    ShowNotices(program_.Services().DialogBoxes, result.Operation.Messages);
    program_.Processor().ConnectionText = result.StatusText;
    if (!result.Operation.Ok) {
        // The window stays for another choice; the main window keeps its buttons off.
        Disconnect();
        UsbFlag = false;
        Lamps[OffLineTag] = true;
        program_.Main().Idle();
        return;
    }
    ShowConnected(tag, state, result.StatusText);
}

void TConnectForm::ShowConnected(int tag, int state, const std::string& statusText) {
    ConnectionState = state;
    UsbFlag = state == UsbState;
    Lamps[static_cast<std::size_t>(tag)] = true;
    program_.Processor().Connected = true;
    program_.Processor().Link = KindOf(state);
    program_.Processor().ConnectionText = statusText;
    program_.Processor().Sink = &connection_->Sink();
    program_.Main().Show();
    program_.Main().Idle();
    Hide();
}

bool TConnectForm::CloseQuery() {
    HandlerScope scope(changed_);
    return program_.Main().CloseQuery();
}

} // namespace quorvex
