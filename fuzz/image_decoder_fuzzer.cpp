// Memory images as a unit may send them back: the read-back decoder, then the image the
// decoded configuration gives, which must decode to the same configuration again.

#include "configuration_checks.h"
#include "fuzz_check.h"

#include "config/configuration.h"
#include "config/new_configuration.h"
#include "config/qvx_encoder.h"
#include "engine/engine_objects.h"
#include "image/coefficient_image.h"
#include "image/image_decoder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quorvex::fuzz {
namespace {

Configuration AfterNewConfiguration() {
    Configuration config;
    NewConfiguration(config);
    return config;
}

QvxRecord Stored(const Configuration& config) {
    return EncodeConfigurationRecord(config, "");
}

CoefficientImage ImageOf(Configuration config) {
    EngineObjects objects;
    DesignAll(config, objects);
    return BuildCoefficientImage(config, objects);
}

void RequireWellFormed(const CoefficientImage& image) {
    Require(image[0] == ImageLengthHigh && image[1] == ImageLengthLow, "image length bytes");
    Require(image[ImageVersionOffset] == ImageFormatVersion, "image format version");
    Require(std::all_of(image.begin() + ImageMarkerOffset,
                        image.begin() + ImageMarkerOffset + ImageMarkerCount,
                        [](std::uint8_t byte) { return byte == ImageMarkerByte; }),
            "image marker bytes");
    Require(std::all_of(image.begin() + FillOffset, image.begin() + FillEnd + 1,
                        [](std::uint8_t byte) { return byte == FillByte; }),
            "image fill bytes");
    Require(image[LastByteOffset] == LastByte, "image last byte");
}

} // namespace
} // namespace quorvex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvex;
    using namespace quorvex::fuzz;
    static const Configuration afterNew = AfterNewConfiguration();
    static const QvxRecord afterNewStored = Stored(afterNew);

    Configuration decoded = afterNew;
    if (DecodeCoefficientImage({data, size}, decoded) == ImageDecodeResult::TooShort) {
        Require(Stored(decoded) == afterNewStored, "a short image changes nothing");
        return 0;
    }
    RequireUsableConfiguration(decoded);

    // What the image cannot carry (the gain of a bypassed band, say) is lost once; from then
    // on a Read of what was written writes the same image again.
    const CoefficientImage written = ImageOf(decoded);
    RequireWellFormed(written);
    Configuration readBack = afterNew;
    Require(DecodeCoefficientImage(written, readBack) == ImageDecodeResult::Decoded,
            "a built image decodes");
    RequireUsableConfiguration(readBack);
    Require(ImageOf(readBack) == written, "a written image reads back to the same image");
    return 0;
}
