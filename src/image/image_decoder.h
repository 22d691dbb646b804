#pragma once

#include <cstdint>
#include <span>

namespace quorvex {

struct Configuration;

/// Outcome of rebuilding a configuration from an image read back from the processor.
enum class ImageDecodeResult {
    Decoded,  ///< the configuration holds what the image carries
    TooShort, ///< fewer bytes than the image's settings block needs; nothing was changed
};

/// Rebuilds from the bytes of a memory read back: the system name and the eight channel
/// names (40 and 6 bytes, blanks included), every field the settings block carries, and
/// each output's delay from its delay word in the DSP blocks (exact, unlike the settings
/// block). Any byte pattern gives values inside their valid ranges. Bytes after the
/// settings block are not needed and not read. The caller resets the configuration first;
/// fields the image does not carry keep their values. On TooShort the configuration is
/// left untouched.
ImageDecodeResult DecodeCoefficientImage(std::span<const std::uint8_t> bytes,
                                         Configuration& config);

} // namespace quorvex
