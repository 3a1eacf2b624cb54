#include "store/qt/SettingsFiles.h"

#include "store/qt/SafeTextFile.h"

#include <QStandardPaths>

#include <sstream>

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

IniFile ReadSettingsFile(const QString& path) {
    IniFile ini;
    if (const auto text = ReadTextFile(path)) {
        std::istringstream in(*text);
        ini.Load(in);
    }
    return ini;
}

} // namespace kx
