#include "present/LogTimeAxis.h"

#include <QtTest>

using namespace kx;

class LogTimeAxisTest : public QObject {
    Q_OBJECT

  private slots:
    void unitAndStepFollowTheSpan_data();
    void unitAndStepFollowTheSpan();
    void labelsAndReadout();
};

void LogTimeAxisTest::unitAndStepFollowTheSpan_data() {
    QTest::addColumn<double>("span");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("unit");

    const int s = int(LogTimeUnit::Seconds);
    const int m = int(LogTimeUnit::MinutesSeconds);
    const int h = int(LogTimeUnit::HoursMinutes);
    QTest::newRow("the narrowest view") << 2.0 << 0.5 << s;
    QTest::newRow("a dyno pull") << 10.0 << 2.0 << s;
    QTest::newRow("a minute") << 59.9 << 20.0 << s;
    QTest::newRow("just under two minutes") << 119.0 << 50.0 << s;
    QTest::newRow("two minutes") << 120.0 << 30.0 << m;
    QTest::newRow("half an hour") << 1800.0 << 600.0 << m;
    QTest::newRow("just under two hours") << 7199.0 << 1800.0 << m;
    QTest::newRow("two hours") << 7200.0 << 1800.0 << h;
    QTest::newRow("a working day") << 9 * 3600.0 << 2 * 3600.0 << h;
    QTest::newRow("a whole day") << 86400.0 << 5 * 3600.0 << h;
}

// About five labelled ticks across any span, on steps a reader counts in.
void LogTimeAxisTest::unitAndStepFollowTheSpan() {
    QFETCH(double, span);
    QFETCH(double, step);
    QFETCH(int, unit);
    const LogTimeTicks ticks = ChooseLogTimeTicks(span, 5);
    QCOMPARE(ticks.stepSeconds, step);
    QCOMPARE(int(ticks.unit), unit);
    QVERIFY(span / ticks.stepSeconds <= 5.0001);
}

void LogTimeAxisTest::labelsAndReadout() {
    const LogTimeTicks tenths{0.5, LogTimeUnit::Seconds};
    const LogTimeTicks seconds{10, LogTimeUnit::Seconds};
    const LogTimeTicks minutes{30, LogTimeUnit::MinutesSeconds};
    const LogTimeTicks hours{1800, LogTimeUnit::HoursMinutes};
    QCOMPARE(LogTimeLabel(12.5, tenths), std::string("12.5"));
    QCOMPARE(LogTimeLabel(-0.0, seconds), std::string("0")); // not "-0"
    QCOMPARE(LogTimeLabel(40, seconds), std::string("40"));
    QCOMPARE(LogTimeLabel(210, minutes), std::string("3:30"));
    QCOMPARE(LogTimeLabel(5999.9999, minutes), std::string("100:00")); // no "99:59" from rounding
    QCOMPARE(LogTimeLabel(5 * 3600 + 45 * 60, hours), std::string("5:45"));
    QCOMPARE(LogTimeLabel(24 * 3600, hours), std::string("24:00"));

    QCOMPARE(LogTimeReadout(0), std::string("0.0 s"));
    QCOMPARE(LogTimeReadout(59.94), std::string("59.9 s"));
    QCOMPARE(LogTimeReadout(59.96), std::string("1:00.0")); // rounded up past the minute
    QCOMPARE(LogTimeReadout(245.6), std::string("4:05.6"));
    QCOMPARE(LogTimeReadout(3723.4), std::string("1:02:03.4"));
    // The logging indicator keeps its width from the first second on.
    QCOMPARE(ClockDuration(5, true), std::string("0:00:05"));
}

QTEST_APPLESS_MAIN(LogTimeAxisTest)
#include "test_log_time_axis.moc"
