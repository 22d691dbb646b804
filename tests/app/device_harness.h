#pragma once

#include "app/connect_form.h"
#include "app/main_form.h"
#include "fakes.h"
#include "processor_line.h"
#include "sent_transactions.h"

#include <memory>

namespace quorvex::testing {

/// The whole program with its connection window pointed at a virtual processor in the same
/// process: COM1..COM4 and USB all reach `Unit`.
struct DeviceHarness : ProgramHarness {
    explicit DeviceHarness(const VirtualProcessorOptions& options = {}) : Unit(options) {
        App.Connect().Links = [this](int state) -> std::unique_ptr<ByteLink> {
            const bool usb = state == UsbState;
            auto line = std::make_unique<ProcessorLine>(
                Unit, usb ? TransportKind::Usb : TransportKind::ComPort,
                usb ? "USB" : "COM" + std::to_string(state), Writes);
            line->UnpluggedWhile(Unplugged);
            return line;
        };
    }

    /// Chooses COM1 (or USB) in the connection window and forgets what was recorded.
    void Connect(int tag = TConnectForm::Com1Tag) {
        App.Connect().OffLineBClick(tag);
        ClearRecords();
        Writes.clear();
    }

    /// The send transactions since the connection, in order.
    std::vector<SentTransaction> Sent() const { return SendTransactions(Writes); }

    TMainForm& Main() { return App.Main(); }

    VirtualProcessor Unit;
    ProcessorLine::WriteLog Writes; ///< every write of every connection
    bool Unplugged = false;         ///< every line of the connection is pulled out
};

} // namespace quorvex::testing
