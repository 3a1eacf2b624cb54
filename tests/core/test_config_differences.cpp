#include "config/ConfigBlock.h"
#include "store/ConfigDifferences.h"

#include <QtTest>

#include <cstddef>
#include <set>

using namespace kx;

Q_DECLARE_METATYPE(FieldPlace)
Q_DECLARE_METATYPE(ValueName)

namespace {

// The words of an English reader, as far as the lines below use them.
DifferenceWords TestWords() {
    DifferenceWords words;
    words.names[std::size_t(ValueName::Limiter)] = "limiter";
    words.names[std::size_t(ValueName::MaxAdvancePickup2)] = "maximum advance pick-up 2";
    words.channelValue = "channel %1 %2";
    words.mapCell = "row %1 column %2";
    words.axisPoint = "point %1";
    words.value = "value %1";
    words.freeByte = "byte %1 (not in the file)";
    words.stored = "(stored %1 and %2)";
    return words;
}

} // namespace

class ConfigDifferencesTest : public QObject {
    Q_OBJECT

  private slots:
    void equalRecordsHaveNoDifference();
    void namesAndConvertsAsTheFile_data();
    void namesAndConvertsAsTheFile();
    void everyImageByteIsReportedOnce();
    void differencesComeInTheFileOrder();
    void linesShowBothValues_data();
    void linesShowBothValues();
    void placeholdersAreFilledOnce();
};

void ConfigDifferencesTest::equalRecordsHaveNoDifference() {
    ConfigBlock a = StartupBlock();
    ConfigBlock b = a;
    QVERIFY(ListDifferences(a, b).empty());
    // The spare bytes are not part of the unit's image.
    b.spare[3] = 9;
    QVERIFY(ListDifferences(a, b).empty());
}

void ConfigDifferencesTest::namesAndConvertsAsTheFile_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<FieldPlace>("place");
    QTest::addColumn<ValueName>("name");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("number");
    using B = ConfigBlock;
    using P = FieldPlace;
    using N = ValueName;
    const N none = N::Type;
    QTest::newRow("base advance") << int(offsetof(B, baseAdv)) << 45 << "BASE_ADV" << P::Only
                                  << none << 0 << 0 << 0 << 45;
    QTest::newRow("limiter, hundreds of rpm") << int(offsetof(B, limiter)) << 255 << "LIMITER"
                                              << P::Named << N::Limiter << 0 << 0 << 0 << 255;
    QTest::newRow("start limiter") << int(offsetof(B, startLimiter)) << 90 << "LIMITER" << P::Named
                                   << N::StartLimiter << 0 << 0 << 0 << 90;
    QTest::newRow("retard") << int(offsetof(B, retard)) << 200 << "LIMITER" << P::Named << N::Retard
                            << 0 << 0 << 0 << 200;
    QTest::newRow("pilot light rpm") << int(offsetof(B, pilotLight)) << 118 << "PILOT_LIGHT"
                                     << P::Only << none << 0 << 0 << 0 << 11800;
    QTest::newRow("clutch pause ms") << int(offsetof(B, clutchPause)) << 64 << "CLUTCH" << P::Named
                                     << N::ClutchPause << 0 << 0 << 0 << 640;
    QTest::newRow("throttle 100 % mV")
        << int(offsetof(B, tps100)) << 191 << "TPS" << P::Named << N::Tps100 << 0 << 0 << 0 << 4410;
    QTest::newRow("negative tachometer correction")
        << int(offsetof(B, tachoCorrection)) << 87 << "RPM" << P::Named << N::TachoCorrection << 0
        << 0 << 0 << -13;
    QTest::newRow("flag byte reads as on") << int(offsetof(B, servoEnable)) << 7 << "SERVO_ENABLE"
                                           << P::Only << none << 0 << 0 << 0 << 1;
    QTest::newRow("servo position mV") << int(offsetof(B, servoMv)) + 9 << 248 << "SERVO_MV"
                                       << P::AxisPoint << none << 0 << 10 << 0 << 4960;
    QTest::newRow("map speed axis") << int(offsetof(B, rpmAdv)) + 3 << 41 << "RPM_ADV"
                                    << P::AxisPoint << none << 0 << 4 << 0 << 4100;
    QTest::newRow("map cell") << int(offsetof(B, advance)) + MapIndex(2, 4) << 33 << "ADVANCE"
                              << P::MapCell << none << 0 << 3 << 5 << 33;
    QTest::newRow("first channel of the keying")
        << int(offsetof(B, maxAdvLobe)) << 0 << "BIKE" << P::Named << N::MaxAdvanceLobe << 1 << 0
        << 0 << 0;
    QTest::newRow("second channel of the keying")
        << int(offsetof(B, startAdvPickup2)) + 1 << 0 << "BIKE" << P::Named
        << N::StartAdvancePickup2 << 2 << 0 << 0 << 0;
    QTest::newRow("second input") << int(offsetof(B, input2Function)) << 3 << "INPUT" << P::Named
                                  << N::Input2Function << 0 << 0 << 0 << 3;
    QTest::newRow("no reading") << int(offsetof(B, noReading)) << 1 << "NO_READING" << P::Only
                                << none << 0 << 0 << 0 << 1;
    QTest::newRow("byte no keyword carries")
        << 60 << 7 << "" << P::FreeByte << none << 0 << 0 << 0 << 7;
}

