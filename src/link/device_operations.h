#pragma once

#include "link/memory_protection.h"
#include "link/notice.h"
#include "link/operating_system_image.h"
#include "link/password_block.h"
#include "link/transfer_protocol.h"

#include <cstdint>
#include <span>
#include <string>

namespace quorvex {

struct Configuration;

/// Outcome of a device operation. `Messages` are the boxes to show, in order.
struct OperationResult {
    bool Ok = false;
    Notices Messages;
    /// The connection must go offline (the connection window's "Offline").
    bool ConnectionLost = false;
    /// After the messages the connection window is shown for the person to reconnect.
    bool ShowConnectionWindow = false;
    /// The real-time request: the unit's current memory.
    int ReportedMemory = 0;
};

/// Outcome of choosing a connection: the main window's status line (`InfoLabel`) with it.
struct ConnectionResult {
    OperationResult Operation;
    std::string StatusText;
};

/// The operations the person starts against the processor, each a sequence of transactions
/// over one link. Nothing here asks questions or touches buttons: the caller asks first,
/// disables the device buttons around the call, and shows the result's messages.
class DeviceOperations {
public:
    DeviceOperations(ByteLink& link, CommunicationWindow& window, MessageLoop& loop);

    TransferProtocol& Protocol() { return protocol_; }
    ByteLink& Link() const { return protocol_.Link(); }

    /// Opens the chosen link (a COM port; a USB device is checked and configured) and runs
    /// the connection test, command 0. On success the status reads "Status : Connected at
    /// COM3" or "Status : USB"; otherwise "Status : Offline" and the connection is lost.
    ConnectionResult Connect();

    /// Command 3 with the image to `memory`, then command 7 to make it current. Memories
    /// 1..20 are refused before anything is sent unless `protection` is unlocked.
    OperationResult WriteMemory(int memory, std::span<const std::uint8_t> image,
                                const MemoryProtection& protection);

    /// Command 4 and the unit's image of `memory`, rebuilt into `config` (which the caller
    /// has reset). On failure `config` is left as it was.
    OperationResult ReadMemory(int memory, Configuration& config);

    /// Reads `memory` back with command 4 and the receive transaction and compares it with
    /// `sent`, byte for byte. Ok only when they are equal; otherwise one error box names the
    /// first part that differs. `Messages` is empty on success: the caller tells the person.
    OperationResult VerifyMemory(int memory, std::span<const std::uint8_t> sent);

    /// Command 7: the unit loads `memory`.
    OperationResult ChangeMemory(int memory);

    /// Command 5: locks (0xFF) or unlocks (0x00) the unit's keyboard.
    OperationResult SetKeyboardLock(bool lock);

    /// Command 6 with the seven-byte password block.
    OperationResult SetPassword(const PasswordBlock& block);

    /// Command 1 with the operating system to number 61, then the closing command 8.
    OperationResult UpdateDspProgram(const OperatingSystemImage& program);

    /// Command 19: the unit reports its current memory (`ReportedMemory`); the caller then
    /// reads that memory before turning real-time mode on.
    OperationResult RequestRealTime();

private:
    bool IsUsb() const;
    /// Check-and-configure before an operation on a USB link; false with `result` filled
    /// when the device is not there.
    bool PrepareLink(OperationResult& result);
    /// Runs a send transaction and takes its messages into `result`.
    bool Transact(const SendRequest& request, OperationResult& result);
    /// What every USB failure of a write or the real-time request ends with.
    void OfferReconnection(OperationResult& result);
    /// Command 4 for `memory`, as Read and Verify both run it: the memory checked, the link
    /// prepared and closed again, the transfer's messages taken into `result`.
    ReceiveResult ReceiveImage(int memory, OperationResult& result);
    /// Refuses memories that do not exist or that the program protects.
    bool CheckWritable(int memory, const MemoryProtection& protection, OperationResult& result);

    TransferProtocol protocol_;
    CommunicationWindow& window_;
    MessageLoop& loop_;
};

} // namespace quorvex
