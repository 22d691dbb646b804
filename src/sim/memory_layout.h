#pragma once

#include <cstddef>

// What the processor's memories hold, as far as the unit itself needs to know it: the size of
// an image, where each DSP's coefficient words sit inside it and the operating-system store.

namespace quorvex::sim {

inline constexpr int FirstMemory = 1;
inline constexpr int LastMemory = 60;
inline constexpr int OperatingSystemMemory = 61; ///< the number that addresses the DSP program

inline constexpr std::size_t ImageSize = 2046;           ///< bytes of one memory
inline constexpr std::size_t OperatingSystemSize = 2560; ///< 512 program words of five bytes

inline constexpr std::size_t BytesPerWord = 3;
inline constexpr int WordsPerDspBlock = 258;
inline constexpr std::size_t Dsp1BlockOffset = 100;
inline constexpr std::size_t Dsp2BlockOffset = 874;

/// Word addresses where the real-time path writes the output gains (a, b, sub); the image
/// keeps the same three values at the last three words of the block.
inline constexpr int RealTimeGainAddress = 258;
inline constexpr int ImageGainWord = 255;
inline constexpr int OutputGainCount = 3;

/// True for the memories that hold coefficient images (1..60).
constexpr bool IsImageMemory(int number) {
    return number >= FirstMemory && number <= LastMemory;
}

/// Byte offset of word `word` (0..257) of DSP `dsp` (1 or 2) inside an image.
constexpr std::size_t WordOffset(int dsp, int word) {
    return (dsp == 1 ? Dsp1BlockOffset : Dsp2BlockOffset) +
           static_cast<std::size_t>(word) * BytesPerWord;
}

} // namespace quorvex::sim
