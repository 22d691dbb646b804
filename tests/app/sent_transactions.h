#pragma once

#include <cstdint>
#include <vector>

namespace quorvex::testing {

/// One send transaction as it went out: its command and memory number.
struct SentTransaction {
    int Command;
    int Number;
    bool operator==(const SentTransaction&) const = default;
};

/// The send transactions in `writes`: every START written alone, followed by the command
/// and the number written alone. Data blocks are written whole, so they never look like one;
/// a receive transaction's echoes start with two STARTs (the request and the echo of the
/// unit's BEGIN), and real-time frames with START and 0x12.
inline std::vector<SentTransaction>
SendTransactions(const std::vector<std::vector<std::uint8_t>>& writes) {
    constexpr std::uint8_t Start = 0x85;
    constexpr std::uint8_t RealTimeMark = 0x12;
    const auto isSingle = [&](std::size_t i, std::uint8_t byte) {
        return writes[i].size() == 1 && writes[i][0] == byte;
    };
    std::vector<SentTransaction> found;
    for (std::size_t i = 0; i + 2 < writes.size(); ++i) {
        const bool single =
            writes[i].size() == 1 && writes[i + 1].size() == 1 && writes[i + 2].size() == 1;
        const bool echo = i > 0 && isSingle(i - 1, Start);
        if (single && !echo && writes[i][0] == Start && writes[i + 1][0] != RealTimeMark &&
            writes[i + 1][0] != Start) {
            found.push_back({writes[i + 1][0], writes[i + 2][0]});
            i += 2;
        }
    }
    return found;
}

} // namespace quorvex::testing
