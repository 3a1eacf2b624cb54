#pragma once

#include "config/AppChoices.h"
#include "texts/MessageTexts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kx {

// What a language text does to the control it names.
enum class TextKind {
    Caption,     // window title, menu, button, label, check box, group box or tab page
    Item,        // one item of a combo box or of a radio group, at `item`
    Hint,        // "short|long", or one text serving as both
    Placeholder, // a live-monitor label's text while the unit sends nothing
};

struct ControlText {
    std::string control; // object name; the main window's own name for its title
    TextKind kind;
    int item; // Item only
    std::string text;
};

// Every language-dependent text of the main window in the order it is applied: title and
// connection label, menus, captions, list items, hints, radio items, placeholders. Captions and
// placeholders built from message texts take them from `messages`, which must already hold the
// same language. An index above 3 gives English.
std::vector<ControlText> LanguageTexts(uint8_t languageIndex, const MessageTexts& messages);

// The Language menu item of each language; the current one carries the check mark.
extern const char* const kLanguageMenuItems[kLanguageCount];

// Caption of the About window.
std::string AboutCaption(uint8_t languageIndex);

} // namespace kx
