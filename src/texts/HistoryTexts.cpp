#include "texts/HistoryTexts.h"

#include "config/AppChoices.h"
#include "texts/Placeholders.h"

#include <array>
#include <iterator>

namespace kx {

namespace {

using Translations = std::array<const char*, kLanguageCount>;

// In the order of HistoryText. Counts are given as "…: %1", which needs no plural forms.
constexpr Translations kTexts[] = {
    {"&Unit history", "Zündbox-&Verlauf", "&Historique du boîtier", "&Historie jednotky"},
    {"&History...", "&Verlauf...", "&Historique...", "&Historie..."},
    {"Compare with &file...", "Mit &Datei vergleichen...", "Comparer avec un &fichier...",
     "Porovnat se &souborem..."},
    {"Compare with &unit", "Mit der &Zündbox vergleichen", "Comparer avec le &boîtier",
     "Porovnat s &jednotkou"},
    {"The unit's history could not be written to %1",
     "Der Verlauf der Zündbox konnte nicht nach %1 geschrieben werden",
     "L'historique du boîtier n'a pas pu être écrit dans %1",
     "Historii jednotky se nepodařilo zapsat do %1"},
    {"The history entry %1 could not be read.",
     "Der Verlaufseintrag %1 konnte nicht gelesen werden.",
     "L'entrée d'historique %1 n'a pas pu être lue.", "Záznam historie %1 se nepodařilo přečíst."},
    {"The unit could not be read for the comparison.",
     "Die Zündbox konnte für den Vergleich nicht gelesen werden.",
     "Le boîtier n'a pas pu être lu pour la comparaison.",
     "Jednotku se pro porovnání nepodařilo přečíst."},
    {"Screen", "Bildschirm", "Écran", "Obrazovka"},
    {"Unit", "Zündbox", "Boîtier", "Jednotka"},
    {"File %1", "Datei %1", "Fichier %1", "Soubor %1"},
    {"%1 %2", "%1 %2", "%1 %2", "%1 %2"},
    {"read", "gelesen", "lecture", "čtení"},
    {"program", "programmiert", "programmation", "programování"},
    {"The two are equal.", "Die beiden sind gleich.", "Les deux sont identiques.",
     "Mezi nimi není žádný rozdíl."},

    {"Unit history", "Verlauf der Zündbox", "Historique du boîtier", "Historie jednotky"},
    {"&Entries", "&Einträge", "&Entrées", "&Záznamy"},
    {"&Nudge log", "&Sofortänderungen", "&Journal des retouches", "Úpravy za &chodu"},
    {"Time", "Zeit", "Heure", "Čas"},
    {"Exchange", "Vorgang", "Opération", "Operace"},
    {"Firmware", "Firmware", "Micrologiciel", "Firmware"},
    {"Programmings", "Programmierungen", "Programmations", "Počet programování"},
    {"File open then", "Damals geöffnete Datei", "Fichier ouvert alors", "Tehdy otevřený soubor"},
    {"&Firmware:", "&Firmware:", "&Micrologiciel :", "&Firmware:"},
    {"All firmware", "Alle Firmware", "Tous les micrologiciels", "Všechny firmwary"},
    {"(none reported)", "(nicht gemeldet)", "(non signalé)", "(neohlášen)"},
    {"Lines of the index that name no readable entry: %1",
     "Zeilen des Index ohne lesbaren Eintrag: %1", "Lignes de l'index sans entrée lisible : %1",
     "Řádky indexu bez čitelného záznamu: %1"},
    {"Files in the folder that the index does not list: %1",
     "Dateien im Ordner, die der Index nicht aufführt: %1",
     "Fichiers du dossier absents de l'index : %1", "Soubory ve složce, které index neuvádí: %1"},
    {"Changes", "Änderungen", "Modifications", "Změny"},
    {"Engine speed [rpm]", "Drehzahl [U/min]", "Régime [tr/min]", "Otáčky [ot/min]"},
    {"Throttle [%]", "Drosselklappe [%]", "Papillon [%]", "Plyn [%]"},
    {"whole record programmed", "ganzer Datensatz programmiert", "enregistrement complet programmé",
     "naprogramován celý záznam"},
    {"%1: %2", "%1: %2", "%1 : %2", "%1: %2"},
    {"further fields: %1", "weitere Felder: %1", "autres champs : %1", "další pole: %1"},
    {"&Compare", "&Vergleichen", "&Comparer", "&Porovnat"},
    {"Compare with &screen", "Mit &Bildschirm vergleichen", "Comparer avec l'é&cran",
     "Porovnat s &obrazovkou"},
    {"&Restore", "&Wiederherstellen", "&Restaurer", "O&bnovit"},
    {"Roll &back to here", "&Bis hierher zurücknehmen", "&Revenir à ce point", "&Vrátit se sem"},
    {"Close", "Schließen", "Fermer", "Zavřít"},
    {"Show this entry's record on the screen. Undo takes it back; with Programming after change "
     "ticked it goes to the unit at once.",
     "Den Datensatz dieses Eintrags auf dem Bildschirm zeigen. Rückgängig nimmt ihn zurück; mit "
     "Programmierung nach Änderung geht er sofort in die Zündbox.",
     "Afficher l'enregistrement de cette entrée à l'écran. Annuler le retire ; avec la sauvegarde "
     "après modification cochée, il va aussitôt au boîtier.",
     "Zobrazit záznam této položky na obrazovce. Zpět jej vrátí; se zaškrtnutým Programováním po "
     "změně jde ihned do jednotky."},
    {"Put the record back as it was after this change. Undo takes it back; with Programming "
     "after change ticked it goes to the unit at once.",
     "Den Datensatz so zurückholen, wie er nach dieser Änderung war. Rückgängig nimmt ihn zurück; "
     "mit Programmierung nach Änderung geht er sofort in die Zündbox.",
     "Remettre l'enregistrement tel qu'il était après cette modification. Annuler le retire ; "
     "avec la sauvegarde après modification cochée, il va aussitôt au boîtier.",
     "Vrátit záznam do stavu po této změně. Zpět jej vrátí; se zaškrtnutým Programováním po změně "
     "jde ihned do jednotky."},

    {"Comparison", "Vergleich", "Comparaison", "Porovnání"},
    {"%1 compared with %2", "%1 verglichen mit %2", "%1 comparé à %2", "Porovnání: %1 a %2"},
    {"Differing fields: %1", "Abweichende Felder: %1", "Champs différents : %1",
     "Rozdílná pole: %1"},
    {"Field", "Feld", "Champ", "Pole"},
    {"The map shows the values of \u201C%2\u201D [\u00B0], in brackets the change from "
     "\u201C%1\u201D; green: higher, red: lower.",
     "Die Karte zeigt die Werte von \u201E%2\u201C [\u00B0], in Klammern die Änderung gegenüber "
     "\u201E%1\u201C; grün: höher, rot: niedriger.",
     "La carte montre les valeurs de \u00AB\u00A0%2\u00A0\u00BB [\u00B0], entre parenthèses "
     "l'écart par rapport à \u00AB\u00A0%1\u00A0\u00BB ; vert : plus haut, rouge : plus bas.",
     "Mapa ukazuje hodnoty strany \u201E%2\u201C [\u00B0], v závorce změnu oproti \u201E%1\u201C; "
     "zelená: vyšší, červená: nižší."},
};
static_assert(std::size(kTexts) == kHistoryTexts, "one entry per HistoryText");

static_assert(EveryRowKeepsPlaceholders(kTexts), "every language keeps the placeholders");

} // namespace

std::string HistoryTextIn(HistoryText text, uint8_t languageIndex) {
    return kTexts[size_t(text)][languageIndex < kLanguageCount ? languageIndex : 0];
}

} // namespace kx
