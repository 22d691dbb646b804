#include "app/device_connection.h"

#include "app/change_signal.h"
#include "link/message_loop.h"

namespace quorvex {

void AnnouncingLoop::Run(int passes) {
    // A transfer runs inside one handler; without this its windows would only follow it
    // once it is over.
    DeliverPendingChanges();
    loop_.Run(passes);
}

DeviceConnection::DeviceConnection(std::unique_ptr<ByteLink> link, CommunicationWindow& window,
                                   MessageLoop& loop, ProcessorConnection& processor)
    : link_(std::move(link)), operations_(*link_, window, loop),
      sender_(operations_.Protocol(), loop), sink_(sender_, processor) {}

} // namespace quorvex
