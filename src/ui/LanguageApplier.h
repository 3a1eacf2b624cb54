#pragma once

#include "texts/MessageTexts.h"

#include <cstdint>

namespace kx {

class TFormHlav;

// Puts the texts of one language on the main window: the language check marks, the title, menu
// and control captions, list and radio items (the selections stay), hints, and, while no unit
// is connected, the no-data placeholders of the live labels. `messages` must already hold the
// same language. The result depends only on the language and on `noConnection`.
void ApplyLanguageTexts(TFormHlav& form, uint8_t languageIndex, const MessageTexts& messages,
                        bool noConnection);

} // namespace kx
