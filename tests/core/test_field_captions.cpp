#include "config/AppChoices.h"
#include "config/ConfigBlock.h"
#include "store/ConfigDifferences.h"
#include "store/ConfigFile.h"
#include "texts/FieldCaptions.h"
#include "texts/HistoryTexts.h"
#include "texts/LogTexts.h"

#include <QtTest>

#include <cstddef>
#include <map>
#include <string>

using namespace kx;

namespace {

// The one difference a record with a single byte changed has, as ListDifferences names it.
FieldDifference DifferenceAt(int offset, uint8_t first = 0, uint8_t second = 1) {
    ConfigBlock a{};
    ConfigBlock b{};
    a[offset] = first;
    b[offset] = second;
    const std::vector<FieldDifference> differences = ListDifferences(a, b);
    return differences.size() == 1 ? differences[0] : FieldDifference{};
}

} // namespace

// The captions are made from the window's texts by one table; what a table cannot promise by
// itself is checked here for every field and language, without a window.
class FieldCaptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyFieldHasItsOwnCaptionInEveryLanguage();
    void captionsReadAsTheWindowNamesTheField();
    void listValuesReadAsTheirItems();
    void historyAndLogTextsExistInEveryLanguage();
};

void FieldCaptionsTest::everyFieldHasItsOwnCaptionInEveryLanguage() {
    for (uint8_t language = 0; language < kLanguageCount; ++language) {
        std::map<std::string, int> seen;
        // Every keyword value, and the image bytes no keyword carries.
        for (int offset = 0; offset < kImageSize; ++offset) {
            const FieldDifference difference = DifferenceAt(offset);
            QCOMPARE(difference.offset, offset);
            const std::string caption = FieldCaption(difference, language);
            const QString where = QString("offset %1, language %2: \"%3\"")
                                      .arg(offset)
                                      .arg(language)
                                      .arg(QString::fromStdString(caption));
            QVERIFY2(!caption.empty(), qPrintable(where));
            QVERIFY2(caption.find('&') == std::string::npos, qPrintable(where)); // no accelerators
            QVERIFY2(caption.find("%1") == std::string::npos, qPrintable(where));
            QVERIFY2(caption.front() != ' ' && caption.back() != ' ', qPrintable(where));
            const auto [other, isNew] = seen.emplace(caption, offset);
            QVERIFY2(isNew,
                     qPrintable(where + QString(" also names offset %1").arg(other->second)));
            QVERIFY(!FieldValueText(difference, false, language).empty());
            QVERIFY(!FieldValueText(difference, true, language).empty());
        }
        QCOMPARE(seen.size(), std::size_t(kImageSize));
    }
    // Every offset a keyword carries is among them.
    for (const ConfigFileKeyword& keyword : ConfigFileKeywords()) {
        for (int offset : keyword.offsets)
            QCOMPARE(QString::fromStdString(DifferenceAt(offset).keyword),
                     QString::fromStdString(keyword.name));
    }
}

void FieldCaptionsTest::captionsReadAsTheWindowNamesTheField() {
    const auto caption = [](std::size_t offset, uint8_t language) {
        return QString::fromStdString(FieldCaption(DifferenceAt(int(offset)), language));
    };
    using B = ConfigBlock;
    QCOMPARE(caption(offsetof(B, advance) + MapIndex(2, 0), 1),
             QString("Vorzündung Karte › Zeile 5 % Spalte 1"));
    QCOMPARE(caption(offsetof(B, maxAdvPickup2) + 1, 0),
             QString("Bike › Channel 2 › Maximum advance › 2nd Pick-up"));
    // French accelerators are no part of the name.
    QCOMPARE(caption(offsetof(B, bike), 2), QString("Motocycle › Motocycle type"));
    // What the window shows in English only, or by no caption, the difference words name.
    QCOMPARE(caption(offsetof(B, startLimiter), 1),
             QString("Verschiedene › LIMITER Startbegrenzer"));
    QCOMPARE(caption(offsetof(B, servoRpm) + 2, 0), QString("Servo › SERVO_RPM point 3"));
    QCOMPARE(caption(54, 0), QString("byte 54 (not in the file)"));
    QCOMPARE(caption(54, 3), QString("bajt 54 (není v souboru)"));
}

void FieldCaptionsTest::listValuesReadAsTheirItems() {
    using B = ConfigBlock;
    const auto value = [](std::size_t offset, uint8_t stored, uint8_t language) {
        return QString::fromStdString(
            FieldValueText(DifferenceAt(int(offset), 0, stored), true, language));
    };
    // The items themselves are held to the window's lists in tests/ui/test_history_windows.
    QCOMPARE(value(offsetof(B, input2Function), kInputBlocking, 0), QString("Blocking"));
    QCOMPARE(value(offsetof(B, input1Function), kInputKillSwitch, 0), QString("Kill switch"));
    QCOMPARE(value(offsetof(B, bike), 9, 0), QString("9")); // no item: the number
    // As the editors show them: the file has the limiters in hundreds of rpm.
    QCOMPARE(value(offsetof(B, limiter), 130, 0), QString("13000"));
    QCOMPARE(value(offsetof(B, startLimiter), 60, 0), QString("6000"));
    QCOMPARE(value(offsetof(B, geberMode), 2, 0), QString("2")); // no editor: as the file has it
    QCOMPARE(value(offsetof(B, tachoCorrection), 95, 0), QString("-5"));
    QCOMPARE(value(offsetof(B, servoEnable), 1, 3), QString("ANO"));
    // Ticked on both sides by different bytes: the byte tells them apart.
    const FieldDifference flags = DifferenceAt(int(offsetof(B, noReading)), 1, 5);
    QCOMPARE(QString::fromStdString(FieldValueText(flags, false, 0)), QString("YES (1)"));
    QCOMPARE(QString::fromStdString(FieldValueText(flags, true, 0)), QString("YES (5)"));
    QCOMPARE(
        QString::fromStdString(FieldValueText(DifferenceAt(int(offsetof(B, noReading))), false, 0)),
        QString("NO"));
}

void FieldCaptionsTest::historyAndLogTextsExistInEveryLanguage() {
    for (int text = 0; text < kHistoryTexts; ++text) {
        for (uint8_t language = 0; language < kLanguageCount; ++language)
            QVERIFY(!HistoryTextIn(HistoryText(text), language).empty());
        // Beyond the four languages: English.
        QCOMPARE(HistoryTextIn(HistoryText(text), 9), HistoryTextIn(HistoryText(text), 0));
    }
    for (int text = 0; text < kLogTexts; ++text) {
        for (uint8_t language = 0; language < kLanguageCount; ++language)
            QVERIFY(!LogTextIn(LogText(text), language).empty());
        QCOMPARE(LogTextIn(LogText(text), 9), LogTextIn(LogText(text), 0));
    }
}

QTEST_APPLESS_MAIN(FieldCaptionsTest)
#include "test_field_captions.moc"
