#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kx {

// Why a port could not be opened, for a message that names the device and the reason.
enum class PortOpenFailure { None, InUse, NoPermission, NoSuchDevice, Other };

// The little the link needs of a serial port. The real one wraps QSerialPort; tests use an
// in-memory fake. Settings are fixed: 57600 baud, no parity, 8 data bits, 1 stop bit, no flow
// control, exclusive access.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens the device by its system name (COM5, /dev/ttyUSB0). On failure returns false and
    // leaves a reason in errorText(); every other call is then a harmless no-op.
    virtual bool open(const std::string& deviceName) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual std::string errorText() const = 0;
    // Why the last open failed; None after a successful one.
    virtual PortOpenFailure openFailure() const = 0;

    // Bytes received and not yet read. Clears line errors: they are not reported, a garbled frame
    // is rejected by its check byte instead.
    virtual size_t bytesWaiting() = 0;
    // Reads up to maxBytes of what is waiting, never blocking. Returns how many were read.
    virtual size_t read(uint8_t* buffer, size_t maxBytes) = 0;
    // Sends the bytes and returns once they have left the transmitter. Errors are not reported:
    // the exchange notices the missing answer.
    virtual void transmit(const uint8_t* data, size_t size) = 0;
    // True after the device went away while open (a pulled USB adapter): the port closed itself
    // and may be opened again once the device is back. A successful open clears it.
    virtual bool lost() const = 0;
};

} // namespace kx
