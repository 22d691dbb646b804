#include "app/session.h"

namespace quorvex {

Session::Session(Dialogs& dialogs, Progress& progress, Pump& pump)
    : Ui(dialogs), ProgressWindow(progress), Messages(pump) {}

} // namespace quorvex
