#include "link/TelegramCsv.h"
#include "link/TelegramLog.h"
#include "support/FormBench.h"
#include "ui/LogViewer.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtTest>

using namespace kx;

namespace {

const QColor kLime(0, 255, 0);

// The window with throttle rows on, so every map cell can be marked.
struct LogBench : FormBench {
    LogBench() {
        state.block.tpsMapa = 1;
        controller.ShowBlock();
    }
    void engineAt(int rpm, int tpsPercent) {
        port.feedReceived(LiveTelegram(rpm, tpsPercent));
        controller.Timer1Timer();
    }
    QStringList markedCells() const {
        QStringList names;
        for (QLineEdit* edit : form.findChildren<QLineEdit*>()) {
            if (edit->palette().color(QPalette::Base) == kLime)
                names.push_back(edit->objectName());
        }
        names.sort();
        return names;
    }
    LogCommands& logs() { return controller.logs(); }
    QString writeFile(const QString& name, const std::string& text) const {
        const QString path = settings.own.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) < 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
};

QStringList LinesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class DataLogTest : public QObject {
    Q_OBJECT

  private slots:
    void everyTelegramBecomesOneRow();
    void aFullDiskStopsTheLogWithOneMessage();
    void theMapFollowsTheViewersCursor();
    void badLogsAreRefusedOrOpenWithTheirGoodRows();
};

void DataLogTest::everyTelegramBecomesOneRow() {
    LogBench bench;
    auto* start = bench.get<QAction>("MenuStartLogging");
    auto* stop = bench.get<QAction>("MenuStopLogging");
    auto* indicator = bench.get<QLabel>("LabelLogging");
    bench.engineAt(3000, 20); // on screen before the start: not logged
    start->trigger();
    QVERIFY(bench.logs().recorder().logging());
    QVERIFY(!start->isEnabled() && stop->isEnabled());
    QCOMPARE(start->shortcut(), stop->shortcut());

    bench.engineAt(1200, 40);
    bench.controller.Timer1Timer(); // a tick without a telegram adds no row
    bench.engineAt(50, 0);          // below the map
    bench.engineAt(9000, 100);
    QVERIFY(indicator->isVisible());
    QVERIFY2(indicator->text().endsWith("rows: 3"), qPrintable(indicator->text()));

    const QString path = bench.logs().recorder().path();
    QVERIFY(path.startsWith(QString::fromUtf8(qgetenv("XDG_DATA_HOME")) + "/kx_flam3/logs/log-"));
    stop->trigger();
    QVERIFY(start->isEnabled() && !stop->isEnabled());
    QVERIFY(indicator->isHidden());

    const QStringList lines = LinesOf(path);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QString::fromStdString(TelegramCsvHeader(true)));
    // The map cell is the one the window marked, counted from 1.
    const TelegramLog log = ParseTelegramLog(lines.join('\n').toStdString() + "\n");
    QCOMPARE(log.size(), size_t(3));
    QCOMPARE(log.rpm, (std::vector<int32_t>{1200, 50, 9000}));
    QCOMPARE(log.mapColumn[1], int8_t(-1));
    QVERIFY(lines[2].endsWith(",,"));
    QCOMPARE(int(log.mapRow[2]), kMapRows - 1);
    QVERIFY(log.timeMs[0] <= log.timeMs[2]);
}

void DataLogTest::aFullDiskStopsTheLogWithOneMessage() {
#ifndef Q_OS_LINUX
    QSKIP("needs /dev/full");
#endif
    LogBench bench;
    QVERIFY(bench.logs().StartLoggingTo("/dev/full"));
    // The rows collect in the file's buffer until it is full or the flush refuses them.
    for (int tick = 0; tick < 2000 && bench.logs().recorder().logging(); ++tick)
        bench.engineAt(3000, 20);
    QVERIFY(!bench.logs().recorder().logging());
    QCOMPARE(bench.dialogs.messages.size(), size_t(1));
    QVERIFY(bench.dialogs.messages[0].find("/dev/full") != std::string::npos);
    QVERIFY(bench.get<QAction>("MenuStartLogging")->isEnabled());
    bench.engineAt(3000, 20); // the window runs on, with no second message
    QCOMPARE(bench.dialogs.messages.size(), size_t(1));

    const QString plainFile = bench.writeFile("plain.txt", "x");
    QVERIFY(!bench.logs().StartLoggingTo(plainFile + "/log.csv"));
    QCOMPARE(bench.dialogs.messages.size(), size_t(2));
}

