#include "texts/WorkbenchTexts.h"

#include "config/AppChoices.h"

#include <array>
#include <iterator>

namespace kx {

namespace {

using Translations = std::array<const char*, kLanguageCount>;

// In the order of WorkbenchText.
const Translations kTexts[] = {
    {"&Heat map", "&Farbige Karte", "Carte en &couleurs", "&Barevná mapa"},
    {"Heat map|Colour the advance map by its values",
     "Farbige Karte|Die Zündkarte nach ihren Werten einfärben",
     "Carte en couleurs|Colorer la carte d'avance selon ses valeurs",
     "Barevná mapa|Obarvit mapu předstihu podle hodnot"},
    {"&Edit", "&Bearbeiten", "&Édition", "Úpr&avy"},
    {"&Undo", "&Rückgängig", "&Annuler", "&Zpět"},
    {"&Undo %1", "&Rückgängig: %1", "&Annuler : %1", "&Zpět: %1"},
    {"&Redo", "&Wiederholen", "&Rétablir", "Zno&vu"},
    {"&Redo %1", "&Wiederholen: %1", "&Rétablir : %1", "Zno&vu: %1"},
    {"&Copy cells", "Zellen &kopieren", "&Copier les cellules", "&Kopírovat buňky"},
    {"&Paste cells", "Zellen &einfügen", "C&oller les cellules", "V&ložit buňky"},
    {"Select the whole &map", "Ganze &Karte auswählen", "Sélectionner toute la c&arte",
     "Vybrat celou &mapu"},
    {"Raise by %1\u00B0", "Um %1\u00B0 erhöhen", "Augmenter de %1\u00B0", "Zvýšit o %1\u00B0"},
    {"Lower by %1\u00B0", "Um %1\u00B0 senken", "Diminuer de %1\u00B0", "Snížit o %1\u00B0"},
    {"&Set to value...", "Auf &Wert setzen...", "&Fixer à une valeur...", "&Nastavit hodnotu..."},
    {"Sc&ale by percentage...", "Prozentual &skalieren...", "&Mettre à l'échelle en %...",
     "Změnit v &procentech..."},
    {"Interpolate along the &rows", "Entlang der &Zeilen interpolieren",
     "Interpoler le long des &lignes", "Interpolovat v řá&dcích"},
    {"Interpolate along the c&olumns", "Entlang der S&palten interpolieren",
     "Interpoler le long des c&olonnes", "Interpolovat ve &sloupcích"},
    {"&Interpolate both ways", "In beide Richtungen &interpolieren",
     "&Interpoler dans les deux sens", "&Interpolovat oběma směry"},
    {"Smoot&h", "&Glätten", "Li&sser", "V&yhladit"},
    {"Step of raise and lower...", "Schrittweite für Erhöhen und Senken...",
     "Pas d'augmentation et de diminution...", "Krok zvýšení a snížení..."},
    {"Advance of the selected cells [\u00B0]:", "Zündzeitpunkt der ausgewählten Zellen [\u00B0]:",
     "Avance des cellules sélectionnées [\u00B0] :", "Předstih vybraných buněk [\u00B0]:"},
    {"Each selected cell becomes this percentage of its value [%]:",
     "Jede ausgewählte Zelle wird zu diesem Prozentsatz ihres Werts [%]:",
     "Chaque cellule sélectionnée devient ce pourcentage de sa valeur [%] :",
     "Každá vybraná buňka bude mít toto procento své hodnoty [%]:"},
    {"Degrees added or taken off by one raise or lower [\u00B0]:",
     "Grad, die ein Erhöhen oder Senken hinzufügt oder abzieht [\u00B0]:",
     "Degrés ajoutés ou retirés par une augmentation ou une diminution [\u00B0] :",
     "Stupně přidané nebo ubrané jedním zvýšením nebo snížením [\u00B0]:"},
    {"The clipboard holds no values to paste.",
     "Die Zwischenablage enthält keine Werte zum Einfügen.",
     "Le presse-papiers ne contient aucune valeur à coller.",
     "Schránka neobsahuje žádné hodnoty k vložení."},
    {"The rows on the clipboard are not all equally long. Nothing was pasted.",
     "Die Zeilen in der Zwischenablage sind nicht gleich lang. Es wurde nichts eingefügt.",
     "Les lignes du presse-papiers n'ont pas toutes la même longueur. Rien n'a été collé.",
     "Řádky ve schránce nejsou stejně dlouhé. Nic nebylo vloženo."},
    {"Row %1, column %2 of the clipboard is not a number: \"%3\". Nothing was pasted.",
     "Zeile %1, Spalte %2 der Zwischenablage ist keine Zahl: \"%3\". Es wurde nichts eingefügt.",
     "La ligne %1, colonne %2 du presse-papiers n'est pas un nombre : \"%3\". Rien n'a été collé.",
     "Řádek %1, sloupec %2 ve schránce není číslo: \"%3\". Nic nebylo vloženo."},
    {"The clipboard holds %1 \u00D7 %2 cells; from the selected cell the map has room for %3 "
     "\u00D7 %4. Nothing was pasted.",
     "Die Zwischenablage enthält %1 \u00D7 %2 Zellen; ab der ausgewählten Zelle hat die Karte "
     "Platz für %3 \u00D7 %4. Es wurde nichts eingefügt.",
     "Le presse-papiers contient %1 \u00D7 %2 cellules ; à partir de la cellule sélectionnée, la "
     "carte a de la place pour %3 \u00D7 %4. Rien n'a été collé.",
     "Schránka obsahuje %1 \u00D7 %2 buněk; od vybrané buňky má mapa místo pro %3 \u00D7 %4. "
     "Nic nebylo vloženo."},
    {"Pasted. %1 values lay outside 0..60\u00B0 and were set to the nearest limit.",
     "Eingefügt. %1 Werte lagen außerhalb von 0..60\u00B0 und wurden auf die nächste Grenze "
     "gesetzt.",
     "Collé. %1 valeurs étaient hors de 0..60\u00B0 et ont été ramenées à la limite la plus "
     "proche.",
     "Vloženo. %1 hodnot bylo mimo 0..60\u00B0 a bylo nastaveno na nejbližší mez."},
    {"Advance &curve", "Zünd&kurve", "&Courbe d'avance", "&Křivka předstihu"},
    {"Advance curve|Draw the advance map, on the servo page the servo table, over engine speed",
     "Zündkurve|Die Zündkarte, auf der Servoseite die Servotabelle, über der Drehzahl zeichnen",
     "Courbe d'avance|Tracer la carte d'avance, sur la page servo la table du servo, selon le "
     "régime",
     "Křivka předstihu|Vykreslit mapu předstihu, na stránce serva tabulku serva, podle otáček"},
    {"Engine speed [rpm]", "Drehzahl [U/min]", "Régime [tr/min]", "Otáčky [ot/min]"},
    {"Advance [\u00B0]", "Vorzündung [\u00B0]", "Avance [\u00B0]", "Předstih [\u00B0]"},
    {"Servo [mV]", "Servo [mV]", "Servo [mV]", "Servo [mV]"},
    {"Engine &trail", "Motor&spur", "&Trace du moteur", "S&topa motoru"},
    {"Engine trail|Ring the last map cells the engine ran in, fading with age",
     "Motorspur|Die letzten Zellen der Karte, in denen der Motor lief, verblassend umranden",
     "Trace du moteur|Entourer les dernières cellules où le moteur a tourné, en s'estompant",
     "Stopa motoru|Orámovat poslední buňky mapy, ve kterých motor běžel, s postupným blednutím"},
    {"Time in each ce&ll", "&Zeit je Zelle", "Te&mps par cellule", "Č&as v buňkách"},
    {"Time in each cell|A bar under each map cell, as long as the engine ran there this session",
     "Zeit je Zelle|Ein Balken unter jeder Zelle, so lang wie der Motor in dieser Sitzung dort "
     "lief",
     "Temps par cellule|Une barre sous chaque cellule, aussi longue que le moteur y a tourné "
     "pendant cette session",
     "Čas v buňkách|Pruh pod každou buňkou mapy, tak dlouhý, jak dlouho v ní motor v této relaci "
     "běžel"},
    {"&Reset the cell times", "Zellzeiten &zurücksetzen", "&Remettre les temps à zéro",
     "&Vynulovat časy buněk"},
};
static_assert(std::size(kTexts) == kWorkbenchTexts, "one entry per WorkbenchText");

// In the order of ChangeKind.
const Translations kChangeNames[] = {
    {"edit", "Eingabe", "saisie", "úprava"},
    {"map tool", "Kartenwerkzeug", "outil de carte", "nástroj mapy"},
    {"raise", "Erhöhen", "augmentation", "zvýšení"},
    {"lower", "Senken", "diminution", "snížení"},
    {"set to value", "Wert setzen", "valeur fixée", "nastavení hodnoty"},
    {"scale", "Skalieren", "mise à l'échelle", "změna v procentech"},
    {"interpolation", "Interpolieren", "interpolation", "interpolace"},
    {"smoothing", "Glätten", "lissage", "vyhlazení"},
    {"paste", "Einfügen", "collage", "vložení"},
    {"new", "Neu", "nouveau", "nový"},
    {"bike type", "Motorradtyp", "type de moto", "typ motocyklu"},
    {"open", "Öffnen", "ouverture", "otevření"},
    {"read", "Lesen", "lecture", "čtení"},
    {"restore", "Wiederherstellen", "restauration", "obnovení"},
};
static_assert(std::size(kChangeNames) == kChangeKinds, "one entry per ChangeKind");

const char* In(const Translations& translations, uint8_t languageIndex) {
    return translations[languageIndex < kLanguageCount ? languageIndex : 0];
}

} // namespace

std::string WorkbenchTextIn(WorkbenchText text, uint8_t languageIndex) {
    return In(kTexts[size_t(text)], languageIndex);
}

std::string ChangeKindText(ChangeKind kind, uint8_t languageIndex) {
    return In(kChangeNames[size_t(kind)], languageIndex);
}

} // namespace kx
