#include "image/image_comparison.h"

#include "image/coefficient_image.h"

#include <algorithm>

namespace quorvex {

namespace {

int ByteAt(std::span<const std::uint8_t> image, std::size_t offset) {
    return offset < image.size() ? image[offset] : -1;
}

std::string Numbered(const char* part, int number) {
    return std::string(part) + std::to_string(number);
}

} // namespace

std::optional<ImageDifference> CompareImages(std::span<const std::uint8_t> sent,
                                             std::span<const std::uint8_t> readBack) {
    std::optional<ImageDifference> difference;
    const std::size_t length = std::max(sent.size(), readBack.size());
    for (std::size_t offset = 0; offset < length; ++offset) {
        const int was = ByteAt(sent, offset);
        const int is = ByteAt(readBack, offset);
        if (was == is) {
            continue;
        }
        if (!difference) {
            difference = ImageDifference{static_cast<int>(offset), was, is, 0};
        }
        ++difference->DifferingBytes;
    }
    return difference;
}

std::string ImagePartName(int offset) {
    if (offset < 0 || offset >= CoefficientImageSize) {
        return Numbered("byte ", offset) + " past the end";
    }
    if (offset < DspBlockOffsets[0]) {
        return Numbered("header byte ", offset);
    }
    for (int dsp = 1; dsp <= 2; ++dsp) {
        const int from = DspBlockOffsets[dsp - 1];
        if (offset < from + DspBlockByteCount) {
            return Numbered(dsp == 1 ? "DSP 1 word " : "DSP 2 word ",
                            (offset - from) / WordByteCount);
        }
    }
    if (offset < FillOffset) {
        return Numbered("settings byte ", offset - SettingsBlockOffset);
    }
    if (offset < LastByteOffset) {
        return Numbered("fill byte ", offset - FillOffset);
    }
    return "last byte";
}

} // namespace quorvex
