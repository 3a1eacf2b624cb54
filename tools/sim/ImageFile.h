#pragma once

#include "config/ConfigBlock.h"

#include <string>

namespace kx::sim {

// The unit's configuration kept between runs as a record copy, spare bytes included.

// False when the file cannot be opened; record is then untouched.
bool LoadImage(const std::string& path, ConfigBlock& record);

// Written beside the target and renamed over it, so a crash never leaves half a file.
bool SaveImage(const std::string& path, const ConfigBlock& record);

} // namespace kx::sim
