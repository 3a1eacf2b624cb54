#pragma once

#include "link/SerialPort.h"

#include <cstdint>
#include <string>

namespace kx {

// The line under "Com opening error!" that says which device failed and why, in the language
// of languageIndex (0 English, 1 German, 2 French, 3 Czech). A reason without its own text
// shows the system's text.
std::string PortFailureLine(const std::string& device, PortOpenFailure failure,
                            const std::string& systemText, uint8_t languageIndex);

} // namespace kx
