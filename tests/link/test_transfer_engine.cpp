#include "config/ConfigBlock.h"
#include "link/TransferEngine.h"
#include "present/LinkPresenter.h"
#include "support/FakeSerialPort.h"
#include "texts/MessageTexts.h"

#include <QtTest>

#include <string>
#include <vector>

using namespace kx;

namespace {

using Bytes = std::vector<uint8_t>;

// A frame from its command and payload, sealed so that all 102 bytes XOR to 0xFF.
Bytes MakeFrame(uint8_t command, const Bytes& payload = {}) {
    Bytes frame(102, 0);
    frame[0] = command;
    std::copy(payload.begin(), payload.end(), frame.begin() + 1);
    uint8_t sum = 0xFF;
    for (int i = 0; i < 101; ++i)
        sum ^= frame[i];
    frame[101] = sum;
    return frame;
}

Bytes InfoPayload(uint8_t protocolVersion) {
    Bytes info(100, 0);
    info[0] = 'K';
    info[1] = 'X';
    info[2] = 'F';
    info[3] = 23;
    info[4] = 7;  // day
    info[5] = 32; // March
    info[6] = 6;  // 2006
    info[7] = 9;
    info[8] = 5;
    info[10] = protocolVersion;
    return info;
}

Bytes ImageBlock(const ConfigBlock& block, int number) {
    const uint8_t* first = block.bytes() + 100 * (number - 1);
    return Bytes(first, first + 100);
}

struct RecordedEvents : TransferEvents {
    int shows = 0;
    int fileNameCleared = 0;
    std::vector<std::pair<int, int>> versionMismatches; // PC's, unit's
    std::vector<std::pair<ExchangeResult, TransferMode>> endings;

    void showRecord() override { ++shows; }
    void clearFileName() override { ++fileNameCleared; }
    void exchangeEnded(ExchangeResult result, TransferMode mode) override {
        endings.emplace_back(result, mode);
    }
    void versionMismatch(int pcVersion, int unitVersion) override {
        versionMismatches.emplace_back(pcVersion, unitVersion);
    }
};

// The engine with its port and record, driven tick by tick as the window does, and its state
// worded as the window words it.
struct Bench {
    ConfigBlock block = StartupBlock();
    MessageTexts texts;
    FakeSerialPort port;
    RecordedEvents events;
    TransferEngine engine{block, port, events};
    StatusPresenter presenter;
    uint16_t saveCountdown = 0;

    Bench() {
        LoadMessageTexts(texts, 0);
        port.open("fake");
    }

    // One tick: an optional answer in the receive step, then the transfer step.
    bool tick(const Bytes& answer = {}) {
        bool current = false;
        if (!answer.empty())
            current = engine.HandleAnswer(answer.data());
        engine.TransferTick(saveCountdown);
        return current;
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            tick();
    }
    // Ticks until something is sent; returns the number of ticks taken.
    int ticksUntilSend(int limit = 50) {
        const size_t before = port.writtenFrames().size();
        for (int i = 1; i <= limit; ++i) {
            tick();
            if (port.writtenFrames().size() > before)
                return i;
        }
        return -1;
    }
    const Bytes& lastSent() const { return port.writtenFrames().back(); }
    size_t sends() const { return port.writtenFrames().size(); }
    const StatusDisplay& shown() { return presenter.Present(engine.state(), texts); }
    std::string caption() { return shown().LabelHlaseni.caption; }
    const TransferState& state() const { return engine.state(); }
};

int CountSendsOf(const FakeSerialPort& port, uint8_t command) {
    int count = 0;
    for (const auto& frame : port.writtenFrames())
        count += frame[0] == command;
    return count;
}

} // namespace

class TransferEngineTest : public QObject {
    Q_OBJECT

