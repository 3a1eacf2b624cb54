#pragma once

#include "link/SerialPort.h"
#include "support/TelegramBytes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
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
        if (whenPolled)
            whenPolled();
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
        if (!open_)
            return;
        written_.emplace_back(data, data + size);
        if (unitVersion_ && size == 102)
            feedReceived(UnitAnswer(data));
    }

    // From now on a unit of this protocol version answers every request at once, as a unit that
    // keeps what it was programmed with and runs at unitRpm; 0 silences it again.
    void answerLikeUnit(uint8_t protocolVersion = 50) { unitVersion_ = protocolVersion; }
    // The unit's blocks 1 and 2 as last programmed, zero before.
    const uint8_t* unitImage() const { return unitImage_; }
    int unitRpm = 3000;
    // Called at every receive poll, that is once a tick.
    std::function<void()> whenPolled;

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
    Bytes UnitAnswer(const uint8_t* request) {
        const uint8_t command = request[0];
        if (command == 0x30)
            return LiveTelegram(unitRpm, 0);
        Bytes answer(102, 0);
        answer[0] = uint8_t(command | 0x80);
        const int block = command & 0x3F;
        if (block == 0) {
            answer[11] = unitVersion_; // byte 10 of the information block
        } else if (block <= 2) {
            uint8_t* held = unitImage_ + 100 * (block - 1);
            if (!(command & 0x40))
                std::copy_n(request + 1, 100, held);
            std::copy_n(held, 100, answer.begin() + 1);
        }
        return SealedFrame(answer);
    }

    uint8_t unitVersion_ = 0;
    uint8_t unitImage_[200]{};
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
