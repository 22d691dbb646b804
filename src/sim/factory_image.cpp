#include "sim/factory_image.h"

#include "config/configuration.h"
#include "config/new_configuration.h"
#include "engine/engine_objects.h"
#include "image/coefficient_image.h"

#include <memory>

namespace quorvex {

namespace {

std::vector<std::uint8_t> BuildFactoryImage() {
    auto config = std::make_unique<Configuration>();
    auto objects = std::make_unique<EngineObjects>();
    NewConfiguration(*config);
    DesignAll(*config, *objects);
    const CoefficientImage image = BuildCoefficientImage(*config, *objects);
    return {image.begin(), image.end()};
}

} // namespace

const std::vector<std::uint8_t>& FactoryImage() {
    static const std::vector<std::uint8_t> image = BuildFactoryImage();
    return image;
}

} // namespace quorvex
