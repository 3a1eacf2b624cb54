#include "app/ManualSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kx {

QStringList ManualFolders() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    // Relative to the program, so an installed tree works wherever its prefix is.
    return {programFolder.path(), QDir::cleanPath(programFolder.filePath(KX_DOC_FROM_BIN)),
            QDir::currentPath()};
}

QString FindManual(const QString& fileName, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo manual(QDir(folder), fileName);
        if (manual.isFile())
            return manual.absoluteFilePath();
    }
    return QString();
}

} // namespace kx
