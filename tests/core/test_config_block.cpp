#include "config/ConfigBlock.h"
#include "config/Conversions.h"

#include <QtTest>

#include <vector>

using namespace kx;

using Bytes = std::vector<int>;
Q_DECLARE_METATYPE(Bytes)

class ConfigBlockTest : public QObject {
    Q_OBJECT

  private slots:
    void fieldsSitAtTheirOffsets_data();
    void fieldsSitAtTheirOffsets();
    void startupValues();
    void speedAxisIsBoundedAndIncreasing_data();
    void speedAxisIsBoundedAndIncreasing();
    void servoAxisFollowsTheSameRules();
    void singleValueRepairs_data();
    void singleValueRepairs();
    void keyingRepairs();
    void settingsBesideTheRecord();
    void untouchedBytesSurvive();
    void normaliseIsIdempotent();
    void conversions();
};

// Offsets written out here, not taken from the header, so a moved field is caught.
void ConfigBlockTest::fieldsSitAtTheirOffsets_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("actual");
    ConfigBlock b{};
    auto at = [&](const uint8_t& field) { return int(&field - b.bytes()); };
    QTest::newRow("bike") << 0 << at(b.bike);
    QTest::newRow("noReading") << 1 << at(b.noReading);
    QTest::newRow("geberMode") << 5 << at(b.geberMode);
    QTest::newRow("pilotLight") << 7 << at(b.pilotLight);
    QTest::newRow("tachoCorrection") << 12 << at(b.tachoCorrection);
    QTest::newRow("limiter") << 13 << at(b.limiter);
    QTest::newRow("input2Function") << 15 << at(b.input2Function);
    QTest::newRow("servoHyster") << 17 << at(b.servoHyster);
    QTest::newRow("tps100") << 21 << at(b.tps100);
    QTest::newRow("startLimiter") << 25 << at(b.startLimiter);
    QTest::newRow("clutchPause") << 28 << at(b.clutchPause);
    QTest::newRow("startAdvLobe[1]") << 35 << at(b.startAdvLobe[1]);
    QTest::newRow("startAdvEdge2[0]") << 42 << at(b.startAdvEdge2[0]);
    QTest::newRow("maxAdvPickup2[1]") << 47 << at(b.maxAdvPickup2[1]);
    QTest::newRow("startAdvPickup2[3]") << 53 << at(b.startAdvPickup2[3]);
    QTest::newRow("servoRpm[0]") << 70 << at(b.servoRpm[0]);
    QTest::newRow("servoMv[9]") << 89 << at(b.servoMv[9]);
    QTest::newRow("rpmAdv[0]") << 90 << at(b.rpmAdv[0]);
    QTest::newRow("advance row 3 col 7") << 137 << at(b.advance[MapIndex(3, 7)]);
    QTest::newRow("advance row 9 col 9") << 199 << at(b.advance[MapIndex(9, 9)]);
    QTest::newRow("spare[6]") << 206 << at(b.spare[6]);
}

void ConfigBlockTest::fieldsSitAtTheirOffsets() {
    QFETCH(int, offset);
    QFETCH(int, actual);
    QCOMPARE(actual, offset);
}

void ConfigBlockTest::startupValues() {
    const ConfigBlock b = StartupBlock();
    // Offsets 0..99 of the start-up record, from the field table.
    const int image[100] = {
        0,   0,   0,   1,   2,   1,  0,  90, 0,   10,  1,   1,   100, 110, 0,   0,   1,
        40,  0,   0,   70,  129, 0,  11, 11, 100, 6,   10,  50,  0,   1,   1,   0,   0,
        1,   1,   0,   0,   0,   0,  0,  0,  1,   1,   0,   0,   0,   1,   0,   0,   0,
        1,   0,   0,   0,   0,   0,  0,  0,  0,   0,   0,   0,   0,   0,   0,   0,   0,
        0,   0,   12,  20,  30,  40, 60, 80, 100, 120, 140, 160, 100, 105, 110, 115, 120,
        125, 130, 135, 140, 145, 10, 20, 30, 40,  50,  60,  70,  80,  90,  100};
    for (int i = 0; i < 100; ++i)
        QVERIFY2(b[i] == image[i], qPrintable(QString("offset %1").arg(i)));
    const int firstRows[] = {4, 13, 16, 25, 28, 32, 33, 33, 33, 33, 4, 16, 22, 31, 33};
    for (int i = 0; i < 15; ++i)
        QCOMPARE(int(b.advance[i]), firstRows[i]);
    QCOMPARE(int(b.advance[MapIndex(2, 3)]), 44);
    QCOMPARE(int(b.advance[MapIndex(6, 8)]), 33);
    QCOMPARE(int(b.advance[MapIndex(9, 9)]), 32);
    for (int i = 200; i < 207; ++i)
        QCOMPARE(int(b[i]), 0);
}

