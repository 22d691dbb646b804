#include "image/image_decoder.h"

#include "config/configuration.h"
#include "image/coefficient_image.h"
#include "image/integer_word.h"
#include "image/settings_block_decoder.h"
#include "image/settings_fields.h"

#include <cstddef>
#include <string>
#include <utility>

namespace quorvex {

namespace {

using Bytes = std::span<const std::uint8_t>;

std::string NameAt(Bytes bytes, int offset, int fieldSize) {
    const Bytes field =
        bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(fieldSize));
    return {field.begin(), field.end()};
}

void ReadNames(Bytes bytes, Configuration& config) {
    config.SystemInfo.SystemName = NameAt(bytes, SystemNameOffset, SystemNameFieldSize);
    for (int index = 0; index < InputCount; ++index) {
        config.InputNames[static_cast<std::size_t>(index)] =
            NameAt(bytes, ChannelNameOffset(index), ChannelNameFieldSize);
    }
    for (int index = 0; index < OutputCount; ++index) {
        config.OutputNames[static_cast<std::size_t>(index)] =
            NameAt(bytes, ChannelNameOffset(InputCount + index), ChannelNameFieldSize);
    }
}

WordBytes WordAt(Bytes bytes, int dsp, int address) {
    const auto offset = static_cast<std::size_t>(
        DspBlockOffsets[static_cast<std::size_t>(dsp - 1)] + address * WordByteCount);
    return {bytes[offset], bytes[offset + 1], bytes[offset + 2]};
}

void ReadDelays(Bytes bytes, Configuration& config) {
    for (int dsp = 1; dsp <= DspCount; ++dsp) {
        for (int position = 1; position <= 3; ++position) {
            const std::int32_t word = IntegerWordValue(WordAt(bytes, dsp, DelayWord(position)));
            config.Output(OutputAt(dsp, position)).Delay.DelaySamples = DelayFromDelayWord(word);
        }
    }
}

} // namespace

ImageDecodeResult DecodeCoefficientImage(std::span<const std::uint8_t> bytes,
                                         Configuration& config) {
    if (bytes.size() < static_cast<std::size_t>(FillOffset)) {
        return ImageDecodeResult::TooShort;
    }
    // Rebuilt in a copy, so that the configuration changes all at once or not at all.
    Configuration decoded = config;
    ReadNames(bytes, decoded);
    const bool hasGates = bytes[ImageVersionOffset] >= FirstVersionWithGates;
    DecodeSettingsBlock(bytes.subspan<SettingsBlockOffset, SettingsBlockSize>(), hasGates, decoded);
    ReadDelays(bytes, decoded);
    config = std::move(decoded);
    return ImageDecodeResult::Decoded;
}

} // namespace quorvex
