#pragma once

#include <array>
#include <cstdint>

namespace kx {

// Every frame on the line, in both directions: command, 100 payload bytes, check byte.
constexpr int kFrameSize = 102;
constexpr int kPayloadSize = 100;
using Frame = std::array<uint8_t, kFrameSize>;

constexpr uint8_t kAnswerBit = 0x80; // an answer is its request's command with bit 7 set
constexpr uint8_t kReadBit = 0x40;   // read or verify: the unit sends its stored data
constexpr uint8_t kBlockMask = 0x3F; // block 0 information, 1 and 2 the device image
constexpr uint8_t kMonitorRequest = 0x30;
constexpr uint8_t kMonitorAnswer = 0xB0; // first byte of a monitor telegram

// The check byte makes the XOR of all 102 bytes 0xFF.
uint8_t CheckByteFor(const uint8_t* frame);
bool HasValidCheckByte(const uint8_t* frame);
// Fills in byte 101 of a frame whose bytes 0..100 are set.
void SealFrame(Frame& frame);

} // namespace kx
