#include "config/ConfigBlock.h"
#include "store/ConfigFile.h"
#include "store/UnitHistory.h"
#include "store/qt/HistoryFolder.h"

#include <QtTest>

#include <sstream>
#include <string>
#include <vector>

using namespace kx;

class HistoryFolderTest : public QObject {
    Q_OBJECT

  private slots:
    void addKeepsTheRecordAndListsIt();
    void limitDropsTheOldestWithTheirFiles();
    void failedWritesListNothing();
    void listingCountsWhatItCannotList();
};

namespace {

const QDateTime kWhen(QDate(2026, 3, 7), QTime(9, 5, 12, 345));

HistoryEntry Unit(HistoryAction action) {
    HistoryEntry entry;
    entry.action = action;
    entry.firmware = "KXF23";
    entry.firmwareDate = " 7. 3.2006";
    entry.firmwareTime = "09:05";
    entry.programCount = 4;
    entry.openFile = "/home/rider/750.ign";
    return entry;
}

// A record that differs from the start-up one in fields the file carries.
ConfigBlock Edited(int seed) {
    ConfigBlock record = StartupBlock();
    record.baseAdv = uint8_t(5 + seed);
    record.advance[42] = uint8_t(20 + seed);
    record.limiter = 120;
    return record;
}

void WriteFile(const QString& path, const std::string& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(text.data(), qint64(text.size())), qint64(text.size()));
}

std::string ConfigText(const ConfigBlock& record) {
    std::ostringstream out;
    WriteConfigFile(out, record);
    return out.str();
}

QStringList Files(const QString& folder) {
    return QDir(folder).entryList({"*.ign"}, QDir::Files, QDir::Name);
}

} // namespace

void HistoryFolderTest::addKeepsTheRecordAndListsIt() {
    QTemporaryDir temporary;
    const QString path = temporary.path() + "/not/yet/there";
    const HistoryFolder folder(path);
    const ConfigBlock record = Edited(1);

    const auto read = folder.Add(Unit(HistoryAction::Read), record, kWhen);
    QVERIFY(read);
    QCOMPARE(read->file, std::string("20260307-090512-345-read.ign"));
    QCOMPARE(read->time, std::string("2026-03-07 09:05:12"));
    QCOMPARE(read->firmware, std::string("KXF23"));
    QCOMPARE(read->programCount, 4);
    QCOMPARE(folder.Record(*read, StartupBlock()), std::optional<ConfigBlock>(record));
    QFile index(path + "/index.txt");
    QVERIFY(index.open(QIODevice::ReadOnly));
    QVERIFY(ParseHistoryIndex(index.readAll().toStdString()).entries ==
            std::vector<HistoryEntry>{*read});

    // Exchanges ending within one millisecond each keep a file of their own.
    const auto program = folder.Add(Unit(HistoryAction::Program), Edited(2), kWhen);
    const auto again = folder.Add(Unit(HistoryAction::Program), Edited(3), kWhen);
    const auto third = folder.Add(Unit(HistoryAction::Program), Edited(4), kWhen);
    QVERIFY(program && again && third);
    QCOMPARE(program->file, std::string("20260307-090512-345-program.ign"));
    QVERIFY(again->file != program->file && third->file != again->file &&
            third->file != program->file);
    QVERIFY(IsHistoryFileName(again->file) && IsHistoryFileName(third->file));
    QCOMPARE(folder.Record(*again, StartupBlock()), std::optional<ConfigBlock>(Edited(3)));
    QCOMPARE(folder.Record(*third, StartupBlock()), std::optional<ConfigBlock>(Edited(4)));

    const HistoryListing listing = folder.List();
    QVERIFY(listing.entries == (std::vector<HistoryEntry>{*read, *program, *again, *third}));
    QCOMPARE(listing.skipped, 0);
    QCOMPARE(listing.foreign, 0);
    QCOMPARE(Files(path).size(), 4);
}

void HistoryFolderTest::limitDropsTheOldestWithTheirFiles() {
    QTemporaryDir temporary;
    const HistoryFolder folder(temporary.path(), 3);
    std::vector<HistoryEntry> added;
    for (int i = 0; i < 5; ++i) {
        const auto entry = folder.Add(Unit(HistoryAction::Read), Edited(i), kWhen.addSecs(i));
        QVERIFY(entry);
        added.push_back(*entry);
    }
    const HistoryListing listing = folder.List();
    QVERIFY(listing.entries == std::vector<HistoryEntry>(added.begin() + 2, added.end()));
    QCOMPARE(listing.foreign, 0);
    QStringList kept;
    for (auto it = added.begin() + 2; it != added.end(); ++it)
        kept << QString::fromStdString(it->file);
    QCOMPARE(Files(temporary.path()), kept);

    // An index edited by hand may list one file twice; dropping the older line keeps the file
    // the newer one still lists.
    QTemporaryDir edited;
    HistoryEntry twice = Unit(HistoryAction::Read);
    twice.file = "twice.ign";
    twice.time = "2026-03-01 10:00:00";
    WriteFile(edited.path() + "/index.txt", FormatHistoryIndex({twice, twice}));
    WriteFile(edited.path() + "/twice.ign", ConfigText(Edited(7)));
    const HistoryFolder small(edited.path(), 2);
    QVERIFY(small.Add(Unit(HistoryAction::Program), Edited(8), kWhen));
    QCOMPARE(small.Record(twice, StartupBlock()), std::optional<ConfigBlock>(Edited(7)));
    QCOMPARE(small.List().entries.size(), size_t(2));
}

