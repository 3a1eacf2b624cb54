#include "app/FormController.h"
#include "link/TelegramLog.h"
#include "link/serial/QtSerialPort.h"
#include "store/RecordCopy.h"
#include "support/RecordingDialogs.h"
#include "ui/ComparisonWindow.h"
#include "ui/FormHlav.h"
#include "ui/HistoryWindow.h"
#include "ui/LogViewer.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
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
    void historyOfProgramsAndNudgesRollsBack();
    // Last: it pulls the shared unit's line.
    void aLogGoesOnAcrossAPulledLine();

  private:
    void StartSim() {
#ifdef KX_SIM_PATH
        sim_.start(KX_SIM_PATH, {"--link", dir_.filePath("unit"), "--image", imagePath()});
        QVERIFY(sim_.waitForReadyRead(5000));
#endif
    }
    QString imagePath() const {
        return dir_.filePath("image.txt");
    }
    // The advance cell as the simulated unit keeps it, or -1 before its first programming.
    int UnitCell(int index) const {
        return UnitImage().advance[index];
    }
    ConfigBlock UnitImage() const {
        ConfigBlock image = StartupBlock();
        std::ifstream in(imagePath().toStdString());
        ReadRecordCopy(in, image);
        return image;
    }

    QTemporaryDir dir_;
    QProcess sim_;
};

void FormAgainstSimTest::initTestCase() {
#ifndef KX_SIM_PATH
    QSKIP("the simulated unit needs a pseudo-terminal");
#else
    StartSim();
    qputenv("KX_FLAM3_COM1", dir_.filePath("unit").toUtf8());
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

// Three variants programmed by hand, two cells nudged while the engine runs, the first and last
// entries compared in the window and by the command-line tool, and the unit rolled back to the
// first nudge.
void FormAgainstSimTest::historyOfProgramsAndNudgesRollsBack() {
    SimWindow window;
    QVERIFY(window.show());
    TFormHlav& form = window.form;
    FormController& controller = window.controller;
    FormState& state = window.state;
    const HistoryFolder& folder = controller.history().keeper().folder();
    const auto kept = [&folder] { return folder.List().entries.size(); };
    const size_t before = kept();

    auto* limiter = form.findChild<QLineEdit*>("EditOmez2");
    for (const char* variant : {"10000", "11000", "12000"}) {
        form.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
        limiter->setFocus();
        limiter->selectAll();
        QTest::keyClicks(limiter, variant);
        QTest::keyClick(limiter, Qt::Key_Return);
        const size_t entries = kept();
        QTest::keyClick(&form, Qt::Key_F9);
        QTRY_COMPARE_WITH_TIMEOUT(kept(), entries + 1, 8000);
    }

    auto* programAfterChange = form.findChild<QCheckBox*>("CheckBoxProgHned");
    QTest::mouseClick(programAfterChange, Qt::LeftButton, {},
                      QPoint(6, programAfterChange->height() / 2));
    QTRY_COMPARE_WITH_TIMEOUT(kept(), before + 4, 8000); // the first check programs the record
    std::vector<ConfigBlock> nudged;
    for (int nudge = 0; nudge < 2; ++nudge) {
        QTRY_VERIFY_WITH_TIMEOUT(!state.point.rpmBelowAxis, 5000);
        QTest::keyClick(&form, Qt::Key_F5);
        nudged.push_back(state.block);
        QTRY_COMPARE_WITH_TIMEOUT(kept(), before + 5 + size_t(nudge), 8000);
    }
    const std::vector<HistoryEntry> entries = folder.List().entries;
    const HistoryEntry& firstNudge = entries[before + 4];
    QVERIFY(firstNudge.nudge);
    QCOMPARE(firstNudge.changes.size(), size_t(1));
    QVERIFY(firstNudge.rpm > 0);

    form.findChild<QAction*>("MenuHistory")->trigger();
    HistoryWindow* history = controller.history().historyWindow();
    emit history->compareEntries(int(before), int(entries.size() - 1));
    // The limiter and the two nudged cells (or one cell nudged twice).
    const int differences = controller.history().comparisonWindow()->differenceCount();
    QVERIFY(differences == 2 || differences == 3);
    QProcess cli;
    cli.start(KX_CLI_PATH,
              {"diff", folder.folder() + "/" + QString::fromStdString(entries[before].file),
               folder.folder() + "/" + QString::fromStdString(entries.back().file)});
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(cli.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()).trimmed().split('\n').size(),
             differences);

    emit history->restoreEntry(int(before + 4));
    QVERIFY(state.block == nudged[0]);
    QTRY_COMPARE_WITH_TIMEOUT(kept(), entries.size() + 1, 8000);
    const ConfigBlock unit = UnitImage();
    QVERIFY(std::equal(unit.bytes(), unit.bytes() + kImageSize, nudged[0].bytes()));
}

void FormAgainstSimTest::aLogGoesOnAcrossAPulledLine() {
#ifdef KX_SIM_PATH
    SimWindow window;
    const LogRecorder& recorder = window.controller.logs().recorder();
    QTRY_VERIFY_WITH_TIMEOUT(window.controller.link().telegramCount() > 0, 3000);
    window.form.findChild<QAction*>("MenuStartLogging")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.rows() >= 5, 5000);

    sim_.terminate();
    QVERIFY(sim_.waitForFinished(3000));
    QTRY_VERIFY_WITH_TIMEOUT(window.controller.link().connectionLost(), 5000);
    const uint64_t beforeThePull = recorder.rows();
    const int64_t pulledAt = recorder.elapsedMs();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.elapsedMs() > pulledAt + 2 * kLogGapMs, 10000);
    QCOMPARE(recorder.rows(), beforeThePull);
    StartSim();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.rows() >= beforeThePull + 5, 10000);
    QVERIFY(recorder.logging());
    window.form.findChild<QAction*>("MenuStopLogging")->trigger();

    // The gap shows in the times and counts in no cell of the dwell map.
    QVERIFY(window.controller.logs().OpenLog(recorder.path()));
    const TelegramLog& log = window.controller.logs().viewer()->log();
    QCOMPARE(log.skippedLines, size_t(0));
    QCOMPARE(log.size(), size_t(recorder.rows()));
    int64_t longestStep = 0;
    for (size_t row = 1; row < log.size(); ++row)
        longestStep = std::max(longestStep, log.timeMs[row] - log.timeMs[row - 1]);
    QVERIFY(longestStep > 2 * kLogGapMs);
    const CellDwell dwell = LogDwell(log, 0, log.size() - 1, window.state.block, true);
    uint64_t counted = 0;
    for (int cell = 0; cell < kMapRows * kMapColumns; ++cell)
        counted += dwell.ms(cell);
    QVERIFY(counted <= uint64_t(log.timeMs.back() - log.timeMs.front() - longestStep));
#endif
}

QTEST_MAIN(FormAgainstSimTest)
#include "test_form_against_sim.moc"
