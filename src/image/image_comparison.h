#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quorvex {

/// Where a memory's image read back first departs from the image that was sent.
struct ImageDifference {
    int Offset = 0;         ///< byte offset from the start of the image
    int Sent = -1;          ///< the byte sent there, -1 when the sent image is shorter
    int ReadBack = -1;      ///< the byte read back there, -1 when the read-back is shorter
    int DifferingBytes = 0; ///< every differing offset, a missing byte counting as one
};

/// Compares two images byte for byte; nothing when they are equal (same length, same bytes).
std::optional<ImageDifference> CompareImages(std::span<const std::uint8_t> sent,
                                             std::span<const std::uint8_t> readBack);

/// The part of the image a byte offset falls in, as a person names it: "header byte 2",
/// "DSP 1 word 17", "DSP 2 word 142", "settings byte 5", "fill byte 3", "last byte". Word
/// and byte numbers count from 0 within their part, as the word addresses do. Offsets past
/// the image's end are "byte 2046 past the end".
std::string ImagePartName(int offset);

} // namespace quorvex
