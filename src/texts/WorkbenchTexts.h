#pragma once

#include <cstdint>
#include <string>

namespace kx {

// Texts of the tuning aids beyond the window's own controls, in the window's four languages.
enum class WorkbenchText : uint8_t {
    HeatMap,     // the Tools menu item
    HeatMapHint, // its hint: short part for the tooltip, then "|" and the status bar's part
};

// In the language of languageIndex (0 English, 1 German, 2 French, 3 Czech; others English).
std::string WorkbenchTextIn(WorkbenchText text, uint8_t languageIndex);

} // namespace kx
