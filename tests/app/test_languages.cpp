#include "support/FormBench.h"
#include "support/TelegramBytes.h"
#include "ui/FormAbout.h"
#include "ui/LanguageApplier.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <array>
#include <memory>

using namespace kx;

namespace {

const char* const kLanguageItems[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};
const char* const kCodes[] = {"en", "de", "fr", "cz"};

// Through all four languages by the menu, ending at `language`.
void SwitchThroughAllTo(TFormHlav& form, int language) {
    for (int step = 1; step <= 4; ++step)
        form.findChild<QAction*>(kLanguageItems[(language + step) % 4])->trigger();
}

QString Caption(const TFormHlav& form, const QString& name) {
    if (name == form.objectName())
        return form.windowTitle();
    QObject* object = form.findChild<QObject*>(name);
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->text();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    auto* pages = form.findChild<QTabWidget*>("PageControl1");
    const int page = pages->indexOf(qobject_cast<QWidget*>(object));
    return page >= 0 ? pages->tabText(page) : QString("<no caption for %1>").arg(name);
}

// "caption", "tip", "status" or "item <n>" of a control.
QString Aspect(const TFormHlav& form, const QString& name, const QString& aspect) {
    if (aspect == "caption")
        return Caption(form, name);
    QObject* object = form.findChild<QObject*>(name);
    if (aspect.startsWith("item "))
        return qobject_cast<QComboBox*>(object)->itemText(aspect.mid(5).toInt());
    if (auto* menu = qobject_cast<QMenu*>(object))
        object = menu->menuAction();
    if (auto* action = qobject_cast<QAction*>(object))
        return aspect == "tip" ? action->toolTip() : action->statusTip();
    auto* widget = qobject_cast<QWidget*>(object);
    return aspect == "tip" ? widget->toolTip() : widget->statusTip();
}

// Every text of the window a user can see or hover, in a fixed order.
QStringList Texts(const TFormHlav& form) {
    QStringList texts{form.windowTitle()};
    for (QObject* object : form.findChildren<QObject*>()) {
        const QString name = object->objectName() + ": ";
        if (auto* widget = qobject_cast<QWidget*>(object))
            texts << name + widget->toolTip() << name + widget->statusTip();
        if (auto* action = qobject_cast<QAction*>(object)) {
            texts << name + action->text() << name + action->toolTip() << name + action->statusTip()
                  << name + QString::number(action->isChecked());
        }
        if (auto* menu = qobject_cast<QMenu*>(object))
            texts << name + menu->title();
        if (auto* label = qobject_cast<QLabel*>(object))
            texts << name + label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            texts << name + button->text();
        if (auto* group = qobject_cast<QGroupBox*>(object))
            texts << name + group->title();
        if (auto* combo = qobject_cast<QComboBox*>(object)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << name + combo->itemText(i);
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << name + tabs->tabText(i);
        }
    }
    return texts;
}

std::vector<uint8_t> Telegram() {
    return LiveTelegram(3000, 0);
}

// The window started with the given command line, on settings of the caller's folder.
struct CommandLineBench {
    CommandLineBench(const QString& folder, const QStringList& arguments)
        : settings(folder), controller(form, state, port, dialogs, arguments) {
        controller.FormCreate();
    }
    IsolatedSettings settings;
    TFormHlav form;
    FakeSerialPort port;
    RecordingDialogs dialogs;
    FormState state;
    FormController controller;
};

// Shows About through Help > About and closes it by the "OK" label or the close box; returns
// the caption it had while shown.
QString ShowAbout(FormBench& b, TFormAbout& about, bool byOkLabel) {
    QString caption = "<not shown>";
    QTimer::singleShot(0, &about, [&] {
        if (!about.isVisible() || !about.isModal())
            return;
        caption = about.windowTitle();
        if (byOkLabel)
            QTest::mouseClick(about.findChild<QLabel*>("LabelExit"), Qt::LeftButton);
        else
            about.close();
    });
    QTimer::singleShot(5000, &about, &QDialog::reject); // never hang the run
    b.form.findChild<QAction*>("MenuAbout")->trigger();
    return caption;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void controlsShowTheLanguage_data();
    void controlsShowTheLanguage();
    void resultDependsOnlyOnTheLanguage();
    void hintsLoseTheirShortParts_data();
    void hintsLoseTheirShortParts();
    void bikeItemsOneToThreeStayEnglish_data();
    void bikeItemsOneToThreeStayEnglish();
    void selectionsSurviveASwitch_data();
    void selectionsSurviveASwitch();
    void liveLabelsWaitForTheNextTelegram();
    void messagesFollowTheLanguage();
    void qtDialogButtonsFollowTheLanguage();
    void commandLineLanguage_data();
    void commandLineLanguage();
    void aboutCaptionFollowsTheLanguage();
    void aboutWindow();

  private:
    std::unique_ptr<FormBench> shared_; // no unit connected, never ticked
    int sharedLanguage_ = -1;
};

void LanguagesTest::initTestCase() {
    shared_ = std::make_unique<FormBench>(false);
}

void LanguagesTest::cleanupTestCase() {
    shared_.reset();
}

void LanguagesTest::controlsShowTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("aspect");
    QTest::addColumn<QString>("expected");
    struct Row {
        const char* control;
        const char* aspect;
        std::array<const char*, 4> texts;
    };
    std::vector<Row> table;
    auto rows = [&table](const char* control, const char* aspect,
                         std::array<const char*, 4> texts) {
        table.push_back({control, aspect, texts});
    };
    rows("FormHlav", "caption",
         {"Programming of KX_FLAM3 unit", "Programmierung der KX_FLAM3 Zündbox",
          "Programation de KX_FLAM3 unité", "Programování jednotky KX_FLAM3"});
    rows("LabelSpojeni", "caption",
         {"No connection with PC", "Keine Verbindung zum PC", "Pas de connection acec pc",
          "Není spojení s PC"});
    rows("MenuCom", "caption", {"&Com", "&COM-Anschluß", "&Connection com", "&Port"});
    rows("ButtonRead", "caption", {"&Read", "&Lesen", "&Lire", "Čí&st"});
    rows("MenuCzech", "caption", {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"});
    rows("TabSheetRuzne", "caption", {"Miscellaneous", "Verschiedene", "&Divergeant", "Různé"});
    rows("CheckBoxServoAll", "caption", {"All", "Alles", "Tout", "Vše"});
    rows("LabelPalec2End", "caption",
         {"Start advance", "Start Vorzündung", "Start advance", "Startovací předstih"});
    rows("LabelKompenz", "caption",
         {"Compensation ", "Kompensation ", "Compensation ", "Kompenzace "});
    rows("LabelSynchro", "caption",
         {"Synchronization method", "Synchronisierung Methode", "Synchronization method",
          "Způsob synchronizace"});
    rows("GroupBoxPalec2", "caption", {"Channel 2", "Kanal 2", "Channel 2", "Kanál 2"});
    rows("CheckBoxInvInput1", "caption",
         {"Inverse polarity of pick-up 1", "Umgekehrte Gebereingang 1",
          "Inverse polarity of pick-up 1", "Opačná polarita snímače 1"});
    rows("LabelPilotLight", "caption",
         {"Gear Shift Light [rpm]", "Schaltblitz [rpm]", "Retard à l´allumage [rpm]",
          "Kontrolka řazení [rpm]"});
    rows("RadioGroupInput1", "caption", {"Input 1", "Eingang 1", "Entrée 1", "Vstup 1"});
    rows("RadioGroupInput2", "caption", {"Input 2", "Eingang 2", "Entrée 2", "Vstup 2"});
    rows("ComboBoxBike", "item 0",
         {"Classic (1 lobe, 1 or 2 pick-up) ", "Klassisch (1 Leitstück, 1 oder 2 Geber)",
          "Classique (1 lobe, 1 or 2 pick-up) ", "Klasika (1 výstupek, 1 nebo 2 snimače)"});
    rows("ComboBoxBike", "item 4",
         {"Special setting", "Sonderstellung", "Spécial ajustage", "Speciální nastavení"});
    rows("ComboBoxSynchro", "item 5",
         {"2 Short gaps between lobes (inserted lobe)",
          "2 Kurze Abstände zwischen Leitstücken (eingeschiebe Leitstück)",
          "2 short gaps between lobes (inserted lobe)",
          "2 krátké mezery mezi výstupky (vsunutý výstupek)"});
    rows("RadioGroupInput1Item1", "caption",
         {"Kill switch", "Not Aus", "Interrupteur de sécurité", "Kill switch"});
    rows("RadioGroupInput2Item1", "caption", {"Blocking", "Blockierung", "Blocage", "Blokování"});
    rows("RadioGroupInput2Item3", "caption",
         {"Retard", "Spätzündung", "Retard à l´allumage", "Snížení předstihu"});
    // The design-time short parts ("New", "Verify", ...) must be gone.
    rows("SpeedButton6", "tip",
         {"Set default parametrs", "Neue Kenndatendatei erstellen",
          "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"});
    rows("MenuNew", "status",
         {"Set default parameters ", "Neue Kenndatendatei erstellen", "Céer nouveaux fichier ",
          "Nastavení výchozích parametrů"});
    rows("BitBtnVerify", "tip",
         {"Compare set parametrs  with parametrs of ignition",
          "Kenndaten mit Zündungskenndaten vergleichen", "Comparer les paramètres de ECU",
          "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
          "zapalování"});
    rows("MenuCom", "tip",
         {"Set number of com", "Com-Anschluß festlegen", "Installer nombre de com",
          "Nastavení čísla serivého portu (Com) "});
    rows("MenuLanguage", "status",
         {"Set English or German or French or Czech ",
          "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
          "Installer lange; Englais,Allemand , Francais ou Czech",
          "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "});
    rows("LabelRpm1", "tip",
         {"Round per Minute", "Umdrehungen pro Minute", "Tours minute", "Otáčky za minutu"});
    rows("LabelRpm1", "status",
         {"Speed - Round per Minute", "Umdrehungen pro Minute", "Tours minute",
          "Rychlost - Otáčky za minutu"});
    rows("MenuGerman", "tip",
         {"Deutsches Menü", "Deutsches Menü", "Deutsches Menü", "Deutsches Menü"});
    // No unit: the live labels show their no-data texts.
    rows("LabelAdvance2", "caption",
         {"Advance 2 = --- [°]", "Vorzündung 2 = --- [°]", "Avance 2 = --- [°]",
          "Předstih 2 = --- [°]"});
    rows("LabelMonInput1In", "caption",
         {"Input 1: ---", "Eingang 1: ---", "Entrée 1: ---", "Vstup 1: ---"});
    rows("LabelPocetProgramovani", "caption",
         {"Number of Programing= ---", "Programmierungsanzahl= ---",
          "Nombre de programmations= ---", "Počet programování= ---"});

    // Language by language, so the shared window switches only when the language changes.
    for (int l = 0; l < 4; ++l) {
        for (const Row& row : table) {
            QTest::addRow("%s %s %s", kCodes[l], row.control, row.aspect)
                << l << row.control << row.aspect << QString::fromUtf8(row.texts[size_t(l)]);
        }
    }
}

void LanguagesTest::controlsShowTheLanguage() {
    QFETCH(int, language);
    QFETCH(QString, control);
    QFETCH(QString, aspect);
    QFETCH(QString, expected);
    if (language != sharedLanguage_) {
        SwitchThroughAllTo(shared_->form, language);
        sharedLanguage_ = language;
    }
    QCOMPARE(Aspect(shared_->form, control, aspect), expected);
    for (int l = 0; l < 4; ++l)
        QCOMPARE(shared_->get<QAction>(kLanguageItems[l])->isChecked(), l == language);
}

// Reaching a language from any other, or choosing it again, leaves no text of another behind.
void LanguagesTest::resultDependsOnlyOnTheLanguage() {
    FormBench b(false);
    for (int target = 0; target < 4; ++target) {
        std::vector<QStringList> results;
        for (int from = 0; from < 4; ++from) {
            b.get<QAction>(kLanguageItems[from])->trigger();
            b.get<QAction>(kLanguageItems[target])->trigger();
            results.push_back(Texts(b.form));
        }
        for (int from = 1; from < 4; ++from) {
            for (qsizetype i = 0; i < results[0].size(); ++i) {
                QVERIFY2(results[size_t(from)][i] == results[0][i],
                         qPrintable(QString("%1 reached from %2: %3 instead of %4")
                                        .arg(kCodes[target], kCodes[from], results[size_t(from)][i],
                                             results[0][i])));
            }
        }
    }
}

void LanguagesTest::hintsLoseTheirShortParts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("twoParts");
    // The speed-axis hint keeps its parts in English and Czech; the Tools items keep theirs.
    const QStringList tools{"AdvanceMinus", "AdvancePlus", "MenuHeatMap",
                            "MenuCurve",    "MenuTrail",   "MenuDwell"};
    QTest::newRow("en") << 0 << tools + QStringList{"LabelRpm1"};
    QTest::newRow("de") << 1 << tools;
    QTest::newRow("fr") << 2 << tools;
    QTest::newRow("cz") << 3 << tools + QStringList{"LabelRpm1"};
}

// The design-time hints are "short|long"; one left in place is one the language missed.
void LanguagesTest::hintsLoseTheirShortParts() {
    QFETCH(int, language);
    QFETCH(QStringList, twoParts);
    SwitchThroughAllTo(shared_->form, language);
    sharedLanguage_ = language;
    QStringList found;
    for (QObject* object : shared_->form.findChildren<QObject*>()) {
        QString tip, status;
        if (auto* action = qobject_cast<QAction*>(object)) {
            tip = action->toolTip();
            status = action->statusTip();
        } else if (auto* widget = qobject_cast<QWidget*>(object)) {
            tip = widget->toolTip();
            status = widget->statusTip();
        }
        if (!status.isEmpty() && tip != status)
            found << object->objectName().remove(QRegularExpression("Action$"));
    }
    found.sort();
    twoParts.sort();
    QCOMPARE(found, twoParts);
}

void LanguagesTest::bikeItemsOneToThreeStayEnglish_data() {
    QTest::addColumn<int>("language");
    for (int l = 0; l < 4; ++l)
        QTest::newRow(kCodes[l]) << l;
}

void LanguagesTest::bikeItemsOneToThreeStayEnglish() {
    QFETCH(int, language);
    SwitchThroughAllTo(shared_->form, language);
    sharedLanguage_ = language;
    auto* bike = shared_->get<QComboBox>("ComboBoxBike");
    QCOMPARE(bike->count(), 5);
    QCOMPARE(bike->itemText(1), QString("Standard  (2 lobe  per revol., 1 or 2 pick-up) "));
    QCOMPARE(bike->itemText(2), QString("Standard  (3 lobe  per revol., 1 pick-up) "));
    QCOMPARE(bike->itemText(3), QString("Standard  (1 lobe 2  rev. (CMPS), 1 or 2 pick-up) "));
    auto* lobes = shared_->get<QComboBox>("ComboBoxNasobekPalcu");
    QCOMPARE(lobes->itemText(3), QString("1 lobe per 2  revolution (CMPS)"));
}

void LanguagesTest::selectionsSurviveASwitch_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("specialText");
    QTest::addColumn<QString>("synchroText");
    QTest::newRow("de") << 1 << "Sonderstellung"
                        << "Lang Abstand zwischen Leitstücken (ausgelassene Leitstück)";
    QTest::newRow("fr") << 2 << QString::fromUtf8("Spécial ajustage")
                        << "Long gap between lobes (missing lobe)";
    QTest::newRow("cz") << 3 << QString::fromUtf8("Speciální nastavení")
                        << QString::fromUtf8("Dlouhá mezera mezi výstupky (vynechaný výstupek)");
}

