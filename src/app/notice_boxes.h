#pragma once

#include "link/notice.h"

namespace quorvex {

struct Session;

/// Shows a device operation's message boxes in order, each after its beep.
void ShowNotices(Session& session, const Notices& notices);

} // namespace quorvex
