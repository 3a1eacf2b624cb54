#include "app/FormController.h"
#include "link/serial/QtSerialPort.h"
#include "support/RecordingDialogs.h"
#include "ui/FormHlav.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kx;

// The window against the simulated unit over a pseudo-terminal, with the real 55 ms timer.
class FormAgainstSimTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void liveDataArrives();
    void programAnEditedMapAndReadItBack();

  private:
    QTemporaryDir dir_;
    QProcess sim_;
};

void FormAgainstSimTest::initTestCase() {
#ifndef KX_SIM_PATH
    QSKIP("the simulated unit needs a pseudo-terminal");
#else
    const QString link = dir_.filePath("unit");
    sim_.start(KX_SIM_PATH, {"--link", link});
    QVERIFY(sim_.waitForReadyRead(5000));
    qputenv("KX_FLAM3_COM1", link.toUtf8());
#endif
}

void FormAgainstSimTest::cleanupTestCase() {
    sim_.terminate();
    sim_.waitForFinished(3000);
}

void FormAgainstSimTest::liveDataArrives() {
    TFormHlav form;
    QtSerialPort port;
    RecordingDialogs dialogs;
    FormController controller(form, port, dialogs, {});
    controller.FormCreate();
    QVERIFY(dialogs.messages.empty()); // the port opened
    auto* noConnection = form.control<QLabel>("LabelSpojeni");
    QTRY_VERIFY_WITH_TIMEOUT(controller.link().telegramCount() > 0, 3000);
    QTRY_VERIFY(!noConnection->isVisibleTo(&form));
    QVERIFY(controller.link().live().liveRpm > 0);
}

void FormAgainstSimTest::programAnEditedMapAndReadItBack() {
    TFormHlav form;
    QtSerialPort port;
    RecordingDialogs dialogs;
    FormController controller(form, port, dialogs, {});
    controller.FormCreate();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    auto* cell = form.control<QLineEdit>("Edit145");
    auto* pages = form.control<QTabWidget>("PageControl1");
    pages->setCurrentWidget(form.control<QWidget>("TabSheetAdvance"));
    cell->setFocus();
    cell->selectAll();
    QTest::keyClicks(cell, "47");
    QTest::keyClick(cell, Qt::Key_Return);
    QCOMPARE(int(controller.block().advance[95]), 47);

    auto* status = form.control<QLabel>("LabelHlaseni");
    QTest::keyClick(&form, Qt::Key_F9);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Program device:: OK"), 5000);

    // Forget the edit, then take the unit's data back with the Read button.
    controller.block().advance[95] = 3;
    controller.ShowBlock();
    QTest::mouseClick(form.control<QWidget>("ButtonRead"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Verify:: OK"), 5000);
    QCOMPARE(int(controller.block().advance[95]), 47);
    QCOMPARE(cell->text(), QString("47"));
    QVERIFY(!form.control<QLabel>("LabelVerze1")->text().isEmpty());
}

QTEST_MAIN(FormAgainstSimTest)
#include "test_form_against_sim.moc"
