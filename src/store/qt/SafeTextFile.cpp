#include "store/qt/SafeTextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sstream>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

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

namespace kx {

std::optional<std::string> ReadTextFile(const QString& path) {
    if (QFileInfo(path).isDir())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::string content;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 count = file.read(chunk, sizeof chunk);
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        content.append(chunk, std::size_t(count));
    }
    // read() gives 0 both at the end and after some errors; only a clean end counts.
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

void LetOversizedWritesFail() {
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace kx
