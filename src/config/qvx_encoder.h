#pragma once

#include "config/qvx_layout.h"

#include <string_view>

namespace quorvex {

struct Configuration;

/// The 2688-byte file record of a configuration. `path` is the full path chosen for the file;
/// the header holds "Tessaline S.A. Quorvex2.1.0.1" and the path, cut to 100 characters.
/// Texts are cut to their capacity; route factors and sub-feed coefficients are stored as
/// round(10 x value), gate position and slope rounded, crossover frequencies and the RMS
/// coefficient as singles. Every byte no field uses is zero. GainDb is not stored (GainFactor
/// carries the level); SampleRate and BandsInUse are written as held.
QvxRecord EncodeConfigurationRecord(const Configuration& config, std::string_view path);

} // namespace quorvex
