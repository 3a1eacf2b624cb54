#pragma once

#include <cstdint>

namespace kx {

// Puts Qt's own dialog texts (Yes, No, Cancel, the file dialogs) into the window's language
// (0 English, 1 German, 2 French, 3 Czech). Where Qt's translations are not installed, those
// texts stay English; nothing else depends on them.
void ApplyQtDialogLanguage(uint8_t languageIndex);

} // namespace kx
