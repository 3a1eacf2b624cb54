#pragma once

#include "SimulatedUnit.h"

#include <string>

namespace kx::sim {

// The --help text.
extern const char kSimUsage[];

// Everything the command line sets: the unit's own faults and variants, and what the line adds.
struct SimOptions {
    UnitOptions unit;
    std::string linkPath;
    std::string imagePath;
    int delayMs = 0;
    int strayBytes = 0;
    int unplugAfter = 0;
    bool lineTime = false;
    bool verbose = false;
};

enum class ParseResult { Run, Help, Version, Error };

// Reads argv[1..argc-1] in order; --help and --version win only if no error comes before them.
// On Error, error holds the reason without the program name.
ParseResult ParseSimOptions(int argc, const char* const* argv, SimOptions& options,
                            std::string& error);

} // namespace kx::sim
