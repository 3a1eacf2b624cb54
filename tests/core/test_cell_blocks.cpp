#include "config/MapBlock.h"
#include "config/Presets.h"
#include "config/RecordHistory.h"
#include "store/BlockText.h"

#include <QtTest>

using namespace kx;

namespace {

// A start-up record whose speed axis is 1000, 2000, 4000, 5000 rpm in its first four points.
ConfigBlock Record() {
    ConfigBlock b = StartupBlock();
    const uint8_t axis[kAxisPoints] = {10, 20, 40, 50, 60, 70, 80, 90, 100, 110};
    std::copy(std::begin(axis), std::end(axis), b.rpmAdv);
    return b;
}

int At(const ConfigBlock& b, int row, int column) {
    return b.advance[MapIndex(row, column)];
}

void Put(ConfigBlock& b, int row, int column, int degrees) {
    b.advance[MapIndex(row, column)] = uint8_t(degrees);
}

// Every cell outside `range` as it was.
bool OutsideUnchanged(const ConfigBlock& before, const ConfigBlock& after, const CellRange& range) {
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            if (!range.contains(row, column) && At(before, row, column) != At(after, row, column))
                return false;
        }
    }
    ConfigBlock a = after;
    std::copy(std::begin(before.advance), std::end(before.advance), a.advance);
    return a == before; // nothing beyond the map either
}

ConfigBlock WithKnee(uint8_t degrees) {
    ConfigBlock b = StartupBlock();
    b.advance[0] = degrees;
    return b;
}

} // namespace

class CellBlocksTest : public QObject {
    Q_OBJECT

  private slots:
    void raiseSetAndScaleStopAtTheEditorsLimits();
    void interpolationFollowsTheAxes();
    void bilinearBetweenTheFourCorners();
    void oneCellWideLeavesTheLine();
    void smoothingUsesOnlyTheBlock();
    void putValuesCountsWhatItClamped();

    void spreadsheetTextIsRead_data();
    void spreadsheetTextIsRead();
    void badTextIsRefused_data();
    void badTextIsRefused();
    void copiedTextReadsBack();

    void undoAndRedoWalkTheStates();
    void historyForgetsTheOldestBeyondItsLimit();
};

void CellBlocksTest::raiseSetAndScaleStopAtTheEditorsLimits() {
    ConfigBlock b = Record();
    Put(b, 9, 0, 59);
    Put(b, 9, 1, 60);
    Put(b, 9, 2, 0);
    Put(b, 9, 3, 41);
    const CellRange row9{9, 0, 9, 3};
    const ConfigBlock before = b;

    RaiseBlock(b, row9, 5);
    QCOMPARE((std::vector<int>{At(b, 9, 0), At(b, 9, 1), At(b, 9, 2)}),
             (std::vector<int>{60, 60, 5}));
    QVERIFY(OutsideUnchanged(before, b, row9));
    RaiseBlock(b, row9, -7);
    QCOMPARE((std::vector<int>{At(b, 9, 0), At(b, 9, 1), At(b, 9, 2)}),
             (std::vector<int>{53, 53, 0}));

    b = before;
    ScaleBlock(b, row9, 150); // 59 × 1.5 and 60 × 1.5 stop at 60; 41 × 1.5 = 61.5 too
    QCOMPARE((std::vector<int>{At(b, 9, 0), At(b, 9, 1), At(b, 9, 2), At(b, 9, 3)}),
             (std::vector<int>{60, 60, 0, 60}));
    b = before;
    ScaleBlock(b, row9, 50); // 29.5 and 20.5 round away from zero
    QCOMPARE((std::vector<int>{At(b, 9, 0), At(b, 9, 1), At(b, 9, 2), At(b, 9, 3)}),
             (std::vector<int>{30, 30, 0, 21}));

    SetBlock(b, row9, 99);
    QCOMPARE(At(b, 9, 3), 60);
    SetBlock(b, row9, -3);
    QCOMPARE(At(b, 9, 0), 0);
    QVERIFY(OutsideUnchanged(before, b, row9));
}

