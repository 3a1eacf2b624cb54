#include "texts/PrintTexts.h"

#include <iterator>

namespace kx {

std::string PrintedToPdfText(uint8_t languageIndex) {
    static const char* const kText[] = {
        "The printout is saved as PDF:",
        "Der Ausdruck ist als PDF gespeichert:",
        "L'impression est enregistrée en PDF :",
        "Tisk je uložen jako PDF:",
    };
    return kText[languageIndex < std::size(kText) ? languageIndex : 0];
}

} // namespace kx
