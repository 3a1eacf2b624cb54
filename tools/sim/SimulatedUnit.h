#pragma once

#include "config/ConfigBlock.h"
#include "link/Frame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace kx::sim {

// The unit stores a new configuration item by item; the monitor reports what is left.
constexpr uint16_t kSaveItems = 414;
constexpr uint64_t kSaveDurationMs = 2000;

// A pause this long inside a request means the rest of it was lost; the bytes so far are dropped.
constexpr uint64_t kRequestGapMs = 50;

// Payload offset that a bad echo alters.
constexpr int kBadEchoOffset = 37;

// Faults and variants the simulated unit can show. Zero counters mean "never".
struct UnitOptions {
    uint8_t protocolVersion = 50;
    int dropEvery = 0;    // leave out every Nth answer
    int corruptEvery = 0; // flip the check byte of every Nth answer
    int badEchoBlock = 0; // 1 or 2: echo that program block with one byte changed
    bool silent = false;  // take requests, never answer
};

// What became of the last request, for the log.
enum class Fate { Answered, BadCheckByte, UnknownCommand, Silent, Dropped, Corrupted, BadEcho };
const char* FateName(Fate fate);

// The commands the unit understands.
bool IsKnownRequest(uint8_t command);

// Cuts the received byte stream into requests. A 102-byte block with a bad check byte or an
// unknown command throws away everything buffered, so the next request starts on a frame
// boundary again; so does a pause inside a request.
class RequestAssembler {
  public:
    std::vector<Frame> Feed(const uint8_t* data, size_t size, uint64_t nowMs);
    size_t Buffered() const { return buffer_.size(); }
    size_t DroppedBytes() const { return dropped_; }

  private:
    std::vector<uint8_t> buffer_;
    uint64_t lastByteMs_ = 0;
    size_t dropped_ = 0;
};

// The unit's side of the request table, without any line. Times are milliseconds on a steady
// clock; they drive the engine and the saving countdown.
class SimulatedUnit {
  public:
    explicit SimulatedUnit(const UnitOptions& options, const ConfigBlock& record = StartupBlock());

    // The answer to one whole request, or nothing (garbled request, unknown command, silence,
    // dropped answer).
    std::optional<Frame> Answer(const Frame& request, uint64_t nowMs);
    Fate LastFate() const { return fate_; }

    // Bytes 0..199 are the device image; the spare bytes are kept for the image file.
    const ConfigBlock& Record() const { return record_; }
    uint16_t ProgramCount() const { return programCount_; }
    uint16_t SaveCountdown(uint64_t nowMs) const;
    // True once after each stored program block.
    bool TakeImageChanged();

    // The information block: firmware name, number, build date and time, protocol version, text.
    std::array<uint8_t, kPayloadSize> InfoPayload() const;

  private:
    std::optional<Frame> Reply(const Frame& request, uint64_t nowMs);

    UnitOptions options_;
    ConfigBlock record_;
    uint16_t programCount_ = 0;
    bool saving_ = false;
    uint64_t saveStartMs_ = 0;
    bool imageChanged_ = false;
    uint64_t answerCount_ = 0;
    Fate fate_ = Fate::Answered;
};

} // namespace kx::sim
