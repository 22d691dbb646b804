#include "config/crossover_setting.h"

#include "config/dimensions.h"

namespace quorvex {

CrossoverSetting DefaultCrossoverSetting(int output) {
    CrossoverSetting setting;
    const bool sub = IsSubOutput(output);
    setting.HighPass = CrossoverSection{sub ? 20.0 : 100.0, 2, 0};
    setting.LowPass =
        CrossoverSection{sub ? 480.0 : 5000.0, 2, static_cast<std::uint8_t>(sub ? 1 : 0)};
    return setting;
}

} // namespace quorvex
