#pragma once

#include "store/UnitHistory.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace kx {

// The history folder on disk: one configuration file per entry and the index beside them.
// Nothing here shows a message; a caller that cannot write tells its user in its own way.
class HistoryFolder {
  public:
    explicit HistoryFolder(QString folder, int limit = kHistoryLimit)
        : folder_(std::move(folder)), limit_(limit) {}

    // $XDG_DATA_HOME/kx_flam3/history on Linux (else ~/.local/share/...), the user's local
    // application-data folder on Windows.
    static QString ForThisSystem();

    // Keeps `record` as `entry`, named and timed by `when` (entry.file and entry.time are set
    // here), and drops the oldest entries beyond the limit with their files. Both files are
    // written through a temporary file, the configuration file first, so a failure half way
    // lists nothing it has not written. Returns the entry as listed, or nothing on failure.
    std::optional<HistoryEntry> Add(HistoryEntry entry, const ConfigBlock& record,
                                    const QDateTime& when) const;
    HistoryListing List() const;
    // The entry's configuration file read over `base`; nothing when it is missing, unreadable
    // or not a configuration file. Not normalised.
    std::optional<ConfigBlock> Record(const HistoryEntry& entry, const ConfigBlock& base) const;

    const QString& folder() const { return folder_; }

  private:
    QString IndexPath() const;
    // Nothing when an index is there but cannot be read.
    std::optional<HistoryIndex> ReadIndex() const;

    QString folder_;
    int limit_;
};

} // namespace kx
