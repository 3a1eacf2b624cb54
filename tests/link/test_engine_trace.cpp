#include "link/EngineTrace.h"

#include <QtTest>

using namespace kx;

class EngineTraceTest : public QObject {
    Q_OBJECT

  private slots:
    void trailKeepsTheLastCellsOnce();
    void dwellCountsEachCell();
};

void EngineTraceTest::trailKeepsTheLastCellsOnce() {
    CellTrail trail;
    QVERIFY(trail.Visit(5));
    QVERIFY(!trail.Visit(5)); // staying is no move
    trail.Visit(6);
    trail.Visit(7);
    QVERIFY(trail.Visit(5)); // back again: to the front, not twice
    QCOMPARE(std::vector<int>(trail.cells().begin(), trail.cells().end()),
             (std::vector<int>{5, 7, 6}));
    for (int cell = 10; cell < 20; ++cell)
        trail.Visit(cell);
    QCOMPARE(trail.cells().size(), CellTrail::kLength);
    QCOMPARE(trail.cells().front(), 19);
    QCOMPARE(trail.cells().back(), 12);
    trail.Clear();
    QVERIFY(trail.cells().empty());
}

void EngineTraceTest::dwellCountsEachCell() {
    CellDwell dwell;
    dwell.Add(3, 55);
    dwell.Add(3, 55);
    dwell.Add(99, 40);
    QCOMPARE(dwell.ms(3), 110u);
    QCOMPARE(dwell.ms(99), 40u);
    QCOMPARE(dwell.longest(), 110u);
    dwell.Add(99, 100);
    QCOMPARE(dwell.longest(), 140u);
    dwell.Add(-1, 10); // no cell: nothing, and no write outside the table
    dwell.Add(100, 10);
    dwell.Reset();
    QCOMPARE(dwell.ms(3), 0u);
    QCOMPARE(dwell.longest(), 0u);
}

QTEST_APPLESS_MAIN(EngineTraceTest)
#include "test_engine_trace.moc"
