#include "config/ConfigBlock.h"
#include "store/UnitHistory.h"

#include <QtTest>

#include <cstddef>
#include <string>
#include <vector>

using namespace kx;

class UnitHistoryTest : public QObject {
    Q_OBJECT

  private slots:
    void entriesReadBackAsWritten();
    void damagedLinesAreSkippedAndCounted();
    void foreignTextsGiveNoEntries();
    void fileNamesStayInsideTheFolder();
    void changesBetweenRecords();
};

namespace {

HistoryEntry Entry(const std::string& file) {
    HistoryEntry entry;
    entry.file = file;
    entry.time = "2026-03-07 09:05:12";
    entry.firmware = "KXF23";
    entry.firmwareDate = " 7. 3.2006";
    entry.firmwareTime = "09:05";
    entry.programCount = 17;
    return entry;
}

std::string Header() {
    return FormatHistoryIndex({});
}

// The entry's line in the index, with its line end.
std::string Line(const HistoryEntry& entry) {
    return FormatHistoryIndex({entry}).substr(Header().size());
}

// The entry's line with one field replaced by `value`, written as it stands.
std::string LineWith(const HistoryEntry& entry, std::size_t field, const std::string& value) {
    std::string line = Line(entry);
    line.pop_back();
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    fields.at(field) = value;
    std::string text;
    for (const std::string& f : fields)
        text += (text.empty() ? "" : "\t") + f;
    return text + '\n';
}

} // namespace

void UnitHistoryTest::entriesReadBackAsWritten() {
    const HistoryEntry plain = Entry("20260307-090512-001-read.ign");
    HistoryEntry awkward = Entry("b.ign");
    awkward.action = HistoryAction::Program;
    awkward.firmware = "KX\tFLAM3\nv2\\3\r";
    awkward.firmwareDate = "\\t is no tab";
    awkward.firmwareTime = "";
    awkward.openFile = "C:\\Motorräder\\Ölkühler 750 ccm — Sommer.ign";
    awkward.programCount = -1;
    HistoryEntry nudge = Entry("c-2.ign");
    nudge.action = HistoryAction::Program;
    nudge.nudge = true;
    nudge.rpm = 65535;
    nudge.tpsPercent = 100;
    nudge.programCount = 65535;
    nudge.changes = {{0, 0, 255}, {199, 255, 0}, {123, 40, 41}};
    const std::vector<HistoryEntry> entries{plain, awkward, nudge};

    const std::string text = FormatHistoryIndex(entries);
    QCOMPARE(std::count(text.begin(), text.end(), '\n'), std::ptrdiff_t(entries.size() + 1));
    const HistoryIndex index = ParseHistoryIndex(text);
    QCOMPARE(index.skippedLines, 0);
    QVERIFY(index.entries == entries);

    // Written in text mode on Windows, every line ends in CR LF.
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const HistoryIndex fromWindows = ParseHistoryIndex(crlf);
    QCOMPARE(fromWindows.skippedLines, 0);
    QVERIFY(fromWindows.entries == entries);

    const HistoryIndex none = ParseHistoryIndex(Header());
    QVERIFY(none.entries.empty());
    QCOMPARE(none.skippedLines, 0);
}

void UnitHistoryTest::damagedLinesAreSkippedAndCounted() {
    const HistoryEntry first = Entry("a.ign");
    HistoryEntry last = Entry("z.ign");
    last.action = HistoryAction::Program;
    last.nudge = true;
    last.changes = {{12, 100, 120}};
    const std::vector<HistoryEntry> good{first, last};

    std::string withExtraField = Line(first);
    withExtraField.insert(withExtraField.size() - 1, "\t");
    const std::string damaged[] = {
        "\n",
        "a.ign\t2026-03-07 09:05:12\tread\n",
        withExtraField,
        LineWith(first, 0, "../x.ign"),
        LineWith(first, 0, "x\\t.ign"),
        LineWith(first, 1, ""),
        LineWith(first, 2, "write"),
        LineWith(first, 2, "Read"),
        LineWith(first, 3, ""),
        LineWith(first, 3, "12a"),
        LineWith(first, 3, " 12"),
        LineWith(first, 3, "+12"),
        LineWith(first, 3, "-2"),
        LineWith(first, 3, "65536"),
        LineWith(first, 3, std::string("12\0x", 4)),
        LineWith(first, 3, "99999999999999999999"),
        LineWith(first, 3, "-"),
        LineWith(first, 8, "2"),
        LineWith(first, 9, "-1"),
        LineWith(first, 10, "256"),
        LineWith(first, 11, "200:1:2"),
        LineWith(first, 11, "-1:1:2"),
        LineWith(first, 11, "5:256:2"),
        LineWith(first, 11, "5:1:2:3"),
        LineWith(first, 11, "5:1"),
        LineWith(first, 11, "5:1:2,"),
        LineWith(first, 11, ",5:1:2"),
        LineWith(first, 11, "x:1:2"),
        LineWith(first, 4, "KX\\qF"),
        LineWith(first, 7, "file\\"),
    };
    for (const std::string& line : damaged) {
        const HistoryIndex index = ParseHistoryIndex(Header() + Line(first) + line + Line(last));
        QVERIFY2(index.entries == good, line.c_str());
        QVERIFY2(index.skippedLines == 1, line.c_str());
    }

    std::string all = Header();
    for (const std::string& line : damaged)
        all += line + Line(first);
    const HistoryIndex index = ParseHistoryIndex(all);
    QCOMPARE(index.skippedLines, int(std::size(damaged)));
    QCOMPARE(index.entries.size(), std::size(damaged));

    // A write cut short anywhere in the last line, even where what is left would still read
    // (the last change's byte "120" cut to "12"), lists what came before it and no more.
    const std::string lastLine = Line(last);
    for (std::size_t cut = 1; cut < lastLine.size(); ++cut) {
        const HistoryIndex cutOff =
            ParseHistoryIndex(Header() + Line(first) + lastLine.substr(0, cut));
        QVERIFY2(cutOff.entries == std::vector<HistoryEntry>{first}, std::to_string(cut).c_str());
        QCOMPARE(cutOff.skippedLines, 1);
    }
}

