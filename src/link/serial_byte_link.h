#pragma once

#include "link/byte_link.h"
#include "link/port_map.h"

#include <QSerialPort>
#include <QTimer>

#include <deque>
#include <string>

class QEventLoop;

namespace quorvex {

/// A COM port of the processor on Qt SerialPort: 9600 8N1, no handshake, DTR low, polled
/// every 50 ms. Waits run the Qt event loop, so the program stays responsive and no core
/// spins. The port closes itself on the first read or resource error (a far end that hung
/// up would otherwise flood errors); the wait in progress then fails at once. A write
/// error ends the line the same way.
class SerialByteLink : public ByteLink {
public:
    /// `portName` is what the communication window shows ("COM3"), `devicePath` what is
    /// opened ("/dev/ttyS2", "/dev/pts/4", "COM3").
    SerialByteLink(std::string portName, std::string devicePath);
    /// COM `number` (1..4) where `ports` puts it, named "COM1" .. "COM4".
    SerialByteLink(const PortMap& ports, int number);
    ~SerialByteLink() override;
    SerialByteLink(const SerialByteLink&) = delete;
    SerialByteLink& operator=(const SerialByteLink&) = delete;

    TransportKind Kind() const override { return TransportKind::ComPort; }
    std::string PortName() const override { return portName_; }

    /// Fails with "COM Port already in use. Select another." when the port cannot be opened.
    LinkStatus Open() override;
    /// Hands what is still queued to the line (up to the output time-out), then closes.
    void Close() override;
    bool IsOpen() const override;
    bool Write(std::span<const std::uint8_t> bytes) override;
    Reply WaitForReply() override;

private:
    void ApplyLineSettings();
    void Poll();
    void OnError(QSerialPort::SerialPortError error);
    /// Runs the event loop until everything written has left Qt's buffer; false when no
    /// byte moved for the output time-out or the port failed.
    bool Drain();
    void WakeWait();

    std::string portName_;
    std::string devicePath_;
    QSerialPort port_;
    QTimer pollTimer_;
    std::deque<std::uint8_t> received_;
    bool failed_ = false;
    QEventLoop* activeWait_ = nullptr;
};

} // namespace quorvex
