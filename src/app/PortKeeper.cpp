#include "app/PortKeeper.h"

#include "link/DeviceLink.h"
#include "link/PortNames.h"
#include "link/SerialPort.h"
#include "texts/PortFailureTexts.h"
#include "ui/Dialogs.h"

namespace kx {

void PortKeeper::OpenPort(uint8_t portIndex, const MessageTexts& texts, uint8_t languageIndex) {
    const std::string device = DeviceForPort(portIndex, overrides_);
    const bool opened = port_.open(device);
    // An adapter plugged in after the start, or a port another program lets go, is taken up by
    // itself like a pulled adapter that comes back; a missing permission never comes by itself.
    awaitingPort_ = !opened && (port_.openFailure() == PortOpenFailure::NoSuchDevice ||
                                port_.openFailure() == PortOpenFailure::InUse);
    if (!opened)
        dialogs_.showMessage(
            texts.MsgComOpenError + "\n" +
                PortFailureLine(device, port_.openFailure(), port_.errorText(), languageIndex),
            Dialogs::Severity::Error);
}

void PortKeeper::ReopenLostPort(uint8_t portIndex) {
    // Every two seconds, silently: a pulled adapter comes back without any message box.
    constexpr int kReopenTicks = 2000 / DeviceLink::kTickMs;
    if (!(port_.lost() || awaitingPort_) || ++reopenTicks_ < kReopenTicks)
        return;
    reopenTicks_ = 0;
    if (port_.open(DeviceForPort(portIndex, overrides_)))
        awaitingPort_ = false;
}

void PortKeeper::ClosePort() {
    port_.close();
}

} // namespace kx
