#pragma once

#include "image/settings_layout.h"

#include <cstdint>
#include <span>

namespace quorvex {

struct Configuration;

/// Sets every configuration field the settings block carries from its 390 bytes, each
/// brought inside its valid range (settings_fields.h). Without gate bytes (images of format
/// versions before 203) every dynamics block gets gate position 13 and slope 4. Fields the
/// block does not carry, and the delays (which the DSP blocks carry exactly), are left alone.
void DecodeSettingsBlock(std::span<const std::uint8_t, SettingsBlockSize> block, bool hasGates,
                         Configuration& config);

} // namespace quorvex