  private slots:
    void requestFramesAreExact();
    void programAndVerifyInSixTicks();
    void firstSendWaitsForTheFourthTick();
    void unansweredRequestFailsAfterFiveSends_data();
    void unansweredRequestFailsAfterFiveSends();
    void badEchoIsSentFiveTimes();
    void verifyIgnoresNoReading();
    void verifyFindsADifference();
    void lateAndForeignAnswersAreIgnored_data();
    void lateAndForeignAnswersAreIgnored();
    void monitorRequestOnlyWhenIdle();
    void readReplacesTheRecordOnlyWhenComplete();
    void readFailingAfterBlockOneKeepsTheRecord();
    void readOfDataTheNormaliserChangesFailsVerify();
    void versionMismatch_data();
    void versionMismatch();
    void savingGauge_data();
    void savingGauge();
    void autoProgramArming();
    void startReplacesARunningExchange();
    void unitInfoTexts_data();
    void unitInfoTexts();
    void fetchLeavesTheRecordAlone();
};

void TransferEngineTest::requestFramesAreExact() {
    Bench b;
    b.engine.StartProgram();
    b.ticksUntilSend();
    QCOMPARE(b.lastSent(), MakeFrame(0x00));
    QCOMPARE(int(b.lastSent()[101]), 0xFF);

    b.tick(MakeFrame(0x80, InfoPayload(50)));
    QCOMPARE(b.lastSent(), MakeFrame(0x01, ImageBlock(b.block, 1)));
    b.tick(MakeFrame(0x81, ImageBlock(b.block, 1)));
    QCOMPARE(b.lastSent(), MakeFrame(0x02, ImageBlock(b.block, 2)));

    Bench idle;
    idle.ticksUntilSend();
    const Bytes monitor = idle.lastSent();
    QCOMPARE(int(monitor[0]), 0x30);
    QCOMPARE(int(monitor[101]), 0xCF);
    QVERIFY(std::all_of(monitor.begin() + 1, monitor.begin() + 101, [](uint8_t v) { return !v; }));

    Bench read;
    read.engine.StartRead();
    read.ticksUntilSend();
    QCOMPARE(read.lastSent(), MakeFrame(0x40));
    read.tick(MakeFrame(0xC0, InfoPayload(50)));
    QCOMPARE(read.lastSent(), MakeFrame(0x41)); // a read sends no data
}

void TransferEngineTest::programAndVerifyInSixTicks() {
    Bench b;
    b.ticks(4); // let the idle counter pass 4 so the first request goes at the next tick
    b.port.clearWritten();
    b.engine.StartProgram();
    QCOMPARE(b.caption(), std::string("Program device:"));
    QVERIFY(b.shown().gaugeVisible);
    QCOMPARE(b.shown().gaugeProgress, 0);

    int ticks = b.ticksUntilSend();
    QCOMPARE(ticks, 1);
    b.tick(MakeFrame(0x80, InfoPayload(50)));
    QCOMPARE(b.shown().gaugeProgress, 1);
    b.tick(MakeFrame(0x81, ImageBlock(b.block, 1)));
    QCOMPARE(b.shown().gaugeProgress, 2);
    b.tick(MakeFrame(0x82, ImageBlock(b.block, 2)));
    QVERIFY(b.engine.programDone());
    QCOMPARE(b.engine.transferMode(), ModeVerify);
    QCOMPARE(b.caption(), std::string("Verify::"));
    QCOMPARE(b.shown().gaugeProgress, 0);
    QCOMPARE(b.lastSent(), MakeFrame(0x41, ImageBlock(b.block, 1)));
    b.tick(MakeFrame(0xC1, ImageBlock(b.block, 1)));
    b.tick(MakeFrame(0xC2, ImageBlock(b.block, 2)));
    ticks += 5;

    QCOMPARE(ticks, 6);
    QCOMPARE(b.engine.transferMode(), ModeIdle);
    // The verify's own success caption is replaced within the same tick by the program's.
    QCOMPARE(b.caption(), std::string("Program device:: OK"));
    QCOMPARE(b.shown().gaugeProgress, 2);
    QCOMPARE(b.shown().LabelHlaseni.colour, Colour::ButtonFace);
    QCOMPARE(int(b.state().messageHold), 200);
    QCOMPARE(b.state().outcome, TransferOutcome::Programmed);
    QCOMPARE(b.events.endings.size(), size_t(1));
    QCOMPARE(b.events.endings[0].first, ExchangeResult::VerifyPassed);
    QCOMPARE(b.sends(), size_t(5));
    QCOMPARE(b.events.shows, 1); // after the information block
}

