#include "link/transfer_protocol.h"

#include "link/communication_texts.h"
#include "link/device_messages.h"

#include <array>
#include <cassert>
#include <string>

namespace quorvex {

namespace text = communication_text;

namespace {

/// Passes of the message loop after every status and data block on a USB link, so that the
/// window is drawn while the calls block.
constexpr int UsbPassesPerStep = 50;

bool NamesMemory(DeviceCommand command) {
    return command == DeviceCommand::WriteMemory || command == DeviceCommand::ReadMemory;
}

} // namespace

TransferProtocol::TransferProtocol(ByteLink& link, CommunicationWindow& window, MessageLoop& loop)
    : link_(link), window_(window), loop_(loop) {}

void TransferProtocol::Status(std::string text) {
    window_.SetStatus(std::move(text));
    if (IsUsb()) {
        loop_.Run(UsbPassesPerStep);
    }
}

bool TransferProtocol::OpenLink(TransferResult& result) {
    link_.Close();
    const LinkStatus opened = link_.Open();
    if (opened.Ok) {
        return true;
    }
    result.Messages.push_back({NoticeKind::Error, opened.Error, NoticeButton::Ok, !IsUsb()});
    result.ConnectionLost = true;
    window_.Close();
    return false;
}

bool TransferProtocol::Put(std::span<const std::uint8_t> bytes, TransferResult& result) {
    if (link_.Write(bytes)) {
        return true;
    }
    // A serial write that does not go through is noticed by the reply wait that follows; a
    // USB call that fails is reported at once.
    const std::string error = link_.LastError();
    if (!IsUsb() || error.empty()) {
        return true;
    }
    result.Messages.push_back({NoticeKind::Error, error});
    result.ConnectionLost = true;
    return false;
}

bool TransferProtocol::Put(std::uint8_t byte, TransferResult& result) {
    return Put(std::span<const std::uint8_t>(&byte, 1), result);
}

std::optional<std::uint8_t> TransferProtocol::Await(TransferResult& result) {
    return Accept(link_.WaitForReply(), result);
}

std::optional<std::uint8_t> TransferProtocol::Accept(const Reply& reply, TransferResult& result) {
    if (reply.HasByte()) {
        return reply.Value;
    }
    // A unit that stops answering ends the connection on either line; a serial port tells
    // no silence from a line that failed.
    if (!IsUsb() || reply.Result == Reply::Outcome::TimedOut) {
        const std::string_view text =
            IsUsb() ? device_message::UsbCommunicationError : device_message::ComCommunicationError;
        result.Messages.push_back({NoticeKind::Error, std::string(text), NoticeButton::Ok, true});
        window_.Close();
        link_.Close();
    } else if (!reply.Error.empty()) {
        result.Messages.push_back({NoticeKind::Error, reply.Error});
    }
    result.ConnectionLost = true;
    return std::nullopt;
}

void TransferProtocol::Fail(TransferResult& result) {
    result.Ok = false;
    // The USB device is open only while a transfer runs.
    if (IsUsb()) {
        link_.Close();
    }
}

TransferResult TransferProtocol::Send(const SendRequest& request) {
    const RunningMark mark(running_);
    if (request.ShowWindow) {
        window_.Show();
    }
    TransferResult result = RunSend(request);
    if (!result.Ok) {
        Fail(result);
    }
    return result;
}

TransferResult TransferProtocol::RunSend(const SendRequest& request) {
    assert(request.Number >= 0 && request.Number <= 0xFF);
    assert(request.Data.size() <= 0xFFFF);
    TransferResult result;
    if (!OpenLink(result)) {
        return result;
    }
    const auto command = static_cast<std::uint8_t>(request.Command);
    const auto number = static_cast<std::uint8_t>(request.Number);
    const std::size_t length = request.Data.size();
    window_.SetProgressMaximum(static_cast<int>(length));
    window_.SetProgressPosition(0);

    Status(text::SendingStart);
    std::optional<std::uint8_t> reply;
    if (!Put(ProtocolStart, result) || !(reply = Await(result))) {
        return result;
    }
    if (*reply != ProtocolStart) {
        Status(std::string(text::WrongStartPrefix) + std::to_string(*reply) +
               std::string(text::WrongStartSuffix));
        return result;
    }
    Status(text::ReceivedStart);

    Status(text::SendingCommand);
    if (!Put(command, result) || !Await(result)) {
        return result;
    }
    Status(text::ReceivedCommand);

    Status(text::SendingProgramNumber);
    if (!Put(number, result) || !(reply = Await(result))) {
        return result;
    }
    if (*reply == number) {
        result.ReportedMemory = number;
        Status(text::ReceivedProgramNumber);
    } else if (*reply == MemoryProtectedReply) {
        result.Messages.push_back({NoticeKind::Information,
                                   std::string(device_message::MemoryProtected),
                                   NoticeButton::Yes});
        return result;
    } else if (request.Command == DeviceCommand::RealTimeRequest) {
        result.ReportedMemory = *reply;
    } else {
        Status(text::WrongProgramNumber);
        return result;
    }

    const std::array<std::uint8_t, 2> longBytes{static_cast<std::uint8_t>(length >> 8),
                                                static_cast<std::uint8_t>(length & 0xFF)};
    if (!Put(number, result)) {
        return result;
    }
    Status(text::SendingLong);
    if (!Put(longBytes[0], result) || !Put(longBytes[1], result) || !(reply = Await(result))) {
        return result;
    }
    if (*reply != longBytes[1]) {
        Status(text::WrongLong);
        return result;
    }
    Status(text::ReceivedLong);

    std::string dataStatus(text::SendingData);
    if (NamesMemory(request.Command)) {
        dataStatus += std::string(text::ToMemory) + std::to_string(request.Number);
    }
    Status(std::move(dataStatus));
    const std::size_t fullBlocks = length / DataBlockSize;
    for (std::size_t block = 0; block < fullBlocks; ++block) {
        // The unit's answer to a block is awaited but carries nothing to check.
        if (!Put(request.Data.subspan(block * DataBlockSize, DataBlockSize), result) ||
            !Await(result)) {
            return result;
        }
        window_.SetProgressPosition(static_cast<int>((block + 1) * DataBlockSize));
        if (IsUsb()) {
            loop_.Run(UsbPassesPerStep);
        }
    }
    const std::size_t rest = length - fullBlocks * DataBlockSize;
    if (rest != 0 &&
        (!Put(request.Data.subspan(fullBlocks * DataBlockSize), result) || !Await(result))) {
        return result;
    }

    Status(text::SendingEnd);
    if (!Put(ProtocolEnd, result) || !(reply = Await(result))) {
        return result;
    }
    if (*reply != ProtocolEnd) {
        result.Messages.push_back({NoticeKind::Error, std::string(device_message::Error)});
        Status(text::WrongEnd);
        return result;
    }
    Status(text::ReceivedEnd);
    Status(text::CommunicationOk);
    result.Ok = true;
    if (IsUsb()) {
        link_.Close();
    }
    window_.Close();
    return result;
}

TransferResult TransferProtocol::SendRealTime(int dsp, RealTimeMessageType type,
                                              std::span<const std::uint8_t> payload) {
    TransferResult result;
    if (payload.size() != RealTimePayloadSize(type) || (dsp != 1 && dsp != 2)) {
        return result;
    }
    const RunningMark mark(running_);
    const LinkStatus opened = link_.Open();
    if (!opened.Ok) {
        result.Messages.push_back({NoticeKind::Error, opened.Error});
        result.ConnectionLost = true;
        return result;
    }
    std::vector<std::uint8_t> frame{ProtocolStart, RealTimeFrameMark,
                                    static_cast<std::uint8_t>(dsp),
                                    static_cast<std::uint8_t>(type)};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(ProtocolEnd);
    bool handedOver = true;
    for (std::size_t i = 0; i < frame.size() && handedOver; ++i) {
        handedOver = link_.Write(std::span<const std::uint8_t>(&frame[i], 1));
    }
    if (!handedOver && IsUsb() && !link_.LastError().empty()) {
        result.Messages.push_back({NoticeKind::Error, link_.LastError()});
        result.ConnectionLost = true;
    }
    if (!IsUsb()) {
        window_.Close();
    }
    link_.Close();
    result.Ok = handedOver;
    return result;
}

} // namespace quorvex
