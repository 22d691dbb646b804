#pragma once

#include <cstdint>
#include <vector>

namespace quorvex {

/// What a memory holds before anything was written to it: the image of a new configuration,
/// so that reading an unused memory gives the program its own defaults.
const std::vector<std::uint8_t>& FactoryImage();

} // namespace quorvex
