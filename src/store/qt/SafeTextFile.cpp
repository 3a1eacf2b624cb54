#include "store/qt/SafeTextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <sstream>

namespace kx {

bool WriteTextFileSafely(const QString& path, const std::function<void(std::ostream&)>& write) {
    std::ostringstream text;
    write(text);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile let a write cut short by a full disk pass its commit, while
    // an unbuffered write reports the short count here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered))
        return false;
    const std::string bytes = text.str();
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace kx
