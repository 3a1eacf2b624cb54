#include "texts/LanguageTexts.h"

namespace kx {

namespace {

#define KX_PRODUCT "KX_FLAM3"

// A text in the four languages for one control, or for two that share it.
struct TextRow {
    const char* controls[2];
    const char* text[kLanguageCount]; // English, German, French, Czech
};

// A language word with a fixed suffix per control ("Channel" + " 1").
struct ComposedRow {
    const char* controls[2];
    const char* suffixes[2];
    const char* word[kLanguageCount];
};

// One item of a list, the same index in one or two lists.
struct ItemRow {
    const char* controls[2];
    int item;
    const char* text[kLanguageCount];
};

// A message text of the current language with a fixed suffix.
struct MessageRow {
    const char* control;
    std::string MessageTexts::*message;
    const char* suffix;
};

const TextRow kTitleRows[] = {
    {{"FormHlav"},
     {"Programming of " KX_PRODUCT " unit", "Programmierung der " KX_PRODUCT " Zündbox",
      "Programation de " KX_PRODUCT " unité", "Programování jednotky " KX_PRODUCT}},
    {{"LabelSpojeni"},
     {"No connection with PC", "Keine Verbindung zum PC", "Pas de connection acec pc",
      "Není spojení s PC"}},
};

// The three device buttons carry the captions of their menu items.
const TextRow kMenuRows[] = {
    {{"MenuFile"}, {"&File", "&Datei", "&Fichier", "&Soubor"}},
    {{"MenuNew"}, {"&New", "&Neu", "&Nouveau", "&Nový"}},
    {{"MenuOpen"}, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {{"MenuSave"}, {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
    {{"MenuPrint"}, {"&Print", "&Drucken", "&Imprimer", "&Tisk"}},
    {{"MenuPrintAll"}, {"Print all", "Drucken alles", "&Imprimer tout", "Tisk vše"}},
    {{"MenuExit"}, {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
    {{"MenuCom"}, {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
    {{"MenuDevice"}, {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
    {{"MenuRead", "ButtonRead"}, {"&Read", "&Lesen", "&Lire", "Čí&st"}},
    {{"MenuVerify", "BitBtnVerify"}, {"&Verify", "&Vergleichen", "&Verifier", "&Verifikace"}},
    {{"MenuProgram", "BitBtnProgram"},
     {"&Program", "&Programmieren", "&Programer", "&Programovat"}},
    {{"MenuTools"}, {"Tools", "Werkzeuge", "Outillage", "Pomůcky"}},
    {{"MenuLanguage"}, {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
    {{"MenuEnglish"}, {"&English", "Englisch", "&Englais", "&Anglicky"}},
    {{"MenuGerman"}, {"&German", "&Deutsch", "&Allemand", "&Německy"}},
    {{"MenuFrench"}, {"&French", "&Französisch", "&Francais", "Francouzky"}},
    {{"MenuCzech"}, {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
    {{"MenuHelp"}, {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
    {{"MenuContens"}, {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
    {{"MenuAbout"}, {"&About...", "&Über Programm...", "&Contenu du programme", "&O programu..."}},
};

const TextRow kCaptionRows[] = {
    {{"TabSheetRuzne"}, {"Miscellaneous", "Verschiedene", "&Divergeant", "Různé"}},
    {{"TabSheetBike"}, {"Bike", "Mottorad", "&Motocycle", "Motocykl"}},
    {{"TabSheetAdvance"}, {"Advance Map", "Vorzündung Karte", "&Avance carte", "Mapa předstihu"}},
    {{"TabSheetServo", "GroupBoxPrivera"}, {"Servo", "Servo", "Servo", "Servo"}},
    {{"LabelBike"}, {"Motorbike type", "Mottorad Type", "&Motocycle type", "Typ motocyklu"}},
    {{"GroupBoxSpecial"},
     {"Specification of synchronization - Caution - For experienced user only!",
      "Spezifikation der Synchronisierung - Achtung - Nur für Erfahrungsanwender!",
      "Specification of synchronization - Caution - For experienced user only!",
      "Popis synchronizace - Pozor - pouze pro zkušené uživatele!"}},
    {{"LabelSynchro"},
     {"Synchronization method", "Synchronisierung Methode", "Synchronization method",
      "Způsob synchronizace"}},
    {{"LabelPocPalcu"},
     {"Number of lobes", "Leitstücknanzahl", "Number of lobes", "Počet výstupků"}},
    {{"LabelPocKanalu"},
     {"Number of outputs (coils)", "Ausgangsanzahl (Spulen)", "Number of outputs (coils)",
      "Počet výstupů (cívek)"}},
    {{"LabelPalec1Zac", "LabelPalec2Zac"},
     {"Maximum advance", "Maximal Vorzündung", "Maximum advance", "Maximální předstih"}},
    {{"LabelPalec1End", "LabelPalec2End"},
     {"Start advance", "Start Vorzündung", "Start advance", "Startovací předstih"}},
    {{"LabelLobe"}, {"Lobe", "Leitstück", "Lobe", "Výstupek"}},
    {{"LabelHrana2"}, {"2nd Edge", "2. Kante", "2nd Edge", "2. Hrana"}},
    {{"LabelSnimac2"}, {"2nd Pick-up", "2. Geber", "2nd Pick-up", "2. Snímač"}},
    {{"LabelKompenz"}, {"Compensation ", "Kompensation ", "Compensation ", "Kompenzace "}},
    {{"LabelPocSynchro"},
     {"Revolutions without ignition", "Umdrehungen ohne Zündung", "Revolutions without ignition",
      "Počet otáček bez zápalu"}},
    {{"GroupBoxRpm"},
     {"Tachometer output", "Drehzählerausgang", "Tachometer output", "Výstup pro otáčkoměr"}},
    {{"LabelRpmPulsu"},
     {"Pulses per revolution", "Pulse pro Umdrehung", "Pulses per revolution",
      "Počet pulsů za otáčku"}},
    {{"LabelRpmKorekce"}, {"Correction [%]", "Korrektion [%]", "Correction [%]", "Korekce [%]"}},
    {{"LabelServoHyster"},
     {"Servo Hysteresis [mV]", "Servo Hysteresis [mV]", "Servo Hysteresis [mV]",
      "Hystereze serva [mV]"}},
    {{"CheckBoxPrivEnable"}, {"Servo enable", "Servo ein", "Servo enable", "Servo zapnuto"}},
    {{"CheckBoxIgnAll", "CheckBoxServoAll"}, {"All", "Alles", "Tout", "Vše"}},
    {{"CheckBoxProgHned"},
     {"Programming after change", "Programmierung nach Änderung", "Sovegarde après modification",
      "Programování po změně"}},
    {{"CheckBoxZakazCteni"}, {"No Reading", "Lesen Verboten", "Pas axessible", "Zákaz čtení"}},
    // Until the no-data placeholder or the next live telegram replaces it.
    {{"LabelAdvance1", "LabelAdvance2"},
     {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}},
    {{"LabelOmez2"}, {"Limiter [rpm]", "Begrenzer [rpm]", "Limitateur [rpm]", "Omezovač [rpm]"}},
    {{"LabelClutchTime"},
     {"Clutch master time [ms]", "Clutch master Zeit [ms]", "Clutch master time [ms]",
      "Clutch master čas [ms]"}},
    {{"LabelClutchPause"},
     {"Clutch master pause [ms]", "Clutch master Pause [ms]", "Clutch master pause [ms]",
      "Clutch master pauza [ms]"}},
    {{"LabelBaseAdv"},
     {"Base advance [°]", "Basis Vorzündung [°]", "Avance de base [°]", "Základní předstih [°]"}},
    {{"LabelFile1"}, {"File:", "Datei:", "Fichier:", "Soubor:"}},
};

const ComposedRow kComposedRows[] = {
    {{"GroupBoxPalec1", "GroupBoxPalec2"}, {" 1", " 2"}, {"Channel", "Kanal", "Channel", "Kanál"}},
    {{"CheckBoxInvInput1", "CheckBoxInvInput2"},
     {" 1", " 2"},
     {"Inverse polarity of pick-up", "Umgekehrte Gebereingang", "Inverse polarity of pick-up",
      "Opačná polarita snímače"}},
};

const MessageRow kComposedMessageRows[] = {
    {"LabelPilotLight", &MessageTexts::MsgPilotLight, " [rpm]"},
    {"RadioGroupInput1", &MessageTexts::MsgInput, " 1"},
    {"RadioGroupInput2", &MessageTexts::MsgInput, " 2"},
};

// ComboBoxBike items 1 to 3 and the lobe-multiplier list keep their English texts.
const ItemRow kListItemRows[] = {
    {{"ComboBoxBike"},
     0,
     {"Classic (1 lobe, 1 or 2 pick-up) ", "Klassisch (1 Leitstück, 1 oder 2 Geber)",
      "Classique (1 lobe, 1 or 2 pick-up) ", "Klasika (1 výstupek, 1 nebo 2 snimače)"}},
    {{"ComboBoxBike"},
     4,
     {"Special setting", "Sonderstellung", "Spécial ajustage", "Speciální nastavení"}},
    {{"ComboBoxSynchro"},
     0,
     {"1 lobe, 1 or 2 pick-up", "1 Leitstück, 1 oder 2 Geber", "1 lobe, 1 or 2 pick-up",
      "1 výstupek, 1 nebo 2 snimače"}},
    {{"ComboBoxSynchro"},
     1,
     {"Short gap between lobes (inserted lobe)",
      "Kurz Abstand zwischen Leitstücken (eingeschiebe Leitstück)",
      "Short gap between lobes (inserted lobe)", "Krátká mezera mezi výstupky (vsunutý výstupek)"}},
    {{"ComboBoxSynchro"}, 2, {"Wide lobe", "Längere Leitstück", "Wide lobe", "Široký výstupek"}},
    {{"ComboBoxSynchro"},
     3,
     {"Long gap between lobes (missing lobe)",
      "Lang Abstand zwischen Leitstücken (ausgelassene Leitstück)",
      "Long gap between lobes (missing lobe)", "Dlouhá mezera mezi výstupky (vynechaný výstupek)"}},
    {{"ComboBoxSynchro"},
     4,
     {"2 pick-ups, missing lobe", "2 Geber, ausgelassene Leitstück", "2 pick-ups, missing lobe",
      "2 snímače vynechané výstupky"}},
    {{"ComboBoxSynchro"},
     5,
     {"2 Short gaps between lobes (inserted lobe)",
      "2 Kurze Abstände zwischen Leitstücken (eingeschiebe Leitstück)",
      "2 short gaps between lobes (inserted lobe)",
      "2 krátké mezery mezi výstupky (vsunutý výstupek)"}},
};

// Item index = input function code. The two inputs differ only in item 1.
const ItemRow kRadioItemRows[] = {
    {{"RadioGroupInput1", "RadioGroupInput2"}, 0, {"Off", "Aus", "Off", "Vypnut"}},
    {{"RadioGroupInput1"},
     1,
     {"Kill switch", "Not Aus", "Interrupteur de sécurité", "Kill switch"}},
    {{"RadioGroupInput2"}, 1, {"Blocking", "Blockierung", "Blocage", "Blokování"}},
    {{"RadioGroupInput1", "RadioGroupInput2"},
     2,
     {"Clutch master", "Schaltautomat", "par embeillage", "Clutch master"}},
    {{"RadioGroupInput1", "RadioGroupInput2"},
     3,
     {"Retard", "Spätzündung", "Retard à l´allumage", "Snížení předstihu"}},
    {{"RadioGroupInput1", "RadioGroupInput2"},
     4,
     {"Start Limiter", "Startbegrenzer", "Limitateur départ", "Startovací omezovač"}},
};

// Each replaces the control's whole hint; only a text with a bar keeps a short and a long part.
const TextRow kHintRows[] = {
    {{"SpeedButton5", "MenuOpen"},
     {"Open file with parametrs", "Kenndatendatei öffnen", "Ouvrir fichier avec paramètres",
      "Otevření souboru s parametry"}},
    {{"SpeedButton6"},
     {"Set default parametrs", "Neue Kenndatendatei erstellen",
      "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"}},
    {{"MenuNew"},
     {"Set default parameters ", "Neue Kenndatendatei erstellen", "Céer nouveaux fichier ",
      "Nastavení výchozích parametrů"}},
    {{"SpeedButton7", "MenuSave"},
     {"Save parametrs to file", "Kenndaten in Datei speichern", "Sauvegarder les paramètres",
      "Uložení parametrů do souboru"}},
    {{"SpeedButtonPrint", "MenuPrint"},
     {"Print parametrs", "Kenndaten Drucken", "Imprimer paramètres", "Tisk parametrů"}},
    {{"BitBtnProgram", "MenuProgram"},
     {"Programing  set parametrs to ignition", "Kenndaten in die Zündung programmieren",
      "Programer les paramètres dans ECU", "Programování nastavených parametrů do zapalování"}},
    {{"BitBtnVerify", "MenuVerify"},
     {"Compare set parametrs  with parametrs of ignition",
      "Kenndaten mit Zündungskenndaten vergleichen", "Comparer les paramètres de ECU",
      "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
    {{"ButtonRead", "MenuRead"},
     {"Reading parametrs from ignition", "Kenndaten aus Zündung lesen", "Lire paramètres ECU",
      "Čtení parametrů ze zapalování"}},
    {{"BitBtnAdvMinus"},
     {"Take off 1 degree of Advance", "Vorzündung minus 1 Grad",
      "Retarder de 1 degré l´avance a l´allumage", "Zmenšení předstihu o 1 stupeň"}},
    {{"BitBtnAdvPlus"},
     {"Add 1 degree of Advance", "Vorzündung plus 1 Grad",
      "Avance accroître l´avance a l´allumage de 1 degré", "Zvětšení předstihu o 1 stupeň"}},
    {{"MenuExit"},
     {"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}},
    {{"MenuCom"},
     {"Set number of com", "Com-Anschluß festlegen", "Installer nombre de com",
      "Nastavení čísla serivého portu (Com) "}},
    {{"MenuLanguage"},
     {"Set English or German or French or Czech ",
      "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
      "Installer lange; Englais,Allemand , Francais ou Czech",
      "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "}},
    {{"CheckBoxProgHned"},
     {"Programing at once after change", "Programmmieren sofort nach dem änderung",
      "Programation instantanée des modifications", "Programování ihned po změně"}},
    {{"LabelVerze1"},
     {"Version of program in ignition", "Programmverion der Zündung",
      "Variantes de courbe d´avance", "Verze programu v zapalování"}},
    {{"LabelVerze2"},
     {"Date of program in ignition", "Datum des Programm in der Zündung",
      "Date de programation de la courbe d´avance", "Datum zhotovení programu v zapalování"}},
    {{"LabelVerze3"},
     {"Time of program in ignition", "Programmierzeitpunkt der Zündung",
      "Temp de programation de la courbe d´avance", "Čas zhotovení programu v zapalování"}},
    {{"LabelRpm1"},
     {"Round per Minute|Speed - Round per Minute", "Umdrehungen pro Minute", "Tours minute",
      "Otáčky za minutu|Rychlost - Otáčky za minutu"}},
    // Each language names itself the same way whatever the current language.
    {{"MenuEnglish"},
     {"Set English menu", "Set English menu", "Set English menu", "Set English menu"}},
    {{"MenuGerman"}, {"Deutsches Menü", "Deutsches Menü", "Deutsches Menü", "Deutsches Menü"}},
    {{"MenuFrench"},
     {"Installer en Francais ", "Installer en Francais ", "Installer en Francais ",
      "Installer en Francais "}},
    {{"MenuCzech"},
     {"Nastavit české menu", "Nastavit české menu", "Nastavit české menu", "Nastavit české menu"}},
};

// Written only while the unit sends nothing; live telegrams write these labels otherwise.
const MessageRow kPlaceholderRows[] = {
    {"LabelAdvance1", &MessageTexts::MsgAdvance, " 1 = --- [°]"},
    {"LabelAdvance2", &MessageTexts::MsgAdvance, " 2 = --- [°]"},
    {"LabelMonSnimac1", &MessageTexts::MsgPickup, " 1 = ---"},
    {"LabelMonSnimac2", &MessageTexts::MsgPickup, " 2 = ---"},
    {"LabelPriveraPoz", &MessageTexts::MsgServoDesired, " ---"},
    {"LabelPriveraMer", &MessageTexts::MsgServoMeasured, " ---"},
    {"LabelBlocking1", &MessageTexts::MsgMotorOff, " - ---"},
    {"LabelMonPilotLight", &MessageTexts::MsgPilotLight, " - ---"},
    {"LabelMonRetard", &MessageTexts::MsgRetard, ": ---"},
    {"LabelMonStartLimiterOut", &MessageTexts::MsgStartLimiter, ": ---"},
    {"LabelKillSwitch", &MessageTexts::MsgKillSwitch, ": ---"},
    {"LabelMonInput1In", &MessageTexts::MsgInput, " 1: ---"},
    {"LabelMonInput2In", &MessageTexts::MsgInput, " 2: ---"},
    {"LabelPocetProgramovani", &MessageTexts::MsgProgramCount, "---"},
};

const char* const kAboutCaptions[kLanguageCount] = {
    "About " KX_PRODUCT, "Über Programm " KX_PRODUCT, "Information " KX_PRODUCT,
    "O programu " KX_PRODUCT};

#undef KX_PRODUCT

int Language(uint8_t languageIndex) {
    return languageIndex < kLanguageCount ? languageIndex : 0;
}

class Collector {
  public:
    Collector(int language, const MessageTexts& messages)
        : language_(language), messages_(messages) {}

    template <size_t N>
    void Add(TextKind kind, const TextRow (&rows)[N]) {
        for (const TextRow& row : rows)
            AddTo(row.controls, kind, -1, row.text[language_], {"", ""});
    }
    template <size_t N>
    void Add(const ComposedRow (&rows)[N]) {
        for (const ComposedRow& row : rows)
            AddTo(row.controls, TextKind::Caption, -1, row.word[language_], row.suffixes);
    }
    template <size_t N>
    void Add(const ItemRow (&rows)[N]) {
        for (const ItemRow& row : rows)
            AddTo(row.controls, TextKind::Item, row.item, row.text[language_], {"", ""});
    }
    template <size_t N>
    void Add(TextKind kind, const MessageRow (&rows)[N]) {
        for (const MessageRow& row : rows)
            texts_.push_back({row.control, kind, -1, messages_.*row.message + row.suffix});
    }

    std::vector<ControlText> Take() { return std::move(texts_); }

  private:
    void AddTo(const char* const (&controls)[2], TextKind kind, int item, const char* text,
               const char* const (&suffixes)[2]) {
        for (int i = 0; i < 2; ++i) {
            if (controls[i])
                texts_.push_back({controls[i], kind, item, std::string(text) + suffixes[i]});
        }
    }

    int language_;
    const MessageTexts& messages_;
    std::vector<ControlText> texts_;
};

} // namespace

const char* const kLanguageMenuItems[kLanguageCount] = {"MenuEnglish", "MenuGerman", "MenuFrench",
                                                        "MenuCzech"};

std::vector<ControlText> LanguageTexts(uint8_t languageIndex, const MessageTexts& messages) {
    Collector texts(Language(languageIndex), messages);
    texts.Add(TextKind::Caption, kTitleRows);
    texts.Add(TextKind::Caption, kMenuRows);
    texts.Add(TextKind::Caption, kCaptionRows);
    texts.Add(kComposedRows);
    texts.Add(TextKind::Caption, kComposedMessageRows);
    texts.Add(kListItemRows);
    texts.Add(TextKind::Hint, kHintRows);
    texts.Add(kRadioItemRows);
    texts.Add(TextKind::Placeholder, kPlaceholderRows);
    return texts.Take();
}

std::string AboutCaption(uint8_t languageIndex) {
    return kAboutCaptions[Language(languageIndex)];
}

} // namespace kx
