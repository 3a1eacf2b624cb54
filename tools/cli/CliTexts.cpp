#include "CliTexts.h"

#include "store/ConfigDifferences.h"
#include "texts/Placeholders.h"

#include <cstddef>
#include <iterator>

namespace kx::cli {

namespace {

constexpr int kLanguageCount = 4;

struct Row {
    CliText id;
    const char* text[kLanguageCount]; // English, German, French, Czech
};

constexpr Row kTexts[] = {
    {CliText::OutFileExists,
     {"%1 already exists; add --force to replace it",
      "Die Datei %1 existiert bereits; zum Ersetzen --force angeben",
      "Le fichier %1 existe déjà ; ajoutez --force pour le remplacer",
      "Soubor %1 již existuje; pro přepsání přidejte --force"}},
    {CliText::Written, {"Written: %1", "Geschrieben: %1", "Fichier écrit : %1", "Zapsáno: %1"}},
    {CliText::Firmware,
     {"Firmware: %1", "Programmversion: %1", "Version du programme : %1", "Verze programu: %1"}},
    {CliText::Date, {"Date: %1", "Datum: %1", "Date : %1", "Datum: %1"}},
    {CliText::Time, {"Time: %1", "Uhrzeit: %1", "Heure : %1", "Čas: %1"}},
    {CliText::StoringNotEnded,
     {"The unit did not report the end of storing within %1 s. Keep its power on until it has "
      "certainly finished, then check it with verify.",
      "Die Zündung hat das Ende des Speicherns nicht innerhalb von %1 s gemeldet. Lassen Sie "
      "sie eingeschaltet, bis sie sicher fertig ist, und prüfen Sie sie dann mit verify.",
      "Le boîtier n'a pas signalé la fin de la mémorisation dans les %1 s. Laissez-le sous "
      "tension jusqu'à ce qu'il ait terminé à coup sûr, puis contrôlez-le avec verify.",
      "Zapalování neohlásilo konec ukládání do %1 s. Nechte ho zapnuté, dokud ukládání jistě "
      "neskončí, a pak ho zkontrolujte příkazem verify."}},
    {CliText::ListedMatches,
     {"Read again, the unit matches the file; run verify once more",
      "Erneut gelesen stimmt die Zündung mit der Datei überein; verify noch einmal ausführen",
      "Relu, le boîtier correspond au fichier ; relancez verify",
      "Při novém čtení zapalování souhlasí se souborem; spusťte verify ještě jednou"}},
    {CliText::ListingFailed,
     {"The unit could not be read to list the fields that differ",
      "Die Zündung konnte nicht gelesen werden, um die abweichenden Werte aufzulisten",
      "Impossible de relire le boîtier pour lister les valeurs qui diffèrent",
      "Zapalování se nepodařilo přečíst, proto nelze vypsat odlišné hodnoty"}},
    {CliText::BreaksRules,
     {"The unit's data breaks the configuration rules; the file holds it as the unit has it. "
      "Normalising would change:",
      "Die Daten der Zündung verletzen die Regeln der Konfiguration; die Datei enthält sie so, "
      "wie die Zündung sie hat. Normalisieren würde ändern:",
      "Les données du boîtier enfreignent les règles de configuration ; le fichier les contient "
      "telles que le boîtier les a. La normalisation changerait :",
      "Data zapalování porušují pravidla konfigurace; soubor je obsahuje tak, jak je má "
      "zapalování. Normalizace by změnila:"}},
    {CliText::NoConnection,
     {"No Connection", "Keine Verbindung", "Pas de connexion", "Není spojení"}},
    {CliText::FileLabel, {"file", "Datei", "fichier", "soubor"}},
    {CliText::UnitLabel, {"unit", "Zündung", "boîtier", "zapalování"}},
    {CliText::NormalisedLabel, {"normalised", "normalisiert", "normalisé", "normalizováno"}},
    {CliText::VerboseTicks, {"ticks: %1", "Takte: %1", "cycles : %1", "takty: %1"}},
    {CliText::VerboseTime, {"time: %1 ms", "Zeit: %1 ms", "durée : %1 ms", "čas: %1 ms"}},
    {CliText::VerboseTick, {"tick %1: %2", "Takt %1: %2", "cycle %1 : %2", "takt %1: %2"}},
    {CliText::HistoryNotKept,
     {"Not kept in the history: the folder %1 could not be written",
      "Nicht im Verlauf gespeichert: in den Ordner %1 konnte nicht geschrieben werden",
      "Non conservé dans l'historique : impossible d'écrire dans le dossier %1",
      "Neuloženo do historie: do složky %1 nelze zapisovat"}},
    {CliText::HistoryUnlisted,
     {"History: %1 index lines skipped, %2 files not in the index",
      "Verlauf: %1 Zeilen des Verzeichnisses übersprungen, %2 Dateien nicht im Verzeichnis",
      "Historique : %1 lignes de l'index ignorées, %2 fichiers absents de l'index",
      "Historie: přeskočené řádky rejstříku: %1, soubory mimo rejstřík: %2"}},
    {CliText::HistoryTime, {"Time", "Zeitpunkt", "Date", "Čas"}},
    {CliText::HistoryAction, {"Action", "Vorgang", "Opération", "Akce"}},
    {CliText::HistoryCount, {"Programmed", "Programmiert", "Programmé", "Programováno"}},
    {CliText::HistoryFirmware,
     {"Firmware", "Programmversion", "Version du programme", "Verze programu"}},
    {CliText::HistoryOpenFile, {"File", "Datei", "Fichier", "Soubor"}},
    {CliText::HistoryKeptAs, {"Kept as", "Gespeichert als", "Conservé sous", "Uloženo jako"}},
    {CliText::HistoryRead, {"read", "Lesen", "lecture", "čtení"}},
    {CliText::HistoryProgram, {"program", "Programmierung", "programmation", "programování"}},
    {CliText::HistoryNudge,
     {"program after change", "Programmierung nach Änderung", "programmation après modification",
      "programování po změně"}},
};

// Rows are looked up by their position, so each must stand where its id says.
template <typename Table, std::size_t N>
constexpr bool InIdOrder(const Table (&rows)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (std::size_t(rows[i].id) != i)
            return false;
    }
    return true;
}

// An empty text would print nothing, and a translation that lost a placeholder would drop the
// file name or the number the English text shows.
template <typename Table, std::size_t N>
constexpr bool EveryLanguageComplete(const Table (&rows)[N]) {
    for (const Table& row : rows) {
        for (const char* text : row.text) {
            if (!*text)
                return false;
        }
        if (!KeepsPlaceholders(row.text))
            return false;
    }
    return true;
}

static_assert(std::size(kTexts) == std::size_t(CliText::Count) && InIdOrder(kTexts),
              "one row per CliText, in its order");
static_assert(EveryLanguageComplete(kTexts),
              "every language has every text with the English text's placeholders");

int Language(int languageIndex) {
    return languageIndex >= 0 && languageIndex < kLanguageCount ? languageIndex : 0;
}

} // namespace

std::string Text(CliText text, int languageIndex, const std::string& first,
                 const std::string& second) {
    return FillIn(kTexts[std::size_t(text)].text[Language(languageIndex)], first, second);
}

} // namespace kx::cli
