#pragma once

#include "config/ConfigBlock.h"
#include "link/EngineTrace.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kx {

// A log read back: the columns that are plotted and replayed, one entry per good row, in the
// order of the file. Columns are found by their header names, so a log of the command-line
// monitor (without the map cell) opens as well as the window's own.
struct TelegramLog {
    std::vector<int64_t> timeMs; // never decreasing
    std::vector<int32_t> rpm;
    std::vector<int32_t> tpsPercent;
    std::vector<int32_t> advance1; // degrees
    std::vector<int32_t> advance2;
    std::vector<int32_t> supplyMv;
    // The map cell as the window marked it, 0-based; -1 where the speed was below the map or the
    // log has no such columns (see hasMapCell).
    std::vector<int8_t> mapColumn;
    std::vector<int8_t> mapRow;
    bool hasMapCell = false;
    // Lines that were not a good row: garbled, cut off (a last line without its line end), out
    // of range, or going back in time. Empty lines are no rows and count nowhere.
    size_t skippedLines = 0;
    // No header with the time and speed columns: not a log of ours.
    bool foreign = false;

    size_t size() const { return timeMs.size(); }
};

TelegramLog ParseTelegramLog(std::string_view text);

// Rows further apart than this are a gap in the data (a pulled cable): the time between them
// counts in no cell.
constexpr int64_t kLogGapMs = 2000;

// The first row at or after ms; size() past the end.
size_t LogRowAt(const TelegramLog& log, int64_t ms);

// The map cell (MapIndex) the engine ran in at a row, or -1 below the map: the logged cell, or
// for a log without one, the cell the live marking finds for the row's speed and throttle in
// the given record. Without throttle rows (tpsRowsOn false) the cell is in the 100 % row, the
// one row the map then shows.
int LogCell(const TelegramLog& log, size_t row, const ConfigBlock& block, bool tpsRowsOn);

// The time spent in each map cell over rows [first, last]: each row's time up to the next row
// counts in the row's cell, unless the two are a gap apart.
CellDwell LogDwell(const TelegramLog& log, size_t first, size_t last, const ConfigBlock& block,
                   bool tpsRowsOn);

} // namespace kx
