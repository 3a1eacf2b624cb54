#pragma once

#include "link/MonitorTelegram.h"
#include "link/OperatingPoint.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kx {

// One CSV row per live telegram, in engineering units (rpm, %, mV, degrees), the first column
// the milliseconds since the log began. The command-line monitor and the window's log write the
// same columns; the window, which knows the record, adds where the engine ran in the advance map.
std::string TelegramCsvHeader(bool withMapCell);
// With withMapCell the row ends in the map column and throttle row, counted from 1 as the window
// shows them, both empty while the speed is below the map.
std::string TelegramCsvRow(int64_t timeMs, const MonitorTelegram& telegram,
                           const std::optional<OperatingPoint>& point);

} // namespace kx
