#include "app/read_back.h"

#include "app/delay_fino_form.h"
#include "app/dynamic_form.h"
#include "app/gains_form.h"
#include "app/main_form.h"
#include "app/peq_form.h"
#include "app/program.h"
#include "app/system_info_form.h"
#include "app/xover_form.h"
#include "config/delay_setting.h"

namespace quorvex {

namespace {

void ShowNames(Program& program) {
    const Configuration& config = program.Doc().Config;
    program.SystemInfo().SystemNameChange(config.SystemInfo.SystemName);
    program.Main().SystemNameChange(config.SystemInfo.SystemName);
    // The image carries the routes as they are, so they are shown without a further cycle.
    program.Main().RefreshNamesAndRoutes();
}

void ShowDelays(Program& program) {
    program.Delay().ApplyStoredDelays();
}

/// Selecting every band from the highest down brings each band's section and the output's
/// response up to date, and leaves band 1 selected.
void ShowEqualisers(Program& program) {
    for (int output = OutputCount; output >= 1; --output) {
        program.Peq().SelectOutput(output);
        for (int band = BandCountOf(output); band >= 1; --band) {
            program.Peq().SelectBand(band);
        }
    }
}

} // namespace

void ShowReadConfiguration(Program& program) {
    ShowNames(program);
    ShowDelays(program);
    program.Gains().RefreshFromSettings();
    for (int output = 1; output <= OutputCount; ++output) {
        program.Xover().SelectOutput(output);
    }
    for (int block = DynamicsBlockCount; block >= 1; --block) {
        program.Dynamics().SelectBlock(block);
    }
    ShowEqualisers(program);
    program.Main().ReimportSpeakerData();
}

} // namespace quorvex
