#include "image/settings_number.h"

#include <algorithm>
#include <cstddef>

namespace quorvex {

namespace {

std::size_t At(int offset) {
    return static_cast<std::size_t>(offset);
}

} // namespace

void PutSettingsByte(std::span<std::uint8_t> block, int offset, std::int32_t value) {
    block[At(offset)] = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

void PutSignedSettingsByte(std::span<std::uint8_t> block, int offset, std::int32_t value) {
    const auto limited = static_cast<std::int8_t>(std::clamp(value, -128, 127));
    block[At(offset)] = static_cast<std::uint8_t>(limited);
}

void PutSettingsWord(std::span<std::uint8_t> block, int offset, std::int32_t value) {
    const auto n = static_cast<std::uint32_t>(std::clamp(value, 0, 0xFFFF));
    block[At(offset)] = static_cast<std::uint8_t>(n >> 8);
    block[At(offset + 1)] = static_cast<std::uint8_t>(n & 0xFFU);
}

std::int32_t SettingsByteAt(std::span<const std::uint8_t> block, int offset) {
    return block[At(offset)];
}

std::int32_t SignedSettingsByteAt(std::span<const std::uint8_t> block, int offset) {
    return static_cast<std::int8_t>(block[At(offset)]);
}

std::int32_t SettingsWordAt(std::span<const std::uint8_t> block, int offset) {
    return (block[At(offset)] << 8) | block[At(offset + 1)];
}

} // namespace quorvex
