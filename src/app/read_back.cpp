#include "app/read_back.h"

#include "app/dynamic_form.h"
#include "app/gains_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/program.h"
#include "app/system_info_form.h"
#include "app/xover_form.h"

namespace quorvex {

void ShowReadConfiguration(Program& program) {
    const Configuration& config = program.State().Config;
    program.SystemInfo().SystemNameChange(config.SystemInfo.SystemName);
    program.Main().SystemNameChange(config.SystemInfo.SystemName);
    program.Main().RefreshNamesAndRoutes();
    program.Gains().RefreshFromSettings();
    for (int output = 1; output <= OutputCount; ++output) {
        program.Xover().SelectOutput(output);
    }
    for (int block = DynamicsBlockCount; block >= 1; --block) {
        program.Dynamics().SelectBlock(block);
    }
    program.Peq().SelectOutput(1);
}

} // namespace quorvex
