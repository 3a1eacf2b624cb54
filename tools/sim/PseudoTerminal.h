#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kx::sim {

// A raw 57600 baud pseudo-terminal: the simulator works the master side, the tool opens the
// device path. Failures are reported on stderr with the reason.
class PseudoTerminal {
  public:
    enum class WaitResult { Input, NoInput, Failed };
    enum class SendResult { Wrote, Full, Interrupted, Failed };

    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal() { Close(); }

    bool Open();
    const std::string& Path() const { return path_; }
    // Makes link a symbolic link to the device, removed again by Close.
    bool Link(const std::string& link);

    // Waits up to timeoutMs for input, or also for room to write when forOutput is set.
    WaitResult WaitForLine(bool forOutput, int timeoutMs);
    // What the tool has sent so far, at most size bytes; 0 when nothing has come.
    size_t Read(uint8_t* buffer, size_t size);
    // written is set only for Wrote.
    SendResult Send(const uint8_t* data, size_t size, size_t& written);

    // Waits a while for the tool to take what was sent, unless stopRequested says to stop.
    void WaitUntilRead(bool (*stopRequested)());
    // Closing the master ends the terminal: the tool sees a dead line.
    void Close();

  private:
    int master_ = -1;
    // Kept open so the master never sees a hang-up when the tool closes the port.
    int slave_ = -1;
    std::string path_;
    std::string link_;
};

} // namespace kx::sim
