#pragma once

#include "link/MonitorTelegram.h"
#include "link/OperatingPoint.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kx {

// The names of the columns a log is read back by; the writer names them from here too.
namespace csv_column {
inline constexpr const char* kTime = "time_ms";
inline constexpr const char* kRpm = "rpm";
inline constexpr const char* kTpsPercent = "tps_percent";
inline constexpr const char* kSupplyMv = "supply_mv";
inline constexpr const char* kAdvance1 = "advance1";
inline constexpr const char* kAdvance2 = "advance2";
inline constexpr const char* kMapColumn = "map_column";
inline constexpr const char* kMapRow = "map_row";
} // namespace csv_column

// One CSV row per live telegram, in engineering units (rpm, %, mV, degrees), the first column
// the milliseconds since the log began. The command-line monitor and the window's log write the
// same columns; the window, which knows the record, adds where the engine ran in the advance map.
std::string TelegramCsvHeader(bool withMapCell);
// With withMapCell the row ends in the map column and throttle row, counted from 1 as the window
// shows them, both empty while the speed is below the map.
std::string TelegramCsvRow(int64_t timeMs, const MonitorTelegram& telegram,
                           const std::optional<OperatingPoint>& point);

} // namespace kx
