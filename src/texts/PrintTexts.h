#pragma once

#include <cstdint>
#include <string>

namespace kx {

// The first line of the message after a print job became a PDF file (the next line names the
// file), in the language of languageIndex (0 English, 1 German, 2 French, 3 Czech).
std::string PrintedToPdfText(uint8_t languageIndex);

} // namespace kx
