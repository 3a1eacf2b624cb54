#include "texts/LogTexts.h"

#include "config/AppChoices.h"
#include "texts/Placeholders.h"

#include <array>
#include <iterator>

namespace kx {

namespace {

using Translations = std::array<const char*, kLanguageCount>;

// In the order of LogText. Counts are given as "…: %1", which needs no plural forms.
constexpr Translations kTexts[] = {
    {"&Log", "&Log", "&Journal", "&Záznam"},
    {"&Start logging", "Aufzeichnung &starten", "&Démarrer l'enregistrement", "&Spustit záznam"},
    {"S&top logging", "Aufzeichnung s&toppen", "&Arrêter l'enregistrement", "&Zastavit záznam"},
    {"&Open log...", "Log ö&ffnen...", "&Ouvrir un journal...", "&Otevřít záznam..."},
    {"Open logs &folder", "Log-&Ordner öffnen", "Ouvrir le &dossier des journaux",
     "Otevřít &složku záznamů"},
    {"Logging %1 \u00B7 rows: %2", "Aufzeichnung %1 \u00B7 Zeilen: %2",
     "Enregistrement %1 \u00B7 lignes : %2", "Záznam %1 \u00B7 řádky: %2"},
    {"Logging could not start: %1 could not be created (%2).",
     "Die Aufzeichnung konnte nicht starten: %1 konnte nicht angelegt werden (%2).",
     "L'enregistrement n'a pas pu démarrer : %1 n'a pas pu être créé (%2).",
     "Záznam se nepodařilo spustit: %1 nelze vytvořit (%2)."},
    {"Logging stopped: %1 could not be written (%2). The rows before are kept.",
     "Aufzeichnung gestoppt: %1 konnte nicht geschrieben werden (%2). Die Zeilen davor bleiben "
     "erhalten.",
     "Enregistrement arrêté : %1 n'a pas pu être écrit (%2). Les lignes précédentes sont "
     "conservées.",
     "Záznam zastaven: %1 nelze zapsat (%2). Dosavadní řádky zůstávají zachovány."},
    {"The log %1 could not be read (%2).", "Das Log %1 konnte nicht gelesen werden (%2).",
     "Le journal %1 n'a pas pu être lu (%2).", "Záznam %1 se nepodařilo přečíst (%2)."},
    {"%1 is not a log of this program: it has no time_ms and rpm columns.",
     "%1 ist kein Log dieses Programms: es hat keine Spalten time_ms und rpm.",
     "%1 n'est pas un journal de ce programme : il n'a pas de colonnes time_ms et rpm.",
     "%1 není záznam tohoto programu: nemá sloupce time_ms a rpm."},
    {"Logs (*.csv);;All files (*)", "Logs (*.csv);;Alle Dateien (*)",
     "Journaux (*.csv);;Tous les fichiers (*)", "Záznamy (*.csv);;Všechny soubory (*)"},

    {"Log %1", "Log %1", "Journal %1", "Záznam %1"},
    {"Time (s)", "Zeit (s)", "Temps (s)", "Čas (s)"},
    {"Time (min:s)", "Zeit (min:s)", "Temps (min:s)", "Čas (min:s)"},
    {"Time (h:min)", "Zeit (h:min)", "Temps (h:min)", "Čas (h:min)"},
    {"Engine speed (rpm)", "Drehzahl (U/min)", "Régime (tr/min)", "Otáčky (ot/min)"},
    {"Throttle (%)", "Drosselklappe (%)", "Papillon (%)", "Plyn (%)"},
    {"Advance (\u00B0)", "Zündwinkel (\u00B0)", "Avance (\u00B0)", "Předstih (\u00B0)"},
    {"Supply (V)", "Versorgung (V)", "Alimentation (V)", "Napájení (V)"},
    {"Throttle", "Drosselklappe", "Papillon", "Plyn"},
    {"Advance 1", "Zündwinkel 1", "Avance 1", "Předstih 1"},
    {"Advance 2", "Zündwinkel 2", "Avance 2", "Předstih 2"},
    {"&Play", "&Abspielen", "&Lecture", "&Přehrát"},
    {"P&ause", "&Pause", "&Pause", "P&ozastavit"},
    {"&Speed:", "&Tempo:", "&Vitesse :", "&Rychlost:"},
    {"%1\u00D7", "%1\u00D7", "%1\u00D7", "%1\u00D7"},
    {"&Whole log", "&Ganzes Log", "&Journal entier", "&Celý záznam"},
    {"Zoom &in", "&Vergrößern", "&Agrandir", "Př&iblížit"},
    {"Zoom &out", "Ver&kleinern", "&Réduire", "&Oddálit"},
    {"P&lot", "&Verlauf", "&Courbes", "&Průběh"},
    {"&Dwell map", "&Verweilkarte", "Carte des &durées", "Mapa &doby"},
    {"&Count over:", "&Gezählt über:", "&Compté sur :", "&Počítat za:"},
    {"Whole log", "Ganzes Log", "Journal entier", "Celý záznam"},
    {"Time shown", "Gezeigte Zeit", "Durée affichée", "Zobrazený čas"},
    {"Lines skipped: %1", "Übersprungene Zeilen: %1", "Lignes ignorées : %1",
     "Přeskočené řádky: %1"},
    {"%1 rpm, %2 % throttle: %3", "%1 U/min, %2 % Drosselklappe: %3",
     "%1 tr/min, papillon %2 % : %3", "%1 ot/min, plyn %2 %: %3"},
    {"%1: %2 rpm, %3 %, advance %4\u00B0 / %5\u00B0, %6 V",
     "%1: %2 U/min, %3 %, Zündwinkel %4\u00B0 / %5\u00B0, %6 V",
     "%1 : %2 tr/min, %3 %, avance %4\u00B0 / %5\u00B0, %6 V",
     "%1: %2 ot/min, %3 %, předstih %4\u00B0 / %5\u00B0, %6 V"},
    {"Close", "Schließen", "Fermer", "Zavřít"},
};
static_assert(std::size(kTexts) == kLogTexts, "one entry per LogText");
static_assert(EveryRowKeepsPlaceholders(kTexts), "every language keeps the placeholders");

} // namespace

std::string LogTextIn(LogText text, uint8_t languageIndex) {
    return kTexts[size_t(text)][languageIndex < kLanguageCount ? languageIndex : 0];
}

} // namespace kx
