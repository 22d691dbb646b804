#include "cli/device_program.h"

#include "app/connect_form.h"
#include "app/processor_links.h"
#include "cli/command_line.h"

#include <optional>

namespace quorvex {

namespace {

/// The number of a COM name "COM1".."COM4", or nothing.
std::optional<int> ComNumberOf(const std::string& device) {
    if (device.size() != 4 || device.rfind("COM", 0) != 0) {
        return std::nullopt;
    }
    const int number = device[3] - '0';
    if (number < 1 || number > ComPortCount) {
        return std::nullopt;
    }
    return number;
}

/// The connection window's lamp of COM `number`.
int ComTag(int number) {
    switch (number) {
    case 2:
        return TConnectForm::Com2Tag;
    case 3:
        return TConnectForm::Com3Tag;
    case 4:
        return TConnectForm::Com4Tag;
    default:
        return TConnectForm::Com1Tag;
    }
}

} // namespace

DeviceProgram::DeviceProgram(std::ostream& err)
    : Dialogs(err), err_(err), progress_(err, false), program_(Dialogs, progress_, pump_) {}

bool DeviceProgram::Connect(const std::string& device, const PortMap& ports) {
    TConnectForm& window = program_.Connect();
    if (device == "usb" || device == "USB") {
        window.Links = [](int) { return MakeUsbLink(); };
        window.OffLineBClick(TConnectForm::UsbTag);
    } else if (const auto number = ComNumberOf(device)) {
        window.Links = SystemLinks(ports);
        window.OffLineBClick(ComTag(*number));
    } else {
        window.Links = [device](int) { return MakeSerialLink(device, device); };
        window.OffLineBClick(TConnectForm::Com1Tag);
    }
    return program_.Processor().Connected;
}

int DeviceProgram::ReportFailure() {
    // A transfer that failed on a wrong byte leaves its window open on the text that says
    // which step it was; the boxes alone ("ERROR") would not tell.
    const CommunicationWindow& window = program_.Connect().Communication;
    if (Dialogs.Problems.empty() || window.Visible()) {
        err_ << "qvx: " << window.Status() << '\n';
    }
    return ExitFailure;
}

} // namespace quorvex
