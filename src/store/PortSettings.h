#pragma once

#include "store/IniFile.h"

#include <map>
#include <string>

namespace kx {

// The devices the settings file's PORTS section names for menu entries, by port number:
// "Com3=/dev/ttyUSB0" points Com 3 at the adapter. Keys that name no entry are ignored.
std::map<int, std::string> PortOverridesFromSettings(const IniFile& settings);

} // namespace kx
