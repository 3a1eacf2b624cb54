#include "link/ReceivePoll.h"

#include "link/SerialPort.h"

#include <algorithm>

namespace kx {

std::optional<Frame> PollReceive(SerialPort& port, ReceiveBuffer& buffer) {
    buffer.size_ = 0;
    const size_t waiting = port.bytesWaiting();
    if (waiting < static_cast<size_t>(kFrameSize))
        return std::nullopt;

    const size_t wanted = std::min(waiting, ReceiveBuffer::kCapacity);
    buffer.size_ = std::min(port.read(buffer.bytes_.data(), wanted), wanted);
    // A port that delivers less than it announced leaves no whole frame to interpret.
    if (buffer.size_ < static_cast<size_t>(kFrameSize))
        return std::nullopt;

    Frame frame;
    std::copy_n(buffer.bytes_.begin(), kFrameSize, frame.begin());
    return frame;
}

} // namespace kx
