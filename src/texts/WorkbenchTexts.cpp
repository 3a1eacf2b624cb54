#include "texts/WorkbenchTexts.h"

#include "config/AppChoices.h"

#include <array>
#include <iterator>

namespace kx {

namespace {

using Translations = std::array<const char*, kLanguageCount>;

const Translations kTexts[] = {
    {"&Heat map", "&Farbige Karte", "Carte en &couleurs", "&Barevná mapa"},
    {"Heat map|Colour the advance map by its values",
     "Farbige Karte|Die Zündkarte nach ihren Werten einfärben",
     "Carte en couleurs|Colorer la carte d'avance selon ses valeurs",
     "Barevná mapa|Obarvit mapu předstihu podle hodnot"},
};

} // namespace

std::string WorkbenchTextIn(WorkbenchText text, uint8_t languageIndex) {
    const Translations& translations = kTexts[size_t(text)];
    return translations[languageIndex < kLanguageCount ? languageIndex : 0];
}

} // namespace kx
