#pragma once

#include "link/notice.h"

namespace quorvex {

class Dialogs;

/// Shows a device operation's message boxes in order, each after its beep.
void ShowNotices(Dialogs& dialogs, const Notices& notices);

} // namespace quorvex
