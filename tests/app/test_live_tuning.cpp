#include "present/HeatScale.h"
#include "support/FormBench.h"
#include "support/TelegramBytes.h"
#include "ui/widgets/TraceOverlay.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

using namespace kx;

namespace {

const QColor kLime(0, 255, 0);

std::vector<uint8_t> Telegram(int rpm, int tpsPercent, int tpsRaw = 0) {
    return LiveTelegram(rpm, tpsPercent, tpsRaw);
}

bool Marked(QWidget* control) {
    const auto role = control->inherits("QLineEdit") ? QPalette::Base : QPalette::Window;
    return control->palette().color(role) == kLime;
}

// The window with throttle rows on, fed one telegram and ticked once.
struct TuningBench : FormBench {
    TuningBench() {
        state.block.tpsMapa = 1;
        controller.ShowBlock();
    }
    void engineAt(int rpm, int tpsPercent, int tpsRaw = 0) {
        port.feedReceived(Telegram(rpm, tpsPercent, tpsRaw));
        controller.Timer1Timer();
    }
    std::vector<QString> markedControls() const {
        std::vector<QString> names;
        for (QWidget* w : form.findChildren<QWidget*>()) {
            if ((w->inherits("QLineEdit") || w->objectName().startsWith("LabelTps")) && Marked(w))
                names.push_back(w->objectName());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

} // namespace

class LiveTuningTest : public QObject {
    Q_OBJECT

  private slots:
    void markFollowsTheEngine_data();
    void markFollowsTheEngine();
    void advanceStepsOnTheMarkedCell();
    void functionKeysAndButtonsAgree();
    void columnButtonMovesAllRows();
    void servoStepsOnTheLiveColumn();
    void throttleCapture();
    void throttleRowsOffLeavesOneRowUnderTheAxis();
    void tickCost();
    void heatMapUnderTheLiveMark();
    void trailAndTimesOfWhereTheEngineRan();
};

void LiveTuningTest::markFollowsTheEngine_data() {
    QTest::addColumn<int>("rpm");
    QTest::addColumn<int>("tps");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("below the axis: only the row and the first servo column")
        << 999 << 30 << QStringList{"EditNapPriv1", "EditRpmPriv1", "LabelTps6"};
    QTest::newRow("1600 rpm at 50 %")
        << 1600 << 50
        << QStringList{"Edit111", "EditNapPriv1", "EditRpmAdv2", "EditRpmPriv1", "LabelTps7"};
    QTest::newRow("12000 rpm full throttle")
        << 12000 << 100
        << QStringList{"Edit149", "EditNapPriv8", "EditRpmAdv10", "EditRpmPriv8", "LabelTps10"};
}

void LiveTuningTest::markFollowsTheEngine() {
    QFETCH(int, rpm);
    QFETCH(int, tps);
    QFETCH(QStringList, marked);
    TuningBench b;
    b.engineAt(5000, 10); // somewhere else first: the old mark must go
    b.engineAt(rpm, tps);
    std::vector<QString> expected(marked.begin(), marked.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(b.markedControls(), expected);
}

void LiveTuningTest::advanceStepsOnTheMarkedCell() {
    TuningBench b;
    b.engineAt(3000, 20); // row 4, column 2
    const int cell = MapIndex(4, 2);
    const ConfigBlock before = b.state.block;
    b.get<QAbstractButton>("BitBtnAdvPlus")->click();
    QCOMPARE(int(b.state.block.advance[cell]), before.advance[cell] + 1);
    QCOMPARE(b.get<QLineEdit>("Edit92")->text(), QString::number(before.advance[cell] + 1));
    b.get<QAbstractButton>("BitBtnAdvMinus")->click();
    b.get<QAbstractButton>("BitBtnAdvMinus")->click();
    QCOMPARE(int(b.state.block.advance[cell]), before.advance[cell] - 1);

    b.get<QCheckBox>("CheckBoxIgnAll")->setChecked(true);
    b.state.block.advance[0] = 60;
    b.controller.ShowBlock();
    b.get<QAbstractButton>("BitBtnAdvPlus")->click();
    QCOMPARE(int(b.state.block.advance[0]), 60);
    QCOMPARE(int(b.state.block.advance[99]), before.advance[99] + 1);

    b.get<QCheckBox>("CheckBoxIgnAll")->setChecked(false);
    b.engineAt(500, 20); // below the axis: nothing to step
    const ConfigBlock idle = b.state.block;
    b.get<QAbstractButton>("BitBtnAdvPlus")->click();
    QVERIFY(b.state.block == idle);
}

void LiveTuningTest::functionKeysAndButtonsAgree() {
    TuningBench b;
    b.engineAt(3000, 20);
    const int before = b.state.block.advance[MapIndex(4, 2)];
    QTest::keyClick(&b.form, Qt::Key_F5);
    QTest::keyClick(&b.form, Qt::Key_F5);
    QCOMPARE(int(b.state.block.advance[MapIndex(4, 2)]), before + 2);
    QTest::keyClick(&b.form, Qt::Key_F4);
    QCOMPARE(int(b.state.block.advance[MapIndex(4, 2)]), before + 1);
}

void LiveTuningTest::columnButtonMovesAllRows() {
    TuningBench b;
    const ConfigBlock before = b.state.block;
    auto* spin = b.get<QWidget>("CSpinButton3");
    spin->findChild<QToolButton*>("up")->click();
    for (int row = 0; row < 10; ++row) {
        QCOMPARE(int(b.state.block.advance[MapIndex(row, 2)]),
                 before.advance[MapIndex(row, 2)] + 1);
        QCOMPARE(b.state.block.advance[MapIndex(row, 3)], before.advance[MapIndex(row, 3)]);
    }
}

void LiveTuningTest::servoStepsOnTheLiveColumn() {
    TuningBench b;
    auto* minus = b.get<QAbstractButton>("BitBtnServoMinus");
    b.state.block.servoMv[0] = 1;
    b.controller.ShowBlock();
    minus->click(); // before live data: column 0, already at its stop
    QCOMPARE(int(b.state.block.servoMv[0]), 1);
    b.engineAt(6000, 20); // servo column 4
    b.get<QAbstractButton>("BitBtnServoPlus")->click();
    QCOMPARE(int(b.state.block.servoMv[4]), 121);
    QCOMPARE(b.get<QLineEdit>("EditNapPriv5")->text(), QString("2,420"));
}

void LiveTuningTest::throttleCapture() {
    TuningBench b;
    b.engineAt(3000, 5, 143); // 698 mV
    b.get<QAbstractButton>("BitBtnTps0")->click();
    QCOMPARE(int(b.state.block.tps0), 69);
    b.engineAt(3000, 95, 1003); // 4902 mV: outside what the 100 % capture takes
    b.get<QAbstractButton>("BitBtnTps100")->click();
    QCOMPARE(int(b.state.block.tps100), 129);
    b.engineAt(3000, 95, 1002); // 4897 mV
    b.get<QAbstractButton>("BitBtnTps100")->click();
    QCOMPARE(int(b.state.block.tps100), 239);
    QCOMPARE(b.get<QLineEdit>("EditTps100")->text(), QString("4,750"));
}

void LiveTuningTest::throttleRowsOffLeavesOneRowUnderTheAxis() {
    TuningBench b;
    const int rowNineY = b.get<QWidget>("Edit140")->y();
    auto* box = b.get<QCheckBox>("CheckBoxTpsMapa");
    b.showPageOf(box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QCOMPARE(int(b.state.block.tpsMapa), 0);
    QVERIFY(b.get<QWidget>("Edit50")->isHidden());
    QVERIFY(b.get<QWidget>("LabelTps1")->isHidden());
    QVERIFY(!b.get<QWidget>("Edit140")->isHidden());
    QVERIFY(b.get<QWidget>("Edit140")->y() < rowNineY);
    QCOMPARE(b.get<QWidget>("Edit140")->y(), b.get<QWidget>("LabelTps1")->y() - 4);
    b.engineAt(3000, 0); // the single row is the 100 % row
    QVERIFY(Marked(b.get<QWidget>("Edit142")));
}

void LiveTuningTest::tickCost() {
    TuningBench b;
    std::vector<qint64> costs;
    for (int i = 0; i < 1000; ++i) {
        const int rpm = 1000 + (i * 37) % 10000;
        b.port.feedReceived(Telegram(rpm, i % 101));
        QElapsedTimer clock;
        clock.start();
        b.controller.Timer1Timer();
        costs.push_back(clock.nsecsElapsed());
    }
    std::sort(costs.begin(), costs.end());
    qInfo("tick with a telegram: median %.3f ms, worst %.3f ms over 1000 ticks", costs[500] / 1e6,
          costs.back() / 1e6);
    QVERIFY(costs[500] < 5'000'000); // a small share of the 55 ms period
}

void LiveTuningTest::heatMapUnderTheLiveMark() {
    TuningBench b;
    for (int cell = 0; cell < kMapRows * kMapColumns; ++cell)
        b.state.block.advance[cell] = uint8_t(cell % kMapColumns * 5); // 0 .. 45 across
    for (int i = 0; i < kAxisPoints; ++i)
        b.state.block.servoMv[i] = uint8_t(50 + 15 * i);
    b.controller.ShowBlock();
    b.engineAt(4000, 50);
    const std::vector<QString> marked = b.markedControls();
    QVERIFY(!marked.empty());
    auto cellColour = [&b](int cell, QPalette::ColorRole role) {
        return b.get<QLineEdit>(qPrintable(QString("Edit%1").arg(50 + cell)))
            ->palette()
            .color(role);
    };
    auto heat = [](int value, int lowest, int highest) {
        const Rgb rgb = HeatColour(value, lowest, highest);
        return QColor(rgb.red, rgb.green, rgb.blue);
    };

    b.form.findChild<QAction*>("MenuHeatMap")->trigger();
    QVERIFY(b.state.workbench.heatMap);
    QCOMPARE(b.markedControls(), marked); // the live mark keeps its lime
    QCOMPARE(cellColour(0, QPalette::Base), heat(0, 0, 45));
    QCOMPARE(cellColour(9, QPalette::Base), heat(45, 0, 45));
    const Rgb low = HeatColour(0, 0, 45);
    const Rgb lowText = TextColourOn(low);
    QCOMPARE(cellColour(0, QPalette::Text), QColor(lowText.red, lowText.green, lowText.blue));

    // The cell the engine left takes its heat colour back, not the editor's white.
    const int left = MapIndex(b.state.point.tpsRow, b.state.point.rpmColumn);
    b.engineAt(9500, 100);
    QVERIFY(b.markedControls() != marked);
    QCOMPARE(cellColour(left, QPalette::Base), heat(b.state.block.advance[left], 0, 45));

    // An edit recolours the map on the new range.
    b.typeAndEnter("Edit50", "60");
    QCOMPARE(cellColour(0, QPalette::Base), heat(60, 0, 60));
    QCOMPARE(cellColour(9, QPalette::Base), heat(45, 0, 60));

    // The servo positions on a scale of their own; the live servo column keeps its lime.
    auto position = [&b](int i) {
        return b.get<QLineEdit>(qPrintable(QString("EditNapPriv%1").arg(i + 1)))
            ->palette()
            .color(QPalette::Base);
    };
    const auto servo =
        std::minmax_element(std::begin(b.state.block.servoMv), std::end(b.state.block.servoMv));
    const int live = b.state.point.servoColumn;
    for (int i = 0; i < kAxisPoints; ++i) {
        QCOMPARE(position(i),
                 i == live ? kLime : heat(b.state.block.servoMv[i], *servo.first, *servo.second));
    }

    b.form.findChild<QAction*>("MenuHeatMap")->trigger();
    QCOMPARE(cellColour(9, QPalette::Base), QColor(Qt::white));
    QCOMPARE(position(live == 0 ? 1 : 0), QColor(Qt::white));
}

void LiveTuningTest::trailAndTimesOfWhereTheEngineRan() {
    TuningBench b;
    auto* overlay = b.form.findChild<TraceOverlay*>("TraceOverlay");
    QVERIFY(overlay->isHidden());
    b.form.findChild<QAction*>("MenuTrail")->trigger();
    QVERIFY(b.state.workbench.trail);
    QVERIFY(!overlay->isHidden());

    const auto cellNow = [&b] { return MapIndex(b.state.point.tpsRow, b.state.point.rpmColumn); };
    b.engineAt(2000, 0);
    const int first = cellNow();
    b.engineAt(2000, 0);
    b.engineAt(2000, 0);
    b.engineAt(6000, 60);
    const int second = cellNow();
    QVERIFY(second != first);
    QCOMPARE(std::vector<int>(b.controller.trace().trail().cells().begin(),
                              b.controller.trace().trail().cells().end()),
             (std::vector<int>{second, first}));
    // The times are kept while not shown: three ticks in the first cell, one in the second.
    QCOMPARE(b.controller.trace().dwell().ms(first), 3u * DeviceLink::kTickMs);
    QCOMPARE(b.controller.trace().dwell().ms(second), 1u * DeviceLink::kTickMs);

    // Between telegrams the engine is where the last one put it; below the speed axis it is
    // in no cell.
    b.controller.Timer1Timer();
    QCOMPARE(b.controller.trace().dwell().ms(second), 2u * DeviceLink::kTickMs);
    b.port.feedReceived(Telegram(100, 0));
    b.controller.Timer1Timer();
    QVERIFY(b.state.point.rpmBelowAxis);
    QCOMPARE(b.controller.trace().dwell().ms(second), 2u * DeviceLink::kTickMs);
    QCOMPARE(b.controller.trace().dwell().longest(), 3u * DeviceLink::kTickMs);

    b.form.findChild<QAction*>("MenuDwell")->trigger();
    b.state.printView = true;
    b.controller.ApplyViewRules();
    QVERIFY(overlay->isHidden()); // not on paper
    b.state.printView = false;
    b.controller.ApplyViewRules();
    QVERIFY(!overlay->isHidden());
    b.form.findChild<QAction*>("MenuDwellReset")->trigger();
    QCOMPARE(b.controller.trace().dwell().longest(), 0u);
    b.form.findChild<QAction*>("MenuTrail")->trigger();
    b.form.findChild<QAction*>("MenuDwell")->trigger();
    QVERIFY(overlay->isHidden());
}

QTEST_MAIN(LiveTuningTest)
#include "test_live_tuning.moc"
