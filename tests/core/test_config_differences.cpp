#include "config/ConfigBlock.h"
#include "store/ConfigDifferences.h"

#include <QtTest>

#include <cstddef>
#include <set>

using namespace kx;

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
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("number");
    using B = ConfigBlock;
    QTest::newRow("base advance") << int(offsetof(B, baseAdv)) << 45 << "BASE_ADV"
                                  << "" << 45;
    QTest::newRow("limiter, hundreds of rpm") << int(offsetof(B, limiter)) << 255 << "LIMITER"
                                              << "limiter" << 255;
    QTest::newRow("start limiter") << int(offsetof(B, startLimiter)) << 90 << "LIMITER"
                                   << "start limiter" << 90;
    QTest::newRow("retard") << int(offsetof(B, retard)) << 200 << "LIMITER"
                            << "retard" << 200;
    QTest::newRow("pilot light rpm") << int(offsetof(B, pilotLight)) << 118 << "PILOT_LIGHT"
                                     << "" << 11800;
    QTest::newRow("clutch pause ms") << int(offsetof(B, clutchPause)) << 64 << "CLUTCH"
                                     << "pause" << 640;
    QTest::newRow("throttle 100 % mV") << int(offsetof(B, tps100)) << 191 << "TPS"
                                       << "100 %" << 4410;
    QTest::newRow("negative tachometer correction")
        << int(offsetof(B, tachoCorrection)) << 87 << "RPM"
        << "correction" << -13;
    QTest::newRow("flag byte reads as on") << int(offsetof(B, servoEnable)) << 7 << "SERVO_ENABLE"
                                           << "" << 1;
    QTest::newRow("servo position mV") << int(offsetof(B, servoMv)) + 9 << 248 << "SERVO_MV"
                                       << "point 10" << 4960;
    QTest::newRow("map speed axis") << int(offsetof(B, rpmAdv)) + 3 << 41 << "RPM_ADV"
                                    << "point 4" << 4100;
    QTest::newRow("map cell") << int(offsetof(B, advance)) + MapIndex(2, 4) << 33 << "ADVANCE"
                              << "row 3 column 5" << 33;
    QTest::newRow("second channel of the keying")
        << int(offsetof(B, startAdvPickup2)) + 1 << 0 << "BIKE"
        << "channel 2 start advance pick-up 2" << 0;
    QTest::newRow("second input") << int(offsetof(B, input2Function)) << 3 << "INPUT"
                                  << "input 2 function" << 3;
    QTest::newRow("no reading") << int(offsetof(B, noReading)) << 1 << "NO_READING"
                                << "" << 1;
    QTest::newRow("byte no keyword carries") << 60 << 7 << ""
                                             << "byte 60" << 7;
}

void ConfigDifferencesTest::namesAndConvertsAsTheFile() {
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(QString, keyword);
    QFETCH(QString, field);
    QFETCH(int, number);
    const ConfigBlock a = StartupBlock();
    ConfigBlock b = a;
    b[offset] = uint8_t(stored);
    QVERIFY(a[offset] != b[offset]);
    const auto differences = ListDifferences(a, b);
    QCOMPARE(int(differences.size()), 1);
    const FieldDifference& difference = differences.front();
    QCOMPARE(QString::fromStdString(difference.keyword), keyword);
    QCOMPARE(QString::fromStdString(difference.field), field);
    QCOMPARE(difference.offset, offset);
    QCOMPARE(difference.secondNumber, number);
    QCOMPARE(int(difference.firstStored), int(a[offset]));
    QCOMPARE(int(difference.secondStored), stored);
}

void ConfigDifferencesTest::everyImageByteIsReportedOnce() {
    const ConfigBlock a = StartupBlock();
    std::set<std::string> names;
    for (int offset = 0; offset < kImageSize; ++offset) {
        ConfigBlock b = a;
        b[offset] ^= 0x5A;
        const auto differences = ListDifferences(a, b);
        QCOMPARE(int(differences.size()), 1);
        QCOMPARE(differences.front().offset, offset);
        const std::string name = differences.front().keyword + " " + differences.front().field;
        QVERIFY2(names.insert(name).second, name.c_str());
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
    QCOMPARE(QString::fromStdString(DescribeDifference(differences.front(), "file", "unit")), line);
}

QTEST_GUILESS_MAIN(ConfigDifferencesTest)
#include "test_config_differences.moc"
