#include "link/serial_byte_link.h"

#include "link/device_messages.h"
#include "link/serial_settings.h"

#include <QEventLoop>

namespace quorvex {

SerialByteLink::SerialByteLink(std::string portName, std::string devicePath)
    : portName_(std::move(portName)), devicePath_(std::move(devicePath)) {
    pollTimer_.setInterval(SerialPollingPeriod);
    QObject::connect(&pollTimer_, &QTimer::timeout, &port_, [this] { Poll(); });
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { OnError(error); });
}

SerialByteLink::SerialByteLink(const PortMap& ports, int number)
    : SerialByteLink("COM" + std::to_string(number), ports.PathOf(number)) {}

SerialByteLink::~SerialByteLink() {
    pollTimer_.stop();
    if (port_.isOpen()) {
        port_.close();
    }
}

LinkStatus SerialByteLink::Open() {
    Close();
    failed_ = false;
    received_.clear();
    port_.setPortName(QString::fromStdString(devicePath_));
    if (!port_.open(QIODevice::ReadWrite)) {
        return LinkStatus::Failure(std::string(device_message::ComPortInUse));
    }
    ApplyLineSettings();
    port_.clear(QSerialPort::AllDirections);
    pollTimer_.start();
    return LinkStatus::Success();
}

void SerialByteLink::ApplyLineSettings() {
    port_.setBaudRate(SerialBaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    // Modem lines are optional: a pseudo-terminal or a three-wire adapter refuses them, and
    // the processor does not look at them.
    port_.setDataTerminalReady(false);
    port_.clearError();
    port_.setReadBufferSize(SerialInputBufferSize);
}

void SerialByteLink::Close() {
    pollTimer_.stop();
    if (!port_.isOpen()) {
        return;
    }
    if (!failed_) {
        Drain();
    }
    port_.close();
}

bool SerialByteLink::IsOpen() const {
    return port_.isOpen() && !failed_;
}

bool SerialByteLink::Write(std::span<const std::uint8_t> bytes) {
    if (!IsOpen()) {
        return false;
    }
    if (port_.bytesToWrite() + static_cast<qint64>(bytes.size()) > SerialOutputBufferSize &&
        !Drain()) {
        return false;
    }
    const qint64 taken =
        port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (taken != static_cast<qint64>(bytes.size())) {
        return false;
    }
    return Drain();
}

bool SerialByteLink::Drain() {
    port_.flush();
    while (port_.isOpen() && !failed_ && port_.bytesToWrite() > 0) {
        const qint64 before = port_.bytesToWrite();
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&port_, &QSerialPort::bytesWritten, &loop, &QEventLoop::quit);
        QObject::connect(&port_, &QSerialPort::errorOccurred, &loop, &QEventLoop::quit);
        limit.start(SerialOutputTimeout);
        loop.exec();
        if (port_.isOpen() && port_.bytesToWrite() >= before) {
            return false;
        }
    }
    return port_.isOpen() && !failed_;
}

Reply SerialByteLink::WaitForReply() {
    if (received_.empty() && IsOpen()) {
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit.start(SerialReplyTimeout);
        activeWait_ = &loop;
        loop.exec();
        activeWait_ = nullptr;
    }
    if (!received_.empty()) {
        const std::uint8_t byte = received_.front();
        received_.pop_front();
        return {Reply::Outcome::Byte, byte, {}};
    }
    if (failed_ || !port_.isOpen()) {
        Close();
        return {Reply::Outcome::Failed, 0, {}};
    }
    return {Reply::Outcome::TimedOut, 0, {}};
}

void SerialByteLink::Poll() {
    if (!port_.isOpen()) {
        return;
    }
    const QByteArray chunk = port_.read(SerialInputBufferSize);
    if (chunk.isEmpty()) {
        return;
    }
    for (char byte : chunk) {
        received_.push_back(static_cast<std::uint8_t>(byte));
    }
    WakeWait();
}

void SerialByteLink::OnError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ReadError && error != QSerialPort::WriteError &&
        error != QSerialPort::ResourceError) {
        return;
    }
    // The port is closed outside the signal, by whoever uses it next.
    failed_ = true;
    pollTimer_.stop();
    WakeWait();
}

void SerialByteLink::WakeWait() {
    if (activeWait_ != nullptr) {
        activeWait_->quit();
    }
}

} // namespace quorvex
