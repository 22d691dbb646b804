#include "link/password_block.h"

namespace quorvex {

namespace {

constexpr std::uint8_t ActiveByte = 0x00;
constexpr std::uint8_t InactiveByte = 0xFF;

} // namespace

std::optional<PasswordBlock> MakePasswordBlock(std::string_view letters, bool active) {
    if (letters.size() != KeyboardPasswordLength) {
        return std::nullopt;
    }
    PasswordBlock block{};
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i] < 'A' || letters[i] > 'Z') {
            return std::nullopt;
        }
        block[i] = static_cast<std::uint8_t>(letters[i]);
    }
    block[KeyboardPasswordLength] = active ? ActiveByte : InactiveByte;
    return block;
}

} // namespace quorvex
