#include "present/HeatScale.h"
#include "support/FindChild.h"
#include "ui/LogViewer.h"
#include "ui/widgets/DwellGrid.h"
#include "ui/widgets/LogPlot.h"

#include <QAbstractAxis>
#include <QCategoryAxis>
#include <QComboBox>
#include <QGraphicsLineItem>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QWheelEvent>
#include <QtTest>

using namespace kx;

namespace {

struct Row {
    int64_t ms;
    int32_t rpm;
    int32_t tps;
    int column; // -1 below the map
    int mapRow;
};

TelegramLog MakeLog(const std::vector<Row>& rows) {
    TelegramLog log;
    log.hasMapCell = true;
    for (const Row& row : rows) {
        log.timeMs.push_back(row.ms);
        log.rpm.push_back(row.rpm);
        log.tpsPercent.push_back(row.tps);
        log.advance1.push_back(row.rpm / 500);
        log.advance2.push_back(row.rpm / 600);
        log.supplyMv.push_back(13800);
        log.mapColumn.push_back(int8_t(row.column));
        log.mapRow.push_back(int8_t(row.mapRow));
    }
    return log;
}

// Rows every 100 ms for `count` rows, from 3000 rpm upwards; the cell moves every ten rows.
TelegramLog SteadyLog(int count, int64_t startMs = 0) {
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({startMs + 100 * i, 3000 + i, 20, (i / 10) % kMapColumns, 4});
    return MakeLog(rows);
}

// A point of the plot area, as a fraction of its width across and halfway down, where the
// mouse events of the plot's view arrive.
QPoint InPlot(LogPlot& plot, double across) {
    const QRectF area = plot.chart()->plotArea();
    const QPointF scene =
        plot.chart()->mapToScene(QPointF(area.left() + across * area.width(), area.center().y()));
    return plot.mapFromScene(scene);
}

void Wheel(LogPlot& plot, const QPoint& at, int degreesTimesEight) {
    QWheelEvent wheel(at, plot.viewport()->mapToGlobal(at), {}, {0, degreesTimesEight},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(plot.viewport(), &wheel);
}

std::vector<QLineSeries*> ShownPieces(const LogPlot& plot, size_t trace) {
    std::vector<QLineSeries*> shown;
    for (QLineSeries* piece : plot.pieces(trace)) {
        if (piece->isVisible() && piece->count() > 0)
            shown.push_back(piece);
    }
    return shown;
}

} // namespace

class LogViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void cursorMovesOnceAndReadsOut();
    void playbackFollowsTheChosenSpeedAndStops();
    void timeShownStaysInTheLog();
    void dwellMapCountsTheTimeShown();
    void linesBreakAtGapsAndStayFewPoints();
    void mouseZoomsPansAndPlacesTheCursor();
    void valueTitlesFitTheirStrips();
};

void LogViewerTest::cursorMovesOnceAndReadsOut() {
    LogViewer viewer(nullptr);
    TelegramLog log = SteadyLog(30, 5000);
    log.skippedLines = 3;
    viewer.SetLog(std::move(log), "/logs/ride.csv");
    QCOMPARE(viewer.cursorRow(), size_t(0));
    QCOMPARE(viewer.windowTitle(), QString("Log ride.csv"));
    QVERIFY(!Child<QLabel>(viewer, "LogSkipped")->isHidden());
    QCOMPARE(Child<QLabel>(viewer, "LogSkipped")->text(), QString("Lines skipped: 3"));

    QSignalSpy moved(&viewer, &LogViewer::cursorMoved);
    viewer.SetCursorRow(5);
    viewer.SetCursorRow(5);
    QCOMPARE(moved.size(), 1);
    QCOMPARE(moved.first().first().toInt(), 5);
    QCOMPARE(Child<QLabel>(viewer, "LogReadout")->text(),
             QString("0.5 s: 3005 rpm, 20 %, advance 6\u00B0 / 5\u00B0, 13.8 V"));
    viewer.SetCursorRow(1000);
    QCOMPARE(viewer.cursorRow(), size_t(29));

    viewer.SetLanguage(2);
    QCOMPARE(viewer.windowTitle(), QString("Journal ride.csv"));
    viewer.SetLanguage(1);
    QCOMPARE(Child<QTabWidget>(viewer, "LogTabs")->tabText(1), QString("&Verweilkarte"));
    QCOMPARE(Child<QPushButton>(viewer, "LogClose")->text(), QString("Schließen"));
    QVERIFY(Child<QLabel>(viewer, "LogReadout")->text().contains("U/min"));
}

