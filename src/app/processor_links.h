#pragma once

#include "app/device_connection.h"
#include "link/port_map.h"

namespace quorvex {

/// The links of a real computer: COM1..COM4 are the serial ports `ports` points them at,
/// USB is the first FTDI device through libftdi.
LinkFactory SystemLinks(PortMap ports);

/// One link to a serial port: `portName` is shown ("COM3", or the path itself), `path`
/// opened.
std::unique_ptr<ByteLink> MakeSerialLink(std::string portName, std::string path);

/// The processor's USB interface through libftdi.
std::unique_ptr<ByteLink> MakeUsbLink();

} // namespace quorvex
