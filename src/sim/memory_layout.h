#pragma once

#include "image/coefficient_image.h"
#include "image/dsp_address.h"

#include <cstddef>

// The unit's own numbering of its stores, and where a word of a DSP sits in a memory's image
// (the image's layout itself belongs to the image layer).

namespace quorvex::sim {

inline constexpr int FirstMemory = 1;
inline constexpr int LastMemory = 60;
inline constexpr int OperatingSystemMemory = 61; ///< the number that addresses the DSP program

inline constexpr std::size_t ImageSize = CoefficientImageSize;
inline constexpr std::size_t OperatingSystemSize = 2560; ///< 512 program words of five bytes

/// Real-time addresses 258..260 also reach the output gains of positions a, b and sub,
/// which the image keeps at OutputGainWord(1..3).
inline constexpr int RealTimeGainAlias = 258;
inline constexpr int OutputGainCount = 3;

/// True for the memories that hold coefficient images (1..60).
constexpr bool IsImageMemory(int number) {
    return number >= FirstMemory && number <= LastMemory;
}

/// Byte offset of word `word` (0..257) of DSP `dsp` (1 or 2) inside an image.
constexpr std::size_t WordOffset(int dsp, int word) {
    return static_cast<std::size_t>(DspBlockOffsets[dsp - 1] + word * WordByteCount);
}

} // namespace quorvex::sim
