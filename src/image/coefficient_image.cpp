#include "image/coefficient_image.h"

#include "config/configuration.h"
#include "image/settings_block.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace quorvex {

namespace {

using Iterator = CoefficientImage::iterator;

Iterator At(CoefficientImage& image, int offset) {
    return image.begin() + static_cast<std::ptrdiff_t>(offset);
}

void PutName(CoefficientImage& image, int offset, int fieldSize, const std::string& name) {
    const auto length = std::min(name.size(), static_cast<std::size_t>(fieldSize));
    const Iterator field = At(image, offset);
    std::transform(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(length), field,
                   [](char c) { return static_cast<std::uint8_t>(c); });
    std::fill(field + static_cast<std::ptrdiff_t>(length), field + fieldSize, NamePadByte);
}

void PutHeader(CoefficientImage& image, const Configuration& config) {
    image[0] = ImageLengthHigh;
    image[1] = ImageLengthLow;
    image[ImageVersionOffset] = ImageFormatVersion;
    image[3] = 0x00;
    std::fill_n(At(image, ImageMarkerOffset), ImageMarkerCount, ImageMarkerByte);
    PutName(image, SystemNameOffset, SystemNameFieldSize, config.SystemInfo.SystemName);
    for (int index = 0; index < InputCount; ++index) {
        PutName(image, ChannelNameOffset(index), ChannelNameFieldSize,
                config.InputNames[static_cast<std::size_t>(index)]);
    }
    for (int index = 0; index < OutputCount; ++index) {
        PutName(image, ChannelNameOffset(InputCount + index), ChannelNameFieldSize,
                config.OutputNames[static_cast<std::size_t>(index)]);
    }
}

} // namespace

CoefficientImage BuildCoefficientImage(const Configuration& config, const EngineObjects& objects) {
    CoefficientImage image{};
    PutHeader(image, config);
    for (int dsp = 1; dsp <= DspCount; ++dsp) {
        const DspBlockBytes block = BuildDspBlock(config, objects, dsp);
        std::copy(block.begin(), block.end(),
                  At(image, DspBlockOffsets[static_cast<std::size_t>(dsp - 1)]));
    }
    const SettingsBlockBytes settings = BuildSettingsBlock(config);
    std::copy(settings.begin(), settings.end(), At(image, SettingsBlockOffset));
    std::fill(At(image, FillOffset), At(image, FillEnd + 1), FillByte);
    image[LastByteOffset] = LastByte;
    return image;
}

int TransferLength(const CoefficientImage& image) {
    return image[0] * 256 + image[1] + 2;
}

} // namespace quorvex