void CellBlocksTest::interpolationFollowsTheAxes() {
    ConfigBlock b = Record();
    Put(b, 9, 0, 10);
    Put(b, 9, 3, 40);
    const ConfigBlock before = b;
    const CellRange speeds{9, 0, 9, 3};
    InterpolateBlock(b, speeds, Interpolation::AlongRows);
    // 2000 rpm lies a quarter of the way from 1000 to 5000: 17.5; 4000 three quarters: 32.5.
    QCOMPARE((std::vector<int>{At(b, 9, 0), At(b, 9, 1), At(b, 9, 2), At(b, 9, 3)}),
             (std::vector<int>{10, 18, 33, 40}));
    QVERIFY(OutsideUnchanged(before, b, speeds));

    b = Record();
    Put(b, 0, 2, 0);
    Put(b, 9, 2, 50);
    const CellRange throttle{0, 2, 9, 2};
    InterpolateBlock(b, throttle, Interpolation::AlongColumns);
    // The rows stand at 0, 2, 5, 10, 20, 30, 40, 60, 80 and 100 % throttle.
    std::vector<int> column;
    for (int row = 0; row < kMapRows; ++row)
        column.push_back(At(b, row, 2));
    QCOMPARE(column, (std::vector<int>{0, 1, 3, 5, 10, 15, 20, 30, 40, 50}));

    // An axis that does not rise is taken as evenly spaced, never divided by nothing.
    b = Record();
    std::fill(std::begin(b.rpmAdv), std::end(b.rpmAdv), uint8_t(30));
    Put(b, 9, 0, 0);
    Put(b, 9, 4, 40);
    InterpolateBlock(b, {9, 0, 9, 4}, Interpolation::AlongRows);
    QCOMPARE((std::vector<int>{At(b, 9, 1), At(b, 9, 2), At(b, 9, 3)}),
             (std::vector<int>{10, 20, 30}));
}

void CellBlocksTest::bilinearBetweenTheFourCorners() {
    ConfigBlock b = Record(); // columns 0..2 at 1000, 2000 and 4000 rpm
    Put(b, 7, 0, 10);
    Put(b, 7, 2, 40);
    Put(b, 9, 0, 30);
    Put(b, 9, 2, 60);
    const CellRange block{7, 0, 9, 2};
    const ConfigBlock before = b;
    InterpolateBlock(b, block, Interpolation::Both);
    // Column 1 is a third of the way (2000 between 1000 and 4000); row 8 (80 %) halfway
    // between 60 % and 100 %. Top edge 20, bottom edge 40, the middle 30.
    QCOMPARE(At(b, 7, 1), 20);
    QCOMPARE(At(b, 9, 1), 40);
    QCOMPARE(At(b, 8, 0), 20);
    QCOMPARE(At(b, 8, 1), 30);
    QCOMPARE(At(b, 8, 2), 50);
    QCOMPARE(At(b, 7, 0), 10); // the corners stay
    QCOMPARE(At(b, 9, 2), 60);
    QVERIFY(OutsideUnchanged(before, b, block));
}

void CellBlocksTest::oneCellWideLeavesTheLine() {
    ConfigBlock b = Record();
    Put(b, 4, 4, 17);
    Put(b, 5, 4, 3);
    const ConfigBlock before = b;
    InterpolateBlock(b, {4, 4, 5, 4}, Interpolation::AlongRows);
    InterpolateBlock(b, {4, 4, 4, 9}, Interpolation::AlongColumns);
    InterpolateBlock(b, {4, 4, 4, 4}, Interpolation::Both);
    QVERIFY(b == before);
}

