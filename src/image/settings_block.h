#pragma once

#include "image/settings_layout.h"

#include <array>
#include <cstdint>

namespace quorvex {

struct Configuration;

using SettingsBlockBytes = std::array<std::uint8_t, SettingsBlockSize>;

/// The 390-byte settings block of a configuration: what a read-back needs to rebuild the
/// editable settings (bands, crossovers, levels, delays, dynamics, speaker data, sub feed,
/// routes, relative distances, noise gates). Layout in settings_layout.h.
SettingsBlockBytes BuildSettingsBlock(const Configuration& config);

} // namespace quorvex
