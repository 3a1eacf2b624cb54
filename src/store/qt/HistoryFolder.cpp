#include "store/qt/HistoryFolder.h"

#include "store/ConfigFile.h"
#include "store/qt/SafeTextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <set>
#include <sstream>

namespace kx {

namespace {

const char kIndexName[] = "index.txt";

} // namespace

QString HistoryFolder::ForThisSystem() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           "/kx_flam3/history";
}

QString HistoryFolder::IndexPath() const {
    return folder_ + "/" + kIndexName;
}

std::optional<HistoryIndex> HistoryFolder::ReadIndex() const {
    if (!QFileInfo::exists(IndexPath()))
        return HistoryIndex{};
    const auto text = ReadTextFile(IndexPath());
    if (!text)
        return std::nullopt;
    return ParseHistoryIndex(*text);
}

std::optional<HistoryEntry> HistoryFolder::Add(HistoryEntry entry, const ConfigBlock& record,
                                               const QDateTime& when) const {
    // An index that cannot be read, or is of another format, is not ours to replace: writing
    // ours over it would lose every entry it lists.
    const auto read = ReadIndex();
    if (!read || read->foreign)
        return std::nullopt;
    HistoryIndex index = *read;
    std::set<std::string> taken;
    for (const HistoryEntry& listed : index.entries)
        taken.insert(listed.file);
    // Two exchanges can end within one millisecond only in tests; a number keeps them apart.
    const std::string stem = when.toString("yyyyMMdd-HHmmss-zzz").toStdString() + "-" +
                             (entry.action == HistoryAction::Program ? "program" : "read");
    entry.file = stem + ".ign";
    for (int n = 2; taken.count(entry.file) ||
                    QFileInfo::exists(folder_ + "/" + QString::fromStdString(entry.file));
         ++n)
        entry.file = stem + "-" + std::to_string(n) + ".ign";
    entry.time = when.toString("yyyy-MM-dd HH:mm:ss").toStdString();

    const QString path = folder_ + "/" + QString::fromStdString(entry.file);
    if (!WriteTextFileSafely(path, [&](std::ostream& out) { WriteConfigFile(out, record); }))
        return std::nullopt;
    index.entries.push_back(entry);
    std::vector<HistoryEntry> dropped;
    const std::size_t limit = std::size_t(std::max(limit_, 1));
    if (index.entries.size() > limit) {
        const auto cut = index.entries.end() - std::ptrdiff_t(limit);
        dropped.assign(index.entries.begin(), cut);
        index.entries.erase(index.entries.begin(), cut);
    }
    const std::string text = FormatHistoryIndex(index.entries);
    if (!WriteTextFileSafely(IndexPath(), [&](std::ostream& out) { out << text; })) {
        QFile::remove(path);
        return std::nullopt;
    }
    // An index edited by hand may list one file twice; a kept line still needs it.
    std::set<std::string> kept;
    for (const HistoryEntry& listed : index.entries)
        kept.insert(listed.file);
    for (const HistoryEntry& old : dropped) {
        if (!kept.count(old.file))
            QFile::remove(folder_ + "/" + QString::fromStdString(old.file));
    }
    return entry;
}

HistoryListing HistoryFolder::List() const {
    const HistoryIndex index = ReadIndex().value_or(HistoryIndex{});
    HistoryListing listing;
    listing.skipped = index.skippedLines;
    const QDir folder(folder_);
    std::set<QString> present;
    for (const QString& name : folder.entryList({"*.ign"}, QDir::Files))
        present.insert(name);
    std::set<QString> listed;
    for (const HistoryEntry& entry : index.entries) {
        const QString name = QString::fromStdString(entry.file);
        if (!present.count(name) || !listed.insert(name).second) {
            ++listing.skipped;
            continue;
        }
        listing.entries.push_back(entry);
    }
    listing.foreign = int(present.size() - listed.size());
    return listing;
}

std::optional<ConfigBlock> HistoryFolder::Record(const HistoryEntry& entry,
                                                 const ConfigBlock& base) const {
    if (!IsHistoryFileName(entry.file))
        return std::nullopt;
    const auto text = ReadTextFile(folder_ + "/" + QString::fromStdString(entry.file));
    if (!text)
        return std::nullopt;
    std::istringstream in(*text);
    ConfigBlock record = base;
    if (!ReadConfigFile(in, record))
        return std::nullopt;
    return record;
}

} // namespace kx