void ConfigDifferencesTest::namesAndConvertsAsTheFile() {
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(QString, keyword);
    QFETCH(FieldPlace, place);
    QFETCH(ValueName, name);
    QFETCH(int, channel);
    QFETCH(int, position);
    QFETCH(int, column);
    QFETCH(int, number);
    const ConfigBlock a = StartupBlock();
    ConfigBlock b = a;
    b[offset] = uint8_t(stored);
    QVERIFY(a[offset] != b[offset]);
    const auto differences = ListDifferences(a, b);
    QCOMPARE(int(differences.size()), 1);
    const FieldDifference& difference = differences.front();
    QCOMPARE(QString::fromStdString(difference.keyword), keyword);
    QCOMPARE(difference.place, place);
    if (place == FieldPlace::Named)
        QCOMPARE(difference.name, name);
    QCOMPARE(difference.channel, channel);
    QCOMPARE(difference.position, position);
    QCOMPARE(difference.column, column);
    QCOMPARE(difference.offset, offset);
    QCOMPARE(difference.secondNumber, number);
    QCOMPARE(int(difference.firstStored), int(a[offset]));
    QCOMPARE(int(difference.secondStored), stored);
}

void ConfigDifferencesTest::everyImageByteIsReportedOnce() {
    // Words that differ for every name, so that equal lines mean one field named twice.
    DifferenceWords words = TestWords();
    for (std::size_t i = 0; i < words.names.size(); ++i)
        words.names[i] = "name" + std::to_string(i);
    const ConfigBlock a = StartupBlock();
    std::set<std::string> lines;
    for (int offset = 0; offset < kImageSize; ++offset) {
        ConfigBlock b = a;
        b[offset] ^= 0x5A;
        const auto differences = ListDifferences(a, b);
        QCOMPARE(int(differences.size()), 1);
        QCOMPARE(differences.front().offset, offset);
        const std::string line = DescribeDifference(differences.front(), words, "a", "b");
        const std::string field = line.substr(0, line.find(':'));
        QVERIFY2(lines.insert(field).second, field.c_str());
    }
}

void ConfigDifferencesTest::differencesComeInTheFileOrder() {
    const ConfigBlock a = StartupBlock();
    ConfigBlock b = a;
    b.reserved29 = 1;
    b.noReading = 1;
    b.advance[MapIndex(9, 9)] = 1;
    b.baseAdv = 30;
    b.bike = 3;
    const auto differences = ListDifferences(a, b);
    QCOMPARE(int(differences.size()), 5);
    QStringList keywords;
    for (const FieldDifference& difference : differences)
        keywords << QString::fromStdString(difference.keyword);
    QCOMPARE(keywords, QStringList({"BIKE", "BASE_ADV", "ADVANCE", "NO_READING", ""}));
}

void ConfigDifferencesTest::linesShowBothValues_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("line");
    using B = ConfigBlock;
    QTest::newRow("keyword with several values")
        << int(offsetof(B, limiter)) << 130 << "LIMITER limiter: file 110, unit 130";
    QTest::newRow("keyword with one value")
        << int(offsetof(B, pilotLight)) << 118 << "PILOT_LIGHT: file 9000, unit 11800";
    QTest::newRow("flag bytes that read alike")
        << int(offsetof(B, servoEnable)) << 5 << "SERVO_ENABLE: file 1, unit 1 (stored 1 and 5)";
    QTest::newRow("byte without keyword") << 29 << 4 << "byte 29 (not in the file): file 0, unit 4";
    QTest::newRow("value of the second channel")
        << int(offsetof(B, maxAdvPickup2)) + 1 << 9
        << "BIKE channel 2 maximum advance pick-up 2: file 1, unit 9";
    QTest::newRow("map cell") << int(offsetof(B, advance)) + MapIndex(9, 0) << 12
                              << "ADVANCE row 10 column 1: file 4, unit 12";
    QTest::newRow("axis point") << int(offsetof(B, servoRpm)) + 2 << 40
                                << "SERVO_RPM point 3: file 3000, unit 4000";
}

void ConfigDifferencesTest::linesShowBothValues() {
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(QString, line);
    const ConfigBlock file = StartupBlock();
    ConfigBlock unit = file;
    unit[offset] = uint8_t(stored);
    const auto differences = ListDifferences(file, unit);
    QCOMPARE(int(differences.size()), 1);
    QCOMPARE(QString::fromStdString(
                 DescribeDifference(differences.front(), TestWords(), "file", "unit")),
             line);
}

void ConfigDifferencesTest::placeholdersAreFilledOnce() {
    QCOMPARE(FillIn("%2 before %1, %1 again", "one", "two"),
             std::string("two before one, one again"));
    // What is filled in is not read again: a file name may hold a percent sign.
    QCOMPARE(FillIn("file %1", "50%2.ign", "x"), std::string("file 50%2.ign"));
    QCOMPARE(FillIn("100 % and %", "x"), std::string("100 % and %"));
}

QTEST_GUILESS_MAIN(ConfigDifferencesTest)
#include "test_config_differences.moc"
