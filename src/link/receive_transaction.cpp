#include "link/communication_texts.h"
#include "link/transfer_protocol.h"

#include <string>

namespace quorvex {

namespace text = communication_text;

namespace {

/// Passes of the message loop before each step of a receive transaction.
constexpr int PassesBeforeStep = 100;
/// The only length a memory's image has.
constexpr int MemoryImageLength = 2046;

std::string WrongLengthMessage(int length) {
    return "The Quorvex announced " + std::to_string(length) + " bytes, but a memory holds " +
           std::to_string(MemoryImageLength) + ". Nothing was read.";
}

} // namespace

ReceiveResult TransferProtocol::Receive(int memory) {
    ReceiveResult received;
    received.Transfer = Send({DeviceCommand::ReadMemory, memory, {}, false});
    if (!received.Transfer.Ok) {
        return received;
    }
    {
        const RunningMark mark(running_);
        received = RunReceive(memory);
    }
    if (!received.Transfer.Ok) {
        received.Image.clear();
        Fail(received.Transfer);
    }
    return received;
}

bool TransferProtocol::ReceiveStep(std::string_view status, std::optional<std::uint8_t>& byte,
                                   TransferResult& result) {
    Status(status);
    loop_.Run(PassesBeforeStep);
    byte = Await(result);
    return byte.has_value();
}

bool TransferProtocol::ReceiveBlock(std::size_t size, std::vector<std::uint8_t>& image,
                                    TransferResult& result) {
    // The unit sends a block in one go: a byte that does not come within the link's reply
    // time ends the read, however many came before it.
    for (std::size_t i = 0; i < size; ++i) {
        const Reply reply = link_.WaitForReply();
        if (!reply.HasByte()) {
            Status(text::DataStopped);
            Accept(reply, result);
            return false;
        }
        image.push_back(reply.Value);
    }
    return true;
}

ReceiveResult TransferProtocol::RunReceive(int memory) {
    ReceiveResult received;
    TransferResult& result = received.Transfer;
    std::vector<std::uint8_t>& image = received.Image;

    Status(text::ReadProgram);
    if (IsUsb() && !OpenLink(result)) {
        return received;
    }
    if (!Put(ProtocolStart, result)) {
        return received;
    }
    Status(text::StartCommunication);

    std::optional<std::uint8_t> byte;
    if (!ReceiveStep(text::ReceivingBegin, byte, result)) {
        return received;
    }
    if (*byte != ProtocolStart) {
        // Reported, and answered with START all the same.
        Status(IsUsb() ? std::string(text::WrongBeginUsbPrefix) + std::to_string(*byte) + ")"
                       : std::string(text::WrongBeginCom));
    }
    if (!Put(ProtocolStart, result)) {
        return received;
    }
    if (!IsUsb()) {
        Status(text::ReceivedBegin);
    }

    for (std::string_view step : {text::ReceivingCommand, text::ReceivingProgram}) {
        if (!ReceiveStep(step, byte, result) || !Put(*byte, result)) {
            return received;
        }
    }

    std::optional<std::uint8_t> high;
    if (!ReceiveStep(text::ReceivingLong, high, result) || !Put(*high, result)) {
        return received;
    }
    const std::optional<std::uint8_t> low = Await(result);
    if (!low) {
        return received;
    }
    const int length = *high * 256 + *low;
    if (length != MemoryImageLength) {
        Status(text::WrongImageLength);
        result.Messages.push_back({NoticeKind::Error, WrongLengthMessage(length)});
        return received;
    }
    if (!Put(*low, result)) {
        return received;
    }
    Status(text::ReceivedLong);

    const auto total = static_cast<std::size_t>(length);
    const std::size_t fullBlocks = total / DataBlockSize;
    const std::size_t rest = total % DataBlockSize;
    image.reserve(total);
    for (std::size_t block = 0; block < fullBlocks; ++block) {
        if (!ReceiveBlock(DataBlockSize, image, result)) {
            return received;
        }
        window_.Show();
        Status(text::ReceiveData);
        window_.SetProgressMaximum(length);
        Status(std::string(text::LongPrefix) + std::to_string(length));
        window_.SetProgressPosition(static_cast<int>(image.size()));
        Status(std::string(text::ReadingConfiguration) + std::to_string(memory) +
               std::string(text::FromThe) + std::string(text::UnitName));
        if (!Put(image.back(), result)) {
            return received;
        }
    }
    if (rest != 0) {
        if (!ReceiveBlock(rest, image, result)) {
            return received;
        }
        Status(text::Rest);
        window_.SetProgressPosition(static_cast<int>(image.size()));
        if (!Put(image.back(), result)) {
            return received;
        }
    }
    Status(text::DataReceived);

    if (!ReceiveStep(text::ReceivingEnd, byte, result)) {
        return received;
    }
    const bool endIsRight = *byte == ProtocolEnd;
    if (!endIsRight) {
        Status(text::WrongFinal);
    }
    if (!Put(*byte, result) || !endIsRight) {
        return received;
    }
    Status(text::ReceivedEnd);
    Status(text::ReceiveOk);
    window_.Close();
    if (IsUsb()) {
        link_.Close();
    }
    result.Ok = true;
    return received;
}

} // namespace quorvex
