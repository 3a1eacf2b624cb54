#include "app/FormController.h"
#include "link/serial/QtSerialPort.h"
#include "store/RecordCopy.h"
#include "support/RecordingDialogs.h"
#include "ui/FormHlav.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using namespace kx;

// The window on the real serial port, created as at start-up.
struct SimWindow {
    TFormHlav form;
    QtSerialPort port;
    RecordingDialogs dialogs;
    FormState state;
    FormController controller{form, state, port, dialogs, {}};

    SimWindow() { controller.FormCreate(); }
    bool show() {
        form.show();
        return QTest::qWaitForWindowExposed(&form);
    }
};

// The window against the simulated unit over a pseudo-terminal, with the real 55 ms timer.
class FormAgainstSimTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void liveDataArrives();
    void programAnEditedMapAndReadItBack();
    void tuningTheMarkedCellReachesTheUnit();

  private:
    QString imagePath() const { return dir_.filePath("image.txt"); }
    // The advance cell as the simulated unit keeps it, or -1 before its first programming.
    int UnitCell(int index) const {
        std::ifstream in(imagePath().toStdString());
        if (!in)
            return -1;
        ConfigBlock image = StartupBlock();
        ReadRecordCopy(in, image);
        return image.advance[index];
    }

    QTemporaryDir dir_;
    QProcess sim_;
};

void FormAgainstSimTest::initTestCase() {
#ifndef KX_SIM_PATH
    QSKIP("the simulated unit needs a pseudo-terminal");
#else
    const QString link = dir_.filePath("unit");
    sim_.start(KX_SIM_PATH, {"--link", link, "--image", imagePath()});
    QVERIFY(sim_.waitForReadyRead(5000));
    qputenv("KX_FLAM3_COM1", link.toUtf8());
    qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", dir_.filePath("data").toUtf8());
#endif
}

void FormAgainstSimTest::cleanupTestCase() {
    sim_.terminate();
    sim_.waitForFinished(3000);
}

void FormAgainstSimTest::liveDataArrives() {
    SimWindow window;
    TFormHlav& form = window.form;
    FormController& controller = window.controller;
    const RecordingDialogs& dialogs = window.dialogs;
    QVERIFY(dialogs.messages.empty()); // the port opened
    auto* noConnection = form.findChild<QLabel*>("LabelSpojeni");
    QTRY_VERIFY_WITH_TIMEOUT(controller.link().telegramCount() > 0, 3000);
    QTRY_VERIFY(!noConnection->isVisibleTo(&form));
    QVERIFY(controller.link().live().liveRpm > 0);
}

void FormAgainstSimTest::programAnEditedMapAndReadItBack() {
    SimWindow window;
    QVERIFY(window.show());
    TFormHlav& form = window.form;
    FormController& controller = window.controller;
    FormState& state = window.state;

    auto* cell = form.findChild<QLineEdit*>("Edit145");
    auto* pages = form.findChild<QTabWidget*>("PageControl1");
    pages->setCurrentWidget(form.findChild<QWidget*>("TabSheetAdvance"));
    cell->setFocus();
    cell->selectAll();
    QTest::keyClicks(cell, "47");
    QTest::keyClick(cell, Qt::Key_Return);
    QCOMPARE(int(state.block.advance[95]), 47);

    auto* status = form.findChild<QLabel*>("LabelHlaseni");
    QTest::keyClick(&form, Qt::Key_F9);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Program device:: OK"), 5000);

    // Forget the edit, then take the unit's data back with the Read button.
    state.block.advance[95] = 3;
    controller.ShowBlock();
    QTest::mouseClick(form.findChild<QWidget*>("ButtonRead"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Verify:: OK"), 5000);
    QCOMPARE(int(state.block.advance[95]), 47);
    QCOMPARE(cell->text(), QString("47"));
    QVERIFY(!form.findChild<QLabel*>("LabelVerze1")->text().isEmpty());
}

void FormAgainstSimTest::tuningTheMarkedCellReachesTheUnit() {
    SimWindow window;
    QVERIFY(window.show());
    TFormHlav& form = window.form;
    FormController& controller = window.controller;
    const FormState& state = window.state;

    // Ticking "Programming after change" programs the unit at once.
    auto* programAfterChange = form.findChild<QCheckBox*>("CheckBoxProgHned");
    QTest::mouseClick(programAfterChange, Qt::LeftButton, {},
                      QPoint(6, programAfterChange->height() / 2));
    QTRY_VERIFY_WITH_TIMEOUT(controller.link().engine().programDone(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(
        !state.point.rpmBelowAxis && controller.link().engine().transferMode() == ModeIdle, 5000);

    const OperatingPoint point = state.point;
    const int cell = MapIndex(point.tpsRow, point.rpmColumn);
    const int tuned = state.block.advance[cell] + 1;
    QTest::keyClick(&form, Qt::Key_F5);
    QCOMPARE(int(state.block.advance[cell]), tuned);
    QTRY_COMPARE_WITH_TIMEOUT(UnitCell(cell), tuned, 5000);
}

QTEST_MAIN(FormAgainstSimTest)
#include "test_form_against_sim.moc"
