// Any byte sequence as a telegram log: it reads without a crash into columns of one length, in
// time order, with cells inside the map, and the viewer's dwell and row search stay within it.
#include "FuzzCheck.h"
#include "config/ConfigBlock.h"
#include "link/TelegramLog.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const kx::TelegramLog log = kx::ParseTelegramLog(text);
    const size_t rows = log.size();
    Require(log.rpm.size() == rows && log.tpsPercent.size() == rows &&
                log.advance1.size() == rows && log.advance2.size() == rows &&
                log.supplyMv.size() == rows && log.mapColumn.size() == rows &&
                log.mapRow.size() == rows,
            "columns of different lengths");
    Require(!log.foreign || (rows == 0 && log.skippedLines == 0), "a foreign file has rows");

    const kx::ConfigBlock block = kx::StartupBlock();
    for (size_t row = 0; row < rows; ++row) {
        Require(row == 0 || log.timeMs[row - 1] <= log.timeMs[row], "time goes back");
        Require(log.mapColumn[row] >= -1 && log.mapColumn[row] < kx::kMapColumns &&
                    log.mapRow[row] >= -1 && log.mapRow[row] < kx::kMapRows,
                "a cell outside the map");
        Require((log.mapColumn[row] < 0) == (log.mapRow[row] < 0), "half a cell");
        Require(log.hasMapCell || log.mapColumn[row] < 0, "a cell in a log without cells");
        const size_t at = kx::LogRowAt(log, log.timeMs[row]);
        Require(at <= row && log.timeMs[at] == log.timeMs[row], "the row search misses a row");
        const int cell = kx::LogCell(log, row, block, (row & 1) != 0);
        Require(cell >= -1 && cell < kx::kMapRows * kx::kMapColumns, "a cell index off the map");
    }
    if (rows == 0)
        return 0;
    Require(kx::LogRowAt(log, log.timeMs.back() + 1) == rows, "a row after the last");

    for (bool tpsRowsOn : {false, true}) {
        const kx::CellDwell dwell = kx::LogDwell(log, 0, rows - 1, block, tpsRowsOn);
        int64_t total = 0;
        for (int cell = 0; cell < kx::kMapRows * kx::kMapColumns; ++cell)
            total += dwell.ms(cell);
        Require(total <= log.timeMs.back() - log.timeMs.front(), "more dwell than the log lasts");
    }
    return 0;
}
