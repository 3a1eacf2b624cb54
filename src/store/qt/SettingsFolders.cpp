#include "store/qt/SettingsFolders.h"

#include "store/TestModeMarker.h"
#include "store/qt/SafeTextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sstream>

namespace kx {

namespace {

SettingsFiles InFolder(const QString& folder) {
    return {folder + "/kx_flam3.ini", folder + "/_kx_flam3.ini", folder + "/test_vlorin.txt"};
}

bool SwitchesOnTestMode(const QString& marker) {
    const auto text = ReadTextFile(marker);
    std::istringstream in(text.value_or(std::string()));
    return text && MarkerEnablesTestMode(in);
}

} // namespace

SettingsFolders ChooseSettingsFolders(Platform platform, const PlatformFolders& given) {
    if (platform != Platform::Windows)
        return {InFolder(given.config + "/kx_flam3"), {}};
    SettingsFiles earlier = InFolder(given.windows);
    // The marker was looked for at the root of the system drive, not beside the settings.
    earlier.marker = "C:/test_vlorin.txt";
    // Without a folder of the user's own, the files stay where they were rather than in the
    // root of a drive.
    if (given.localAppData.isEmpty())
        return {earlier, {}};
    return {InFolder(given.localAppData + "/kx_flam3"), earlier};
}

void CarryOverEarlierFiles(const SettingsFolders& folders) {
    const SettingsFiles& current = folders.current;
    const SettingsFiles& earlier = folders.earlier;
    if (earlier.settings.isEmpty() || QFileInfo::exists(current.settings) ||
        QFileInfo::exists(current.recordCopy))
        return;
    // Failures stay silent as the settings' own do: the window starts with its defaults.
    QDir().mkpath(QFileInfo(current.settings).absolutePath());
    QFile::copy(earlier.settings, current.settings);
    QFile::copy(earlier.recordCopy, current.recordCopy);
}

QString MarkerInUse(const SettingsFolders& folders) {
    const QString& earlier = folders.earlier.marker;
    if (earlier.isEmpty() || SwitchesOnTestMode(folders.current.marker) ||
        !SwitchesOnTestMode(earlier))
        return folders.current.marker;
    return earlier;
}

} // namespace kx
