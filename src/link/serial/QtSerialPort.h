#pragma once

#include "link/SerialPort.h"

#include <QSerialPort>

namespace kx {

// The serial port on the real line. Received bytes are collected by Qt's event loop, so the
// owner must keep one running (the window's and the command-line tool's do); bytesWaiting()
// reports what has been collected so far.
class QtSerialPort : public SerialPort {
  public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool open(const std::string& deviceName) override;
    void close() override;
    bool isOpen() const override;
    std::string errorText() const override;
    PortOpenFailure openFailure() const override { return openFailure_; }
    size_t bytesWaiting() override;
    size_t read(uint8_t* buffer, size_t maxBytes) override;
    void transmit(const uint8_t* data, size_t size) override;
    bool lost() const override { return lost_; }

  private:
    QSerialPort port_;
    std::string errorText_;
    PortOpenFailure openFailure_ = PortOpenFailure::None;
    bool lost_ = false;
};

} // namespace kx
