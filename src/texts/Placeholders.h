#pragma once

#include <iterator>

namespace kx {

// Whether "%<digit>" stands in text.
constexpr bool HasPlaceholder(const char* text, char digit) {
    for (; *text; ++text) {
        if (text[0] == '%' && text[1] == digit)
            return true;
    }
    return false;
}

// Whether every translation has the placeholders its first (English) text has: one that lost
// one would drop the name or the number the English text shows.
template <typename Translations>
constexpr bool KeepsPlaceholders(const Translations& translations) {
    const char* english = *std::begin(translations);
    for (const char* text : translations) {
        for (char digit = '1'; digit <= '9'; ++digit) {
            if (HasPlaceholder(text, digit) != HasPlaceholder(english, digit))
                return false;
        }
    }
    return true;
}

// The same for every row of a table of translations.
template <typename Table>
constexpr bool EveryRowKeepsPlaceholders(const Table& table) {
    for (const auto& translations : table) {
        if (!KeepsPlaceholders(translations))
            return false;
    }
    return true;
}

} // namespace kx
