#include "link/Frame.h"

namespace kx {

uint8_t CheckByteFor(const uint8_t* frame) {
    uint8_t sum = 0;
    for (int i = 0; i < kFrameSize - 1; ++i)
        sum ^= frame[i];
    return uint8_t(~sum);
}

bool HasValidCheckByte(const uint8_t* frame) {
    uint8_t sum = 0xFF;
    for (int i = 0; i < kFrameSize; ++i)
        sum ^= frame[i];
    return sum == 0;
}

void SealFrame(Frame& frame) {
    frame[kFrameSize - 1] = CheckByteFor(frame.data());
}

} // namespace kx