void CellBlocksTest::smoothingUsesOnlyTheBlock() {
    ConfigBlock b = Record();
    Put(b, 9, 0, 0);
    Put(b, 9, 1, 30);
    Put(b, 9, 2, 60);
    Put(b, 8, 1, 60); // above the block: not a neighbour
    const CellRange row9{9, 0, 9, 2};
    const ConfigBlock before = b;
    SmoothBlock(b, row9);
    // Each from the values before: (0 + 30) / 2, (0 + 30 + 60) / 3, (30 + 60) / 2.
    QCOMPARE((std::vector<int>{At(b, 9, 0), At(b, 9, 1), At(b, 9, 2)}),
             (std::vector<int>{15, 30, 45}));
    QVERIFY(OutsideUnchanged(before, b, row9));

    b = before;
    Put(b, 8, 0, 0);
    SmoothBlock(b, {8, 0, 9, 1}); // 2 × 2: every cell the mean of all four, 22.5 rounds up
    QCOMPARE((std::vector<int>{At(b, 8, 0), At(b, 8, 1), At(b, 9, 0), At(b, 9, 1)}),
             (std::vector<int>{23, 23, 23, 23}));
}

void CellBlocksTest::putValuesCountsWhatItClamped() {
    ConfigBlock b = Record();
    const ConfigBlock before = b;
    const int clamped = PutBlockValues(b, 8, 8, {{1, 61}, {-4, 60}});
    QCOMPARE(clamped, 2);
    QCOMPARE((std::vector<int>{At(b, 8, 8), At(b, 8, 9), At(b, 9, 8), At(b, 9, 9)}),
             (std::vector<int>{1, 60, 0, 60}));
    QVERIFY(OutsideUnchanged(before, b, {8, 8, 9, 9}));
    QCOMPARE(BlockValues(b, {8, 8, 9, 9}), (ValueGrid{{1, 60}, {0, 60}}));
}

void CellBlocksTest::spreadsheetTextIsRead_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ValueGrid>("values");
    QTest::newRow("LibreOffice") << QByteArray("12\t13\n14\t15\n") << ValueGrid{{12, 13}, {14, 15}};
    QTest::newRow("Excel CR LF") << QByteArray("1\t2\r\n3\t4\r\n") << ValueGrid{{1, 2}, {3, 4}};
    QTest::newRow("old Mac CR") << QByteArray("1\r2") << ValueGrid{{1}, {2}};
    QTest::newRow("trailing tab") << QByteArray("1\t2\t\r\n3\t4\t\r\n")
                                  << ValueGrid{{1, 2}, {3, 4}};
    QTest::newRow("decimal comma and point")
        << QByteArray("12,5\t13.4\t-2,5\t0,49") << ValueGrid{{13, 13, -3, 0}};
    QTest::newRow("spaces and quotes") << QByteArray(" \"12\" \t 13 \n") << ValueGrid{{12, 13}};
    QTest::newRow("one value, no line end") << QByteArray("33") << ValueGrid{{33}};
    QTest::newRow("far out of range")
        << QByteArray("99999999999999\t+7") << ValueGrid{{std::numeric_limits<int>::max() / 2, 7}};
}

void CellBlocksTest::spreadsheetTextIsRead() {
    QFETCH(QByteArray, text);
    QFETCH(ValueGrid, values);
    const ParsedBlock parsed = ParseBlockText(text.toStdString());
    QCOMPARE(int(parsed.fault), int(ParsedBlock::Fault::None));
    QCOMPARE(parsed.values, values);
}

void CellBlocksTest::badTextIsRefused_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QByteArray>("field");
    const int notANumber = int(ParsedBlock::Fault::NotANumber);
    QTest::newRow("word") << QByteArray("12\tabc\n") << notANumber << 1 << 2 << QByteArray("abc");
    QTest::newRow("unit sign") << QByteArray("1\t2\n3\t4\u00B0") << notANumber << 2 << 2
                               << QByteArray("4\u00B0");
    QTest::newRow("exponent") << QByteArray("1e3") << notANumber << 1 << 1 << QByteArray("1e3");
    QTest::newRow("two commas") << QByteArray("1,2,3") << notANumber << 1 << 1
                                << QByteArray("1,2,3");
    QTest::newRow("empty cell") << QByteArray("1\t\t3") << notANumber << 1 << 2 << QByteArray();
    QTest::newRow("blank line inside")
        << QByteArray("1\n\n2") << notANumber << 2 << 1 << QByteArray();
    QTest::newRow("sign alone") << QByteArray("-") << notANumber << 1 << 1 << QByteArray("-");
    QTest::newRow("ragged") << QByteArray("1\t2\n3\n") << int(ParsedBlock::Fault::Ragged) << 0 << 0
                            << QByteArray();
    QTest::newRow("nothing") << QByteArray("") << int(ParsedBlock::Fault::Empty) << 0 << 0
                             << QByteArray();
    QTest::newRow("line ends only")
        << QByteArray("\r\n\r\n") << int(ParsedBlock::Fault::Empty) << 0 << 0 << QByteArray();
}