void ConfigBlockTest::speedAxisIsBoundedAndIncreasing_data() {
    QTest::addColumn<Bytes>("axis");
    QTest::addColumn<Bytes>("expected");
    QTest::newRow("all zero") << Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                              << Bytes{3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    QTest::newRow("plateau pushed up") << Bytes{10, 20, 20, 20, 50, 60, 70, 80, 90, 100}
                                       << Bytes{10, 20, 21, 22, 50, 60, 70, 80, 90, 100};
    QTest::newRow("too high ends") << Bytes{250, 251, 252, 253, 254, 255, 255, 255, 255, 255}
                                   << Bytes{191, 192, 193, 194, 195, 196, 197, 198, 199, 200};
    QTest::newRow("last point capped") << Bytes{10, 20, 30, 40, 50, 60, 70, 80, 90, 255}
                                       << Bytes{10, 20, 30, 40, 50, 60, 70, 80, 90, 200};
    QTest::newRow("small point never pulls later ones down")
        << Bytes{10, 20, 30, 15, 16, 60, 70, 80, 90, 100}
        << Bytes{10, 20, 30, 31, 32, 60, 70, 80, 90, 100};
    QTest::newRow("descending") << Bytes{100, 90, 80, 70, 60, 50, 40, 30, 20, 10}
                                << Bytes{100, 101, 102, 103, 104, 105, 106, 107, 108, 109};
}

void ConfigBlockTest::speedAxisIsBoundedAndIncreasing() {
    QFETCH(Bytes, axis);
    QFETCH(Bytes, expected);
    ConfigBlock b = StartupBlock();
    for (int i = 0; i < 10; ++i)
        b.rpmAdv[i] = uint8_t(axis[i]);
    NormaliseBlock(b);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(int(b.rpmAdv[i]), expected[i]);
}

void ConfigBlockTest::servoAxisFollowsTheSameRules() {
    ConfigBlock b = StartupBlock();
    const uint8_t axis[10] = {250, 20, 20, 20, 50, 60, 70, 80, 90, 255};
    std::copy(axis, axis + 10, b.servoRpm);
    NormaliseBlock(b);
    const int expected[10] = {191, 192, 193, 194, 195, 196, 197, 198, 199, 200};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(int(b.servoRpm[i]), expected[i]);
}

void ConfigBlockTest::singleValueRepairs_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("tps0 251") << 20 << 251 << 250;
    QTest::newRow("tps0 250 kept") << 20 << 250 << 250;
    QTest::newRow("tps100 225 kept") << 21 << 225 << 225;
    QTest::newRow("tps100 255") << 21 << 255 << 250;
    QTest::newRow("outputCount 7") << 4 << 7 << 2;
    QTest::newRow("outputCount 0 kept") << 4 << 0 << 0;
    QTest::newRow("startLimiter above limiter") << 25 << 120 << 110;
    QTest::newRow("startLimiter below limiter kept") << 25 << 90 << 90;
    QTest::newRow("advance cell not clamped") << 150 << 99 << 99;
    QTest::newRow("baseAdv not clamped") << 9 << 200 << 200;
}

void ConfigBlockTest::singleValueRepairs() {
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(int, expected);
    ConfigBlock b = StartupBlock(); // limiter 110
    b[offset] = uint8_t(value);
    NormaliseBlock(b);
    QCOMPARE(int(b[offset]), expected);
}

void ConfigBlockTest::keyingRepairs() {
    ConfigBlock b = StartupBlock();
    b.synchroMode = 0;
    b.lobeCount = 40;
    b.maxAdvLobe[0] = 12;
    b.startAdvLobe[1] = 30;
    b.maxAdvLobe[2] = 12; // channels 3 and 4 are never repaired
    NormaliseBlock(b);
    QCOMPARE(int(b.lobeCount), 1);
    QCOMPARE(int(b.maxAdvLobe[0]), 1);
    QCOMPARE(int(b.startAdvLobe[1]), 1);
    QCOMPARE(int(b.maxAdvLobe[2]), 12);

    for (int method : {1, 2, 3, 5}) {
        ConfigBlock c = StartupBlock();
        c.synchroMode = uint8_t(method);
        c.lobeCount = 24;
        c.maxAdvPickup2[0] = c.maxAdvPickup2[1] = c.startAdvPickup2[0] = c.startAdvPickup2[1] = 1;
        c.maxAdvPickup2[3] = 1;
        NormaliseBlock(c);
        QCOMPARE(int(c.lobeCount), 24);
        QCOMPARE(c.maxAdvPickup2[0] + c.maxAdvPickup2[1] + c.startAdvPickup2[0] +
                     c.startAdvPickup2[1],
                 0);
        QCOMPARE(int(c.maxAdvPickup2[3]), 1);
    }
    ConfigBlock d = StartupBlock();
    d.synchroMode = 4;
    d.maxAdvPickup2[0] = d.startAdvPickup2[0] = 1;
    NormaliseBlock(d);
    QCOMPARE(int(d.maxAdvPickup2[0]), 1);
    QCOMPARE(int(d.startAdvPickup2[0]), 1);
}

