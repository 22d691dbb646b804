#pragma once

#include <array>

namespace quorvex {

inline constexpr int GridPointCount = 401;
inline constexpr int GridLastIndex = GridPointCount - 1; ///< every loop runs to it, inclusive
inline constexpr int ResponseCapacity = 513;

/// Magnitude (dB, 0 = unity) and phase (radians, not wrapped) over the response grid.
/// Room for 513 entries; indices 0..400 are used.
struct FrequencyResponse {
    std::array<float, ResponseCapacity> Magnitude{};
    std::array<float, ResponseCapacity> Phase{};
};

} // namespace quorvex
