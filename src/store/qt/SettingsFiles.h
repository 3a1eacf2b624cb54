#pragma once

#include "store/IniFile.h"

#include <QString>

namespace kx {

// Where the settings file, the saved record copy and the test-mode marker live: on Windows the
// user's %LOCALAPPDATA%/kx_flam3, filled from the Windows folder of versions before on the first
// start; elsewhere the user's configuration folder ($XDG_CONFIG_HOME/kx_flam3, else
// ~/.config/kx_flam3).
struct SettingsFiles {
    QString settings;   // kx_flam3.ini
    QString recordCopy; // _kx_flam3.ini
    QString marker;     // test_vlorin.txt

    // The marker is the one MarkerInUse chooses.
    static SettingsFiles ForThisSystem();
};

// The settings file as read at start-up; empty when there is none or it cannot be read.
IniFile ReadSettingsFile(const QString& path);

// True when the marker file at path can be read and switches on the developer test mode.
bool MarkerSwitchesOnTestMode(const QString& path);

} // namespace kx