void LanguagesTest::selectionsSurviveASwitch() {
    QFETCH(int, language);
    QFETCH(QString, specialText);
    QFETCH(QString, synchroText);
    FormBench b(false);
    auto* bike = b.get<QComboBox>("ComboBoxBike");
    auto* synchro = b.get<QComboBox>("ComboBoxSynchro");
    b.enableWithContainers(bike);
    bike->setCurrentIndex(4);
    emit bike->activated(4);
    b.enableWithContainers(synchro);
    synchro->setCurrentIndex(3);
    emit synchro->activated(3);
    b.get<QRadioButton>("RadioGroupInput1Item3")->click();
    b.get<QRadioButton>("RadioGroupInput2Item1")->click();
    const ConfigBlock before = b.state.block;

    b.get<QAction>(kLanguageItems[language])->trigger();
    QCOMPARE(bike->currentIndex(), 4);
    QCOMPARE(bike->currentText(), specialText);
    QCOMPARE(synchro->currentIndex(), 3);
    QCOMPARE(synchro->currentText(), synchroText);
    QCOMPARE(b.get<QButtonGroup>("RadioGroupInput1Buttons")->checkedId(), 3);
    QCOMPARE(b.get<QButtonGroup>("RadioGroupInput2Buttons")->checkedId(), 1);
    QVERIFY(b.state.block == before);

    // Replacing the texts alone, without the refresh from the record, moves no selection.
    MessageTexts english;
    LoadMessageTexts(english, 0);
    ApplyLanguageTexts(b.form, 0, english, true);
    QCOMPARE(bike->currentIndex(), 4);
    QCOMPARE(bike->currentText(), QString("Special setting"));
    QCOMPARE(synchro->currentIndex(), 3);
    QCOMPARE(b.get<QButtonGroup>("RadioGroupInput1Buttons")->checkedId(), 3);
    QCOMPARE(b.get<QButtonGroup>("RadioGroupInput2Buttons")->checkedId(), 1);
}

