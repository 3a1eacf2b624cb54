#pragma once

#include "config/ConfigBlock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kx {

// What the unit held after each successful read and program, kept as configuration files in a
// history folder and listed in its index. The index carries what the files cannot: when, which
// exchange, the unit's firmware texts, its programming count, the file the window had open, and
// for a change programmed at once the bytes it changed with the engine's operating point.

enum class HistoryAction : uint8_t { Read, Program };

// One record byte a programmed change altered.
struct ChangedByte {
    int offset = 0; // into the record, below kImageSize
    uint8_t before = 0;
    uint8_t after = 0;

    bool operator==(const ChangedByte& other) const {
        return offset == other.offset && before == other.before && after == other.after;
    }
};

struct HistoryEntry {
    std::string file; // the entry's configuration file, a plain name inside the folder
    std::string time; // local time, "yyyy-MM-dd HH:mm:ss"
    HistoryAction action = HistoryAction::Read;
    std::string firmware; // the unit's firmware name and number, its build date and time
    std::string firmwareDate;
    std::string firmwareTime;
    int programCount = -1; // as the unit reported it after the exchange; -1 when none came
    std::string openFile;  // the file the window showed then; empty for none
    // A nudge: a program made while "Programming after change" was ticked.
    bool nudge = false;
    int rpm = 0; // the engine's speed and throttle when the change was made
    int tpsPercent = 0;
    // Against what the unit held before, when that was known this session; else empty.
    std::vector<ChangedByte> changes;

    bool operator==(const HistoryEntry& other) const;
};

// The entries as the index lists them, oldest first, and how many of its lines were not
// entries (cut off, garbled, or naming a file outside the folder).
struct HistoryIndex {
    std::vector<HistoryEntry> entries;
    int skippedLines = 0;
    bool foreign =
        false; // text there, but not an index of this format (another tool's, a newer one)
};

// What a history folder lists, oldest first, and what it holds that cannot be listed.
struct HistoryListing {
    std::vector<HistoryEntry> entries;
    int skipped = 0; // index lines that are no entry, and entries whose file is gone
    int foreign = 0; // configuration files in the folder that the index does not list
};

// About 2000 × (2 kB file + 150 bytes of index) = 4 MB at most.
constexpr int kHistoryLimit = 2000;

// The index text: a first line naming the format, then one line per entry. Text fields are
// escaped so that no tab or line end inside them can split a line.
std::string FormatHistoryIndex(const std::vector<HistoryEntry>& entries);
// Reads whatever the text holds; never fails. A text without the first line is no index of
// ours and gives no entries, every line counted as skipped.
HistoryIndex ParseHistoryIndex(const std::string& text);

// The name a folder may hold an entry under: letters, digits, '-' and '_' before ".ign". Names
// from the index are checked against it before any file is read or removed, so an index
// written by someone else cannot point outside the folder.
bool IsHistoryFileName(const std::string& name);

// The image bytes in which the two records differ.
std::vector<ChangedByte> ChangedBytes(const ConfigBlock& before, const ConfigBlock& after);
// `base` with the changes' bytes set as they were before (`after` false) or after them.
ConfigBlock WithChanges(ConfigBlock base, const std::vector<ChangedByte>& changes, bool after);

} // namespace kx
