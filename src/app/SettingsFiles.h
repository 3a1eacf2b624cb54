#pragma once

#include <QString>

#include <functional>
#include <iosfwd>

namespace kx {

// Where the settings file, the saved record copy and the test-mode marker live: on Windows the
// system folder as the tool always had them; elsewhere the user's configuration folder
// ($XDG_CONFIG_HOME/kx_flam3, else ~/.config/kx_flam3).
struct SettingsFiles {
    QString settings;   // kx_flam3.ini
    QString recordCopy; // _kx_flam3.ini
    QString marker;     // test_vlorin.txt

    static SettingsFiles ForThisSystem();
};

// Writes a text file through a temporary file in the same folder that replaces the target only
// once everything was written: a full disk or a crash never leaves a cut-off file. Line ends are
// the platform's. Returns false, leaving any old file as it was, when anything failed.
bool WriteTextFileSafely(const QString& path, const std::function<void(std::ostream&)>& write);

} // namespace kx
