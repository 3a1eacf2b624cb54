#include "link/TelegramCsv.h"
#include "link/TelegramLog.h"

#include <QtTest>

#include <algorithm>
#include <string>

using namespace kx;

class TelegramLogTest : public QObject {
    Q_OBJECT

  private slots:
    void writerColumns();
    void readerKeepsTheRowsOfEveryKindOfLog();
    void readerCountsWhatIsNoGoodRow();
    void dwellAndRowSearch();
};

namespace {

// Written out rather than taken from the writer: the command-line monitor's files must not change.
const std::string kCliHeader =
    "time_ms,rpm,tps_percent,tps_mv,supply_mv,advance1,advance2,advance_limit1,advance_limit2,"
    "servo_desired_mv,servo_measured_mv,program_count,save_countdown,unit_version,kill_switch,"
    "retard,start_limiter,clutch,pilot_light,pickup1_running,pickup2_running,rpm_alarm,"
    "rpm_warning,motor_off,servo_ok,input1_grounded,input2_grounded,eeprom_error";

MonitorTelegram Running(uint16_t rpm) {
    MonitorTelegram t;
    t.rpm = rpm;
    t.tpsPercent = 37;
    t.tpsRaw = 1023;
    t.supplyMv = 13800;
    t.outputAdvance[1] = 132;
    t.advanceLimit[0] = 35;
    t.servoDesiredRaw = 512;
    t.servoMeasuredRaw = 100;
    t.programCount = 7;
    t.saveCountdown = 3;
    t.unitVersion = 50;
    t.killSwitchActive = 0xFF; // any non-zero byte is on
    t.startLimiterActive = 2;
    t.pilotLightOn = t.pickupRunning[0] = t.rpmWarning = t.servoOk = t.inputGrounded[1] = 1;
    return t;
}

OperatingPoint Cell(uint8_t column, uint8_t row) {
    OperatingPoint point;
    point.rpmColumn = column;
    point.tpsRow = row;
    return point;
}

} // namespace

void TelegramLogTest::writerColumns() {
    QCOMPARE(TelegramCsvHeader(false), kCliHeader);
    QCOMPARE(TelegramCsvHeader(true), kCliHeader + ",map_column,map_row");
    const std::string values =
        "1234,4000,37,5000,13800,-100,32,35,0,2502,488,7,3,50,1,0,1,0,1,1,0,0,1,0,1,0,1,0";
    QCOMPARE(TelegramCsvRow(1234, Running(4000), std::nullopt), values);
    QCOMPARE(TelegramCsvRow(1234, Running(4000), Cell(3, 5)), values + ",4,6");
    OperatingPoint below;
    below.rpmBelowAxis = true;
    QCOMPARE(TelegramCsvRow(1234, Running(4000), below), values + ",,");
}

void TelegramLogTest::readerKeepsTheRowsOfEveryKindOfLog() {
    OperatingPoint below;
    below.rpmBelowAxis = true;
    const std::string window = TelegramCsvHeader(true) + "\n" +
                               TelegramCsvRow(0, Running(4000), Cell(3, 5)) + "\n" +
                               TelegramCsvRow(55, Running(800), below) + "\n" +
                               TelegramCsvRow(55, Running(9000), Cell(9, 9)) + "\n";
    std::string crlf = "\xEF\xBB\xBF" + window; // as saved again by a spreadsheet program
    for (size_t at = 0; (at = crlf.find('\n', at)) != std::string::npos; at += 2)
        crlf.insert(at, "\r");
    // As a spreadsheet set to German or French saves it again, or one that saves tabs.
    std::string semicolons = window, tabs = window;
    std::replace(semicolons.begin(), semicolons.end(), ',', ';');
    std::replace(tabs.begin(), tabs.end(), ',', '\t');
    for (const std::string& text : {window, crlf, semicolons, tabs}) {
        const TelegramLog log = ParseTelegramLog(text);
        QVERIFY(!log.foreign && log.hasMapCell);
        QCOMPARE(log.skippedLines, size_t(0));
        QCOMPARE(log.timeMs, (std::vector<int64_t>{0, 55, 55}));
        QCOMPARE(log.rpm, (std::vector<int32_t>{4000, 800, 9000}));
        QCOMPARE(log.tpsPercent[0], 37);
        QCOMPARE(log.advance1[0], -100);
        QCOMPARE(log.advance2[0], 32);
        QCOMPARE(log.supplyMv[0], 13800);
        QCOMPARE(log.mapColumn, (std::vector<int8_t>{3, -1, 9}));
        QCOMPARE(log.mapRow, (std::vector<int8_t>{5, -1, 9}));
    }

    const TelegramLog cli =
        ParseTelegramLog(kCliHeader + "\n" + TelegramCsvRow(0, Running(4000), std::nullopt) + "\n");
    QVERIFY(!cli.foreign && !cli.hasMapCell);
    QCOMPARE(cli.rpm, std::vector<int32_t>{4000});
    QCOMPARE(cli.mapColumn, std::vector<int8_t>{-1});

    // Any order and any subset that has the time and speed; a name twice reads its first column.
    const TelegramLog reordered =
        ParseTelegramLog("supply_mv,rpm,time_ms,rpm,map_column\n12000,3000,7,x,4\n");
    QCOMPARE(reordered.skippedLines, size_t(0));
    QCOMPARE(reordered.timeMs, std::vector<int64_t>{7});
    QCOMPARE(reordered.rpm, std::vector<int32_t>{3000});
    QCOMPARE(reordered.supplyMv, std::vector<int32_t>{12000});
    QVERIFY(!reordered.hasMapCell); // half a cell is none
    QCOMPARE(reordered.mapColumn, std::vector<int8_t>{-1});
}