// While the unit streams, a switch leaves the live labels to the next telegram.
void LanguagesTest::liveLabelsWaitForTheNextTelegram() {
    FormBench b(false);
    b.port.feedReceived(Telegram());
    b.controller.Timer1Timer();
    QVERIFY(!b.get<QLabel>("LabelSpojeni")->isVisibleTo(&b.form));
    auto* input1 = b.get<QLabel>("LabelMonInput1In");
    auto* pickup1 = b.get<QLabel>("LabelMonSnimac1");
    auto* advance = b.get<QLabel>("LabelAdvance1");
    const QString liveInput = input1->text();
    const QString livePickup = pickup1->text();
    QVERIFY2(liveInput.startsWith("Input 1: ") && !liveInput.contains("---"),
             qPrintable(liveInput));

    b.get<QAction>("MenuGerman")->trigger();
    QCOMPARE(input1->text(), liveInput);
    QCOMPARE(pickup1->text(), livePickup);
    QCOMPARE(advance->text(), QString::fromUtf8("Vorzündung [°]"));
    QCOMPARE(b.get<QGroupBox>("RadioGroupInput1")->title(), QString("Eingang 1"));

    b.port.feedReceived(Telegram());
    b.controller.Timer1Timer();
    QVERIFY2(input1->text().startsWith("Eingang 1: ") && !input1->text().contains("---"),
             qPrintable(input1->text()));
    QVERIFY2(advance->text().startsWith(QString::fromUtf8("Vorzündung = ")),
             qPrintable(advance->text()));
}

