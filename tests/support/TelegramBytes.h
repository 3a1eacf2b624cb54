#pragma once

#include <cstdint>
#include <vector>

namespace kx {

// Fills in the check byte so that all 102 bytes XOR to 0xFF.
inline std::vector<uint8_t> SealedFrame(std::vector<uint8_t> frame) {
    uint8_t sum = 0xFF;
    for (int i = 0; i < 101; ++i)
        sum ^= frame[i];
    frame[101] = sum;
    return frame;
}

// A live telegram from a unit of protocol version 50. The offsets are written out here rather
// than taken from the decoder, so a wrong offset there is caught.
inline std::vector<uint8_t> LiveTelegram(int rpm, int tpsPercent, int tpsRaw = 0) {
    std::vector<uint8_t> t(102, 0);
    t[0] = 0xB0;
    t[1] = uint8_t(rpm);
    t[2] = uint8_t(rpm >> 8);
    t[3] = uint8_t(tpsRaw);
    t[4] = uint8_t(tpsRaw >> 8);
    t[41] = uint8_t(tpsPercent);
    t[100] = 50;
    return SealedFrame(t);
}

} // namespace kx
