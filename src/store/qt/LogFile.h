#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>

#include <string>

namespace kx {

// One data log being written. Rows collect in the file's buffer and go to the disk when the
// owner flushes, which it does at least once a second, so a crash or a pulled power cord loses
// at most that second. Nothing here shows a message; the owner tells its user.
class LogFile {
  public:
    // $XDG_DATA_HOME/kx_flam3/logs on Linux (else ~/.local/share/...), the user's local
    // application-data folder on Windows.
    static QString FolderForThisSystem();
    // A name that sorts by the time the log began, unused in the folder yet.
    static QString NewPath(const QString& folder, const QDateTime& when);

    // Creates the file (and its folder) and writes the header line. False with error() when the
    // file cannot be made.
    bool Open(const QString& path, const std::string& header);
    // False with error() once the disk refuses the row; the file is closed then.
    bool Append(const std::string& row);
    bool Flush();
    void Close();

    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }
    const QString& error() const { return error_; }

  private:
    bool Failed();

    QFile file_;
    QString error_;
};

} // namespace kx
