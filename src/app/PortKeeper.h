#pragma once

#include "texts/MessageTexts.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace kx {

class Dialogs;
class SerialPort;

// Keeps the chosen port open: says why when it cannot be opened, and takes a lost port, or one
// that was missing or busy, up again by itself.
class PortKeeper {
  public:
    PortKeeper(SerialPort& port, Dialogs& dialogs) : port_(port), dialogs_(dialogs) {}

    // The devices the settings give for port numbers, used instead of the system's names.
    void SetOverrides(std::map<int, std::string> overrides) { overrides_ = std::move(overrides); }
    void OpenPort(uint8_t portIndex, const MessageTexts& texts, uint8_t languageIndex);
    // Called every tick; tries again every two seconds.
    void ReopenLostPort(uint8_t portIndex);
    void ClosePort();

  private:
    SerialPort& port_;
    Dialogs& dialogs_;
    std::map<int, std::string> overrides_; // port number -> device
    int reopenTicks_ = 0;
    bool awaitingPort_ = false; // the chosen port was missing or busy when opened
};

} // namespace kx