void TelegramLogTest::readerCountsWhatIsNoGoodRow() {
    const TelegramLog log = ParseTelegramLog("time_ms,rpm,tps_percent,map_column,map_row\n"
                                             "100,3000,10,2,3\n"
                                             "garbage\n"
                                             "200,3000,10,2,3,9\n"
                                             "200,70000,10,2,3\n"
                                             "200,3000,-1,2,3\n"
                                             "200,3000,10,11,3\n"
                                             "200,3000,10,2,\n"
                                             "200,3000,10,,\n"
                                             "\n"
                                             "150,3000,10,2,3\n"
                                             "+300,3000,10,2,3\n"
                                             "300,3000,10,2,1"); // cut off from 10
    QCOMPARE(log.timeMs, (std::vector<int64_t>{100, 200}));
    QCOMPARE(log.skippedLines, size_t(9));

    const TelegramLog wide =
        ParseTelegramLog("time_ms,rpm\n" + std::string(1 << 20, ',') + "\n0,1000\n");
    QCOMPARE(wide.size(), size_t(1));
    QCOMPARE(wide.skippedLines, size_t(1));

    // The header's separator holds for every row: a comma row under a semicolon header is one
    // field short of the count, not a row read with the wrong columns.
    const TelegramLog mixed = ParseTelegramLog("time_ms;rpm;tps_percent\n0;3000;10\n5,3000,10\n");
    QCOMPARE(mixed.timeMs, std::vector<int64_t>{0});
    QCOMPARE(mixed.skippedLines, size_t(1));

    for (const char* text : {"", "\n\n", "name,age\nbob,3\n", "rpm\n1000\n"}) {
        const TelegramLog foreign = ParseTelegramLog(text);
        QVERIFY2(foreign.foreign && foreign.size() == 0, text);
    }
    QVERIFY(!ParseTelegramLog(kCliHeader).foreign);
}

void TelegramLogTest::dwellAndRowSearch() {
    const ConfigBlock block = StartupBlock();
    const TelegramLog log = ParseTelegramLog("time_ms,map_row,map_column,rpm\n"
                                             "0,4,3,3000\n"
                                             "100,4,3,3000\n"
                                             "250,4,4,4000\n"
                                             "400,,,900\n"
                                             "500,4,4,4000\n"
                                             "3000,4,3,3000\n" // 2.5 s after the last row: a gap
                                             "3100,4,3,3000\n"
                                             "5100,4,4,4000\n"); // 2 s: no gap yet
    const int slow = MapIndex(3, 2);
    const int fast = MapIndex(3, 3);
    const CellDwell all = LogDwell(log, 0, log.size() - 1, block, true);
    QCOMPARE(all.ms(slow), 100u + 150u + 100u + 2000u);
    QCOMPARE(all.ms(fast), 150u);
    QCOMPARE(all.longest(), 2350u);
    QCOMPARE(LogDwell(log, 1, 2, block, true).ms(slow), 150u);
    QCOMPARE(LogDwell(log, 1, 2, block, true).ms(fast), 0u);
    QCOMPARE(LogDwell(log, 5, 100, block, true).ms(slow), 2100u);
    QCOMPARE(LogDwell(TelegramLog(), 0, 0, block, true).longest(), 0u);
    // Without throttle rows on screen a logged cell counts in the one row the map shows.
    QCOMPARE(LogDwell(log, 5, 100, block, false).ms(MapIndex(kMapRows - 1, 2)), 2100u);

    // Without logged cells the record places each row: 3000 rpm is the third column, 50 % the
    // seventh row with throttle rows and the last without.
    const TelegramLog cli = ParseTelegramLog("time_ms,rpm,tps_percent\n"
                                             "0,3000,50\n100,999,50\n300,3000,50\n350,3000,50\n");
    QCOMPARE(LogCell(cli, 1, block, true), -1);
    QCOMPARE(LogDwell(cli, 0, 3, block, true).ms(MapIndex(6, 2)), 150u);
    QCOMPARE(LogDwell(cli, 0, 3, block, false).ms(MapIndex(9, 2)), 150u);
    QCOMPARE(LogDwell(cli, 0, 3, block, false).longest(), 150u);

    QCOMPARE(LogRowAt(log, -5), size_t(0));
    QCOMPARE(LogRowAt(log, 0), size_t(0));
    QCOMPARE(LogRowAt(log, 101), size_t(2));
    QCOMPARE(LogRowAt(log, 5100), size_t(7));
    QCOMPARE(LogRowAt(log, 5101), log.size());
    QCOMPARE(LogRowAt(TelegramLog(), 0), size_t(0));
}

QTEST_APPLESS_MAIN(TelegramLogTest)
#include "test_telegram_log.moc"
