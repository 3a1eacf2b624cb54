#include "texts/DifferenceTexts.h"

#include "config/AppChoices.h"
#include "texts/Placeholders.h"

#include <iterator>

namespace kx {

namespace {

struct NameRow {
    ValueName id;
    const char* text[kLanguageCount]; // English, German, French, Czech
};

struct WordRow {
    std::string DifferenceWords::*words;
    const char* text[kLanguageCount];
};

constexpr NameRow kNames[] = {
    {ValueName::Type, {"type", "Typ", "type", "typ"}},
    {ValueName::Synchronisation,
     {"synchronisation", "Synchronisierung", "synchronisation", "synchronizace"}},
    {ValueName::Lobes, {"lobes", "Leitstücke", "plots", "výstupky"}},
    {ValueName::Outputs, {"outputs", "Ausgänge", "sorties", "výstupy"}},
    {ValueName::RevolutionsWithoutIgnition,
     {"revolutions without ignition", "Umdrehungen ohne Zündung", "tours sans allumage",
      "otáčky bez zápalu"}},
    {ValueName::Compensation1,
     {"compensation 1", "Kompensation 1", "compensation 1", "kompenzace 1"}},
    {ValueName::Compensation2,
     {"compensation 2", "Kompensation 2", "compensation 2", "kompenzace 2"}},
    {ValueName::Input1Function,
     {"input 1 function", "Funktion Eingang 1", "fonction de l'entrée 1", "funkce vstupu 1"}},
    {ValueName::Input2Function,
     {"input 2 function", "Funktion Eingang 2", "fonction de l'entrée 2", "funkce vstupu 2"}},
    {ValueName::Pickup1Inverted,
     {"pick-up 1 inverted", "Geber 1 umgepolt", "capteur 1 inversé", "opačná polarita snímače 1"}},
    {ValueName::Pickup2Inverted,
     {"pick-up 2 inverted", "Geber 2 umgepolt", "capteur 2 inversé", "opačná polarita snímače 2"}},
    {ValueName::StartLimiter,
     {"start limiter", "Startbegrenzer", "limiteur de départ", "startovací omezovač"}},
    {ValueName::Limiter, {"limiter", "Begrenzer", "limiteur", "omezovač"}},
    {ValueName::Retard, {"retard", "Spätzündung", "retard d'allumage", "snížení předstihu"}},
    {ValueName::ClutchTime, {"time", "Zeit", "durée", "čas"}},
    {ValueName::ClutchPause, {"pause", "Pause", "pause", "pauza"}},
    {ValueName::Tps0, {"0 %", "0 %", "0 %", "0 %"}},
    {ValueName::Tps100, {"100 %", "100 %", "100 %", "100 %"}},
    {ValueName::TachoPulses, {"pulses", "Impulse", "impulsions", "pulsy"}},
    {ValueName::TachoCorrection, {"correction", "Korrektur", "correction", "korekce"}},
    {ValueName::MaxAdvanceLobe,
     {"maximum advance lobe", "Maximalvorzündung Leitstück", "avance maximale plot",
      "maximální předstih výstupek"}},
    {ValueName::MaxAdvanceEdge2,
     {"maximum advance 2nd edge", "Maximalvorzündung 2. Kante", "avance maximale 2e front",
      "maximální předstih 2. hrana"}},
    {ValueName::MaxAdvancePickup2,
     {"maximum advance pick-up 2", "Maximalvorzündung Geber 2", "avance maximale capteur 2",
      "maximální předstih snímač 2"}},
    {ValueName::StartAdvanceLobe,
     {"start advance lobe", "Startvorzündung Leitstück", "avance au démarrage plot",
      "startovací předstih výstupek"}},
    {ValueName::StartAdvanceEdge2,
     {"start advance 2nd edge", "Startvorzündung 2. Kante", "avance au démarrage 2e front",
      "startovací předstih 2. hrana"}},
    {ValueName::StartAdvancePickup2,
     {"start advance pick-up 2", "Startvorzündung Geber 2", "avance au démarrage capteur 2",
      "startovací předstih snímač 2"}},
};

constexpr WordRow kWords[] = {
    {&DifferenceWords::channelValue,
     {"channel %1 %2", "Kanal %1 %2", "canal %1 %2", "kanál %1 %2"}},
    {&DifferenceWords::mapCell,
     {"row %1 column %2", "Zeile %1 Spalte %2", "ligne %1 colonne %2", "řádek %1 sloupec %2"}},
    {&DifferenceWords::axisPoint, {"point %1", "Punkt %1", "point %1", "bod %1"}},
    {&DifferenceWords::value, {"value %1", "Wert %1", "valeur %1", "hodnota %1"}},
    {&DifferenceWords::freeByte,
     {"byte %1 (not in the file)", "Byte %1 (nicht in der Datei)", "octet %1 (absent du fichier)",
      "bajt %1 (není v souboru)"}},
    {&DifferenceWords::stored,
     {"(stored %1 and %2)", "(gespeichert %1 und %2)", "(mémorisé %1 et %2)", "(uloženo %1 a %2)"}},
};

constexpr bool EveryLanguageHasThePlaceholders() {
    for (const WordRow& row : kWords) {
        if (!KeepsPlaceholders(row.text))
            return false;
    }
    return true;
}
static_assert(EveryLanguageHasThePlaceholders(), "every language keeps the placeholders");

} // namespace

DifferenceWords DifferenceWordsIn(uint8_t languageIndex) {
    const std::size_t language = languageIndex < kLanguageCount ? languageIndex : 0;
    DifferenceWords words;
    static_assert(std::size(kNames) == std::size_t(ValueName::Count), "one row per ValueName");
    for (const NameRow& row : kNames)
        words.names[std::size_t(row.id)] = row.text[language];
    for (const WordRow& row : kWords)
        words.*row.words = row.text[language];
    return words;
}

} // namespace kx
