#pragma once

#include "PseudoTerminal.h"
#include "SimOptions.h"
#include "SimulatedUnit.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace kx::sim {

// Serves the simulated unit on the terminal and adds what the line does to its answers: the
// --delay-ms wait, --stray-bytes junk, --line-time pacing and the --unplug-after end.
class LineServer {
  public:
    LineServer(const SimOptions& options, PseudoTerminal& line, const ConfigBlock& record)
        : options_(options), line_(line), unit_(options.unit, record),
          start_(std::chrono::steady_clock::now()) {}

    // Serves the line until a stop signal or the planned unplug. Returns false on a line error.
    bool Run();
    bool Unplugged() const { return unplugged_; }
    void ReportInjectedFaults() const;

  private:
    uint64_t NowUs() const;
    void Log(const char* format, ...) const;
    void Receive(uint64_t nowUs);
    void HandleRequest(const Frame& request, uint64_t nowUs);
    bool Transmit(uint64_t nowUs);
    int PollTimeoutMs(uint64_t nowUs) const;
    uint8_t NextJunk();

    struct Outgoing {
        uint64_t dueUs = 0;
        uint64_t startUs = 0; // with --line-time: when the first byte goes on the line
        bool started = false;
        std::vector<uint8_t> bytes;
        size_t sent = 0;
    };

    const SimOptions& options_;
    PseudoTerminal& line_;
    SimulatedUnit unit_;
    RequestAssembler assembler_;
    std::chrono::steady_clock::time_point start_;
    std::deque<Outgoing> outgoing_;
    uint64_t lineFreeUs_ = 0;
    bool writeBlocked_ = false;
    int answersSent_ = 0;
    bool unplugged_ = false;
    uint32_t junkState_ = 0x2545F491u;
};

} // namespace kx::sim
