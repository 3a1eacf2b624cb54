#include "store/qt/LogFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kx {

QString LogFile::FolderForThisSystem() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/kx_flam3/logs";
}

QString LogFile::NewPath(const QString& folder, const QDateTime& when) {
    // Colons are not allowed in Windows file names, so the time is written with dashes.
    const QString stem = folder + "/log-" + when.toString("yyyy-MM-dd_HH-mm-ss");
    QString path = stem + ".csv";
    for (int again = 2; QFileInfo::exists(path); ++again)
        path = stem + "-" + QString::number(again) + ".csv";
    return path;
}

bool LogFile::Open(const QString& path, const std::string& header) {
    Close();
    error_.clear();
    QDir().mkpath(QFileInfo(path).absolutePath());
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly)) {
        error_ = file_.errorString();
        return false;
    }
    return Append(header);
}

bool LogFile::Append(const std::string& row) {
    if (!file_.isOpen())
        return false;
    const qint64 size = qint64(row.size());
    if (file_.write(row.data(), size) != size || file_.write("\n", 1) != 1)
        return Failed();
    return true;
}

bool LogFile::Flush() {
    if (!file_.isOpen())
        return false;
    return file_.flush() || Failed();
}

void LogFile::Close() {
    if (file_.isOpen()) {
        file_.flush();
        file_.close();
    }
}

bool LogFile::Failed() {
    error_ = file_.errorString();
    file_.close();
    return false;
}

} // namespace kx
