#include "app/SettingsFiles.h"

#include <QStandardPaths>

namespace kx {

SettingsFiles SettingsFiles::ForThisSystem() {
#ifdef Q_OS_WIN
    const QString folder = qEnvironmentVariable("WINDIR", "C:/Windows");
    return {folder + "/kx_flam3.ini", folder + "/_kx_flam3.ini", "C:/test_vlorin.txt"};
#else
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/kx_flam3";
    return {folder + "/kx_flam3.ini", folder + "/_kx_flam3.ini", folder + "/test_vlorin.txt"};
#endif
}

} // namespace kx
