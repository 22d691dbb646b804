#pragma once

#include "image/dsp_block.h"
#include "image/settings_layout.h"

#include <array>
#include <cstdint>

namespace quorvex {

struct Configuration;
struct EngineObjects;

inline constexpr int CoefficientImageSize = 2046;

/// The bytes one memory of the processor receives.
using CoefficientImage = std::array<std::uint8_t, CoefficientImageSize>;

// Layout of the image.
inline constexpr std::uint8_t ImageLengthHigh = 0x07; ///< 2044: the bytes after the first
inline constexpr std::uint8_t ImageLengthLow = 0xFC;  ///< two, less two
inline constexpr int ImageVersionOffset = 2;
inline constexpr std::uint8_t ImageFormatVersion = 0xCB; ///< 203
/// The first format version whose settings block carries the noise gates.
inline constexpr int FirstVersionWithGates = 203;
inline constexpr int ImageMarkerOffset = 4; ///< eight bytes 0x01
inline constexpr int ImageMarkerCount = 8;
inline constexpr std::uint8_t ImageMarkerByte = 0x01;
inline constexpr int SystemNameOffset = 12;
inline constexpr int SystemNameFieldSize = 40;
inline constexpr int ChannelNamesOffset = 52; ///< In1, In2, Out1..Out4, SUB1, SUB2
inline constexpr int ChannelNameFieldSize = 6;
inline constexpr int ChannelNameCount = 8;
inline constexpr int DspBlockOffsets[2] = {100, 874};
inline constexpr int SettingsBlockOffset = 1648;
inline constexpr int FillOffset = SettingsBlockOffset + SettingsBlockSize; ///< 2038
inline constexpr int FillEnd = 2044;                                       ///< last fill byte
inline constexpr std::uint8_t FillByte = 0x0D;
/// The last byte follows no rule of the format; it is always sent as 0x00 so that an
/// image never depends on what was built or loaded before it.
inline constexpr int LastByteOffset = 2045;
inline constexpr std::uint8_t LastByte = 0x00;
inline constexpr std::uint8_t NamePadByte = 0x20;

static_assert(DspBlockOffsets[1] == DspBlockOffsets[0] + DspBlockByteCount);
static_assert(SettingsBlockOffset == DspBlockOffsets[1] + DspBlockByteCount);
static_assert(LastByteOffset == CoefficientImageSize - 1);

/// Offset of channel name 0..7 (In1, In2, Out1, Out2, Out3, Out4, SUB1, SUB2).
constexpr int ChannelNameOffset(int index) {
    return ChannelNamesOffset + ChannelNameFieldSize * index;
}

/// The whole image of a configuration, with its engine objects designed from it.
/// Names are copied byte by byte and padded with blanks; a name longer than its field
/// (40 bytes for the system name, 6 for a channel) is cut at the field's end so that it
/// never runs into the next field.
CoefficientImage BuildCoefficientImage(const Configuration& config, const EngineObjects& objects);

/// The LONG value of the transfer: (byte 0 x 256 + byte 1) + 2, that is 2046 for a built
/// image.
int TransferLength(const CoefficientImage& image);

} // namespace quorvex