void ConfigBlockTest::settingsBesideTheRecord() {
    ConfigBlock b = StartupBlock();
    AppChoices choices;
    choices.languageIndex = 4;
    choices.portIndex = 20;
    NormaliseBlock(b, choices);
    QCOMPARE(int(choices.languageIndex), 0);
    QCOMPARE(int(choices.portIndex), 0);
    choices.languageIndex = 3;
    choices.portIndex = 19;
    NormaliseBlock(b, choices);
    QCOMPARE(int(choices.languageIndex), 3);
    QCOMPARE(int(choices.portIndex), 19);
}

void ConfigBlockTest::untouchedBytesSurvive() {
    ConfigBlock b{}; // all zero, the worst case for the repairs
    const int carried[] = {18, 19, 29, 32, 33, 36, 37, 40, 41, 44, 45, 48, 49, 52, 53};
    for (int offset : carried)
        b[offset] = uint8_t(0xA0 + offset % 16);
    for (int offset = 54; offset < 70; ++offset)
        b[offset] = uint8_t(offset);
    for (int offset = 200; offset < 207; ++offset)
        b[offset] = uint8_t(offset);
    const ConfigBlock before = b;
    NormaliseBlock(b);
    for (int offset : carried)
        QCOMPARE(b[offset], before[offset]);
    for (int offset = 54; offset < 70; ++offset)
        QCOMPARE(b[offset], before[offset]);
    for (int offset = 200; offset < 207; ++offset)
        QCOMPARE(b[offset], before[offset]);
}

void ConfigBlockTest::normaliseIsIdempotent() {
    QRandomGenerator random(20261208);
    for (int round = 0; round < 2000; ++round) {
        ConfigBlock b;
        for (int i = 0; i < kRecordSize; ++i)
            b[i] = uint8_t(random.bounded(256));
        NormaliseBlock(b);
        ConfigBlock again = b;
        NormaliseBlock(again);
        QVERIFY(again == b);
        for (int i = 1; i < 10; ++i) {
            QVERIFY(b.rpmAdv[i] > b.rpmAdv[i - 1]);
            QVERIFY(b.servoRpm[i] > b.servoRpm[i - 1]);
        }
        QVERIFY(b.startLimiter <= b.limiter);
    }
}

void ConfigBlockTest::conversions() {
    const int codeOfItem[] = {0, 2, 3, 4, 1};
    for (int item = 0; item < 5; ++item) {
        QCOMPARE(int(BikeCodeFromCombo(item).value()), codeOfItem[item]);
        QCOMPARE(ComboFromBikeCode(uint8_t(codeOfItem[item])).value(), item);
    }
    QVERIFY(!BikeCodeFromCombo(-1));
    QVERIFY(!BikeCodeFromCombo(5));
    QVERIFY(!ComboFromBikeCode(5));
    QVERIFY(!ComboFromBikeCode(255));

    QCOMPARE(int(GeberModeFromItem(0)), 1);
    QCOMPARE(int(GeberModeFromItem(1)), 2);
    QCOMPARE(int(GeberModeFromItem(2)), 3);
    QCOMPARE(int(GeberModeFromItem(3)), 0);
    QCOMPARE(int(GeberModeFromItem(-1)), 0);
    QCOMPARE(ItemFromGeberMode(0), 3);
    QCOMPARE(ItemFromGeberMode(1), 0);
    QCOMPARE(ItemFromGeberMode(3), 2);

    QCOMPARE(int(Tps100FromMv(2500)), 0);
    QCOMPARE(int(Tps100FromMv(3790)), 129);
    QCOMPARE(int(Tps100FromMv(4750)), 225);
    QCOMPARE(int(Tps100FromMv(4900)), 240);
    QCOMPARE(Tps100ToMv(129), 3790);
    QCOMPARE(Tps100ToMv(0), 2500);
}

QTEST_APPLESS_MAIN(ConfigBlockTest)
#include "test_config_block.moc"
