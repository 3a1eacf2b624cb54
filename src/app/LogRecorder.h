#pragma once

#include "link/OperatingPoint.h"
#include "store/qt/LogFile.h"

#include <QElapsedTimer>

#include <cstdint>

namespace kx {

class DeviceLink;

// Tools' data log: one row for every valid telegram, timed from the start of the log, so a
// stretch without data (a pulled cable) shows as a gap in the times and the rows go on when the
// data comes back.
class LogRecorder {
  public:
    explicit LogRecorder(const DeviceLink& link) : link_(link) {}

    // False with error() when the file cannot be made.
    bool Start(const QString& path);
    void Stop();
    // Every tick: a row when a telegram came, and the file flushed once a second. False when the
    // disk refused the log: logging has stopped then, the rows before are kept.
    bool Tick(const OperatingPoint& point);

    bool logging() const { return file_.isOpen(); }
    int64_t elapsedMs() const { return clock_.isValid() ? clock_.elapsed() : 0; }
    uint64_t rows() const { return rows_; }
    QString path() const { return path_; }
    const QString& error() const { return file_.error(); }

  private:
    static constexpr int64_t kFlushEveryMs = 1000;

    const DeviceLink& link_;
    LogFile file_;
    QString path_;
    QElapsedTimer clock_;
    int64_t flushedAtMs_ = 0;
    uint32_t telegramsLogged_ = 0;
    uint64_t rows_ = 0;
    bool unflushed_ = false;
};

} // namespace kx
