#include "texts/MessageTexts.h"
#include "texts/WorkbenchTexts.h"

#include <QByteArray>
#include <QString>
#include <QtTest>

#include <iterator>
#include <string>

using kx::MessageTexts;
using Entry = std::string MessageTexts::*;
Q_DECLARE_METATYPE(Entry)

namespace {

enum Language { English = 0, German = 1, French = 2, Czech = 3 };

const Entry kAllEntries[] = {
    &MessageTexts::MsgProgramError,
    &MessageTexts::MsgVerifyError,
    &MessageTexts::MsgReadError,
    &MessageTexts::MsgProgramming,
    &MessageTexts::MsgVerifying,
    &MessageTexts::MsgReading,
    &MessageTexts::MsgSaving,
    &MessageTexts::MsgVersionMismatch,
    &MessageTexts::MsgComOpenError,
    &MessageTexts::MsgOpenFileError,
    &MessageTexts::MsgFileVersionMismatch,
    &MessageTexts::MsgAskDefaults,
    &MessageTexts::MsgPrintDateTime,
    &MessageTexts::MsgManualFile,
    &MessageTexts::MsgManualOpenError,
    &MessageTexts::MsgAdvance,
    &MessageTexts::MsgProgramCount,
    &MessageTexts::MsgPickup,
    &MessageTexts::MsgRunning,
    &MessageTexts::MsgNoSignal,
    &MessageTexts::MsgPickupError,
    &MessageTexts::MsgServoDesired,
    &MessageTexts::MsgServoMeasured,
    &MessageTexts::MsgMotorOff,
    &MessageTexts::MsgPilotLight,
    &MessageTexts::MsgClutch,
    &MessageTexts::MsgStartLimiter,
    &MessageTexts::MsgRetard,
    &MessageTexts::MsgKillSwitch,
    &MessageTexts::MsgYes,
    &MessageTexts::MsgNo,
    &MessageTexts::MsgInput,
    &MessageTexts::MsgInputOpen,
    &MessageTexts::MsgInputGrounded,
};

MessageTexts Loaded(uint8_t language) {
    MessageTexts texts;
    kx::LoadMessageTexts(texts, language);
    return texts;
}

// Compares entry by entry so a failure names the first differing text.
void CompareAll(const MessageTexts& actual, const MessageTexts& expected) {
    for (Entry entry : kAllEntries) {
        QCOMPARE(QByteArray::fromStdString(actual.*entry),
                 QByteArray::fromStdString(expected.*entry));
    }
}

} // namespace

class TestMessageTexts : public QObject {
    Q_OBJECT

  private slots:
    void workbenchTextsKeepTheirPlaceholders();
    void entryText_data();
    void entryText();
    void pickupErrorIsFortyCharacters_data();
    void pickupErrorIsFortyCharacters();
    void manualOpenErrorNamesTheManual_data();
    void manualOpenErrorNamesTheManual();
    void everyEntryFilledInEveryLanguage();
    void switchingLanguageLeavesNoTrace_data();
    void switchingLanguageLeavesNoTrace();
    void unknownLanguageFallsBackToEnglish_data();
    void unknownLanguageFallsBackToEnglish();
};

void TestMessageTexts::entryText_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QByteArray>("expected");

    auto row = [](const char* name, Language language, Entry entry, const char* expected) {
        QTest::newRow(name) << int(language) << entry << QByteArray(expected);
    };
    row("en version mismatch", English, &MessageTexts::MsgVersionMismatch,
        "Unmatched version of PC and Ignition programs!");
    row("de read error", German, &MessageTexts::MsgReadError, "Lesefehler");
    row("de advance", German, &MessageTexts::MsgAdvance, "Vorzündung");
    row("de com open error", German, &MessageTexts::MsgComOpenError, "Falscher COM-Anschlußes!");
    row("de no signal leading blank", German, &MessageTexts::MsgNoSignal, " kein Signal");
    row("fr version mismatch", French, &MessageTexts::MsgVersionMismatch,
        "Programme du boitier d´alumage non compatible avec programme PC!");
    row("fr verifying without colon", French, &MessageTexts::MsgVerifying, "Vérifier");
    row("fr reading without colon", French, &MessageTexts::MsgReading, "Lire");
    row("fr running leading blank", French, &MessageTexts::MsgRunning, " fonctionne");
    row("fr pilot light", French, &MessageTexts::MsgPilotLight, "Retard à l´allumage");
    row("cz program error", Czech, &MessageTexts::MsgProgramError, "Chyba programování");
    row("cz version mismatch", Czech, &MessageTexts::MsgVersionMismatch,
        "Neshodné verze proramu v PC a zapalování!");
    row("cz servo measured", Czech, &MessageTexts::MsgServoMeasured, "Servo měřené=");
    row("cz clutch stays English", Czech, &MessageTexts::MsgClutch, "Clutch master");
    row("cz program count trailing blank", Czech, &MessageTexts::MsgProgramCount,
        "Počet programování= ");
    // The print heading keeps its trailing blanks, two or three depending on the language.
    row("en print date", English, &MessageTexts::MsgPrintDateTime, "Date and time of printing:  ");
    row("de print date", German, &MessageTexts::MsgPrintDateTime, "Zeitpunkt des Ausdruckes   ");
    row("fr print date", French, &MessageTexts::MsgPrintDateTime, "Date et heur de l´imprimé:   ");
    row("cz print date", Czech, &MessageTexts::MsgPrintDateTime, "Datum a čas tisku:  ");
}