void LanguagesTest::messagesFollowTheLanguage() {
    FormBench b(false);
    b.get<QAction>("MenuGerman")->trigger();
    QCOMPARE(b.state.texts.MsgReadError, std::string("Lesefehler"));
    b.get<QAction>("MenuRead")->trigger();
    auto* status = b.get<QLabel>("LabelHlaseni");
    QCOMPARE(status->text(), QString("Lesen:"));
    for (int i = 0; i < 24; ++i)
        b.controller.Timer1Timer();
    QCOMPARE(status->text(), QString("Lesefehler"));

    b.get<QAction>("MenuCzech")->trigger();
    QCOMPARE(b.get<QLabel>("LabelMonInput2In")->text(), QString("Vstup 2: ---"));
    QCOMPARE(b.state.texts.MsgReadError, std::string("Chyba čtení!"));
}

void LanguagesTest::qtDialogButtonsFollowTheLanguage() {
    if (!QTranslator().load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QSKIP("Qt's translations are not installed");
    FormBench b(false);
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    b.get<QAction>("MenuGerman")->trigger();
    QCOMPARE(yes(), QString("&Ja"));
    b.get<QAction>("MenuCzech")->trigger();
    QCOMPARE(yes(), QString("&Ano"));
    b.get<QAction>("MenuEnglish")->trigger();
    QCOMPARE(yes(), QString("&Yes"));
}

void LanguagesTest::commandLineLanguage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("tabCaption");
    // German is stored from the previous run.
    QTest::newRow("FRANCE") << QStringList{"FRANCE"} << 2 << "&Divergeant";
    QTest::newRow("ENGLISH") << QStringList{"ENGLISH"} << 0 << "Miscellaneous";
    QTest::newRow("CESKY") << QStringList{"CESKY"} << 3 << QString::fromUtf8("Různé");
    QTest::newRow("DEUTSCH") << QStringList{"DEUTSCH"} << 1 << "Verschiedene";
    QTest::newRow("english") << QStringList{"english"} << 1 << "Verschiedene";
    QTest::newRow("france") << QStringList{"france"} << 1 << "Verschiedene";
    QTest::newRow("French") << QStringList{"French"} << 1 << "Verschiedene";
    QTest::newRow("none") << QStringList{} << 1 << "Verschiedene";
    QTest::newRow("second argument") << QStringList{"x", "FRANCE"} << 1 << "Verschiedene";
}

