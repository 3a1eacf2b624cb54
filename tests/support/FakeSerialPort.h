#pragma once

#include "link/SerialPort.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace kx {

// In-memory serial port: the test queues what the unit "sent" and inspects what was transmitted.
// Like the real port, a closed or failed port reads nothing and transmits nowhere.
class FakeSerialPort : public SerialPort {
  public:
    using Bytes = std::vector<uint8_t>;

    bool open(const std::string& deviceName) override {
        ++opens_;
        deviceName_ = deviceName;
        open_ = !failOpen_;
        lost_ = lost_ && !open_;
        errorText_ = open_ ? std::string() : "cannot open " + deviceName;
        openFailure_ = open_ ? PortOpenFailure::None : failReason_;
        return open_;
    }
    void close() override {
        ++closes_;
        open_ = false;
    }
    bool isOpen() const override { return open_; }
    std::string errorText() const override { return errorText_; }
    PortOpenFailure openFailure() const override { return openFailure_; }

    size_t bytesWaiting() override {
        ++statusQueries_;
        return open_ ? received_.size() : 0;
    }
    size_t read(uint8_t* buffer, size_t maxBytes) override {
        lastReadRequest_ = maxBytes;
        if (!open_)
            return 0;
        const size_t count = std::min(maxBytes, received_.size());
        std::copy_n(received_.begin(), count, buffer);
        received_.erase(received_.begin(), received_.begin() + static_cast<std::ptrdiff_t>(count));
        return count;
    }
    void transmit(const uint8_t* data, size_t size) override {
        if (open_)
            written_.emplace_back(data, data + size);
    }

    // Bytes arriving from the unit; they wait until read, open or not.
    void feedReceived(const Bytes& bytes) {
        received_.insert(received_.end(), bytes.begin(), bytes.end());
    }
    size_t queuedBytes() const { return received_.size(); }

    // One entry per transmit() on an open port.
    const std::vector<Bytes>& writtenFrames() const { return written_; }
    void clearWritten() { written_.clear(); }

    bool lost() const override { return lost_; }
    // The device vanishes: the port closes itself and later opens fail until plugInAgain().
    void pullCable() {
        open_ = false;
        lost_ = true;
        failOpen_ = true;
    }
    void plugInAgain() { failOpen_ = false; }

    // Makes later opens fail, for the reason given.
    void failOpen(bool fail, PortOpenFailure reason = PortOpenFailure::NoSuchDevice) {
        failOpen_ = fail;
        failReason_ = reason;
    }

    int openCount() const { return opens_; }
    int closeCount() const { return closes_; }
    const std::string& lastDeviceName() const { return deviceName_; }
    int statusQueries() const { return statusQueries_; }
    // maxBytes of the last read() call; 0 if read was never called.
    size_t lastReadRequest() const { return lastReadRequest_; }

  private:
    std::deque<uint8_t> received_;
    std::vector<Bytes> written_;
    std::string deviceName_;
    std::string errorText_;
    bool open_ = false;
    bool failOpen_ = false;
    PortOpenFailure failReason_ = PortOpenFailure::NoSuchDevice;
    PortOpenFailure openFailure_ = PortOpenFailure::None;
    bool lost_ = false;
    int opens_ = 0;
    int closes_ = 0;
    int statusQueries_ = 0;
    size_t lastReadRequest_ = 0;
};

} // namespace kx