void TransferEngineTest::firstSendWaitsForTheFourthTick() {
    Bench b;
    b.engine.StartVerify();
    QCOMPARE(b.ticksUntilSend(), 4);
    QCOMPARE(int(b.engine.sendCount()), 1);
    QCOMPARE(int(b.lastSent()[0]), 0x41);
}

void TransferEngineTest::unansweredRequestFailsAfterFiveSends_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("failure");
    QTest::newRow("program") << int(ModeProgram) << "Program error!";
    QTest::newRow("verify") << int(ModeVerify) << "Verify error!";
    QTest::newRow("read") << int(ModeRead) << "Read error!";
}

void TransferEngineTest::unansweredRequestFailsAfterFiveSends() {
    QFETCH(int, mode);
    QFETCH(QString, failure);
    Bench b;
    if (mode == ModeProgram)
        b.engine.StartProgram();
    else if (mode == ModeVerify)
        b.engine.StartVerify();
    else
        b.engine.StartRead();

    std::vector<int> sendTicks;
    for (int tick = 1; tick <= 30 && b.engine.transferMode() != ModeIdle; ++tick) {
        const size_t before = b.sends();
        b.tick();
        if (b.sends() > before)
            sendTicks.push_back(tick);
        if (b.engine.transferMode() == ModeIdle)
            sendTicks.push_back(-tick); // the tick of the failure
    }
    QCOMPARE(sendTicks, (std::vector<int>{4, 8, 12, 16, 20, -24}));
    QCOMPARE(QString::fromStdString(b.caption()), failure);
    QCOMPARE(b.shown().LabelHlaseni.colour, Colour::Red);
    QCOMPARE(b.state().outcome, TransferOutcome::Failed);
    QCOMPARE(int(b.state().failedExchange), mode);
    QVERIFY(!b.engine.programDone());
    QCOMPARE(b.events.endings.back().first, ExchangeResult::Failed);
    QCOMPARE(int(b.events.endings.back().second), mode);
}

void TransferEngineTest::badEchoIsSentFiveTimes() {
    Bench b;
    b.engine.StartProgram();
    b.ticksUntilSend();
    b.tick(MakeFrame(0x80, InfoPayload(50))); // sends block 1 in the receive step
    Bytes echo = ImageBlock(b.block, 1);
    echo[37] ^= 0x01;
    std::vector<int> repeatTicks;
    for (int tick = 1; tick <= 30 && b.engine.transferMode() != ModeIdle; ++tick) {
        const size_t before = b.sends();
        b.tick(tick % 2 ? MakeFrame(0x81, echo) : Bytes{});
        if (b.sends() > before)
            repeatTicks.push_back(tick);
    }
    // Sent from the receive step, so the first repeat comes three ticks later; failure at 19.
    QCOMPARE(repeatTicks, (std::vector<int>{3, 7, 11, 15}));
    QCOMPARE(CountSendsOf(b.port, 0x01), 5);
    QCOMPARE(CountSendsOf(b.port, 0x02), 0);
    QCOMPARE(b.caption(), std::string("Program error!"));
    QVERIFY(!b.engine.programDone());
}

void TransferEngineTest::verifyIgnoresNoReading() {
    Bench b;
    b.engine.StartVerify();
    b.ticksUntilSend();
    Bytes unit = ImageBlock(b.block, 1);
    unit[1] = 1; // the unit reports "No Reading"
    b.tick(MakeFrame(0xC1, unit));
    b.tick(MakeFrame(0xC2, ImageBlock(b.block, 2)));
    QCOMPARE(b.engine.transferMode(), ModeIdle);
    QCOMPARE(b.caption(), std::string("Verify:: OK")); // programDone is clear after a user verify
    QCOMPARE(b.shown().gaugeProgress, 2);
}

