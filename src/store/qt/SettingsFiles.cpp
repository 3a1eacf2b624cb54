#include "store/qt/SettingsFiles.h"

#include "store/TestModeMarker.h"
#include "store/qt/SafeTextFile.h"
#include "store/qt/SettingsFolders.h"

#include <QDir>
#include <QStandardPaths>

#include <sstream>

namespace kx {

SettingsFiles SettingsFiles::ForThisSystem() {
    PlatformFolders given;
#ifdef Q_OS_WIN
    const Platform platform = Platform::Windows;
    given.windows = QDir::fromNativeSeparators(qEnvironmentVariable("WINDIR", "C:/Windows"));
    // On Windows the generic data folder is %LOCALAPPDATA%, whatever the application's name.
    given.localAppData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    const Platform platform = Platform::Other;
    given.config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
    const SettingsFolders folders = ChooseSettingsFolders(platform, given);
    CarryOverEarlierFiles(folders);
    SettingsFiles files = folders.current;
    files.marker = MarkerInUse(folders);
    return files;
}

IniFile ReadSettingsFile(const QString& path) {
    IniFile ini;
    if (const auto text = ReadTextFile(path)) {
        std::istringstream in(*text);
        ini.Load(in);
    }
    return ini;
}

bool MarkerSwitchesOnTestMode(const QString& path) {
    const auto text = ReadTextFile(path);
    std::istringstream in(text.value_or(std::string()));
    return text && MarkerEnablesTestMode(in);
}

} // namespace kx
