#pragma once

#include "CliOptions.h"
#include "config/ConfigBlock.h"
#include "link/UnitInfo.h"
#include "store/UnitHistory.h"

#include <string>

namespace kx::cli {

// Keeps `record` in the history folder as what a read or program left in the unit, `file` being
// the file the command wrote or programmed and programCount -1 when the unit reported none. A
// folder that cannot be written is told on standard error and changes nothing else: the
// exchange itself has succeeded.
void KeepInHistory(HistoryAction action, const UnitInfo& unit, int programCount,
                   const std::string& file, const ConfigBlock& record, int languageIndex);

// history: the folder's entries newest first in aligned columns, at most options.limit of them;
// what the folder holds that cannot be listed is counted on standard error.
int ListHistory(const CliOptions& options);

} // namespace kx::cli