void UnitHistoryTest::foreignTextsGiveNoEntries() {
    const std::string entry = Line(Entry("a.ign"));
    const HistoryIndex empty = ParseHistoryIndex("");
    QVERIFY(empty.entries.empty());
    QCOMPARE(empty.skippedLines, 0);

    const HistoryIndex headless = ParseHistoryIndex(entry + entry);
    QVERIFY(headless.entries.empty());
    QCOMPARE(headless.skippedLines, 2);

    std::string newer = Header() + entry;
    newer[newer.find('\n') - 1] = '2';
    const HistoryIndex fromNewer = ParseHistoryIndex(newer);
    QVERIFY(fromNewer.entries.empty());
    QCOMPARE(fromNewer.skippedLines, 2);

    const HistoryIndex text = ParseHistoryIndex("Some notes\nabout the bike\n");
    QVERIFY(text.entries.empty());
    QCOMPARE(text.skippedLines, 2);
    // An editor's byte-order mark leaves the index ours.
    const HistoryIndex marked = ParseHistoryIndex("\xEF\xBB\xBF" + Header() + entry);
    QCOMPARE(marked.entries.size(), size_t(1));
    QVERIFY(!marked.foreign);
}

void UnitHistoryTest::fileNamesStayInsideTheFolder() {
    for (const char* name : {"a.ign", "20260307-090512-001-program-2.ign", "A_b-9.ign"})
        QVERIFY2(IsHistoryFileName(name), name);
    const std::string refused[] = {"",
                                   ".ign",
                                   "a.IGN",
                                   "a.ign.txt",
                                   "a",
                                   "a.txt",
                                   "../x.ign",
                                   "..ign",
                                   "...ign",
                                   "sub/a.ign",
                                   "sub\\a.ign",
                                   "/a.ign",
                                   "C:a.ign",
                                   "a b.ign",
                                   " a.ign",
                                   "a.b.ign",
                                   "ä.ign",
                                   std::string("a\0.ign", 6),
                                   std::string(77, 'a') + ".ign"};
    for (const std::string& name : refused)
        QVERIFY2(!IsHistoryFileName(name), name.c_str());
    QVERIFY(IsHistoryFileName(std::string(76, 'a') + ".ign"));
}

void UnitHistoryTest::changesBetweenRecords() {
    const ConfigBlock before = StartupBlock();
    QVERIFY(ChangedBytes(before, before).empty());

    ConfigBlock after = before;
    after.bike = 3;
    after.reserved54[3] = 0x99; // an image byte no editor shows still counts
    after.advance[99] = uint8_t(before.advance[99] + 1);
    for (uint8_t& spare : after.spare)
        spare = uint8_t(~spare);
    const int lastCell = int(offsetof(ConfigBlock, advance)) + 99;
    QCOMPARE(lastCell, kImageSize - 1);
    const std::vector<ChangedByte> changes = ChangedBytes(before, after);
    const std::vector<ChangedByte> expected{
        {0, before.bike, 3},
        {int(offsetof(ConfigBlock, reserved54)) + 3, before.reserved54[3], 0x99},
        {lastCell, before.advance[99], after.advance[99]}};
    QVERIFY(changes == expected);

    // Over a record the spare bytes of which differ, only the changed bytes move.
    ConfigBlock base = before;
    base.spare[2] = 0x55;
    base.limiter = 120;
    ConfigBlock forward = after;
    std::copy(std::begin(base.spare), std::end(base.spare), std::begin(forward.spare));
    forward.limiter = 120;
    QVERIFY(WithChanges(base, changes, true) == forward);
    QVERIFY(WithChanges(forward, changes, false) == base);
    QVERIFY(WithChanges(base, {}, true) == base);
    // Changes from a damaged index cannot reach past the image.
    QVERIFY(WithChanges(base, {{-1, 0, 1}, {kImageSize, 0, 1}, {kRecordSize, 0, 1}}, true) == base);
}

QTEST_APPLESS_MAIN(UnitHistoryTest)
#include "test_unit_history.moc"
