#include "link/device_operations.h"

#include "image/image_comparison.h"
#include "image/image_decoder.h"
#include "link/device_messages.h"
#include "link/verification_texts.h"

#include <array>

namespace quorvex {

namespace {

namespace message = device_message;

/// Memory number of the unit's operating system.
constexpr int OperatingSystemNumber = 61;
/// Message-loop passes after a memory was written, before the device buttons come back.
constexpr int PassesAfterWrite = 20000;
/// Message-loop passes after a read, before the image is taken in.
constexpr int PassesBeforeDecode = 10;
constexpr std::uint8_t KeyboardLocked = 0xFF;
constexpr std::uint8_t KeyboardUnlocked = 0x00;

void Append(Notices& to, const Notices& from) {
    to.insert(to.end(), from.begin(), from.end());
}

bool MemoryExists(int number) {
    return number >= FirstMemory && number <= LastMemory;
}

void RefuseMissingMemory(OperationResult& result) {
    result.Messages.push_back({NoticeKind::Error, std::string(message::NoSuchMemory)});
}

} // namespace

DeviceOperations::DeviceOperations(ByteLink& link, CommunicationWindow& window, MessageLoop& loop)
    : protocol_(link, window, loop), window_(window), loop_(loop) {}

bool DeviceOperations::IsUsb() const {
    return protocol_.Link().Kind() == TransportKind::Usb;
}

bool DeviceOperations::PrepareLink(OperationResult& result) {
    window_.SetPort(Link().PortName());
    const LinkStatus prepared = Link().Prepare();
    if (prepared.Ok) {
        return true;
    }
    result.Messages.push_back({NoticeKind::Error, prepared.Error});
    result.ConnectionLost = true;
    return false;
}

bool DeviceOperations::Transact(const SendRequest& request, OperationResult& result) {
    const TransferResult transfer = protocol_.Send(request);
    Append(result.Messages, transfer.Messages);
    result.ConnectionLost = result.ConnectionLost || transfer.ConnectionLost;
    result.ReportedMemory = transfer.ReportedMemory;
    return transfer.Ok;
}

void DeviceOperations::OfferReconnection(OperationResult& result) {
    window_.Close();
    Link().Close();
    result.Messages.push_back({NoticeKind::Warning, std::string(message::QuorvexClosed)});
    result.ConnectionLost = true;
    result.ShowConnectionWindow = true;
}

bool DeviceOperations::CheckWritable(int memory, const MemoryProtection& protection,
                                     OperationResult& result) {
    if (!MemoryExists(memory)) {
        RefuseMissingMemory(result);
        return false;
    }
    if (!protection.MayWrite(memory)) {
        result.Messages.push_back(
            {NoticeKind::Warning, std::string(message::ProtectedByProgramPrefix) +
                                      std::to_string(memory) +
                                      std::string(message::ProtectedByProgramSuffix)});
        return false;
    }
    return true;
}

ConnectionResult DeviceOperations::Connect() {
    ConnectionResult connection;
    OperationResult& result = connection.Operation;
    connection.StatusText = message::StatusOffline;
    if (IsUsb()) {
        if (!PrepareLink(result)) {
            return connection;
        }
    } else {
        window_.SetPort(Link().PortName());
        const LinkStatus opened = Link().Open();
        if (!opened.Ok) {
            result.Messages.push_back({NoticeKind::Error, opened.Error, NoticeButton::Ok, true});
            result.ConnectionLost = true;
            return connection;
        }
    }
    // The command-0 handshake is the only way the processor identifies itself.
    const bool answered = Transact({DeviceCommand::ConnectionTest, 0, {}, true}, result);
    window_.Close();
    if (!answered) {
        if (IsUsb()) {
            Link().Close();
            result.Messages.push_back({NoticeKind::Error, std::string(message::NotAQuorvex)});
        }
        result.ConnectionLost = true;
        return connection;
    }
    result.Ok = true;
    connection.StatusText =
        IsUsb() ? std::string(message::StatusUsb) : "Status : Connected at " + Link().PortName();
    return connection;
}

OperationResult DeviceOperations::WriteMemory(int memory, std::span<const std::uint8_t> image,
                                              const MemoryProtection& protection) {
    OperationResult result;
    if (!CheckWritable(memory, protection, result) || !PrepareLink(result)) {
        return result;
    }
    if (!Transact({DeviceCommand::WriteMemory, memory, image, true}, result)) {
        if (IsUsb()) {
            OfferReconnection(result);
        }
        return result;
    }
    // The unit plays the memory just written.
    if (!Transact({DeviceCommand::ChangeMemory, memory, {}, true}, result)) {
        return result;
    }
    loop_.Run(PassesAfterWrite);
    result.Ok = true;
    return result;
}

ReceiveResult DeviceOperations::ReceiveImage(int memory, OperationResult& result) {
    if (!MemoryExists(memory)) {
        RefuseMissingMemory(result);
        return {};
    }
    if (!PrepareLink(result)) {
        return {};
    }
    ReceiveResult received = protocol_.Receive(memory);
    Append(result.Messages, received.Transfer.Messages);
    result.ConnectionLost = received.Transfer.ConnectionLost;
    Link().Close();
    return received;
}

OperationResult DeviceOperations::ReadMemory(int memory, Configuration& config) {
    OperationResult result;
    const ReceiveResult received = ReceiveImage(memory, result);
    if (!received.Transfer.Ok) {
        return result;
    }
    loop_.Run(PassesBeforeDecode);
    if (DecodeCoefficientImage(received.Image, config) != ImageDecodeResult::Decoded) {
        result.Messages.push_back({NoticeKind::Error, std::string(message::ImageNotReadable)});
        return result;
    }
    result.Ok = true;
    return result;
}

OperationResult DeviceOperations::VerifyMemory(int memory, std::span<const std::uint8_t> sent) {
    OperationResult result;
    const ReceiveResult received = ReceiveImage(memory, result);
    if (!received.Transfer.Ok) {
        return result;
    }
    if (const auto difference = CompareImages(sent, received.Image)) {
        result.Messages.push_back({NoticeKind::Error, VerifyMismatchText(memory, *difference)});
        return result;
    }
    result.Ok = true;
    return result;
}

OperationResult DeviceOperations::ChangeMemory(int memory) {
    OperationResult result;
    if (!MemoryExists(memory)) {
        RefuseMissingMemory(result);
        return result;
    }
    if (PrepareLink(result)) {
        result.Ok = Transact({DeviceCommand::ChangeMemory, memory, {}, true}, result);
    }
    return result;
}

OperationResult DeviceOperations::SetKeyboardLock(bool lock) {
    OperationResult result;
    const std::array<std::uint8_t, 1> data{lock ? KeyboardLocked : KeyboardUnlocked};
    if (PrepareLink(result)) {
        result.Ok = Transact({DeviceCommand::KeyboardLock, 0, data, true}, result);
    }
    return result;
}

OperationResult DeviceOperations::SetPassword(const PasswordBlock& block) {
    OperationResult result;
    if (PrepareLink(result)) {
        result.Ok = Transact({DeviceCommand::KeyboardPassword, 0, block, true}, result);
    }
    return result;
}

OperationResult DeviceOperations::UpdateDspProgram(const OperatingSystemImage& program) {
    OperationResult result;
    window_.Show();
    if (!PrepareLink(result)) {
        return result;
    }
    result.Ok = Transact({DeviceCommand::LoadOperatingSystem, OperatingSystemNumber, program, true},
                         result) &&
                Transact({DeviceCommand::CloseOperatingSystemLoad, 0, {}, true}, result);
    Link().Close();
    return result;
}

OperationResult DeviceOperations::RequestRealTime() {
    OperationResult result;
    if (!PrepareLink(result)) {
        return result;
    }
    result.Ok = Transact({DeviceCommand::RealTimeRequest, 0, {}, true}, result);
    if (!result.Ok && IsUsb()) {
        OfferReconnection(result);
    }
    return result;
}

} // namespace quorvex
