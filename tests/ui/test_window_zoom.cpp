#include "ui/FormHlav.h"
#include "ui/layout/FormLayout.h"
#include "ui/widgets/UpDown.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using namespace kx;

// A window made larger shows the map, the servo table and the live values larger; made small
// again it is the design window again, and it can always be made small again.
class WindowZoomTest : public QObject {
    Q_OBJECT

  private slots:
    void zoomFollowsTheRoomForThePages_data();
    void zoomFollowsTheRoomForThePages();
    void largerAndBackAgain();
};

void WindowZoomTest::zoomFollowsTheRoomForThePages_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("zoom");
    QTest::newRow("design size") << QSize(1012, 879) << 1.0;
    QTest::newRow("smaller") << QSize(900, 700) << 1.0;
    QTest::newRow("taller only") << QSize(1012, 1400) << 1.0;
    QTest::newRow("wider only") << QSize(1920, 879) << (879 - 200) / 497.0;
    QTest::newRow("full HD") << QSize(1920, 1050) << (1050 - 200) / 497.0;
    QTest::newRow("4K") << QSize(3840, 2100) << kMaxZoom;
}

void WindowZoomTest::zoomFollowsTheRoomForThePages() {
    QFETCH(QSize, window);
    QFETCH(double, zoom);
    QCOMPARE(ZoomForWindowSize(window, 200), zoom);
}

void WindowZoomTest::largerAndBackAgain() {
    TFormHlav form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const FormControls& c = form.controls();
    c.frame.pages->setCurrentIndex(2);
    QLineEdit* cell = c.advance.cells[55].edit;
    QLineEdit* servo = c.servo.rpm[3].edit;
    const QRect cellAtDesign = cell->geometry();
    const QSize servoAtDesign = servo->size();
    const int rpmFont = c.monitor.rpm->font().pixelSize();

    form.resize(1900, 1000);
    QTRY_VERIFY(cell->width() > cellAtDesign.width() * 3 / 2);
    QVERIFY(servo->width() > servoAtDesign.width() * 3 / 2);
    QVERIFY(c.monitor.rpm->font().pixelSize() > rpmFont * 3 / 2);
    // The larger map still lies inside its page, and the emblem has gone to the tool bar's row.
    QVERIFY(c.advance.group->rect().contains(c.advance.cells[99].upDown->geometry()));
    QVERIFY(c.frame.topRow->indexOf(c.frame.picture) >= 0);
    // Nothing zoomed holds the window large: it can go back to the design size in one step.
    QVERIFY(form.minimumSizeHint().width() <= kDesignWidth);
    QVERIFY(form.minimumSizeHint().height() <= kDesignHeight);

    form.resize(1012, 879);
    QTRY_COMPARE(cell->geometry(), cellAtDesign);
    QCOMPARE(servo->size(), servoAtDesign);
    QCOMPARE(c.monitor.rpm->font().pixelSize(), rpmFont);
    QCOMPARE(c.frame.topRow->indexOf(c.frame.picture), -1);
}

QTEST_MAIN(WindowZoomTest)
#include "test_window_zoom.moc"
