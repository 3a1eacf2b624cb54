#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kx {

constexpr int kLanguageCount = 4; // English, German, French, Czech
constexpr int kPortCount = 20;    // Com 1 .. Com 20

// The words that choose a language on the command line of the window and of the command-line
// tool, by language index.
extern const char* const kLanguageWords[kLanguageCount];

// The language index of a command-line word (exact capitals); nothing for any other word.
std::optional<uint8_t> LanguageFromWord(const std::string& word);

// Port index of "COM5", "com5" or "Com 5" (4). Nothing for other text or numbers outside 1 ... 20.
std::optional<int> PortIndexFromName(const std::string& name);

// Two application settings that are repaired together with the record.
struct AppChoices {
    uint8_t languageIndex = 0; // 0 English, 1 German, 2 French, 3 Czech
    uint8_t portIndex = 0;     // 0 = Com 1 .. 19 = Com 20
};

} // namespace kx
