#include "config/MapBlock.h"
#include "config/Presets.h"
#include "store/ConfigFile.h"
#include "support/FormBench.h"
#include "ui/MapSelector.h"
#include "ui/widgets/SelectionFrame.h"
#include "ui/widgets/UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QStatusBar>
#include <QtTest>

#include <fstream>

using namespace kx;

namespace {

QString CellName(int row, int column) {
    return QString("Edit%1").arg(50 + MapIndex(row, column));
}

// The window on the advance map with its throttle rows shown.
struct MapBench : FormBench {
    MapBench() {
        state.block.tpsMapa = 1;
        controller.ShowBlock();
        controller.edits().Start(); // undo stops at the map with its rows
        showPageOf(get<QGroupBox>("GroupBox6"));
    }
    QLineEdit* cell(int row, int column) const {
        return get<QLineEdit>(qPrintable(CellName(row, column)));
    }
    int value(int row, int column) const { return state.block.advance[MapIndex(row, column)]; }
    std::optional<CellRange> selection() { return controller.edits().selector().selection(); }
    void select(const CellRange& range) {
        cell(range.firstRow, range.firstColumn)->setFocus();
        controller.edits().selector().Select(range);
    }
    QAction* action(const char* name) const { return get<QAction>(name); }
    void tickUntilIdle() {
        for (int t = 0; t < 60 && controller.link().engine().transferMode() != ModeIdle; ++t)
            controller.Timer1Timer();
    }
    bool unitHolds(const ConfigBlock& record) const {
        return std::equal(port.unitImage(), port.unitImage() + kImageSize, record.bytes());
    }
};

void Drag(QLineEdit* from, QLineEdit* to) {
    QTest::mousePress(from, Qt::LeftButton);
    const QPoint centre = to->rect().center();
    QMouseEvent move(QEvent::MouseMove, from->mapFromGlobal(to->mapToGlobal(centre)),
                     to->mapToGlobal(centre), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(from, &move);
    QTest::mouseRelease(from, Qt::LeftButton);
}

} // namespace

class CellEditingTest : public QObject {
    Q_OBJECT

