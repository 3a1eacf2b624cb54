#include "store/qt/SettingsFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kx {

namespace {

SettingsFiles InFolder(const QString& folder) {
    return {folder + "/kx_flam3.ini", folder + "/_kx_flam3.ini", folder + "/test_vlorin.txt"};
}

} // namespace

SettingsFolders ChooseSettingsFolders(Platform platform, const PlatformFolders& given) {
    if (platform != Platform::Windows)
        return {InFolder(given.config + "/kx_flam3"), {}, {}};
    SettingsFiles earlier = InFolder(given.windows);
    // The marker was looked for at the root of the system drive, not beside the settings.
    earlier.marker = "C:/test_vlorin.txt";
    // Without a folder of the user's own, the files stay where they were rather than in the
    // root of a drive.
    if (given.localAppData.isEmpty())
        return {earlier, {}, {}};
    SettingsFiles virtualized;
    // Windows keeps a redirected file under the path it was meant for, without the drive letter.
    if (given.windows.size() > 2 && given.windows[1] == ':' && given.windows[2] == '/')
        virtualized = InFolder(given.localAppData + "/VirtualStore" + given.windows.mid(2));
    return {InFolder(given.localAppData + "/kx_flam3"), earlier, virtualized};
}

void CarryOverEarlierFiles(const SettingsFolders& folders) {
    const SettingsFiles& current = folders.current;
    const SettingsFiles& earlier = folders.earlier;
    if (earlier.settings.isEmpty() || QFileInfo::exists(current.settings) ||
        QFileInfo::exists(current.recordCopy))
        return;
    // Failures stay silent as the settings' own do: the window starts with its defaults.
    QDir().mkpath(QFileInfo(current.settings).absolutePath());
    const auto copy = [](const QString& virtualized, const QString& earlierFile,
                         const QString& currentFile) {
        const bool redirected = !virtualized.isEmpty() && QFileInfo::exists(virtualized);
        QFile::copy(redirected ? virtualized : earlierFile, currentFile);
    };
    copy(folders.virtualized.settings, earlier.settings, current.settings);
    copy(folders.virtualized.recordCopy, earlier.recordCopy, current.recordCopy);
}

QString MarkerInUse(const SettingsFolders& folders) {
    const QString& earlier = folders.earlier.marker;
    if (earlier.isEmpty() || MarkerSwitchesOnTestMode(folders.current.marker) ||
        !MarkerSwitchesOnTestMode(earlier))
        return folders.current.marker;
    return earlier;
}

} // namespace kx