void DataLogTest::theMapFollowsTheViewersCursor() {
    // What the live marking marks for two points of the engine...
    LogBench bench;
    bench.engineAt(2000, 30);
    const QStringList firstLive = bench.markedCells();
    bench.engineAt(8000, 80);
    const QStringList secondLive = bench.markedCells();
    QVERIFY(!firstLive.isEmpty() && firstLive != secondLive);

    // ...is what a replay of a log without cells (the command line's) marks for the same values.
    MonitorTelegram telegram;
    std::string text = TelegramCsvHeader(false) + "\n";
    for (const auto& [time, rpm, tps] : {std::tuple{0, 2000, 30}, {1000, 8000, 80}}) {
        telegram.rpm = uint16_t(rpm);
        telegram.tpsPercent = uint8_t(tps);
        text += TelegramCsvRow(time, telegram, std::nullopt) + "\n";
    }
    QVERIFY(bench.logs().OpenLog(bench.writeFile("cli.csv", text)));
    LogViewer* viewer = bench.logs().viewer();
    bench.controller.Timer1Timer();
    QCOMPARE(bench.markedCells(), firstLive);
    viewer->SetCursorRow(1);
    bench.controller.Timer1Timer();
    QCOMPARE(bench.markedCells(), secondLive);
    // Throttle rows switched off under the open viewer: the replayed cell and the dwell map go
    // to the one row shown at the next tick, as the engine's cell would; and back.
    bench.get<QCheckBox>("CheckBoxTpsMapa")->click();
    bench.controller.Timer1Timer();
    QCOMPARE(bench.markedCells().size(), secondLive.size());
    QVERIFY(bench.markedCells() != secondLive);
    const OperatingPoint first = TrackOperatingPoint(bench.state.block, 2000, 30, false);
    QCOMPARE(viewer->dwell().ms(MapIndex(first.tpsRow, first.rpmColumn)), uint32_t(1000));
    bench.get<QCheckBox>("CheckBoxTpsMapa")->click();
    bench.controller.Timer1Timer();
    QCOMPARE(bench.markedCells(), secondLive);
    // Advance + steps the cell the map marks, not the one the engine runs in.
    bench.engineAt(2000, 30);
    const ConfigBlock before = bench.state.block;
    bench.get<QAction>("AdvancePlus")->trigger();
    const OperatingPoint replayed = TrackOperatingPoint(before, 8000, 80, true);
    const int stepped = MapIndex(replayed.tpsRow, replayed.rpmColumn);
    QCOMPARE(bench.state.block.advance[stepped], uint8_t(before.advance[stepped] + 1));
    const OperatingPoint live = TrackOperatingPoint(before, 2000, 30, true);
    const int engineCell = MapIndex(live.tpsRow, live.rpmColumn);
    QCOMPARE(bench.state.block.advance[engineCell], before.advance[engineCell]);

    // The window's own log replays the cell it logged.
    bench.get<QAction>("MenuStartLogging")->trigger();
    bench.engineAt(2000, 30);
    bench.get<QAction>("MenuStopLogging")->trigger();
    viewer->close();
    bench.engineAt(8000, 80);
    QCOMPARE(bench.markedCells(), secondLive); // closed: the engine again
    QVERIFY(bench.logs().OpenLog(bench.logs().recorder().path()));
    bench.controller.Timer1Timer();
    QCOMPARE(bench.markedCells(), firstLive);

    // Without throttle rows on screen the replay stays in the one row shown, as the engine's does.
    bench.logs().viewer()->close();
    bench.state.block.tpsMapa = 0;
    bench.controller.ShowBlock();
    bench.engineAt(2000, 30);
    const QStringList oneRowLive = bench.markedCells();
    bench.engineAt(8000, 80);
    QVERIFY(bench.logs().OpenLog(bench.logs().recorder().path()));
    bench.controller.Timer1Timer();
    QCOMPARE(bench.markedCells(), oneRowLive);
}

void DataLogTest::badLogsAreRefusedOrOpenWithTheirGoodRows() {
    LogBench bench;
    QVERIFY(!bench.logs().OpenLog(bench.settings.own.filePath("missing.csv")));
    QVERIFY(!bench.logs().OpenLog(bench.writeFile("other.csv", "date,price\n1,2\n")));
    QCOMPARE(bench.dialogs.messages.size(), size_t(2));
    QVERIFY(bench.dialogs.messages[1].find("is not a log") != std::string::npos);
    QVERIFY(!bench.logs().viewer());

    MonitorTelegram telegram;
    const std::string text = TelegramCsvHeader(true) + "\n" +
                             TelegramCsvRow(0, telegram, OperatingPoint{}) + "\njunk\n" +
                             TelegramCsvRow(5, telegram, OperatingPoint{}) + "\n1";
    QVERIFY(bench.logs().OpenLog(bench.writeFile("cut.csv", text)));
    QCOMPARE(bench.logs().viewer()->log().size(), size_t(2));
    auto* skipped = bench.logs().viewer()->findChild<QLabel*>("LogSkipped");
    QVERIFY(skipped && skipped->text().contains("2"));

    // The log on the command line opens once the window is up.
    TFormHlav form;
    FakeSerialPort port;
    RecordingDialogs dialogs;
    FormState state;
    FormController controller(form, state, port, dialogs,
                              {"--log", bench.settings.own.filePath("cut.csv")});
    controller.FormCreate();
    QCoreApplication::processEvents();
    QVERIFY(controller.logs().viewer() && controller.logs().viewer()->isVisible());
    QVERIFY(dialogs.messages.empty());
}

QTEST_MAIN(DataLogTest)
#include "test_data_log.moc"
