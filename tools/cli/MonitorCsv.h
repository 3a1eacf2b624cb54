#pragma once

#include "link/MonitorTelegram.h"

#include <cstdint>
#include <string>

namespace kx::cli {

// One CSV row per live telegram, in engineering units (rpm, %, mV, degrees).
std::string MonitorCsvHeader();
std::string MonitorCsvRow(int64_t timeMs, const MonitorTelegram& telegram);

} // namespace kx::cli