void TransferEngineTest::verifyFindsADifference() {
    Bench b;
    b.engine.StartVerify();
    b.ticksUntilSend();
    Bytes unit = ImageBlock(b.block, 2);
    unit[99] ^= 0x80; // last map cell
    b.tick(MakeFrame(0xC1, ImageBlock(b.block, 1)));
    for (int i = 0; i < 25 && b.engine.transferMode() != ModeIdle; ++i)
        b.tick(i % 4 == 0 ? MakeFrame(0xC2, unit) : Bytes{});
    QCOMPARE(b.caption(), std::string("Verify error!"));
    QCOMPARE(CountSendsOf(b.port, 0x42), 5);
}

void TransferEngineTest::lateAndForeignAnswersAreIgnored_data() {
    QTest::addColumn<Bytes>("answer");
    QTest::addColumn<bool>("current");
    Bench ref;
    QTest::newRow("late duplicate of block 1")
        << MakeFrame(0x81, ImageBlock(ref.block, 1)) << false;
    Bytes badCheck = MakeFrame(0x82, ImageBlock(ref.block, 2));
    badCheck[101] ^= 1;
    QTest::newRow("wrong check byte") << badCheck << false;
    QTest::newRow("read answer") << MakeFrame(0xC2, ImageBlock(ref.block, 2)) << false;
    Bytes wrong = ImageBlock(ref.block, 2);
    wrong[0] ^= 1;
    QTest::newRow("right command, wrong echo") << MakeFrame(0x82, wrong) << true;
}

void TransferEngineTest::lateAndForeignAnswersAreIgnored() {
    QFETCH(Bytes, answer);
    QFETCH(bool, current);
    Bench b;
    b.engine.StartProgram();
    b.ticksUntilSend();
    b.tick(MakeFrame(0x80, InfoPayload(50)));
    b.tick(MakeFrame(0x81, ImageBlock(b.block, 1))); // now waiting for 0x82
    const size_t before = b.sends();
    QCOMPARE(b.engine.HandleAnswer(answer.data()), current);
    QCOMPARE(b.sends(), before);
    QCOMPARE(int(b.engine.commandByte()), 0x02);
    QCOMPARE(b.shown().gaugeProgress, 2);
    QVERIFY(!b.engine.programDone());
}

void TransferEngineTest::monitorRequestOnlyWhenIdle() {
    Bench b;
    std::vector<int> sendTicks;
    for (int tick = 1; tick <= 18; ++tick) {
        const size_t before = b.sends();
        b.tick();
        if (b.sends() > before)
            sendTicks.push_back(tick);
    }
    QCOMPARE(sendTicks, (std::vector<int>{6, 12, 18}));
    QCOMPARE(CountSendsOf(b.port, 0x30), 3);

    b.engine.StartRead();
    b.ticks(24); // the whole failing read: no monitor request in between
    QCOMPARE(CountSendsOf(b.port, 0x30), 3);
    QCOMPARE(CountSendsOf(b.port, 0x40), 5);
    // A frame in idle that is no monitor telegram is ignored.
    QVERIFY(!b.engine.HandleAnswer(MakeFrame(0xC0, InfoPayload(50)).data()));
}

void TransferEngineTest::readReplacesTheRecordOnlyWhenComplete() {
    Bench b;
    ConfigBlock unit = StartupBlock();
    unit.baseAdv = 17;
    unit.advance[55] = 44;
    unit.reserved54[3] = 0x99;
    unit.noReading = 1;
    b.engine.StartRead();
    QCOMPARE(b.events.fileNameCleared, 1);
    b.ticksUntilSend();
    b.tick(MakeFrame(0xC0, InfoPayload(50)));
    b.tick(MakeFrame(0xC1, ImageBlock(unit, 1)));
    QCOMPARE(int(b.block.baseAdv), 10); // block 1 is held back until block 2 arrives
    b.tick(MakeFrame(0xC2, ImageBlock(unit, 2)));
    QCOMPARE(int(b.block.baseAdv), 17);
    QCOMPARE(int(b.block.advance[55]), 44);
    QCOMPARE(int(b.block.reserved54[3]), 0x99);
    QCOMPARE(b.events.shows, 1);
    QCOMPARE(b.engine.transferMode(), ModeVerify);
    QCOMPARE(b.lastSent(), MakeFrame(0x41, ImageBlock(unit, 1)));
    b.tick(MakeFrame(0xC1, ImageBlock(unit, 1)));
    b.tick(MakeFrame(0xC2, ImageBlock(unit, 2)));
    QCOMPARE(b.caption(), std::string("Verify:: OK"));
    QCOMPARE(b.events.endings.back().first, ExchangeResult::VerifyPassed);
}