void LanguagesTest::commandLineLanguage() {
    QFETCH(QStringList, arguments);
    QFETCH(int, language);
    QFETCH(QString, tabCaption);
    QTemporaryDir config;
    {
        FormBench previous(false, config.path());
        previous.get<QAction>("MenuGerman")->trigger();
        previous.form.close();
    }
    CommandLineBench b(config.path(), arguments);
    QCOMPARE(int(b.state.choices.languageIndex), language);
    QVERIFY(b.form.findChild<QAction*>(kLanguageItems[language])->isChecked());
    QCOMPARE(Caption(b.form, "TabSheetRuzne"), tabCaption);
}

void LanguagesTest::aboutCaptionFollowsTheLanguage() {
    FormBench b(false);
    TFormAbout about(&b.form);
    b.controller.SetAboutWindow(&about);
    const struct {
        const char* item;
        const char* caption;
        bool byOkLabel;
    } showings[] = {{"MenuGerman", "Über Programm KX_FLAM3", true},
                    {"MenuCzech", "O programu KX_FLAM3", false},
                    {"MenuFrench", "Information KX_FLAM3", true},
                    {"MenuEnglish", "About KX_FLAM3", false}};
    for (const auto& showing : showings) {
        b.get<QAction>(showing.item)->trigger();
        QCOMPARE(ShowAbout(b, about, showing.byOkLabel), QString::fromUtf8(showing.caption));
        QVERIFY(!about.isVisible());
    }
}

void LanguagesTest::aboutWindow() {
    FormBench b(false);
    b.form.move(100, 60);
    TFormAbout about(&b.form);
    b.controller.SetAboutWindow(&about);
    QCOMPARE(about.size(), QSize(350, 409));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY((about.geometry().center() - b.form.geometry().center()).manhattanLength() <= 2);

    const QRegularExpression date("^(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                  "( [1-9]|[12][0-9]|3[01]) 20[0-9]{2}$");
    const QRegularExpression time("^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$");
    auto* dateLabel = about.findChild<QLabel*>("LabelDate");
    auto* timeLabel = about.findChild<QLabel*>("LabelTime");
    QVERIFY2(date.match(dateLabel->text()).hasMatch(), qPrintable(dateLabel->text()));
    QVERIFY2(time.match(timeLabel->text()).hasMatch(), qPrintable(timeLabel->text()));
    const QString stamp = dateLabel->text() + timeLabel->text();
    ShowAbout(b, about, true);
    ShowAbout(b, about, false);
    QCOMPARE(dateLabel->text() + timeLabel->text(), stamp);
}

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
