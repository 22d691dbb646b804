#include "config/configuration.h"

namespace quorvex {

Configuration::Configuration() {
    for (int output = 1; output <= OutputCount; ++output) {
        OutputChannel& channel = Output(output);
        channel.BandCount = BandCountOf(output);
        channel.Crossover = DefaultCrossoverSetting(output);
    }
    for (int block = 1; block <= DynamicsBlockCount; ++block) {
        Block(block) = DefaultDynamicsSetting(block);
    }
}

} // namespace quorvex
