#include "app/processor_links.h"

#include "link/libftdi_d2xx.h"
#include "link/serial_byte_link.h"
#include "link/usb_byte_link.h"

namespace quorvex {

namespace {

/// Holds the D2XX layer the USB link talks through, so that both live and die together.
struct LibFtdiHolder {
    LibFtdiD2xx D2xx;
};

class LibFtdiUsbLink : private LibFtdiHolder, public UsbByteLink {
public:
    LibFtdiUsbLink() : UsbByteLink(D2xx) {}
};

} // namespace

std::unique_ptr<ByteLink> MakeSerialLink(std::string portName, std::string path) {
    return std::make_unique<SerialByteLink>(std::move(portName), std::move(path));
}

std::unique_ptr<ByteLink> MakeUsbLink() {
    return std::make_unique<LibFtdiUsbLink>();
}

LinkFactory SystemLinks(PortMap ports) {
    return [ports = std::move(ports)](int state) -> std::unique_ptr<ByteLink> {
        if (state == UsbState) {
            return MakeUsbLink();
        }
        const std::string path = ports.PathOf(state);
        if (path.empty()) {
            return nullptr;
        }
        return MakeSerialLink("COM" + std::to_string(state), path);
    };
}

} // namespace quorvex
