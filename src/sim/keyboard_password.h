#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quorvex {

inline constexpr std::size_t PasswordLetterCount = 6;
inline constexpr std::size_t PasswordBlockSize = 7;

/// The password the unit's own keyboard asks for.
struct KeyboardPassword {
    std::array<char, PasswordLetterCount> Letters{}; ///< each 'A'..'Z'
    bool Active = false;

    std::string Text() const { return {Letters.begin(), Letters.end()}; }
};

/// Reads the seven-byte block of the password command: six letters 'A'..'Z', then 0x00
/// (password active) or 0xFF (not active). Any other block gives nothing, so a garbled
/// transfer never becomes a password nobody can type.
std::optional<KeyboardPassword> ParsePasswordBlock(std::span<const std::uint8_t> block);

/// Reads the one-byte block of the lock command: 0xFF locks, 0x00 unlocks, anything else
/// gives nothing.
std::optional<bool> ParseLockByte(std::span<const std::uint8_t> block);

} // namespace quorvex
