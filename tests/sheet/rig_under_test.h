#pragma once

// A program over the fakes with a rig worth filing: an Out3 band, levels, a delay, a mute
// and a polarity set through the editors' own handlers.

#include "app/delay_fino_form.h"
#include "app/fakes.h"
#include "app/gains_form.h"
#include "app/peq_form.h"
#include "app/system_info_form.h"

namespace quorvex::testing {

struct RigUnderTest : ProgramHarness {
    RigUnderTest() {
        TPEQForm& peq = App.Peq();
        peq.SelectOutput(3);
        peq.SelectBand(2);
        peq.TipoFiltroComboChange(1); // "Parametric"
        peq.FrecEditExit("2500");
        peq.FilterGainEditExit("4.5");
        peq.QEditExit("2.0");
        App.Gains().GainEditEnter(1, "-3.5");
        App.Gains().MuteClick(2);
        App.Gains().InvClick(4);
        App.Delay().MsEditEnter(5, "1.00");
        App.SystemInfo().ProjectNameChange("Main hall");
        App.SystemInfo().CommentsChange("Left hang\r\nRight hang");
    }
};

} // namespace quorvex::testing
