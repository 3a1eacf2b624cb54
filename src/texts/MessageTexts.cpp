#include "texts/MessageTexts.h"

#include "config/AppChoices.h"

#include <iterator>

namespace kx {

namespace {

// The pickup-error caption is the same width in every language.
constexpr size_t kPickupErrorWidth = 40;

struct Row {
    std::string MessageTexts::*entry;
    const char* text[kLanguageCount]; // English, German, French, Czech
};

// MsgManualOpenError holds only its own words and MsgPickupError only its unpadded text; both
// are completed in LoadMessageTexts.
const Row kRows[] = {
    {&MessageTexts::MsgProgramError,
     {"Program error!", "Programmier Fehler", "Erreur de programmation!", "Chyba programování"}},
    {&MessageTexts::MsgVerifyError,
     {"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"}},
    {&MessageTexts::MsgReadError, {"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"}},
    {&MessageTexts::MsgProgramming,
     {"Program device:", "Programmieren:", "Programmer:", "Programování:"}},
    {&MessageTexts::MsgVerifying, {"Verify:", "Vergleichen:", "Vérifier", "Verifikace:"}},
    {&MessageTexts::MsgReading, {"Read:", "Lesen:", "Lire", "Čtení:"}},
    {&MessageTexts::MsgSaving, {"Saving:", "Speichern:", "Mémorisation", "Ukládání:"}},
    {&MessageTexts::MsgVersionMismatch,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Programme du boitier d´alumage non compatible avec programme PC!",
      "Neshodné verze proramu v PC a zapalování!"}},
    {&MessageTexts::MsgComOpenError,
     {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
      "Chyba při otevírání portu Com!"}},
    {&MessageTexts::MsgOpenFileError,
     {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!",
      "Chyba při otevírání souboru!"}},
    {&MessageTexts::MsgFileVersionMismatch,
     {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"}},
    {&MessageTexts::MsgAskDefaults,
     {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
      "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
    {&MessageTexts::MsgPrintDateTime,
     {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
      "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "}},
    {&MessageTexts::MsgManualFile,
     {"manual_meridan_kx_flam3_en.pdf", "manual_meridan_kx_flam3_de.pdf",
      "manual_meridan_kx_flam3_fr.pdf", "manual_meridan_kx_flam3_cz.pdf"}},
    {&MessageTexts::MsgManualOpenError,
     {"Error by opening file ", "Fehler beim öffnen der Datei ", "Erreur à l´ouvertur du Fichier ",
      "Chyba při otevírání souboru "}},
    {&MessageTexts::MsgManualLocation,
     {"The manual is at: %1", "Das Handbuch liegt hier: %1", "Le manuel se trouve ici : %1",
      "Návod je uložen zde: %1"}},
    {&MessageTexts::MsgAdvance, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {&MessageTexts::MsgProgramCount,
     {"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ",
      "Počet programování= "}},
    {&MessageTexts::MsgPickup, {"Pick-up (CKPS)", "Geber(CKPS)", "Capteur(CKPS)", "Snímač (CKPS)"}},
    {&MessageTexts::MsgRunning, {"is running", "läuft", " fonctionne", "pracuje"}},
    {&MessageTexts::MsgNoSignal, {"no signal", " kein Signal", " pas de signal", "bez signálu"}},
    {&MessageTexts::MsgPickupError,
     {"Pick up system error", "Gebersystemehler", "Pick up system error",
      "Chyba v snímacím systému"}},
    {&MessageTexts::MsgServoDesired,
     {"Servo desired=", "Servo Sollspanung=", "Servo desired=", "Servo požadované="}},
    {&MessageTexts::MsgServoMeasured,
     {"Servo measured=", "Servo gemessene=", "Servo measured=", "Servo měřené="}},
    {&MessageTexts::MsgMotorOff, {"Motor off", "Motor off", "Blocage", "Blokování"}},
    {&MessageTexts::MsgPilotLight,
     {"Gear Shift Light", "Schaltblitz", "Retard à l´allumage", "Kontrolka řazení"}},
    {&MessageTexts::MsgClutch,
     {"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"}},
    {&MessageTexts::MsgStartLimiter,
     {"Start limiter", "Startbegrenzer", "Limitateur départ", "Startovací omezovač"}},
    {&MessageTexts::MsgRetard, {"Retard", "Spätzündung", "Retard d´allumage", "Snížení předstihu"}},
    {&MessageTexts::MsgKillSwitch,
     {"Kill switch", "Not Aus", "Interrupteur de sécurité", "Kill switch"}},
    {&MessageTexts::MsgYes, {"YES", "JA", "Oui", "ANO"}},
    {&MessageTexts::MsgNo, {"NO", "NEIN", "Non", "NE"}},
    {&MessageTexts::MsgInput, {"Input", "Eingang", "Entrée", "Vstup"}},
    {&MessageTexts::MsgInputOpen, {"Open", "offen", "Open", "Otevřený"}},
    {&MessageTexts::MsgInputGrounded, {"grounded", "zugrund", "grounded", "uzeměn"}},
};

// A row per entry: an entry added to MessageTexts without a row would stay empty.
static_assert(std::size(kRows) * sizeof(std::string) == sizeof(MessageTexts),
              "every message entry needs exactly one row");

} // namespace

void LoadMessageTexts(MessageTexts& texts, uint8_t languageIndex) {
    const int language = languageIndex < kLanguageCount ? languageIndex : 0;
    for (const Row& row : kRows) {
        texts.*row.entry = row.text[language];
    }

    const size_t length = Utf8Length(texts.MsgPickupError);
    if (length < kPickupErrorWidth) {
        texts.MsgPickupError.append(kPickupErrorWidth - length, ' ');
    }
    texts.MsgManualOpenError += texts.MsgManualFile + " !";
}

} // namespace kx