void LogViewerTest::playbackFollowsTheChosenSpeedAndStops() {
    LogViewer viewer(nullptr);
    viewer.SetLog(SteadyLog(100), "ride.csv");
    viewer.SetPlaying(true);
    QVERIFY(viewer.playing());
    viewer.AdvancePlayback(250);
    QCOMPARE(viewer.cursorRow(), size_t(2));
    viewer.AdvancePlayback(80); // 330 ms: still the row of 300 ms
    QCOMPARE(viewer.cursorRow(), size_t(3));
    Child<QComboBox>(viewer, "LogSpeed")->setCurrentIndex(3); // 10×
    viewer.AdvancePlayback(100);
    QCOMPARE(viewer.cursorRow(), size_t(13));
    viewer.AdvancePlayback(100000);
    QCOMPARE(viewer.cursorRow(), size_t(99));
    QVERIFY(!viewer.playing());
    // Play at the end starts again from the first row.
    viewer.SetPlaying(true);
    QCOMPARE(viewer.cursorRow(), size_t(0));

    // A gap is skipped rather than waited through.
    std::vector<Row> rows = {{0, 3000, 10, 0, 0}, {100, 3000, 10, 0, 0}, {60000, 3000, 10, 0, 0}};
    viewer.SetLog(MakeLog(rows), "gap.csv");
    Child<QComboBox>(viewer, "LogSpeed")->setCurrentIndex(0);
    viewer.SetPlaying(true);
    viewer.AdvancePlayback(100 + kLogGapMs + 40);
    QCOMPARE(viewer.cursorRow(), size_t(2));
    QVERIFY(!viewer.playing());
}

void LogViewerTest::timeShownStaysInTheLog() {
    LogViewer viewer(nullptr);
    viewer.SetLog(SteadyLog(600, 1000), "ride.csv"); // 1 s to 60.9 s
    QCOMPARE(viewer.shownFromMs(), int64_t(1000));
    QCOMPARE(viewer.shownToMs(), int64_t(60900));
    viewer.ShowTimes(50000, 90000); // past the end: moved back in
    QCOMPARE(viewer.shownFromMs(), int64_t(20900));
    QCOMPARE(viewer.shownToMs(), int64_t(60900));
    viewer.ShowTimes(-9000, 1000000);
    QCOMPARE(viewer.shownToMs() - viewer.shownFromMs(), int64_t(59900));
    viewer.ShowTimes(30000, 30010); // narrower than a few rows: widened
    QCOMPARE(viewer.shownFromMs(), int64_t(30000));
    QCOMPARE(viewer.shownToMs(), int64_t(32000));

    // The cursor stays in view: moving it outside carries the time shown along.
    viewer.SetCursorRow(500); // 51 s
    QVERIFY(viewer.shownFromMs() <= 51000 && 51000 <= viewer.shownToMs());
    Child<QPushButton>(viewer, "LogWholeLog")->click();
    Child<QPushButton>(viewer, "LogZoomIn")->click();
    QCOMPARE(viewer.shownToMs() - viewer.shownFromMs(), int64_t(29950));
    QVERIFY(viewer.shownFromMs() <= 51000 && 51000 <= viewer.shownToMs());
}