void HistoryFolderTest::failedWritesListNothing() {
    QTemporaryDir temporary;
    // Under a regular file no folder can be made, even by root.
    WriteFile(temporary.path() + "/plain", "not a folder");
    const HistoryFolder blocked(temporary.path() + "/plain/history");
    QVERIFY(!blocked.Add(Unit(HistoryAction::Read), Edited(1), kWhen));
    QVERIFY(!QFileInfo::exists(blocked.folder() + "/index.txt"));
    const HistoryListing none = blocked.List();
    QVERIFY(none.entries.empty());
    QCOMPARE(none.skipped, 0);
    QCOMPARE(none.foreign, 0);

    // The configuration file is written, the index cannot be: no file is left unlisted.
    QVERIFY(QDir(temporary.path()).mkpath("half/index.txt"));
    const HistoryFolder half(temporary.path() + "/half");
    QVERIFY(!half.Add(Unit(HistoryAction::Program), Edited(1), kWhen));
    QVERIFY(Files(half.folder()).isEmpty());
    QCOMPARE(half.List().foreign, 0);

    // An index of another format (a newer one, say) is left as it is rather than replaced.
    QVERIFY(QDir(temporary.path()).mkpath("newer"));
    const std::string newer = "KX_FLAM3_HISTORY\t2\nwhatever comes next\n";
    WriteFile(temporary.path() + "/newer/index.txt", newer);
    const HistoryFolder later(temporary.path() + "/newer");
    QVERIFY(!later.Add(Unit(HistoryAction::Read), Edited(1), kWhen));
    QFile kept(later.folder() + "/index.txt");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll().toStdString(), newer);
    QVERIFY(Files(later.folder()).isEmpty());
}

void HistoryFolderTest::listingCountsWhatItCannotList() {
    QTemporaryDir temporary;
    const QString path = temporary.path() + "/history";
    QVERIFY(QDir().mkpath(path));
    HistoryEntry present = Unit(HistoryAction::Read);
    present.file = "present.ign";
    present.time = "2026-03-01 10:00:00";
    HistoryEntry gone = present;
    gone.file = "gone.ign";
    HistoryEntry garbage = present;
    garbage.file = "garbage.ign";
    // A valid configuration file beside the folder that an index line tries to reach.
    const std::string outside = ConfigText(Edited(9));
    WriteFile(temporary.path() + "/x.ign", outside);
    std::string reaching = FormatHistoryIndex({present});
    reaching = reaching.substr(reaching.find('\n') + 1);
    reaching.replace(0, present.file.size(), "../x.ign");
    WriteFile(path + "/index.txt", FormatHistoryIndex({present, gone, garbage}) + reaching);
    WriteFile(path + "/present.ign", ConfigText(Edited(1)));
    WriteFile(path + "/garbage.ign", "just some notes\n");
    WriteFile(path + "/foreign.ign", ConfigText(Edited(2)));
    WriteFile(path + "/notes.txt", "not a configuration file");

    const HistoryFolder folder(path, 1);
    const HistoryListing listing = folder.List();
    QVERIFY(listing.entries == (std::vector<HistoryEntry>{present, garbage}));
    QCOMPARE(listing.skipped, 2); // the missing file and the line reaching outside
    QCOMPARE(listing.foreign, 1);

    QCOMPARE(folder.Record(present, StartupBlock()), std::optional<ConfigBlock>(Edited(1)));
    QVERIFY(!folder.Record(garbage, StartupBlock()));
    QVERIFY(!folder.Record(gone, StartupBlock()));
    HistoryEntry escaping = present;
    escaping.file = "../x.ign";
    QVERIFY(!folder.Record(escaping, StartupBlock()));

    // Dropping every old entry removes their files, never the one outside nor a foreign one.
    const auto added = folder.Add(Unit(HistoryAction::Read), Edited(3), kWhen);
    QVERIFY(added);
    QCOMPARE(Files(path), QStringList({QString::fromStdString(added->file), "foreign.ign"}));
    QFile kept(temporary.path() + "/x.ign");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll().toStdString(), outside);
}

QTEST_GUILESS_MAIN(HistoryFolderTest)
#include "test_history_folder.moc"