  private slots:
    void selectedByMouseAndKeys();
    void onlyShownRowsAreSelected();
    void blockKeysChangeTheSelectedCells();
    void blockKeysStayOffTheOtherPages();
    void copyAndPasteWithASpreadsheet();
    void pasteThatCannotBeTakenChangesNothing();
    void undoWalksBackThroughEverySource();
    void undoProgramsWhenProgrammingAfterChange();
    void typingIsUndoneBeforeTheRecord();
    void cellMenuActsOnTheBlock();
    void editMenuSpeaksTheLanguage();
};

void CellEditingTest::selectedByMouseAndKeys() {
    MapBench b;
    QVERIFY(!b.selection());
    QVERIFY(!b.action("MenuRaiseCells")->isEnabled()); // nothing selected yet
    QTest::mouseClick(b.cell(0, 0), Qt::LeftButton);
    QCOMPARE(*b.selection(), (CellRange{0, 0, 0, 0}));
    QVERIFY(b.action("MenuRaiseCells")->isEnabled());
    QTest::mouseClick(b.cell(2, 2), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(*b.selection(), (CellRange{0, 0, 2, 2}));
    QTest::keyClick(b.cell(2, 2), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(b.cell(2, 2), Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(*b.selection(), (CellRange{0, 0, 1, 3}));
    QCOMPARE(b.cell(2, 2)->text(), QString::number(b.value(2, 2))); // no value stepped

    Drag(b.cell(0, 5), b.cell(2, 7));
    QCOMPARE(*b.selection(), (CellRange{0, 5, 2, 7}));
    auto* outline = b.form.findChild<SelectionFrame*>("SelectionFrame");
    QVERIFY(outline->isVisible());
    QVERIFY(outline->geometry().contains(b.cell(0, 5)->geometry()));
    QVERIFY(outline->geometry().contains(b.get<UpDown>("UpDown77")->geometry()));
    QTest::keyClick(b.cell(0, 5), Qt::Key_Escape);
    QCOMPARE(*b.selection(), (CellRange{0, 5, 0, 5}));

    // The outline is not printed.
    b.state.printView = true;
    b.controller.ApplyViewRules();
    QVERIFY(!outline->isVisible());
    b.state.printView = false;
    b.controller.ApplyViewRules();
    QVERIFY(outline->isVisible());
}

void CellEditingTest::onlyShownRowsAreSelected() {
    MapBench b;
    b.select({3, 2, 5, 4});
    auto* rows = b.get<QCheckBox>("CheckBoxTpsMapa");
    QTest::mouseClick(rows, Qt::LeftButton);
    QVERIFY(!rows->isChecked());
    QCOMPARE(*b.selection(), (CellRange{9, 2, 9, 4}));
    b.action("MenuSelectMap")->trigger();
    QCOMPARE(*b.selection(), (CellRange{9, 0, 9, 9}));
    QTest::mouseClick(rows, Qt::LeftButton);
    b.action("MenuSelectMap")->trigger();
    QCOMPARE(*b.selection(), (CellRange{0, 0, 9, 9}));
}

void CellEditingTest::blockKeysChangeTheSelectedCells() {
    MapBench b;
    b.state.block.advance[MapIndex(0, 0)] = 0;
    b.state.block.advance[MapIndex(1, 1)] = 60;
    b.controller.ShowBlock();
    b.select({0, 0, 1, 1});
    const ConfigBlock before = b.state.block;
    QLineEdit* first = b.cell(0, 0);

    QTest::keyClick(first, '+');
    QCOMPARE(b.value(0, 0), 1);
    QCOMPARE(b.value(1, 1), 60); // at the top already
    QCOMPARE(b.value(0, 1), before.advance[MapIndex(0, 1)] + 1);
    QCOMPARE(b.value(0, 2), before.advance[MapIndex(0, 2)]); // outside the block
    QCOMPARE(first->text(), QString("1"));                   // the key was no typing

    b.dialogs.numberAnswer = 3;
    b.action("MenuCellStep")->trigger();
    QCOMPARE(b.dialogs.numberAsked, (std::array<int, 3>{1, 1, 10}));
    QCOMPARE(b.action("MenuRaiseCells")->text(), QString("Raise by 3\u00B0"));
    QCOMPARE(b.state.workbench.cellStep, 3);
    QTest::keyClick(first, '-');
    QCOMPARE(b.value(0, 0), 0);
    QCOMPARE(b.value(1, 1), 57);

    b.dialogs.numberAnswer = 12;
    QTest::keyClick(first, '=');
    QCOMPARE(b.dialogs.numberAsked[0], 0); // starting from the first cell's value
    for (int cell : {MapIndex(0, 0), MapIndex(0, 1), MapIndex(1, 0), MapIndex(1, 1)})
        QCOMPARE(int(b.state.block.advance[cell]), 12);
    b.dialogs.numberAnswer = 250;
    QTest::keyClick(first, '*');
    QCOMPARE(b.value(1, 0), 30);
    b.dialogs.numberAnswer.reset(); // cancelled: nothing changes
    QTest::keyClick(first, '*');
    QCOMPARE(b.value(1, 0), 30);

    b.select({0, 0, 0, 3});
    b.state.block.advance[MapIndex(0, 3)] = 0;
    b.controller.ShowBlock();
    QTest::keyClick(b.cell(0, 0), Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(b.value(0, 0), 30);
    QCOMPARE(b.value(0, 3), 0);
    QVERIFY(b.value(0, 1) > b.value(0, 2));
    QCOMPARE(b.cell(0, 1)->text(), QString::number(b.value(0, 1)));
}

void CellEditingTest::blockKeysStayOffTheOtherPages() {
    MapBench b;
    b.select({0, 0, 9, 9});
    const ConfigBlock before = b.state.block;
    auto* limiter = b.get<QLineEdit>("EditOmez2");
    b.showPageOf(limiter);
    QVERIFY(!b.action("MenuRaiseCells")->isEnabled());
    QVERIFY(!b.action("MenuPasteCells")->isEnabled());
    limiter->setFocus();
    QTest::keyClick(limiter, '+');
    QVERIFY(b.state.block == before);
    QVERIFY(limiter->text().endsWith('+')); // typed, as in any edit
    b.showPageOf(b.cell(0, 0));
    QVERIFY(b.action("MenuRaiseCells")->isEnabled());
}

void CellEditingTest::copyAndPasteWithASpreadsheet() {
    MapBench b;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("1\t2\t3\r\n4\t5\t6\r\n");
    b.select({2, 3, 2, 3});
    QTest::keyClick(b.cell(2, 3), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(BlockValues(b.state.block, {2, 3, 3, 5}), (ValueGrid{{1, 2, 3}, {4, 5, 6}}));
    QCOMPARE(*b.selection(), (CellRange{2, 3, 3, 5}));
    QCOMPARE(b.cell(3, 5)->text(), QString("6"));

    clipboard->clear();
    QTest::keyClick(b.cell(2, 3), Qt::Key_C, Qt::ControlModifier);
#ifdef Q_OS_WIN
    QCOMPARE(clipboard->text(), QString("1\t2\t3\r\n4\t5\t6\r\n"));
#else
    QCOMPARE(clipboard->text(), QString("1\t2\t3\n4\t5\t6\n"));
#endif

    // Out of range values are clamped, and the status bar says how many.
    clipboard->setText("70\t-5,4\t33,5\n");
    b.select({0, 0, 0, 0});
    b.action("MenuPasteCells")->trigger();
    QCOMPARE(BlockValues(b.state.block, {0, 0, 0, 2}), (ValueGrid{{60, 0, 34}}));
    QVERIFY(b.form.statusBar()->currentMessage().contains("2 values"));

    // One value fills the selected block.
    clipboard->setText("17\n");
    b.select({5, 5, 6, 6});
    b.action("MenuPasteCells")->trigger();
    QCOMPARE(BlockValues(b.state.block, {5, 5, 6, 6}), (ValueGrid{{17, 17}, {17, 17}}));
    QVERIFY(b.dialogs.messages.empty());
}

void CellEditingTest::pasteThatCannotBeTakenChangesNothing() {
    MapBench b;
    QClipboard* clipboard = QGuiApplication::clipboard();
    const ConfigBlock before = b.state.block;
    const size_t undoable = b.controller.edits().history().undoCount();
    const struct {
        const char* text;
        const char* said;
    } refused[] = {
        {"1\t2\t3\n4\t5\t6\n", "2 \u00D7 3 cells; from the selected cell the map has room for 1 "
                               "\u00D7 2"},
        {"12\tabc\n", "Row 1, column 2 of the clipboard is not a number: \"abc\""},
        {"1\t2\n3\n", "not all equally long"},
        {"", "no values"},
    };
    b.select({9, 8, 9, 8});
    for (const auto& paste : refused) {
        clipboard->setText(QString::fromUtf8(paste.text));
        b.dialogs.messages.clear();
        b.action("MenuPasteCells")->trigger();
        QCOMPARE(b.dialogs.messages.size(), size_t(1));
        QVERIFY2(
            QString::fromStdString(b.dialogs.messages[0]).contains(QString::fromUtf8(paste.said)),
            b.dialogs.messages[0].c_str());
        QVERIFY(b.state.block == before);
    }
    QCOMPARE(b.controller.edits().history().undoCount(), undoable);
}

void CellEditingTest::undoWalksBackThroughEverySource() {
    MapBench b;
    b.port.answerLikeUnit();
    QTemporaryDir dir;
    std::vector<ConfigBlock> states{b.state.block};
    std::vector<QString> undoCaptions;
    auto changed = [&](const char* undo) {
        QVERIFY(b.state.block != states.back());
        states.push_back(b.state.block);
        undoCaptions.push_back(undo);
        QCOMPARE(b.action("MenuUndo")->text(), QString(undo));
    };

    b.typeAndEnter(qPrintable(CellName(0, 0)), "33");
    changed("&Undo edit");
    b.get<QCheckBox>("CheckBoxIgnAll")->setChecked(true);
    b.action("AdvancePlus")->trigger();
    changed("&Undo map tool");
    b.select({1, 1, 2, 2});
    b.action("MenuRaiseCells")->trigger();
    changed("&Undo raise");
    QGuiApplication::clipboard()->setText("9\t8\n");
    b.action("MenuPasteCells")->trigger();
    changed("&Undo paste");
    b.action("MenuNew")->trigger();
    changed("&Undo new");
    auto* bike = b.get<QComboBox>("ComboBoxBike");
    bike->setCurrentIndex(2);
    emit bike->activated(2);
    changed("&Undo bike type");
    ConfigBlock inFile = StartupBlock();
    inFile.advance[MapIndex(9, 4)] = 44;
    const std::string path = dir.filePath("file.ign").toStdString();
    {
        std::ofstream out(path);
        WriteConfigFile(out, inFile);
    }
    b.dialogs.fileAnswer = path;
    b.action("MenuOpen")->trigger();
    changed("&Undo open");
    b.action("MenuProgram")->trigger(); // the unit holds the file now; a program is no change
    b.tickUntilIdle();
    QCOMPARE(b.controller.edits().history().undoCount(), size_t(7));
    b.typeAndEnter(qPrintable(CellName(9, 4)), "12");
    changed("&Undo edit");
    b.action("MenuRead")->trigger();
    b.tickUntilIdle();
    changed("&Undo read");
    QCOMPARE(b.value(9, 4), 44);

    for (size_t step = states.size() - 1; step > 0; --step) {
        QCOMPARE(b.action("MenuUndo")->text(), undoCaptions[step - 1]);
        b.action("MenuUndo")->trigger();
        QVERIFY2(b.state.block == states[step - 1], qPrintable(QString::number(step)));
        QCOMPARE(b.cell(0, 0)->text(), QString::number(states[step - 1].advance[0]));
    }
    QVERIFY(!b.action("MenuUndo")->isEnabled());
    QCOMPARE(b.action("MenuUndo")->text(), QString("&Undo"));
    for (size_t step = 1; step < states.size(); ++step) {
        b.action("MenuRedo")->trigger();
        QVERIFY(b.state.block == states[step]);
    }
    QVERIFY(!b.action("MenuRedo")->isEnabled());
}

void CellEditingTest::undoProgramsWhenProgrammingAfterChange() {
    MapBench b;
    b.port.answerLikeUnit();
    b.get<QCheckBox>("CheckBoxProgHned")->setChecked(true);
    b.controller.ApplyChange(ChangeKind::Edit); // the first check after ticking programs once
    b.tickUntilIdle();
    const ConfigBlock start = b.state.block;
    QVERIFY(b.unitHolds(start));

    b.select({0, 0, 9, 9});
    QTest::keyClick(b.cell(0, 0), '+');
    b.tickUntilIdle();
    const ConfigBlock raised = b.state.block;
    QVERIFY(raised != start);
    QVERIFY(b.unitHolds(raised));

    QTest::keyClick(b.cell(0, 0), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(b.state.block == start);
    b.tickUntilIdle();
    QVERIFY(b.unitHolds(start));
    QTest::keyClick(b.cell(0, 0), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    b.tickUntilIdle();
    QVERIFY(b.unitHolds(raised));
}

void CellEditingTest::typingIsUndoneBeforeTheRecord() {
    MapBench b;
    b.typeAndEnter(qPrintable(CellName(4, 4)), "21");
    const ConfigBlock edited = b.state.block;
    QLineEdit* cell = b.cell(5, 5);
    cell->setFocus();
    cell->selectAll();
    QTest::keyClicks(cell, "45");
    QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell->text(), QString::number(b.value(5, 5))); // the typing is gone
    QVERIFY(b.state.block == edited);                       // and only the typing
    QCOMPARE(b.value(4, 4), 21);

    auto* limiter = b.get<QLineEdit>("EditOmez2");
    b.showPageOf(limiter);
    limiter->setFocus();
    QTest::keyClick(limiter, Qt::Key_Z, Qt::ControlModifier); // any edit: the record's undo
    QVERIFY(b.value(4, 4) != 21);
    QVERIFY(!b.action("MenuUndo")->isEnabled());
}

void CellEditingTest::cellMenuActsOnTheBlock() {
    MapBench b;
    b.select({3, 3, 4, 4});
    QLineEdit* inside = b.cell(4, 3);
    QTest::mousePress(inside, Qt::RightButton);
    QCOMPARE(*b.selection(), (CellRange{3, 3, 4, 4})); // a right click inside keeps the block
    QContextMenuEvent request(QContextMenuEvent::Mouse, inside->rect().center(),
                              inside->mapToGlobal(inside->rect().center()));
    QApplication::sendEvent(inside, &request);
    auto* menu = b.form.findChild<QMenu*>("CellMenu");
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(menu->actions().contains(b.action("MenuInterpolateBoth")));
    menu->close();

    QTest::mousePress(b.cell(8, 8), Qt::RightButton); // outside: that cell alone
    QCOMPARE(*b.selection(), (CellRange{8, 8, 8, 8}));
}

void CellEditingTest::editMenuSpeaksTheLanguage() {
    MapBench b;
    b.get<QAction>("MenuGerman")->trigger();
    QCOMPARE(b.get<QMenu>("MenuEdit")->title(), QString("&Bearbeiten"));
    QCOMPARE(b.action("MenuUndo")->text(), QString("&Rückgängig"));
    b.typeAndEnter(qPrintable(CellName(0, 0)), "5");
    QCOMPARE(b.action("MenuUndo")->text(), QString("&Rückgängig: Eingabe"));
    QCOMPARE(b.action("MenuRaiseCells")->text(), QString("Um 1\u00B0 erhöhen"));
    b.get<QAction>("MenuCzech")->trigger();
    QCOMPARE(b.action("MenuUndo")->text(), QString("&Zpět: úprava"));
}

QTEST_MAIN(CellEditingTest)
#include "test_cell_editing.moc"
