#include "link/real_time_sender.h"

#include "image/integer_word.h"
#include "image/real_time_word.h"

#include <algorithm>

namespace quorvex {

namespace {

// Pauses before each kind of message, in message-loop passes.
constexpr int PassesBeforeCoefficient = 101;
constexpr int PassesBeforeInteger = 201;
constexpr int PassesBeforeSection = 1501;

constexpr int LastAddress = 0xFFFF;
constexpr int LastSectionAddress = 0xFF;

std::uint8_t High(int value) {
    return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

std::uint8_t Low(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

RealTimeSender::RealTimeSender(TransferProtocol& protocol, MessageLoop& loop)
    : protocol_(protocol), loop_(loop) {}

bool RealTimeSender::Refused() {
    last_ = {};
    return false;
}

bool RealTimeSender::Send(int dsp, RealTimeMessageType type,
                          std::span<const std::uint8_t> payload) {
    // The pause runs the message loop, which may have started a transfer meanwhile.
    if (protocol_.Running()) {
        return Refused();
    }
    last_ = protocol_.SendRealTime(dsp, type, payload);
    return last_.Ok;
}

bool RealTimeSender::SendCoefficient(int dsp, int address, double value) {
    if (protocol_.Running() || address < 0 || address > LastAddress) {
        return Refused();
    }
    loop_.Run(PassesBeforeCoefficient);
    const WordBytes word = QuantiseForRealTime(value).Bytes;
    const std::array<std::uint8_t, 5> payload{High(address), Low(address), word[0], word[1],
                                              word[2]};
    return Send(dsp, RealTimeMessageType::Word, payload);
}

bool RealTimeSender::SendInteger(int dsp, int address, int value) {
    if (protocol_.Running() || address < 0 || address > LastAddress) {
        return Refused();
    }
    loop_.Run(PassesBeforeInteger);
    const WordBytes word = EncodeIntegerWord(value);
    const std::array<std::uint8_t, 5> payload{High(address), Low(address), word[0], word[1],
                                              word[2]};
    return Send(dsp, RealTimeMessageType::Word, payload);
}

bool RealTimeSender::SendSection(int dsp, int address,
                                 const std::array<long double, 5>& coefficients) {
    if (protocol_.Running() || address < 0 || address > LastSectionAddress) {
        return Refused();
    }
    loop_.Run(PassesBeforeSection);
    std::array<std::uint8_t, 17> payload{};
    payload[0] = 0x00;
    payload[1] = Low(address);
    auto at = payload.begin() + 2;
    for (long double coefficient : coefficients) {
        const WordBytes word = QuantiseForRealTime(coefficient).Bytes;
        at = std::copy(word.begin(), word.end(), at);
    }
    return Send(dsp, RealTimeMessageType::Section, payload);
}

} // namespace quorvex
