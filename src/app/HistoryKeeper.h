#pragma once

#include "link/TransferEngine.h"
#include "store/qt/HistoryFolder.h"

#include <QDateTime>

#include <functional>
#include <optional>
#include <string>

namespace kx {

class DeviceLink;

// What the window knows when an exchange ends, beyond the link: the file it shows and whether
// every change is programmed at once.
struct ExchangeContext {
    std::string openFile;
    bool programAfterChange = false;
};

// Keeps what the unit holds after every successful read and program in the history folder.
// An entry waits for the unit's first word after storing has ended, so that it carries the
// programming count the unit then reports; a program made while every change is programmed at
// once is a nudge, listed with the bytes it changed against what the unit held before.
class HistoryKeeper {
  public:
    // `written` hears of every entry kept; `failed` of every one that could not be written.
    HistoryKeeper(const DeviceLink& link, std::function<void(const HistoryEntry&)> written,
                  std::function<void(const QString& folder)> failed);

    // A verify that passes after a read or a program, and a fetch, each leave an entry.
    void ExchangeEnded(ExchangeResult result, const ExchangeContext& context,
                       const ConfigBlock& record);
    // Once per tick, after the link's.
    void Tick();
    // Writes a waiting entry at once, with the count as far as it is known.
    void Flush();

    const HistoryFolder& folder() const { return folder_; }

  private:
    struct Waiting {
        HistoryEntry entry;
        ConfigBlock record;
        QDateTime when;
        uint32_t telegramsAtEnd = 0;
        int ticks = 0;
    };
    void Write(Waiting& waiting, bool counted);

    const DeviceLink& link_;
    HistoryFolder folder_;
    std::function<void(const HistoryEntry&)> written_;
    std::function<void(const QString&)> failed_;
    std::optional<Waiting> waiting_;
    // What the unit held after this session's last read or program: a nudge's changes are
    // counted against it. Unknown until the first one.
    std::optional<ConfigBlock> unitRecord_;
};

} // namespace kx
