#pragma once

#include "store/qt/SettingsFiles.h"

#include <QString>

namespace kx {

enum class Platform { Windows, Other };

// The folders the platform names for the user, as the environment and QStandardPaths give them,
// with forward slashes.
struct PlatformFolders {
    QString windows;      // %WINDIR%
    QString localAppData; // %LOCALAPPDATA%, the user's own on Windows
    QString config;       // elsewhere: the user's configuration folder
};

struct SettingsFolders {
    SettingsFiles current; // read and written
    // Where versions before kept them: the Windows folder, which an ordinary user cannot write
    // on current Windows. Empty where nothing moved.
    SettingsFiles earlier;
    // Where Windows put what a version before wrote to the Windows folder while it ran as an
    // old 32-bit program under file virtualization: that version read these copies in place of
    // the Windows folder's, so they are what its user last saw. Empty where nothing moved.
    SettingsFiles virtualized;
};

// On Windows everything in <LocalAppData>/kx_flam3; elsewhere in <config>/kx_flam3.
SettingsFolders ChooseSettingsFolders(Platform platform, const PlatformFolders& given);

// The first start after the move: a current folder with neither the settings file nor the record
// copy gets the earlier ones copied in, each from the virtualized place where it is there. The
// earlier files stay, for a version before to find.
void CarryOverEarlierFiles(const SettingsFolders& folders);

// The marker to read for test mode: the earlier one when only it switches test mode on, so that
// a marker put where it always was keeps working.
QString MarkerInUse(const SettingsFolders& folders);

} // namespace kx
