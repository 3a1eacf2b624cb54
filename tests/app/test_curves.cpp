#include "support/FormBench.h"
#include "support/TelegramBytes.h"
#include "ui/widgets/CurveChart.h"

#include <QAction>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <QtTest>

using namespace kx;

namespace {

// Lines of the chart the user sees, in the order drawn.
std::vector<QLineSeries*> ShownLines(CurveChart* chart) {
    std::vector<QLineSeries*> lines;
    for (QAbstractSeries* series : chart->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(series);
        if (line && !qobject_cast<QScatterSeries*>(series) && line->isVisible())
            lines.push_back(line);
    }
    return lines;
}

QList<QPointF> LivePoints(CurveChart* chart) {
    for (QAbstractSeries* series : chart->chart()->series()) {
        if (auto* dot = qobject_cast<QScatterSeries*>(series))
            return dot->points();
    }
    return {};
}

struct CurveBench : FormBench {
    CurveChart* chart() const { return form.findChild<CurveChart*>("CurveChart"); }
    void showCurves() { get<QAction>("MenuCurve")->trigger(); }
    // A telegram of the engine at this speed with this advance on both outputs.
    void engineAt(int rpm, int advance) {
        std::vector<uint8_t> t(102, 0);
        t[0] = 0xB0;
        t[1] = uint8_t(rpm);
        t[2] = uint8_t(rpm >> 8);
        t[50] = t[51] = uint8_t(100 + advance);
        t[100] = 50;
        port.feedReceived(SealedFrame(t));
        controller.Timer1Timer();
    }
};

} // namespace

class CurvesTest : public QObject {
    Q_OBJECT

  private slots:
    void madeOnlyWhenShown();
    void oneLinePerRowInUse();
    void followsEveryChange();
    void servoPageShowsTheServoTable();
    void dotFollowsTheEngine();
    void notOnPaper();
};

void CurvesTest::madeOnlyWhenShown() {
    CurveBench b;
    QVERIFY(!b.chart()); // start-up pays nothing for it
    QVERIFY(b.get<QWidget>("CurveArea")->isHidden());
    b.showCurves();
    QVERIFY(b.state.workbench.curve);
    QVERIFY(b.chart());
    QVERIFY(b.chart()->isVisible());
    b.showCurves();
    QVERIFY(!b.state.workbench.curve);
    QVERIFY(b.get<QWidget>("CurveArea")->isHidden());
}

void CurvesTest::oneLinePerRowInUse() {
    CurveBench b;
    b.showCurves();
    // The throttle rows off: the 100 % row alone, over the speed axis.
    std::vector<QLineSeries*> lines = ShownLines(b.chart());
    QCOMPARE(lines.size(), size_t(1));
    QList<QPointF> expected;
    for (int k = 0; k < kMapColumns; ++k) {
        expected << QPointF(b.state.block.rpmAdv[k] * 100.0,
                            b.state.block.advance[MapIndex(kMapRows - 1, k)]);
    }
    QCOMPARE(lines[0]->points(), expected);
    QVERIFY(!b.chart()->chart()->legend()->isVisible());

    b.state.block.tpsMapa = 1;
    b.controller.ShowBlock();
    lines = ShownLines(b.chart());
    QCOMPARE(lines.size(), size_t(kMapRows));
    QCOMPARE(lines[3]->points()[5].y(), double(b.state.block.advance[MapIndex(3, 5)]));
    // The legend names the ends of the throttle scale only.
    QStringList named;
    for (QLegendMarker* marker : b.chart()->chart()->legend()->markers()) {
        if (!marker->label().isEmpty())
            named << marker->label();
    }
    QCOMPARE(named, (QStringList{"0 %", "100 %"}));

    b.state.block.tpsMapa = 0;
    b.controller.ShowBlock();
    QCOMPARE(ShownLines(b.chart()).size(), size_t(1));
}

void CurvesTest::followsEveryChange() {
    CurveBench b;
    b.showCurves();
    b.typeAndEnter("Edit145", "44");
    QCOMPARE(ShownLines(b.chart())[0]->points()[5].y(), 44.0);
    b.typeAndEnter("EditRpmAdv6", "6500");
    QCOMPARE(ShownLines(b.chart())[0]->points()[5].x(), 6500.0);
    b.get<QAction>("MenuGerman")->trigger();
    QCOMPARE(
        qobject_cast<QValueAxis*>(b.chart()->chart()->axes(Qt::Horizontal).first())->titleText(),
        QString("Drehzahl [U/min]"));
}

void CurvesTest::servoPageShowsTheServoTable() {
    CurveBench b;
    b.showCurves();
    b.showPageOf(b.get<QWidget>("GroupBoxPrivera"));
    const std::vector<QLineSeries*> lines = ShownLines(b.chart());
    QCOMPARE(lines.size(), size_t(1));
    QCOMPARE(lines[0]->points()[2],
             QPointF(b.state.block.servoRpm[2] * 100.0, b.state.block.servoMv[2] * 20.0));
    b.showPageOf(b.get<QWidget>("GroupBox6"));
    QCOMPARE(ShownLines(b.chart())[0]->points()[2].y(),
             double(b.state.block.advance[MapIndex(kMapRows - 1, 2)]));
}

void CurvesTest::dotFollowsTheEngine() {
    CurveBench b;
    b.showCurves();
    QVERIFY(LivePoints(b.chart()).isEmpty()); // no live data yet
    b.engineAt(4200, 27);
    QCOMPARE(LivePoints(b.chart()), (QList<QPointF>{QPointF(4200, 27)}));
    b.engineAt(5100, 31);
    QCOMPARE(LivePoints(b.chart()), (QList<QPointF>{QPointF(5100, 31)}));
}

void CurvesTest::notOnPaper() {
    CurveBench b;
    b.showCurves();
    b.state.printView = true;
    b.controller.ApplyViewRules();
    QVERIFY(b.get<QWidget>("CurveArea")->isHidden());
    b.state.printView = false;
    b.controller.ApplyViewRules();
    QVERIFY(b.get<QWidget>("CurveArea")->isVisible());
}

QTEST_MAIN(CurvesTest)
#include "test_curves.moc"