void TransferEngineTest::readFailingAfterBlockOneKeepsTheRecord() {
    Bench b;
    const ConfigBlock before = b.block;
    ConfigBlock unit = StartupBlock();
    unit.limiter = 140;
    b.engine.StartRead();
    b.ticksUntilSend();
    b.tick(MakeFrame(0xC0, InfoPayload(50)));
    b.tick(MakeFrame(0xC1, ImageBlock(unit, 1)));
    b.ticks(25);
    QCOMPARE(b.caption(), std::string("Read error!"));
    QVERIFY(b.block == before);
}

void TransferEngineTest::readOfDataTheNormaliserChangesFailsVerify() {
    Bench b;
    ConfigBlock unit = StartupBlock();
    unit.startLimiter = 150; // above the limiter: the tool's copy is repaired, the unit's is not
    b.engine.StartRead();
    b.ticksUntilSend();
    b.tick(MakeFrame(0xC0, InfoPayload(50)));
    b.tick(MakeFrame(0xC1, ImageBlock(unit, 1)));
    b.tick(MakeFrame(0xC2, ImageBlock(unit, 2)));
    QCOMPARE(int(b.block.startLimiter), 110);
    for (int i = 0; i < 25 && b.engine.transferMode() != ModeIdle; ++i)
        b.tick(i % 4 == 0 ? MakeFrame(0xC1, ImageBlock(unit, 1)) : Bytes{});
    QCOMPARE(b.caption(), std::string("Verify error!"));
}

void TransferEngineTest::versionMismatch_data() {
    QTest::addColumn<bool>("read");
    QTest::newRow("read") << true;
    QTest::newRow("program") << false;
}

void TransferEngineTest::versionMismatch() {
    QFETCH(bool, read);
    Bench b;
    b.block.baseAdv = 21;
    const ConfigBlock before = b.block;
    read ? b.engine.StartRead() : b.engine.StartProgram();
    b.ticksUntilSend();
    const size_t sent = b.sends();
    b.tick(MakeFrame(read ? 0xC0 : 0x80, InfoPayload(49)));
    QCOMPARE(b.events.versionMismatches, (std::vector<std::pair<int, int>>{{50, 49}}));
    QCOMPARE(VersionMismatchText(b.texts, 50, 49),
             std::string("Unmatched version of PC and Ignition programs!  PC-50, IGN-49"));
    QCOMPARE(b.sends(), sent); // no block goes out
    QCOMPARE(b.engine.transferMode(), ModeIdle);
    QCOMPARE(int(b.state().messageHold), 0);
    QVERIFY(b.block == before);
    QCOMPARE(b.engine.unitInfo().unitVersionText, std::string("KXF23"));
    QCOMPARE(b.events.endings.back().first, ExchangeResult::VersionMismatch);
    QCOMPARE(b.state().outcome, TransferOutcome::VersionMismatch);
}

void TransferEngineTest::savingGauge_data() {
    QTest::addColumn<int>("countdown");
    QTest::addColumn<int>("progress");
    QTest::newRow("just started") << 414 << 0;
    QTest::newRow("half") << 207 << 50;
    QTest::newRow("almost done") << 1 << 99;
}

void TransferEngineTest::savingGauge() {
    QFETCH(int, countdown);
    QFETCH(int, progress);
    Bench b;
    b.saveCountdown = uint16_t(countdown);
    b.tick();
    QCOMPARE(b.caption(), std::string("Saving:"));
    QCOMPARE(b.shown().gaugeMaximum, 100);
    QCOMPARE(b.shown().gaugeProgress, progress);
    QCOMPARE(int(b.state().messageHold), 200);
    b.saveCountdown = 0;
    b.tick();
    QCOMPARE(b.shown().gaugeMaximum, 2);
}

