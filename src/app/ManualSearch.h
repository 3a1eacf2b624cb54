#pragma once

#include <QString>
#include <QStringList>

namespace kx {

// Where Help > Contents looks for the manual, in this order: beside the program (the build tree,
// a copy carried on a stick), the installed documentation folder, the working folder.
QStringList ManualFolders();

// The path of fileName in the first folder that has it; empty when none has.
QString FindManual(const QString& fileName, const QStringList& folders);

} // namespace kx
