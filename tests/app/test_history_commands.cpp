#include "config/EditorFields.h"
#include "store/ConfigDifferences.h"
#include "store/ConfigFile.h"
#include "support/FormBench.h"
#include "ui/ComparisonWindow.h"
#include "ui/HistoryWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QtTest>

#include <fstream>

using namespace kx;

namespace {

QString CellName(int row, int column) {
    return QString("Edit%1").arg(50 + MapIndex(row, column));
}

// The window on a unit that answers at once, with its history in the bench's own folder.
struct UnitBench : FormBench {
    explicit UnitBench(const QString& settingsFolder = QString())
        : FormBench(true, settingsFolder) {
        port.answerLikeUnit();
    }
    QAction* action(const char* name) const { return get<QAction>(name); }
    HistoryCommands& history() { return controller.history(); }
    std::vector<HistoryEntry> entries() const {
        return const_cast<UnitBench*>(this)->history().keeper().folder().List().entries;
    }
    // Ticks until the exchange has ended and its entry, if any, is written.
    void tickUntilKept() {
        for (int t = 0; t < 400; ++t) {
            controller.Timer1Timer();
            if (controller.link().engine().transferMode() == ModeIdle && t > 12)
                break;
        }
    }
    bool unitHolds(const ConfigBlock& record) const {
        return std::equal(port.unitImage(), port.unitImage() + kImageSize, record.bytes());
    }
    void programAfterChange() {
        get<QCheckBox>("CheckBoxProgHned")->setChecked(true);
        controller.ApplyChange(ChangeKind::Edit); // the first check after ticking programs
        tickUntilKept();
    }
    HistoryWindow& historyWindow() {
        action("MenuHistory")->trigger();
        return *history().historyWindow();
    }
    int differences() const {
        ComparisonWindow* window = const_cast<UnitBench*>(this)->history().comparisonWindow();
        return window ? window->differenceCount() : -1;
    }
};

} // namespace

class HistoryCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void entriesOnSuccessfulReadsAndProgramsOnly();
    void anUnwritableFolderNeverFailsTheExchange();
    void restoreIsAChangeThatProgramsAndUndoes();
    void nudgesAreLoggedAndRolledBack();
    void everyPairOfSourcesCompares();
};

void HistoryCommandsTest::entriesOnSuccessfulReadsAndProgramsOnly() {
    UnitBench b;
    b.form.controls().bike.file->setText("/tmp/tuned.ign");
    b.action("MenuProgram")->trigger();
    b.tickUntilKept();
    const ConfigBlock programmed = b.state.block;
    b.action("MenuRead")->trigger();
    b.tickUntilKept();
    b.action("MenuVerify")->trigger(); // changes nothing in the unit: no entry
    b.tickUntilKept();

    std::vector<HistoryEntry> entries = b.entries();
    QCOMPARE(entries.size(), size_t(2));
    QCOMPARE(entries[0].action, HistoryAction::Program);
    QCOMPARE(entries[0].openFile, std::string("/tmp/tuned.ign"));
    QCOMPARE(entries[0].programCount, 0); // the fake unit's telegram says 0
    QVERIFY(!entries[0].nudge);
    QCOMPARE(entries[1].action, HistoryAction::Read);
    QCOMPARE(entries[1].openFile, std::string()); // a read leaves no file shown
    const auto kept = b.history().keeper().folder().Record(entries[0], ConfigBlock{});
    QVERIFY(kept);
    // Every field the file carries is as programmed; the few bytes no field carries are not kept.
    for (const FieldDifference& difference : ListDifferences(*kept, programmed))
        QCOMPARE(difference.place, FieldPlace::FreeByte);

    b.port.answerLikeUnit(0); // silent: the read fails after its repeats
    b.action("MenuRead")->trigger();
    b.tickUntilKept();
    QCOMPARE(b.controller.link().engine().state().outcome, TransferOutcome::Failed);
    QCOMPARE(b.entries().size(), size_t(2));
}

void HistoryCommandsTest::anUnwritableFolderNeverFailsTheExchange() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("data")); // the history's parent is a file, not a folder
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    UnitBench b(dir.path());
    b.action("MenuProgram")->trigger();
    b.tickUntilKept();
    QCOMPARE(b.controller.link().engine().state().outcome, TransferOutcome::Programmed);
    QVERIFY(b.dialogs.messages.empty());
    QVERIFY(b.form.controls().frame.statusBar->currentMessage().contains("history"));
    QVERIFY(b.entries().empty());
}

