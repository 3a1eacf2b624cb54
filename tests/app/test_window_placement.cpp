#include "support/FormBench.h"
#include "ui/WindowPlacement.h"
#include "ui/layout/FormLayout.h"

#include <QBoxLayout>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QtTest>

using namespace kx;

class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void fitIntoArea_data();
    void fitIntoArea();
    void storedRectangleOffEveryScreen_data();
    void storedRectangleOffEveryScreen();
    void firstStartFitsTheArea_data();
    void firstStartFitsTheArea();
};

void WindowPlacementTest::firstStartFitsTheArea_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("compact");
    QTest::newRow("laptop with task bar") << QRect(0, 0, 1366, 728) << true;
    QTest::newRow("laptop, bar on top") << QRect(0, 40, 1366, 728) << true;
    QTest::newRow("second screen") << QRect(1920, 0, 1280, 984) << false;
    QTest::newRow("dyno screen") << QRect(0, 0, 1920, 1040) << false;
}

// The whole window, frame included, on the area; the design arrangement wherever it fits.
void WindowPlacementTest::firstStartFitsTheArea() {
    QFETCH(QRect, area);
    QFETCH(bool, compact);
    TFormHlav form;
    const FrameControls& frame = form.controls().frame;
    PlaceOnFirstStart(form, area);
    const QRect outer(form.pos(), form.size() + kFrameAllowance);
    QVERIFY2(area.contains(outer), qPrintable(QString("%1,%2 %3x%4")
                                                  .arg(outer.x())
                                                  .arg(outer.y())
                                                  .arg(outer.width())
                                                  .arg(outer.height())));
    QVERIFY(form.width() >= form.minimumSizeHint().width());
    QVERIFY(form.height() >= form.minimumSizeHint().height());
    QCOMPARE(frame.picture->parentWidget() == frame.toolBar->parentWidget() &&
                 frame.topRow->indexOf(frame.picture) >= 0,
             compact);
    if (!compact) {
        QCOMPARE(form.size(), QSize(kDesignWidth, kDesignHeight));
        QCOMPARE(form.x(), area.x() + (area.width() - kDesignWidth) / 2);
    }
}

void WindowPlacementTest::fitIntoArea_data() {
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QRect>("fitted");
    // A desktop whose task bar takes the left 40 and the bottom 30 pixels of 1920 x 1080.
    QTest::newRow("inside stays") << QRect(100, 50, 800, 600) << QRect(100, 50, 800, 600);
    QTest::newRow("exactly the area") << QRect(40, 0, 1880, 1050) << QRect(40, 0, 1880, 1050);
    QTest::newRow("far left and above") << QRect(-5000, -5000, 800, 600) << QRect(40, 0, 800, 600);
    QTest::newRow("under the task bar") << QRect(0, 900, 800, 600) << QRect(40, 450, 800, 600);
    QTest::newRow("half off the right") << QRect(1500, 100, 800, 600) << QRect(1120, 100, 800, 600);
    QTest::newRow("on a screen to the right")
        << QRect(2500, 1200, 800, 600) << QRect(1120, 450, 800, 600);
    QTest::newRow("too wide and too high")
        << QRect(300, 200, 99999, 32767) << QRect(40, 0, 1880, 1050);
    QTest::newRow("no size") << QRect(300, 200, 0, 0) << QRect(300, 200, 1, 1);
    QTest::newRow("negative size") << QRect(300, 200, -50, -20) << QRect(300, 200, 1, 1);
}

void WindowPlacementTest::fitIntoArea() {
    QFETCH(QRect, wanted);
    QFETCH(QRect, fitted);
    const QRect area(40, 0, 1880, 1050);
    QCOMPARE(FitIntoArea(wanted, area), fitted);
    QVERIFY(area.contains(FitIntoArea(wanted, area)));
    // Without a screen there is nothing to fit into.
    QCOMPARE(FitIntoArea(wanted, QRect()), wanted);
}

void WindowPlacementTest::storedRectangleOffEveryScreen_data() {
    QTest::addColumn<QString>("geometry");
    QTest::newRow("far off, huge") << "Left=-5000\nTop=-5000\nHeight=99999\nWidth=99999\n";
    QTest::newRow("beyond any number a screen has")
        << "Left=9999999999\nTop=-9999999999\nHeight=-7\nWidth=9999999999\n";
}

void WindowPlacementTest::storedRectangleOffEveryScreen() {
    QFETCH(QString, geometry);
    QTemporaryDir config;
    QDir().mkpath(config.filePath("kx_flam3"));
    QFile ini(config.filePath("kx_flam3/kx_flam3.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(("[FORM_HLAV]\n" + geometry + "ComPort=3\n").toUtf8());
    ini.close();

    FormBench b(false, config.path());
    const QRect area = b.form.screen()->availableGeometry();
    QVERIFY2(area.contains(b.form.geometry()), qPrintable(QString("%1,%2 %3x%4")
                                                              .arg(b.form.x())
                                                              .arg(b.form.y())
                                                              .arg(b.form.width())
                                                              .arg(b.form.height())));
    QCOMPARE(int(b.state.choices.portIndex), 2); // the rest of the section still counts
    // What the next run finds is the fitted rectangle, under the same keys.
    b.form.close();
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(ini.readAll());
    QVERIFY2(saved.contains(QString("Left=%1\nTop=%2\nHeight=%3\nWidth=%4\n")
                                .arg(b.form.x())
                                .arg(b.form.y())
                                .arg(b.form.height())
                                .arg(b.form.width())),
             qPrintable(saved));
}

QTEST_MAIN(WindowPlacementTest)
#include "test_window_placement.moc"
