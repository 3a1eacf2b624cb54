#include "config/AppChoices.h"

namespace kx {

const char* const kLanguageWords[kLanguageCount] = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};

std::optional<uint8_t> LanguageFromWord(const std::string& word) {
    for (int i = 0; i < kLanguageCount; ++i) {
        if (word == kLanguageWords[i])
            return uint8_t(i);
    }
    return std::nullopt;
}

} // namespace kx
