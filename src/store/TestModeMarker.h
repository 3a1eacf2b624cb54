#pragma once

#include <istream>

namespace kx {

// True when the marker file holds the word "DIAG_SWITCH" (whole word, exact letter case), which
// switches on the developer test mode for the run.
bool MarkerEnablesTestMode(std::istream& in);

} // namespace kx
