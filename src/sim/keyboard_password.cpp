#include "sim/keyboard_password.h"

namespace quorvex {

namespace {

constexpr std::uint8_t ActiveMark = 0x00;
constexpr std::uint8_t InactiveMark = 0xFF;
constexpr std::uint8_t LockMark = 0xFF;
constexpr std::uint8_t UnlockMark = 0x00;

bool IsPasswordLetter(std::uint8_t byte) {
    return byte >= 'A' && byte <= 'Z';
}

} // namespace

std::optional<KeyboardPassword> ParsePasswordBlock(std::span<const std::uint8_t> block) {
    if (block.size() != PasswordBlockSize) {
        return std::nullopt;
    }
    const std::uint8_t mark = block[PasswordLetterCount];
    if (mark != ActiveMark && mark != InactiveMark) {
        return std::nullopt;
    }
    KeyboardPassword password;
    for (std::size_t i = 0; i < PasswordLetterCount; ++i) {
        if (!IsPasswordLetter(block[i])) {
            return std::nullopt;
        }
        password.Letters[i] = static_cast<char>(block[i]);
    }
    password.Active = mark == ActiveMark;
    return password;
}

std::optional<bool> ParseLockByte(std::span<const std::uint8_t> block) {
    if (block.size() != 1 || (block[0] != LockMark && block[0] != UnlockMark)) {
        return std::nullopt;
    }
    return block[0] == LockMark;
}

} // namespace quorvex
