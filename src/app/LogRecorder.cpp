#include "app/LogRecorder.h"

#include "link/DeviceLink.h"
#include "link/TelegramCsv.h"

namespace kx {

bool LogRecorder::Start(const QString& path) {
    if (!file_.Open(path, TelegramCsvHeader(true)))
        return false;
    path_ = path;
    clock_.start();
    flushedAtMs_ = 0;
    // Only telegrams that come after the start are logged; the one on screen is old already.
    telegramsLogged_ = link_.telegramCount();
    rows_ = 0;
    unflushed_ = true;
    return true;
}

void LogRecorder::Stop() {
    file_.Close();
    clock_.invalidate();
}

bool LogRecorder::Tick(const OperatingPoint& point) {
    if (!logging())
        return true;
    if (link_.telegramCount() != telegramsLogged_) {
        telegramsLogged_ = link_.telegramCount();
        if (!file_.Append(TelegramCsvRow(clock_.elapsed(), link_.lastTelegram(), point)))
            return false;
        ++rows_;
        unflushed_ = true;
    }
    const int64_t now = clock_.elapsed();
    if (unflushed_ && now - flushedAtMs_ >= kFlushEveryMs) {
        if (!file_.Flush())
            return false;
        flushedAtMs_ = now;
        unflushed_ = false;
    }
    return true;
}

} // namespace kx
