#pragma once

#include <cstdint>
#include <span>

// The numbers of the settings block: bytes and 16-bit words (high byte first) at fixed
// offsets. Values that do not fit are limited to the nearer end of the field's range, so
// that a value never comes back as a small number of the other sign.

namespace quorvex {

/// Writes an unsigned byte (0..255) at `offset`.
void PutSettingsByte(std::span<std::uint8_t> block, int offset, std::int32_t value);

/// Writes a signed byte (-128..127, two's complement) at `offset`.
void PutSignedSettingsByte(std::span<std::uint8_t> block, int offset, std::int32_t value);

/// Writes an unsigned 16-bit word (0..65535), high byte first, at `offset` and `offset` + 1.
void PutSettingsWord(std::span<std::uint8_t> block, int offset, std::int32_t value);

/// The byte at `offset` read as unsigned (0..255).
std::int32_t SettingsByteAt(std::span<const std::uint8_t> block, int offset);

/// The byte at `offset` read as signed (-128..127).
std::int32_t SignedSettingsByteAt(std::span<const std::uint8_t> block, int offset);

/// The word at `offset`, high byte first (0..65535).
std::int32_t SettingsWordAt(std::span<const std::uint8_t> block, int offset);

} // namespace quorvex
