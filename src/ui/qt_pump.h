#pragma once

#include "link/message_loop.h"

namespace quorvex {

/// Lets the Qt application handle what is pending, `times` times over. Before each pass the
/// models' pending announcements are delivered, so the windows show the texts a long
/// operation has just set.
class QtPump : public MessageLoop {
public:
    void Run(int times) override;
};

} // namespace quorvex