void LogViewerTest::dwellMapCountsTheTimeShown() {
    LogViewer viewer(nullptr);
    const ConfigBlock block = StartupBlock();
    viewer.SetRecord(block, true);
    viewer.SetLog(SteadyLog(600), "ride.csv");
    auto* grid = Child<DwellGrid>(viewer, "LogDwellGrid");
    const CellDwell whole = LogDwell(viewer.log(), 0, 599, block, true);
    QCOMPARE(viewer.dwell().ms(MapIndex(4, 0)), whole.ms(MapIndex(4, 0)));

    Child<QComboBox>(viewer, "LogDwellRange")->setCurrentIndex(1);
    viewer.ShowTimes(2050, 9000);
    const TelegramLog& log = viewer.log();
    const CellDwell shown = LogDwell(log, LogRowAt(log, viewer.shownFromMs()),
                                     LogRowAt(log, viewer.shownToMs()), block, true);
    for (int cell = 0; cell < kMapRows * kMapColumns; ++cell)
        QCOMPARE(viewer.dwell().ms(cell), shown.ms(cell));
    QVERIFY(viewer.dwell().ms(MapIndex(4, 0)) < whole.ms(MapIndex(4, 0)));

    // Row 4 (20 %) is the fifth row from the top, as on the window's map; column 3 ran a second.
    const QTableWidgetItem* longest = grid->itemOfCell(MapIndex(4, 3));
    QCOMPARE(grid->item(4, 3), longest);
    QCOMPARE(viewer.dwell().longest(), uint32_t(1000));
    QCOMPARE(longest->text(), QString("1 s"));
    const Rgb hot = HeatColour(1000, 0, 1000);
    QCOMPARE(longest->background().color(), QColor(hot.red, hot.green, hot.blue));
    const QString rpm = QString::number(block.rpmAdv[3] * 100);
    QCOMPARE(longest->toolTip(), rpm + " rpm, 20 % throttle: 1 s");
    QCOMPARE(grid->horizontalHeaderItem(3)->text(), rpm);
    QCOMPARE(grid->verticalHeaderItem(0)->text(), QString("0%"));
    QVERIFY(grid->itemOfCell(MapIndex(9, 9))->text().isEmpty());

    viewer.SetCursorRow(75); // column 7
    QCOMPARE(grid->itemOfCell(MapIndex(4, 7))->background().color(), QColor(0, 255, 0));
    viewer.SetCursorRow(5);
    QCOMPARE(grid->itemOfCell(MapIndex(4, 0))->background().color(), QColor(0, 255, 0));
    QVERIFY(grid->itemOfCell(MapIndex(4, 7))->background().color() != QColor(0, 255, 0));

    QCOMPARE(ShortDuration(333), QString("<1 s"));
    QCOMPARE(ShortDuration(185000), QString("3:05"));
    QCOMPARE(ShortDuration(3723000), QString("1:02:03"));
}

void LogViewerTest::linesBreakAtGapsAndStayFewPoints() {
    LogViewer viewer(nullptr);
    viewer.resize(1024, 600);
    viewer.show();
    std::vector<Row> rows;
    for (int i = 0; i < 20; ++i)
        rows.push_back({100 * i, 3000, 10, 0, 0});
    for (int i = 0; i < 20; ++i)
        rows.push_back({20000 + 100 * i, 4000, 10, 0, 0});
    viewer.SetLog(MakeLog(rows), "gap.csv");
    QApplication::processEvents();
    auto* speed = Child<LogPlot>(viewer, "LogSpeedPlot");
    const std::vector<QLineSeries*> pieces = ShownPieces(*speed, 0);
    QCOMPARE(pieces.size(), size_t(2));
    QCOMPARE(pieces[0]->at(pieces[0]->count() - 1).x(), 1.9);
    QCOMPARE(pieces[1]->at(0).x(), 20.0);
    QVERIFY(speed->cursorLine()->isVisible());

    // A day's rows come down to about two points per pixel column, with the extremes kept.
    std::vector<Row> day;
    for (int i = 0; i < 260000; ++i)
        day.push_back({333 * int64_t(i), i == 123456 ? 15000 : 2000 + i % 7, 10, 0, 0});
    viewer.SetLog(MakeLog(day), "day.csv");
    QApplication::processEvents();
    const std::vector<QLineSeries*> dayPieces = ShownPieces(*speed, 0);
    QCOMPARE(dayPieces.size(), size_t(1));
    QVERIFY(dayPieces[0]->count() <= 2 * speed->chart()->plotArea().width() + 2);
    bool spike = false;
    for (const QPointF& point : dayPieces[0]->points())
        spike = spike || point.y() == 15000;
    QVERIFY(spike);
    QVERIFY(Child<QPushButton>(viewer, "LogClose")->geometry().bottom() < viewer.height());

    // A day reads in hours on the time axis, the first minutes in seconds again.
    auto* supply = Child<LogPlot>(viewer, "LogSupplyPlot");
    const auto timeAxis = [&] {
        return qobject_cast<QCategoryAxis*>(supply->chart()->axes(Qt::Horizontal).first());
    };
    QCOMPARE(timeAxis()->titleText(), QString("Time (h:min)"));
    QCOMPARE(timeAxis()->categoriesLabels().first(), QString("0:00"));
    QCOMPARE(timeAxis()->categoriesLabels().last(), QString("20:00"));
    viewer.ShowTimes(0, 90000);
    QCOMPARE(timeAxis()->titleText(), QString("Time (s)"));
    QCOMPARE(timeAxis()->categoriesLabels(), (QStringList{"0", "20", "40", "60", "80"}));
}

