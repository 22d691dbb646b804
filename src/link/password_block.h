#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvex {

inline constexpr int KeyboardPasswordLength = 6;

/// The data of command 6: the six password letters ('A'..'Z') and the active byte, 0x00
/// when the password is active and 0xFF when it is not.
using PasswordBlock = std::array<std::uint8_t, KeyboardPasswordLength + 1>;

/// The block of a password; nothing unless `letters` is six letters 'A'..'Z'.
std::optional<PasswordBlock> MakePasswordBlock(std::string_view letters, bool active);

} // namespace quorvex