void TransferEngineTest::autoProgramArming() {
    Bench b;
    auto programsStarted = [&] { return b.engine.transferMode() == ModeProgram; };
    auto settle = [&] {
        b.engine.StartVerify(); // any exchange, then back to idle by failing it
        b.ticks(24);
    };
    b.engine.CheckAutoProgram(false);
    QVERIFY(!programsStarted());
    b.engine.CheckAutoProgram(true); // ticking the box programs at once
    QVERIFY(programsStarted());
    settle();
    b.engine.CheckAutoProgram(true); // nothing changed
    QVERIFY(!programsStarted());
    b.block.advance[3] = 40;
    b.engine.CheckAutoProgram(true);
    QVERIFY(programsStarted());
    settle();
    b.block.spare[6] = 1; // the whole record counts, spare bytes too
    b.engine.CheckAutoProgram(true);
    QVERIFY(programsStarted());
    settle();
    b.engine.CheckAutoProgram(false);
    b.engine.CheckAutoProgram(true); // ticked again
    QVERIFY(programsStarted());
}

void TransferEngineTest::startReplacesARunningExchange() {
    Bench b;
    b.engine.StartProgram();
    b.ticksUntilSend();
    b.tick(MakeFrame(0x80, InfoPayload(50)));
    b.engine.StartVerify();
    QCOMPARE(b.shown().gaugeProgress, 0);
    QVERIFY(!b.engine.HandleAnswer(MakeFrame(0x81, ImageBlock(b.block, 1)).data()));
    b.ticksUntilSend();
    QCOMPARE(int(b.lastSent()[0]), 0x41);
}

void TransferEngineTest::unitInfoTexts_data() {
    QTest::addColumn<Bytes>("info");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    Bytes base = InfoPayload(50);
    QTest::newRow("name and number") << base << "KXF23"
                                     << " 7. 3.2006"
                                     << "09:05";
    Bytes unknownMonth = base;
    unknownMonth[5] = 99;
    unknownMonth[4] = 24;
    unknownMonth[6] = 19;
    QTest::newRow("unknown month") << unknownMonth << "KXF23"
                                   << "24.00.2019"
                                   << "09:05";
    Bytes december = base;
    december[5] = 12;
    december[7] = 23;
    december[8] = 59;
    QTest::newRow("december") << december << "KXF23"
                              << " 7.12.2006"
                              << "23:59";
    Bytes text = base;
    const char firmware[] = "KX FLAM3 v2.3";
    std::copy(firmware, firmware + sizeof firmware, text.begin() + 16);
    QTest::newRow("firmware text") << text << "KX FLAM3 v2.3"
                                   << " 7. 3.2006"
                                   << "09:05";
    Bytes full = base;
    std::fill(full.begin() + 16, full.begin() + 60, uint8_t('A'));
    QTest::newRow("unterminated text") << full << QString(30, 'A') << " 7. 3.2006"
                                       << "09:05";
}

void TransferEngineTest::unitInfoTexts() {
    QFETCH(Bytes, info);
    QFETCH(QString, version);
    QFETCH(QString, date);
    QFETCH(QString, time);
    UnitInfo unit;
    std::copy(info.begin(), info.end(), unit.bytes.begin());
    FormatUnitInfo(unit);
    QCOMPARE(QString::fromStdString(unit.unitVersionText), version);
    QCOMPARE(QString::fromStdString(unit.unitDateText), date);
    QCOMPARE(QString::fromStdString(unit.unitTimeText), time);
}