void LogViewerTest::mouseZoomsPansAndPlacesTheCursor() {
    LogViewer viewer(nullptr);
    viewer.resize(1024, 600);
    viewer.show();
    viewer.SetLog(SteadyLog(600), "ride.csv"); // 0 to 59.9 s
    QApplication::processEvents();
    auto& plot = *Child<LogPlot>(viewer, "LogSpeedPlot");
    QWidget* mouse = plot.viewport();

    // A wheel notch up zooms in around the time under the mouse, which stays where it was.
    const QPoint quarter = InPlot(plot, 0.25);
    Wheel(plot, quarter, 120);
    QCOMPARE(viewer.shownFromMs(), int64_t(0.25 * 59900 * (1 - 0.8)));
    QCOMPARE(viewer.shownToMs() - viewer.shownFromMs(), int64_t(59900 * 0.8));
    Wheel(plot, quarter, -120);
    QCOMPARE(viewer.shownToMs() - viewer.shownFromMs(), int64_t(59900));
    Wheel(plot, quarter, 240); // two notches at once
    const int64_t span = viewer.shownToMs() - viewer.shownFromMs();
    QCOMPARE(span, int64_t(59900 * 0.64));

    // Dragging to the left shows later times by the distance dragged; the cursor stays.
    const int64_t from = viewer.shownFromMs();
    const QPoint middle = InPlot(plot, 0.5);
    const QPoint left = InPlot(plot, 0.3);
    QTest::mousePress(mouse, Qt::LeftButton, {}, middle);
    QTest::mouseMove(mouse, middle - QPoint(20, 0));
    QTest::mouseMove(mouse, left);
    QTest::mouseRelease(mouse, Qt::LeftButton, {}, left);
    QVERIFY(qAbs(viewer.shownFromMs() - (from + int64_t(0.2 * double(span)))) <= span / 100);
    QCOMPARE(viewer.cursorRow(), size_t(0));

    // A click, or a press that moves less than a few pixels, puts the cursor on the nearest row.
    const double clickedMs = double(viewer.shownFromMs()) + 0.5 * double(span);
    QTest::mousePress(mouse, Qt::LeftButton, {}, middle);
    QTest::mouseMove(mouse, middle + QPoint(2, 0));
    QTest::mouseRelease(mouse, Qt::LeftButton, {}, middle + QPoint(2, 0));
    QVERIFY(qAbs(double(viewer.log().timeMs[viewer.cursorRow()]) - clickedMs) <= span / 100);
}

void LogViewerTest::valueTitlesFitTheirStrips() {
    LogViewer viewer(nullptr);
    viewer.SetLanguage(1);
    viewer.SetLog(SteadyLog(100), "ride.csv");
    viewer.show();
    auto& speed = *Child<LogPlot>(viewer, "LogSpeedPlot");
    auto& throttle = *Child<LogPlot>(viewer, "LogAdvancePlot");
    const auto titles = [](LogPlot& plot) {
        QStringList texts;
        for (QAbstractAxis* axis : plot.chart()->axes(Qt::Vertical))
            texts << axis->titleText();
        return texts;
    };
    // On a netbook's screen the German names are longer than the strips are high: the units.
    viewer.resize(1024, 560);
    QApplication::processEvents();
    QCOMPARE(titles(speed), QStringList{"U/min"});
    QCOMPARE(titles(throttle), (QStringList{"%", "\u00B0"}));
    // Given room again, the whole names.
    viewer.resize(1024, 1400);
    QApplication::processEvents();
    QCOMPARE(titles(speed), QStringList{"Drehzahl (U/min)"});
    QCOMPARE(titles(throttle), (QStringList{"Drosselklappe (%)", "Zündwinkel (\u00B0)"}));
}

QTEST_MAIN(LogViewerTest)
#include "test_log_viewer.moc"
