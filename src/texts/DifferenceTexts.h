#pragma once

#include "store/ConfigDifferences.h"

#include <cstdint>

namespace kx {

// The words a difference between two records is described with, in the language of
// languageIndex (0 English, 1 German, 2 French, 3 Czech; others English). The command-line
// tool's verify and diff and the window's comparison say the same.
DifferenceWords DifferenceWordsIn(uint8_t languageIndex);

} // namespace kx
