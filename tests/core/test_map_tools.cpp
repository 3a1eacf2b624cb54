#include "config/ConfigBlock.h"
#include "config/MapTools.h"

#include <QtTest>

using namespace kx;

class MapToolsTest : public QObject {
    Q_OBJECT

  private slots:
    void wholeMapStopsAtItsLimits();
    void liveCellOnly();
    void belowAxisChangesNothing();
    void speedColumnMovesAllRows();
    void servoSteps_data();
    void servoSteps();
    void throttleCapture_data();
    void throttleCapture();
};

void MapToolsTest::wholeMapStopsAtItsLimits() {
    ConfigBlock b = StartupBlock();
    b.advance[0] = 59;
    b.advance[1] = 60;
    b.advance[2] = 0;
    StepAdvance(b, Step::Up, true, LiveCell{});
    QCOMPARE(int(b.advance[0]), 60);
    QCOMPARE(int(b.advance[1]), 60);
    QCOMPARE(int(b.advance[2]), 1);
    QCOMPARE(int(b.advance[MapIndex(9, 9)]), 33);

    StepAdvance(b, Step::Down, true, LiveCell{});
    StepAdvance(b, Step::Down, true, LiveCell{});
    QCOMPARE(int(b.advance[0]), 58);
    QCOMPARE(int(b.advance[2]), 0);
}

void MapToolsTest::liveCellOnly() {
    ConfigBlock b = StartupBlock();
    const ConfigBlock before = b;
    LiveCell cell;
    cell.tpsRow = 9; // throttle rows off: the single visible row
    cell.rpmColumn = 4;
    cell.rpmBelowAxis = false;
    StepAdvance(b, Step::Up, false, cell);
    QCOMPARE(int(b.advance[MapIndex(9, 4)]), int(before.advance[MapIndex(9, 4)]) + 1);
    b.advance[MapIndex(9, 4)] = before.advance[MapIndex(9, 4)];
    QVERIFY(b == before);

    b.advance[MapIndex(2, 3)] = 0;
    cell.tpsRow = 2;
    cell.rpmColumn = 3;
    StepAdvance(b, Step::Down, false, cell);
    QCOMPARE(int(b.advance[MapIndex(2, 3)]), 0);
}

void MapToolsTest::belowAxisChangesNothing() {
    ConfigBlock b = StartupBlock();
    const ConfigBlock before = b;
    LiveCell cell; // before any live data
    StepAdvance(b, Step::Down, false, cell);
    StepAdvance(b, Step::Up, false, cell);
    QVERIFY(b == before);
}

void MapToolsTest::speedColumnMovesAllRows() {
    ConfigBlock b = StartupBlock();
    b.advance[MapIndex(0, 2)] = 60;
    const ConfigBlock before = b;
    StepSpeedColumn(b, 2, Step::Up); // the third button
    for (int row = 0; row < 10; ++row) {
        const int was = before.advance[MapIndex(row, 2)];
        QCOMPARE(int(b.advance[MapIndex(row, 2)]), was == 60 ? 60 : was + 1);
        QCOMPARE(b.advance[MapIndex(row, 1)], before.advance[MapIndex(row, 1)]);
        QCOMPARE(b.advance[MapIndex(row, 3)], before.advance[MapIndex(row, 3)]);
    }
    const ConfigBlock stepped = b;
    StepSpeedColumn(b, 10, Step::Up);
    StepSpeedColumn(b, -1, Step::Down);
    QVERIFY(b == stepped);
}

void MapToolsTest::servoSteps_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("expected");
    QTest::newRow("plus at 249 stays") << 249 << true << 249;
    QTest::newRow("plus at 248") << 248 << true << 249;
    QTest::newRow("plus at 250 (above the stop)") << 250 << true << 250;
    QTest::newRow("minus at 1 stays") << 1 << false << 1;
    QTest::newRow("minus at 2") << 2 << false << 1;
    QTest::newRow("minus at 0 stays") << 0 << false << 0;
    QTest::newRow("plus at 100") << 100 << true << 101;
}

void MapToolsTest::servoSteps() {
    QFETCH(int, start);
    QFETCH(bool, up);
    QFETCH(int, expected);
    const Step step = up ? Step::Up : Step::Down;

    ConfigBlock one = StartupBlock();
    one.servoMv[0] = uint8_t(start); // before any live data the servo column is 0
    StepServo(one, step, false, 0);
    QCOMPARE(int(one.servoMv[0]), expected);
    QCOMPARE(int(one.servoMv[1]), 105);

    ConfigBlock all = StartupBlock();
    for (uint8_t& v : all.servoMv)
        v = uint8_t(start);
    StepServo(all, step, true, 0);
    for (uint8_t v : all.servoMv)
        QCOMPARE(int(v), expected);
}

void MapToolsTest::throttleCapture_data() {
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<bool>("zeroTaken");
    QTest::addColumn<int>("tps0");
    QTest::addColumn<bool>("fullTaken");
    QTest::addColumn<int>("tps100");
    QTest::newRow("99 mV") << 99 << false << 70 << false << 129;
    QTest::newRow("100 mV") << 100 << true << 10 << false << 129;
    QTest::newRow("709 mV truncates") << 709 << true << 70 << false << 129;
    QTest::newRow("2500 mV taken by both") << 2500 << true << 250 << true << 0;
    QTest::newRow("2501 mV") << 2501 << false << 70 << true << 0;
    QTest::newRow("4900 mV") << 4900 << false << 70 << true << 240;
    QTest::newRow("4901 mV") << 4901 << false << 70 << false << 129;
    QTest::newRow("no live data") << 0 << false << 70 << false << 129;
}

void MapToolsTest::throttleCapture() {
    QFETCH(int, millivolts);
    QFETCH(bool, zeroTaken);
    QFETCH(int, tps0);
    QFETCH(bool, fullTaken);
    QFETCH(int, tps100);
    ConfigBlock b = StartupBlock();
    QCOMPARE(CaptureTps0(b, millivolts), zeroTaken);
    QCOMPARE(CaptureTps100(b, millivolts), fullTaken);
    QCOMPARE(int(b.tps0), tps0);
    QCOMPARE(int(b.tps100), tps100);
}

QTEST_APPLESS_MAIN(MapToolsTest)
#include "test_map_tools.moc"
