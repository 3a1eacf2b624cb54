#pragma once

#include "link/Frame.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace kx {

class SerialPort;

// Holds what one poll read. Sized for the per-poll read limit, so a read can never run past it.
class ReceiveBuffer {
  public:
    static constexpr size_t kCapacity = 15000;

    ReceiveBuffer() : bytes_(kCapacity) {}

    const uint8_t* data() const { return bytes_.data(); }
    // Bytes read by the last poll; 0 when it found less than a frame waiting.
    size_t size() const { return size_; }

  private:
    friend std::optional<Frame> PollReceive(SerialPort& port, ReceiveBuffer& buffer);

    std::vector<uint8_t> bytes_;
    size_t size_ = 0;
};

// Once per tick: when a whole frame is waiting, reads everything queued (up to the buffer's
// capacity; the rest stays for the next poll) and returns the first kFrameSize bytes. Anything
// read beyond them is dropped on purpose: emptying the queue puts the next frame at the start of
// the next read, which is how the link falls back into step after noise or a lost byte.
// Returns nothing, and reads nothing, while fewer than kFrameSize bytes are waiting.
std::optional<Frame> PollReceive(SerialPort& port, ReceiveBuffer& buffer);

// A live-data telegram rather than an answer to a request.
inline bool IsMonitorFrame(const Frame& frame) {
    return frame[0] == kMonitorAnswer;
}

} // namespace kx
