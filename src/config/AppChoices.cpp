#include "config/AppChoices.h"

#include <cctype>

namespace kx {

const char* const kLanguageWords[kLanguageCount] = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};

std::optional<uint8_t> LanguageFromWord(const std::string& word) {
    for (int i = 0; i < kLanguageCount; ++i) {
        if (word == kLanguageWords[i])
            return uint8_t(i);
    }
    return std::nullopt;
}

std::optional<int> PortIndexFromName(const std::string& name) {
    if (name.size() < 4)
        return std::nullopt;
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i])
            return std::nullopt;
    }
    size_t pos = 3;
    if (name[pos] == ' ')
        ++pos;
    const size_t digits = name.size() - pos;
    if (digits < 1 || digits > 2)
        return std::nullopt;
    int number = 0;
    for (; pos < name.size(); ++pos) {
        if (!std::isdigit(static_cast<unsigned char>(name[pos])))
            return std::nullopt;
        number = number * 10 + (name[pos] - '0');
    }
    if (number < 1 || number > kPortCount)
        return std::nullopt;
    return number - 1;
}

} // namespace kx
