#include "link/DeviceLink.h"

namespace kx {

DeviceLink::DeviceLink(ConfigBlock& block, SerialPort& port, TransferEvents& events)
    : engine_(block, port, events), block_(block), port_(port) {}

void DeviceLink::Tick(bool printView, bool servoGroupVisible) {
    if (const auto frame = PollReceive(port_, rxBuffer_)) {
        if (IsMonitorFrame(*frame)) {
            if (DecodeMonitorTelegram(frame->data(), block_, servoGroupVisible, live_, monitor_)) {
                linkSilence_ = 0;
                lastTelegram_ = ParseMonitorTelegram(frame->data());
                ++telegramCount_;
            }
        } else {
            const uint8_t command = engine_.commandByte();
            if (engine_.HandleAnswer(frame->data())) {
                linkSilence_ = 0;
                lastAnsweredCommand_ = command;
            }
        }
    }

    engine_.TransferTick(live_.saveCountdown);

    TransferState& status = engine_.state();
    if (status.messageHold > 0) {
        --status.messageHold;
        status.labelVisible = !printView;
    } else {
        status.labelVisible = false;
        status.gaugeVisible = false;
        engine_.clearProgramDone();
    }

    if (linkSilence_ >= kSilentTicks) {
        connectionLost_ = !printView;
    } else {
        ++linkSilence_;
        connectionLost_ = false;
    }
    if (connectionLost_)
        monitor_.versionVisible = false;
}

} // namespace kx
