#include "app/device_connection.h"

#include "app/pump.h"

namespace quorvex {

void PumpMessageLoop::Run(int passes) {
    pump_.Run(passes);
}

DeviceConnection::DeviceConnection(std::unique_ptr<ByteLink> link, CommunicationWindow& window,
                                   MessageLoop& loop)
    : link_(std::move(link)), operations_(*link_, window, loop),
      sender_(operations_.Protocol(), loop) {}

} // namespace quorvex