void TransferEngineTest::fetchLeavesTheRecordAlone() {
    Bench b;
    b.block.baseAdv = 21;
    const ConfigBlock before = b.block;
    ConfigBlock unit = StartupBlock();
    unit.baseAdv = 17;
    unit.advance[55] = 44;
    unit.startLimiter = 150; // the normaliser would repair it; the unit's bytes are what counts
    unit.noReading = 1;
    b.engine.StartFetch();
    QVERIFY(b.engine.fetching());
    QCOMPARE(b.engine.startedExchange(), ModeRead);
    QCOMPARE(b.events.fileNameCleared, 0);
    b.ticksUntilSend();
    QCOMPARE(b.lastSent(), MakeFrame(0x40));
    b.tick(MakeFrame(0xC0, InfoPayload(50)));
    b.tick(MakeFrame(0xC1, ImageBlock(unit, 1)));
    b.tick(MakeFrame(0xC2, ImageBlock(unit, 2)));
    QVERIFY(b.block == before);
    QCOMPARE(b.events.shows, 0);
    QVERIFY(std::equal(unit.bytes(), unit.bytes() + kImageSize, b.engine.fetched().bytes()));
    const std::vector<std::pair<ExchangeResult, TransferMode>> fetched{
        {ExchangeResult::Fetched, ModeRead}};
    QCOMPARE(b.events.endings, fetched);
    QCOMPARE(b.engine.transferMode(), ModeIdle);
    QCOMPARE(b.state().outcome, TransferOutcome::Fetched);
    QVERIFY(!b.shown().labelVisible);
    QVERIFY(!b.shown().gaugeVisible);
    // Back to asking for live data, and no verify of the record that was not read.
    const size_t sentByFetch = b.sends();
    b.ticks(3 * TransferEngine::kMonitorTicks);
    QCOMPARE(b.sends(), sentByFetch + 3);
    for (size_t i = sentByFetch; i < b.sends(); ++i)
        QCOMPARE(int(b.port.writtenFrames()[i][0]), 0x30);
    QCOMPARE(b.events.endings, fetched);
    QVERIFY(b.block == before);

    // A fetch that ends half way or in silence fails as a read does and keeps what it had.
    ConfigBlock other = unit;
    other.baseAdv = 30;
    b.engine.StartFetch();
    b.ticksUntilSend();
    b.tick(MakeFrame(0xC0, InfoPayload(50)));
    b.tick(MakeFrame(0xC1, ImageBlock(other, 1)));
    b.ticks(25);
    QCOMPARE(b.events.endings.back(), std::make_pair(ExchangeResult::Failed, ModeRead));
    QCOMPARE(b.caption(), std::string("Read error!"));
    QCOMPARE(int(b.state().failedExchange), int(ModeRead));
    QVERIFY(std::equal(unit.bytes(), unit.bytes() + kImageSize, b.engine.fetched().bytes()));
    Bench silent;
    const ConfigBlock untouched = silent.block;
    silent.engine.StartFetch();
    silent.ticks(24);
    QCOMPARE(silent.events.endings, (std::vector<std::pair<ExchangeResult, TransferMode>>{
                                        {ExchangeResult::Failed, ModeRead}}));
    QCOMPARE(CountSendsOf(silent.port, 0x40), 5);
    QVERIFY(silent.block == untouched);
    QCOMPARE(silent.events.shows + silent.events.fileNameCleared, 0);

    // A unit of another version leaves the record as it was too, unlike a read.
    Bench older;
    older.block.baseAdv = 21;
    older.engine.StartFetch();
    older.ticksUntilSend();
    older.tick(MakeFrame(0xC0, InfoPayload(49)));
    QCOMPARE(older.events.endings.back(),
             std::make_pair(ExchangeResult::VersionMismatch, ModeRead));
    QCOMPARE(older.events.shows, 0);
    QVERIFY(older.block == before);

    // What a passing verify was the success of.
    Bench started;
    started.engine.StartProgram();
    started.ticksUntilSend();
    started.tick(MakeFrame(0x80, InfoPayload(50)));
    started.tick(MakeFrame(0x81, ImageBlock(started.block, 1)));
    started.tick(MakeFrame(0x82, ImageBlock(started.block, 2)));
    QCOMPARE(started.engine.transferMode(), ModeVerify);
    QCOMPARE(started.engine.startedExchange(), ModeProgram);
    started.engine.StartVerify();
    QCOMPARE(started.engine.startedExchange(), ModeVerify);
    started.engine.StartFetch();
    started.engine.StartRead();
    QCOMPARE(started.engine.startedExchange(), ModeRead);
    QVERIFY(!started.engine.fetching());
}

QTEST_APPLESS_MAIN(TransferEngineTest)
#include "test_transfer_engine.moc"