void CellBlocksTest::badTextIsRefused() {
    QFETCH(QByteArray, text);
    QFETCH(int, fault);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QByteArray, field);
    const ParsedBlock parsed = ParseBlockText(text.toStdString());
    QCOMPARE(int(parsed.fault), fault);
    QVERIFY(parsed.values.empty());
    QCOMPARE(parsed.row, row);
    QCOMPARE(parsed.column, column);
    QCOMPARE(QByteArray::fromStdString(parsed.field), field);
}

void CellBlocksTest::copiedTextReadsBack() {
    const ConfigBlock b = StartupBlock();
    const ValueGrid values = BlockValues(b, {0, 0, 9, 9});
    const std::string windows = FormatBlockText(values, "\r\n");
    QCOMPARE(FormatBlockText({{1, 22}, {3, 4}}, "\r\n"), std::string("1\t22\r\n3\t4\r\n"));
    QCOMPARE(ParseBlockText(windows).values, values);
    QCOMPARE(ParseBlockText(FormatBlockText(values, "\n")).values, values);
}

void CellBlocksTest::undoAndRedoWalkTheStates() {
    RecordHistory history;
    const ConfigBlock a = WithKnee(1), b = WithKnee(2), c = WithKnee(3), d = WithKnee(4);
    history.Reset(a);
    QVERIFY(!history.undoKind());
    QVERIFY(!history.Undo());
    QVERIFY(history.Commit(b, ChangeKind::Edit));
    QVERIFY(!history.Commit(b, ChangeKind::Paste)); // no change, no step
    QVERIFY(history.Commit(c, ChangeKind::Paste));
    QCOMPARE(int(*history.undoKind()), int(ChangeKind::Paste));

    QVERIFY(*history.Undo() == b);
    QCOMPARE(int(*history.redoKind()), int(ChangeKind::Paste));
    QCOMPARE(int(*history.undoKind()), int(ChangeKind::Edit));
    QVERIFY(*history.Undo() == a);
    QVERIFY(!history.Undo());
    QVERIFY(*history.Redo() == b);
    QVERIFY(*history.Redo() == c);
    QVERIFY(!history.Redo());

    history.Undo();
    QVERIFY(history.Commit(d, ChangeKind::Open)); // a new change ends what could be redone
    QCOMPARE(history.redoCount(), size_t(0));
    QVERIFY(*history.Undo() == b);

    // A restored record that came back normalised: no step of its own.
    history.Rebase(c);
    QCOMPARE(history.undoCount(), size_t(1));
    QVERIFY(history.current() == c);
    QVERIFY(*history.Redo() == d);
    QVERIFY(*history.Undo() == c);
}

void CellBlocksTest::historyForgetsTheOldestBeyondItsLimit() {
    RecordHistory history(3);
    history.Reset(WithKnee(0));
    for (uint8_t degrees = 1; degrees <= 5; ++degrees)
        history.Commit(WithKnee(degrees), ChangeKind::Raise);
    QCOMPARE(history.undoCount(), size_t(3));
    QVERIFY(*history.Undo() == WithKnee(4));
    QVERIFY(*history.Undo() == WithKnee(3));
    QVERIFY(*history.Undo() == WithKnee(2));
    QVERIFY(!history.Undo());
    QCOMPARE(history.redoCount(), size_t(3));
    QVERIFY(*history.Redo() == WithKnee(3));
}

QTEST_APPLESS_MAIN(CellBlocksTest)
#include "test_cell_blocks.moc"
