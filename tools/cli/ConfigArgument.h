#pragma once

#include "config/ConfigBlock.h"
#include "texts/MessageTexts.h"

#include <QString>

#include <string>

namespace kx::cli {

// File names come in the system's own encoding of the command line.
QString PathFromArgument(const std::string& argument);

// The configuration file named on the command line, read over `block` as it is, without
// normalising. A file that cannot be read or is no configuration file leaves `block` as it was
// and is reported on standard error with the window's message and the file's name.
bool ReadConfigArgument(const std::string& file, ConfigBlock& block, const MessageTexts& texts);

} // namespace kx::cli