void HistoryCommandsTest::restoreIsAChangeThatProgramsAndUndoes() {
    UnitBench b;
    b.action("MenuProgram")->trigger();
    b.tickUntilKept();
    const ConfigBlock first = b.state.block;
    b.typeAndEnter("EditOmez2", "12000");
    b.action("MenuProgram")->trigger();
    b.tickUntilKept();
    const ConfigBlock second = b.state.block;
    QVERIFY(first != second);

    b.get<QCheckBox>("CheckBoxProgHned")->setChecked(true);
    HistoryWindow& window = b.historyWindow();
    emit window.restoreEntry(0);
    QVERIFY(b.state.block == first);
    QCOMPARE(b.action("MenuUndo")->text(), QString("&Undo restore"));
    b.tickUntilKept();
    QVERIFY(b.unitHolds(first));
    b.action("MenuUndo")->trigger();
    b.tickUntilKept();
    QVERIFY(b.state.block == second);
    QVERIFY(b.unitHolds(second));

    // An entry whose file went away is said so, and the record stays.
    QVERIFY(QFile::remove(b.history().keeper().folder().folder() + "/" +
                          QString::fromStdString(b.entries()[0].file)));
    emit window.restoreEntry(0);
    QCOMPARE(b.dialogs.messages.size(), size_t(1));
    QVERIFY(b.state.block == second);
}

void HistoryCommandsTest::nudgesAreLoggedAndRolledBack() {
    UnitBench b;
    b.state.block.tpsMapa = 1;
    b.controller.ShowBlock();
    b.port.unitRpm = 4000;
    b.programAfterChange(); // the whole record: nothing known to compare it with
    const int cell = int(offsetof(ConfigBlock, advance)) + MapIndex(9, 3);
    const int before = b.state.block[cell];
    b.typeAndEnter(qPrintable(CellName(9, 3)), QString::number(before + 2));
    b.tickUntilKept();
    const ConfigBlock firstNudge = b.state.block;
    b.typeAndEnter(qPrintable(CellName(9, 4)), "30");
    b.tickUntilKept();
    QVERIFY(b.unitHolds(b.state.block));

    const std::vector<HistoryEntry> entries = b.entries();
    QCOMPARE(entries.size(), size_t(3));
    for (const HistoryEntry& entry : entries)
        QVERIFY(entry.nudge);
    QVERIFY(entries[0].changes.empty());
    QCOMPARE(entries[1].changes.size(), size_t(1));
    QCOMPARE(entries[1].changes[0], (ChangedByte{cell, uint8_t(before), uint8_t(before + 2)}));
    QCOMPARE(entries[1].rpm, 4000);

    emit b.historyWindow().restoreEntry(1); // roll back to the first nudge
    b.tickUntilKept();
    QVERIFY(b.state.block == firstNudge);
    QVERIFY(b.unitHolds(firstNudge));
}

void HistoryCommandsTest::everyPairOfSourcesCompares() {
    UnitBench b;
    b.action("MenuProgram")->trigger();
    b.tickUntilKept();
    b.typeAndEnter("EditOmez2", "12000");
    b.action("MenuProgram")->trigger();
    b.tickUntilKept();
    HistoryWindow& window = b.historyWindow();

    emit window.compareEntries(0, 1);
    QCOMPARE(b.differences(), 1);
    emit window.compareWithScreen(1);
    QCOMPARE(b.differences(), 0);

    // The unit, read aside: the screen and the file name stay as they are.
    b.form.controls().bike.file->setText("kept.ign");
    b.typeAndEnter(qPrintable(CellName(0, 0)), "33");
    const ConfigBlock screen = b.state.block;
    b.action("MenuCompareUnit")->trigger();
    b.tickUntilKept();
    QCOMPARE(b.differences(), 1);
    QVERIFY(b.state.block == screen);
    QCOMPARE(b.form.controls().bike.file->text(), QString("kept.ign"));
    QCOMPARE(b.action("MenuUndo")->text(), QString("&Undo edit"));

    QTemporaryDir dir;
    ConfigBlock inFile = screen;
    inFile.advance[MapIndex(0, 1)] = 21;
    inFile.advance[MapIndex(0, 2)] = 22;
    const std::string path = dir.filePath("other.ign").toStdString();
    {
        std::ofstream out(path);
        WriteConfigFile(out, inFile);
    }
    b.dialogs.fileAnswer = path;
    b.action("MenuCompareFile")->trigger();
    QCOMPARE(b.differences(), 2);
    QVERIFY(b.state.block == screen);

    b.port.answerLikeUnit(0);
    b.action("MenuCompareUnit")->trigger();
    b.tickUntilKept();
    QCOMPARE(b.dialogs.messages.size(), size_t(1));
}

QTEST_MAIN(HistoryCommandsTest)
#include "test_history_commands.moc"
