#pragma once

#include "config/ConfigBlock.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kx {

// The configuration text file (extension "ign"): every user-visible field in the units the editors
// show, grouped under upper-case keywords.

// Writes the fixed 40-line layout, ending right after the last value without a line end. Lines end
// in '\n'; callers open the file in text mode so the platform's own line end (CR LF on Windows) is
// what lands on disk, as other tools reading these files expect.
void WriteConfigFile(std::ostream& out, const ConfigBlock& block);

// Reads any arrangement of the file's keywords and numbers. Returns false, storing nothing, when
// the file has no "KORVANEX_KEY" followed by the version 50. Fields whose keyword is absent, and
// values cut short by the end of the file or by a non-numeric token, keep their current values.
// Values are not range-checked; run NormaliseBlock afterwards.
bool ReadConfigFile(std::istream& in, ConfigBlock& block);

// A keyword of the file and the record offsets of its values, in the order they follow it.
struct ConfigFileKeyword {
    std::string name;
    std::vector<int> offsets;
};

// The keywords in the order the writer emits them; the file version key is not among them.
const std::vector<ConfigFileKeyword>& ConfigFileKeywords();

// The number the writer puts into the file for the record byte at offset, in the file's units
// (rpm, mV, ms, signed corrections, 0 or 1 for flags). A byte no keyword carries comes as stored.
int ConfigFileNumber(const ConfigBlock& block, int offset);

} // namespace kx
