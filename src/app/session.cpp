#include "app/session.h"

namespace quorvex {

Session::Session(Dialogs& dialogs, Progress& progress, MessageLoop& pump)
    : Ui(dialogs), ProgressWindow(progress), Messages(pump) {}

} // namespace quorvex
