#pragma once

#include "app/FormState.h"
#include "store/qt/SettingsFiles.h"

namespace kx {

class PortKeeper;
class TFormHlav;

// What the window keeps between runs: its place and size, port, language, page, file and folder
// in the settings file, the record in its copy; and the marker file that turns on test mode.
class WindowSettings {
  public:
    WindowSettings(TFormHlav& form, FormState& state) : form_(form), state_(state) {}

    // Hands the port devices of the settings file to the keeper of the port.
    void LoadSettings(PortKeeper& ports);
    void SaveSettings();
    void CheckTestMode();

  private:
    TFormHlav& form_;
    FormState& state_;
    SettingsFiles files_ = SettingsFiles::ForThisSystem();
};

} // namespace kx
