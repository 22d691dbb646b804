#include "link/verification_texts.h"

namespace quorvex {

namespace {

std::string Hex(int byte) {
    if (byte < 0) {
        return "nothing";
    }
    constexpr char Digits[] = "0123456789ABCDEF";
    const auto value = static_cast<unsigned>(byte) & 0xFFU;
    return {'0', 'x', Digits[value >> 4U], Digits[value & 0x0FU]};
}

} // namespace

std::string VerifiedText(int memory, int length) {
    return "Verify after Write: memory " + std::to_string(memory) + " holds the " +
           std::to_string(length) + " bytes sent.";
}

std::string VerifyMismatchText(int memory, const ImageDifference& difference) {
    const int count = difference.DifferingBytes;
    return "Verify after Write: memory " + std::to_string(memory) +
           " does not hold what was sent. It differs at " + ImagePartName(difference.Offset) +
           " (image byte " + std::to_string(difference.Offset) + ": sent " + Hex(difference.Sent) +
           ", read back " + Hex(difference.ReadBack) + "); " + std::to_string(count) +
           (count == 1 ? " byte differs." : " bytes differ.");
}

} // namespace quorvex
