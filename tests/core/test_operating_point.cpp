#include "config/ConfigBlock.h"
#include "link/OperatingPoint.h"

#include <QtTest>

using namespace kx;

class OperatingPointTest : public QObject {
    Q_OBJECT

  private slots:
    void speedColumn_data();
    void speedColumn();
    void throttleRow_data();
    void throttleRow();
    void throttleRowsOffUseTheLastRow();
    void axisWithLargeNeighbours();
};

void OperatingPointTest::speedColumn_data() {
    QTest::addColumn<int>("rpm");
    QTest::addColumn<bool>("below");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("servoColumn");
    // Default axes: map 1000..10000 rpm, servo 1200, 2000, 3000, 4000, 6000 ... 16000 rpm.
    QTest::newRow("999 rpm") << 999 << true << 0 << 0;
    QTest::newRow("1000 rpm") << 1000 << false << 0 << 0;
    QTest::newRow("1500 rpm, midpoint goes down") << 1500 << false << 0 << 0;
    QTest::newRow("1600 rpm") << 1600 << false << 1 << 0;
    QTest::newRow("1699 rpm counts as 1600") << 1699 << false << 1 << 0;
    QTest::newRow("1700 rpm") << 1700 << false << 1 << 1;
    QTest::newRow("5000 rpm") << 5000 << false << 4 << 3;
    QTest::newRow("12000 rpm") << 12000 << false << 9 << 7;
    QTest::newRow("25500 rpm") << 25500 << false << 9 << 9;
    QTest::newRow("25600 rpm does not wrap") << 25600 << false << 9 << 9;
    QTest::newRow("65535 rpm") << 65535 << false << 9 << 9;
    QTest::newRow("no data") << 0 << true << 0 << 0;
}

void OperatingPointTest::speedColumn() {
    QFETCH(int, rpm);
    QFETCH(bool, below);
    QFETCH(int, column);
    QFETCH(int, servoColumn);
    const OperatingPoint p = TrackOperatingPoint(StartupBlock(), uint16_t(rpm), 0, false);
    QCOMPARE(p.rpmBelowAxis, below);
    QCOMPARE(int(p.rpmColumn), column);
    QCOMPARE(int(p.servoColumn), servoColumn);
}

void OperatingPointTest::throttleRow_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("row");
    QTest::newRow("0 %") << 0 << 0;
    QTest::newRow("1 %, midpoint of 0 and 2") << 1 << 0;
    QTest::newRow("2 %") << 2 << 1;
    QTest::newRow("3 %") << 3 << 1;
    QTest::newRow("4 %") << 4 << 2;
    QTest::newRow("15 %, midpoint of 10 and 20") << 15 << 3;
    QTest::newRow("16 %") << 16 << 4;
    QTest::newRow("50 %, midpoint of 40 and 60") << 50 << 6;
    QTest::newRow("51 %") << 51 << 7;
    QTest::newRow("90 %") << 90 << 8;
    QTest::newRow("91 %") << 91 << 9;
    QTest::newRow("100 %") << 100 << 9;
    QTest::newRow("101 %, sensor error") << 101 << 9;
    QTest::newRow("255 %") << 255 << 9;
}

void OperatingPointTest::throttleRow() {
    QFETCH(int, percent);
    QFETCH(int, row);
    const OperatingPoint p = TrackOperatingPoint(StartupBlock(), 3000, uint8_t(percent), true);
    QCOMPARE(int(p.tpsRow), row);
}

void OperatingPointTest::throttleRowsOffUseTheLastRow() {
    for (int percent : {0, 1, 50, 100, 200})
        QCOMPARE(int(TrackOperatingPoint(StartupBlock(), 3000, uint8_t(percent), false).tpsRow), 9);
}

void OperatingPointTest::axisWithLargeNeighbours() {
    // Two high breakpoints whose sum does not fit a byte must still split at their midpoint.
    ConfigBlock b = StartupBlock();
    const uint8_t axis[10] = {150, 160, 170, 180, 190, 195, 196, 197, 198, 200};
    std::copy(axis, axis + 10, b.rpmAdv);
    QCOMPARE(int(TrackOperatingPoint(b, 15500, 0, false).rpmColumn), 0);
    QCOMPARE(int(TrackOperatingPoint(b, 15600, 0, false).rpmColumn), 1);
    QCOMPARE(int(TrackOperatingPoint(b, 19900, 0, false).rpmColumn), 8);
    QCOMPARE(int(TrackOperatingPoint(b, 20000, 0, false).rpmColumn), 9);
    QVERIFY(TrackOperatingPoint(b, 14999, 0, false).rpmBelowAxis);
    // An axis starting at 0 is never below, even before live data.
    b.rpmAdv[0] = 0;
    QVERIFY(!TrackOperatingPoint(b, 0, 0, false).rpmBelowAxis);
}

QTEST_APPLESS_MAIN(OperatingPointTest)
#include "test_operating_point.moc"