void TestMessageTexts::entryText() {
    QFETCH(int, language);
    QFETCH(Entry, entry);
    QFETCH(QByteArray, expected);

    const MessageTexts texts = Loaded(uint8_t(language));
    QCOMPARE(QByteArray::fromStdString(texts.*entry), expected);
}

void TestMessageTexts::pickupErrorIsFortyCharacters_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("words");

    QTest::newRow("en") << int(English) << QString::fromUtf8("Pick up system error");
    QTest::newRow("de") << int(German) << QString::fromUtf8("Gebersystemehler");
    QTest::newRow("fr") << int(French) << QString::fromUtf8("Pick up system error");
    QTest::newRow("cz") << int(Czech) << QString::fromUtf8("Chyba v snímacím systému");
}

void TestMessageTexts::pickupErrorIsFortyCharacters() {
    QFETCH(int, language);
    QFETCH(QString, words);

    // Counted as characters, not bytes: the Czech letters are two bytes each in UTF-8.
    const QString text = QString::fromStdString(Loaded(uint8_t(language)).MsgPickupError);
    QCOMPARE(text.size(), 40);
    QVERIFY(text.startsWith(words));
    QCOMPARE(text.mid(words.size()), QString(40 - words.size(), QLatin1Char(' ')));
}

void TestMessageTexts::manualOpenErrorNamesTheManual_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("en") << int(English)
                        << QByteArray("Error by opening file manual_meridan_kx_flam3_en.pdf !");
    QTest::newRow("de") << int(German)
                        << QByteArray(
                               "Fehler beim öffnen der Datei manual_meridan_kx_flam3_de.pdf !");
    QTest::newRow("fr") << int(French)
                        << QByteArray(
                               "Erreur à l´ouvertur du Fichier manual_meridan_kx_flam3_fr.pdf !");
    QTest::newRow("cz") << int(Czech)
                        << QByteArray(
                               "Chyba při otevírání souboru manual_meridan_kx_flam3_cz.pdf !");
}

void TestMessageTexts::manualOpenErrorNamesTheManual() {
    QFETCH(int, language);
    QFETCH(QByteArray, expected);

    QCOMPARE(QByteArray::fromStdString(Loaded(uint8_t(language)).MsgManualOpenError), expected);
}

void TestMessageTexts::everyEntryFilledInEveryLanguage() {
    for (uint8_t language = 0; language < 4; ++language) {
        const MessageTexts texts = Loaded(language);
        for (size_t i = 0; i < std::size(kAllEntries); ++i) {
            QVERIFY2(!(texts.*kAllEntries[i]).empty(),
                     qPrintable(QStringLiteral("language %1, entry %2").arg(language).arg(i)));
        }
    }
}

void TestMessageTexts::switchingLanguageLeavesNoTrace_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");

    QTest::newRow("cz to en") << int(Czech) << int(English);
    QTest::newRow("en to cz") << int(English) << int(Czech);
    QTest::newRow("de to fr") << int(German) << int(French);
    QTest::newRow("fr to de") << int(French) << int(German);
    QTest::newRow("same language twice") << int(German) << int(German);
}

void TestMessageTexts::switchingLanguageLeavesNoTrace() {
    QFETCH(int, from);
    QFETCH(int, to);

    // The composed entries (padding, manual file name) must not pile up on reloads.
    MessageTexts texts;
    kx::LoadMessageTexts(texts, uint8_t(from));
    kx::LoadMessageTexts(texts, uint8_t(to));
    CompareAll(texts, Loaded(uint8_t(to)));
}

void TestMessageTexts::unknownLanguageFallsBackToEnglish_data() {
    QTest::addColumn<int>("language");

    QTest::newRow("4") << 4;
    QTest::newRow("255") << 255;
}

void TestMessageTexts::unknownLanguageFallsBackToEnglish() {
    QFETCH(int, language);

    MessageTexts texts;
    kx::LoadMessageTexts(texts, uint8_t(Czech));
    kx::LoadMessageTexts(texts, uint8_t(language));
    CompareAll(texts, Loaded(uint8_t(English)));
    QCOMPARE(QByteArray::fromStdString(texts.MsgReadError), QByteArray("Read error!"));
}

// Every language fills in the same "%1".. as English, or a caption would show a bare "%2" or
// lose the number the user needs.
void TestMessageTexts::workbenchTextsKeepTheirPlaceholders() {
    const auto placeholders = [](const std::string& text) {
        QStringList found;
        const QString q = QString::fromStdString(text);
        for (int n = 1; n <= 9; ++n) {
            if (q.contains(QString("%%1").arg(n)))
                found << QString::number(n);
        }
        return found;
    };
    auto check = [&](const std::string& english, const std::string& other, const char* what) {
        QVERIFY2(!other.empty(), what);
        QCOMPARE(placeholders(other), placeholders(english));
        QVERIFY2(QString::fromStdString(other).count('&') <= 1, other.c_str());
    };
    for (int text = 0; text < kx::kWorkbenchTexts; ++text) {
        const std::string english = kx::WorkbenchTextIn(kx::WorkbenchText(text), English);
        for (uint8_t language = German; language <= Czech; ++language) {
            check(english, kx::WorkbenchTextIn(kx::WorkbenchText(text), language), english.c_str());
        }
    }
    for (int kind = 0; kind < kx::kChangeKinds; ++kind) {
        for (uint8_t language = English; language <= Czech; ++language) {
            QVERIFY(!kx::ChangeKindText(kx::ChangeKind(kind), language).empty());
        }
    }
}

QTEST_APPLESS_MAIN(TestMessageTexts)

#include "test_message_texts.moc"
