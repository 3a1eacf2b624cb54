#pragma once

#include "config/ConfigBlock.h"
#include "link/Frame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kx::sim {

// The unit stores a new configuration item by item; the monitor reports what is left.
constexpr uint16_t kSaveItems = 414;
constexpr uint64_t kSaveDurationMs = 2000;

// A pause this long inside a request means the rest of it was lost; the bytes so far are dropped.
constexpr uint64_t kRequestGapMs = 50;

// Payload offset that a bad echo alters.
constexpr int kBadEchoOffset = 37;

// Faults of the random mix, each with the name the command line uses for it.
enum class RandomFault { Drop, Corrupt, Stray, Delay, BadEcho };
constexpr int kRandomFaultCount = 5;
const char* RandomFaultName(RandomFault fault);
// A comma-separated list of fault names as a bit set (bit n = RandomFault n); nothing when a
// name is unknown or the list is empty.
std::optional<unsigned> ParseRandomFaults(const std::string& list);
constexpr unsigned kAllRandomFaults = (1u << kRandomFaultCount) - 1;

// How long a randomly delayed answer waits, and how much junk a random stray-bytes fault sends:
// from a little to well past the tool's repeat period.
constexpr int kRandomDelayMinMs = 40;
constexpr int kRandomDelayMaxMs = 600;
constexpr int kRandomStrayMax = 12;

// Faults and variants the simulated unit can show. Zero counters mean "never".
struct UnitOptions {
    uint8_t protocolVersion = 50;
    int dropEvery = 0;    // leave out every Nth answer
    int corruptEvery = 0; // flip the check byte of every Nth answer
    int badEchoBlock = 0; // 1 or 2: echo that program block with one byte changed
    bool silent = false;  // take requests, never answer
    // How long storing a programmed configuration takes; a slow or stuck store for tests of
    // the tool's wait.
    uint64_t saveDurationMs = kSaveDurationMs;
    // The random mix: each answer gets one of the enabled faults with this chance. A bad echo is
    // only drawn for program blocks, the one place the unit echoes data.
    int faultPercent = 0;
    uint32_t faultSeed = 1;
    unsigned randomFaults = kAllRandomFaults;
};

// What became of the last request, for the log.
enum class Fate {
    Answered,
    BadCheckByte,
    UnknownCommand,
    Silent,
    Dropped,
    Corrupted,
    BadEcho,
    Delayed,
    StrayBytes
};
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
    // What the line has to add to the last answer: a wait before it, junk in front of it.
    int LastDelayMs() const { return delayMs_; }
    int LastStrayBytes() const { return strayBytes_; }
    // Faults the random mix has injected so far, by RandomFault.
    int InjectedFaults(RandomFault fault) const { return injected_[int(fault)]; }

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
    // Applies one random fault to the answer; false when the answer is dropped.
    bool InjectRandomFault(Frame& answer);

    UnitOptions options_;
    ConfigBlock record_;
    uint16_t programCount_ = 0;
    bool saving_ = false;
    uint64_t saveStartMs_ = 0;
    bool imageChanged_ = false;
    uint64_t answerCount_ = 0;
    Fate fate_ = Fate::Answered;
    int delayMs_ = 0;
    int strayBytes_ = 0;
    std::mt19937 random_;
    std::array<int, kRandomFaultCount> injected_{};
};

} // namespace kx::sim
