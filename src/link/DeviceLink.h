#pragma once

#include "link/MonitorTelegram.h"
#include "link/ReceivePoll.h"
#include "link/TransferEngine.h"

#include <cstdint>

namespace kx {

// Everything one 55 ms tick does on the line, in its fixed order: the receive poll hands at most
// one frame to the monitor decoder or to the exchange, the exchange steps, the status message
// counts down, and the link watch decides whether "No Connection" shows. The window applies the
// resulting states; the command-line tool reads them.
class DeviceLink {
  public:
    static constexpr int kTickMs = 55;          // the period Tick() must be called with
    static constexpr uint8_t kSilentTicks = 18; // "No Connection" after this many ticks

    DeviceLink(ConfigBlock& block, SerialPort& port, TransferEvents& events);

    // printView hides the status and connection labels while the window is printed;
    // servoGroupVisible is passed on to the monitor's servo labels.
    void Tick(bool printView, bool servoGroupVisible);

    TransferEngine& engine() { return engine_; }
    const TransferEngine& engine() const { return engine_; }
    const LiveValues& live() const { return live_; }
    const MonitorState& monitor() const { return monitor_; }
    const MonitorTelegram& lastTelegram() const { return lastTelegram_; }
    // Counts valid telegrams, so a reader can tell a fresh one from the last one.
    uint32_t telegramCount() const { return telegramCount_; }
    // The command of the last answer that belonged to the request in flight: an exchange that
    // failed on a command the unit did answer failed on a mismatch, not on silence.
    int lastAnsweredCommand() const { return lastAnsweredCommand_; }

    uint8_t linkSilence() const { return linkSilence_; }
    bool connectionLost() const { return connectionLost_; } // LabelSpojeni visible

  private:
    TransferEngine engine_;
    ReceiveBuffer rxBuffer_;
    LiveValues live_;
    MonitorState monitor_;
    MonitorTelegram lastTelegram_;
    uint32_t telegramCount_ = 0;
    int lastAnsweredCommand_ = -1;
    ConfigBlock& block_;
    SerialPort& port_;
    uint8_t linkSilence_ = kSilentTicks; // no unit seen yet
    bool connectionLost_ = false;
};

} // namespace kx
