#pragma once

#include "config/AppChoices.h"

#include <map>
#include <string>

namespace kx {

// The COM menu offers Com 1 ... Com 20 (kPortCount), held as port index 0 ... 19.
// Menu caption: "Com 5" for index 4. Empty outside 0 ... 19, as are the device names below.
std::string PortCaption(int portIndex);

// The system device behind a menu entry when nothing overrides it: COM5 on Windows,
// /dev/ttyS4 elsewhere (the numbering Linux gives the first serial ports).
std::string DefaultDeviceForPort(int portIndex);

// As DefaultDeviceForPort, but any entry can be pointed at another device (a USB adapter, a
// pseudo-terminal): the environment variable KX_FLAM3_COM<n> wins over settingsOverrides[n],
// where n is the port number 1 ... 20. Empty overrides count as absent.
std::string DeviceForPort(int portIndex, const std::map<int, std::string>& settingsOverrides);

} // namespace kx
