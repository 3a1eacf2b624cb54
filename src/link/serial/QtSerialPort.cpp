#include "link/serial/QtSerialPort.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <termios.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace kx {

namespace {

// A frame needs about 18 ms on the line; this only bounds a stuck driver.
constexpr int kWriteTimeoutMs = 1000;

// Qt reports a device held by another program and one the user may not open alike, as a
// permission error; the reason the user can act on differs.
PortOpenFailure ClassifyOpenFailure(QSerialPort::SerialPortError error,
                                    const std::string& deviceName) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return PortOpenFailure::NoSuchDevice;
    case QSerialPort::PermissionError: {
#ifdef Q_OS_UNIX
        // Where Qt looks for a bare name such as ttyUSB0.
        const std::string path = deviceName.rfind('/', 0) == 0 || deviceName.rfind('.', 0) == 0
                                     ? deviceName
                                     : "/dev/" + deviceName;
        if (::access(QFile::encodeName(QString::fromStdString(path)).constData(), R_OK | W_OK) !=
                0 &&
            errno == EACCES)
            return PortOpenFailure::NoPermission;
#else
        Q_UNUSED(deviceName);
#endif
        // Windows denies access to a port another program has open.
        return PortOpenFailure::InUse;
    }
    default:
        return PortOpenFailure::Other;
    }
}

} // namespace

QtSerialPort::QtSerialPort() {
    // A vanished device makes the driver fail every read at once, over and over. Closing the port
    // on the first such error ends that loop; the owner reopens it when the device is back.
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError error) {
                         const bool deviceGone = error == QSerialPort::ResourceError ||
                                                 error == QSerialPort::ReadError ||
                                                 error == QSerialPort::WriteError;
                         if (!deviceGone || !port_.isOpen())
                             return;
                         lost_ = true;
                         errorText_ = port_.errorString().toStdString();
                         port_.close();
                     });
}

QtSerialPort::~QtSerialPort() {
    close();
}

bool QtSerialPort::open(const std::string& deviceName) {
    close();
    errorText_.clear();
    port_.setPortName(QString::fromStdString(deviceName));
    // Set before opening so the line is configured as part of the open.
    port_.setBaudRate(QSerialPort::Baud57600);
    port_.setParity(QSerialPort::NoParity);
    port_.setDataBits(QSerialPort::Data8);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        // Kept here: clearError() in later polls would overwrite the port's own text.
        errorText_ = port_.errorString().toStdString();
        openFailure_ = ClassifyOpenFailure(port_.error(), deviceName);
        return false;
    }
    // Level shifters on common adapters expect the handshake lines raised. Pseudo-terminals and
    // some virtual ports have none; their refusal is no reason to give up the port.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    // Only now: a retry while the device is still away must leave the port marked lost, or the
    // owner would stop trying.
    lost_ = false;
    openFailure_ = PortOpenFailure::None;
    return true;
}

void QtSerialPort::close() {
    if (!port_.isOpen())
        return;
    // Drop what was never polled so a reopened port starts with an empty queue.
    port_.clear(QSerialPort::Input);
    port_.close();
    port_.clearError();
}

bool QtSerialPort::isOpen() const {
    return port_.isOpen();
}

std::string QtSerialPort::errorText() const {
    return errorText_;
}

size_t QtSerialPort::bytesWaiting() {
    if (!port_.isOpen())
        return 0;
    port_.clearError();
    const qint64 available = port_.bytesAvailable();
    return available > 0 ? static_cast<size_t>(available) : 0;
}

size_t QtSerialPort::read(uint8_t* buffer, size_t maxBytes) {
    if (!port_.isOpen() || maxBytes == 0)
        return 0;
    const qint64 got = port_.read(reinterpret_cast<char*>(buffer), static_cast<qint64>(maxBytes));
    return got > 0 ? static_cast<size_t>(got) : 0;
}

void QtSerialPort::transmit(const uint8_t* data, size_t size) {
    if (!port_.isOpen() || size == 0)
        return;
    port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    while (port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(kWriteTimeoutMs))
            break;
    }
    // Qt counts bytes as written once the driver holds them; callers rely on the frame being
    // out on the line when this returns.
#ifdef Q_OS_UNIX
    while (::tcdrain(port_.handle()) == -1 && errno == EINTR) {
    }
#endif
#ifdef Q_OS_WIN
    ::FlushFileBuffers(reinterpret_cast<HANDLE>(port_.handle()));
#endif
    port_.clearError();
}

} // namespace kx
