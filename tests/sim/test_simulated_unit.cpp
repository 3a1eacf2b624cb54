#include "EngineModel.h"
#include "SimulatedUnit.h"

#include <QtTest>

#include <array>
#include <cstring>
#include <optional>
#include <vector>

using namespace kx;
using namespace kx::sim;

namespace {

constexpr uint64_t kStart = 1000; // ms; any time will do, but not zero

// XOR of all 102 bytes and 0xFF; zero for a good frame.
uint8_t CheckResidue(const Frame& frame) {
    uint8_t sum = 0xFF;
    for (uint8_t b : frame)
        sum ^= b;
    return sum;
}

Frame Request(uint8_t command, const std::array<uint8_t, 100>& payload = {}) {
    Frame frame{};
    frame[0] = command;
    std::memcpy(frame.data() + 1, payload.data(), 100);
    uint8_t sum = 0;
    for (int i = 0; i < 101; ++i)
        sum ^= frame[i];
    frame[101] = uint8_t(~sum);
    return frame;
}

std::array<uint8_t, 100> PayloadOf(const Frame& frame) {
    std::array<uint8_t, 100> payload;
    std::memcpy(payload.data(), frame.data() + 1, 100);
    return payload;
}

// A block that differs from the start-up image everywhere, so a stale answer cannot pass.
std::array<uint8_t, 100> Pattern(int seed) {
    std::array<uint8_t, 100> payload;
    for (int i = 0; i < 100; ++i)
        payload[size_t(i)] = uint8_t(seed * 31 + i * 7 + 1);
    return payload;
}

int Word(const Frame& frame, int offset) {
    return frame[offset] | frame[offset + 1] << 8;
}

// Block 2 of the image: the whole advance map set to one value per throttle row.
std::array<uint8_t, 100> MapWithRows(int first) {
    std::array<uint8_t, 100> map;
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 10; ++column)
            map[size_t(10 * row + column)] = uint8_t(first + row);
    return map;
}

std::array<uint8_t, 100> StartupBlock1() {
    std::array<uint8_t, 100> block;
    std::memcpy(block.data(), StartupBlock().bytes(), 100);
    return block;
}

} // namespace

class SimulatedUnitTest : public QObject {
    Q_OBJECT

  private slots:
    void answersEveryRequest_data();
    void answersEveryRequest();
    void ignoresUnknownAndGarbledRequests();
    void informationBlock();
    void versionOption();
    void programThenReadReturnsTheImage();
    void badEchoChangesExactlyOneByte_data();
    void badEchoChangesExactlyOneByte();
    void savingCountsDownAfterBlock2();
    void dropAndCorruptCounters();
    void randomFaultsFollowTheirSeedAndList();
    void silentUnitStillStores();
    void assemblerResynchronises();
    void engineStaysPlausibleOverASweep();
    void advanceFollowsTheProgrammedMap();
};

void SimulatedUnitTest::answersEveryRequest_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("answer");
    QTest::newRow("program information") << 0x00 << 0x80;
    QTest::newRow("program block 1") << 0x01 << 0x81;
    QTest::newRow("program block 2") << 0x02 << 0x82;
    QTest::newRow("read information") << 0x40 << 0xC0;
    QTest::newRow("read block 1") << 0x41 << 0xC1;
    QTest::newRow("read block 2") << 0x42 << 0xC2;
    QTest::newRow("monitor") << 0x30 << 0xB0;
}

void SimulatedUnitTest::answersEveryRequest() {
    QFETCH(int, command);
    QFETCH(int, answer);
    SimulatedUnit unit({});
    const std::optional<Frame> reply = unit.Answer(Request(uint8_t(command)), kStart);
    QVERIFY(reply);
    QCOMPARE(int((*reply)[0]), answer);
    QCOMPARE(int(CheckResidue(*reply)), 0);
    QCOMPARE(unit.LastFate(), Fate::Answered);
}

void SimulatedUnitTest::ignoresUnknownAndGarbledRequests() {
    SimulatedUnit unit({});
    for (int command : {0x03, 0x31, 0x43, 0x3F, 0x7F, 0x80, 0xB0, 0xC1}) {
        QVERIFY2(!unit.Answer(Request(uint8_t(command)), kStart),
                 qPrintable(QString::number(command, 16)));
        QCOMPARE(unit.LastFate(), Fate::UnknownCommand);
    }
    Frame garbled = Request(0x01, Pattern(1));
    garbled[101] ^= 0x10;
    QVERIFY(!unit.Answer(garbled, kStart));
    QCOMPARE(unit.LastFate(), Fate::BadCheckByte);
    // A garbled program request must not reach the image.
    QVERIFY(std::memcmp(unit.Record().bytes(), StartupBlock().bytes(), 200) == 0);
}

void SimulatedUnitTest::informationBlock() {
    SimulatedUnit unit({});
    const Frame program = *unit.Answer(Request(0x00), kStart);
    const Frame read = *unit.Answer(Request(0x40), kStart);
    QVERIFY(std::memcmp(program.data() + 1, read.data() + 1, 100) == 0);

    const uint8_t* info = read.data() + 1;
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(info), 3), QByteArray("KXF"));
    QVERIFY(info[3] <= 99);
    QVERIFY(info[4] >= 1 && info[4] <= 31);
    // Month codes are the 8-bit sums of the month's three letters.
    const std::vector<int> codes = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};
    QVERIFY(std::find(codes.begin(), codes.end(), info[5]) != codes.end());
    QVERIFY(info[6] <= 99 && info[7] <= 23 && info[8] <= 59);
    QCOMPARE(int(info[10]), 50);
    const char* text = reinterpret_cast<const char*>(info + 16);
    QVERIFY(std::memchr(text, 0, 30)); // zero-terminated within its 30 characters
    QVERIFY(std::strlen(text) > 0);
}

void SimulatedUnitTest::versionOption() {
    UnitOptions options;
    options.protocolVersion = 49;
    SimulatedUnit unit(options);
    QCOMPARE(int((*unit.Answer(Request(0x00), kStart))[11]), 49);
    QCOMPARE(int((*unit.Answer(Request(0x40), kStart))[11]), 49);
    QCOMPARE(int((*unit.Answer(Request(0x30), kStart))[100]), 49);
}

void SimulatedUnitTest::programThenReadReturnsTheImage() {
    SimulatedUnit unit({});
    const Frame echo1 = *unit.Answer(Request(0x01, Pattern(1)), kStart);
    QCOMPARE(PayloadOf(echo1), Pattern(1));
    QCOMPARE(Word(*unit.Answer(Request(0x30), kStart), 11), 0); // not counted before block 2

    const Frame echo2 = *unit.Answer(Request(0x02, Pattern(2)), kStart);
    QCOMPARE(PayloadOf(echo2), Pattern(2));
    QVERIFY(unit.TakeImageChanged());
    QVERIFY(!unit.TakeImageChanged());

    // A verify request carries the tool's data; the answer is still the stored block.
    QCOMPARE(PayloadOf(*unit.Answer(Request(0x41), kStart)), Pattern(1));
    QCOMPARE(PayloadOf(*unit.Answer(Request(0x42, Pattern(9)), kStart)), Pattern(2));
    QCOMPARE(Word(*unit.Answer(Request(0x30), kStart), 11), 1);

    unit.Answer(Request(0x02, Pattern(3)), kStart);
    QCOMPARE(PayloadOf(*unit.Answer(Request(0x42), kStart)), Pattern(3));
    QCOMPARE(PayloadOf(*unit.Answer(Request(0x41), kStart)), Pattern(1));
    QCOMPARE(Word(*unit.Answer(Request(0x30), kStart), 11), 2);
    QVERIFY(std::memcmp(unit.Record().bytes() + 100, Pattern(3).data(), 100) == 0);
}

void SimulatedUnitTest::badEchoChangesExactlyOneByte_data() {
    QTest::addColumn<int>("badBlock");
    QTest::newRow("block 1") << 1;
    QTest::newRow("block 2") << 2;
}

void SimulatedUnitTest::badEchoChangesExactlyOneByte() {
    QFETCH(int, badBlock);
    UnitOptions options;
    options.badEchoBlock = badBlock;
    SimulatedUnit unit(options);
    for (int round = 0; round < 3; ++round) {
        for (int block = 1; block <= 2; ++block) {
            const Frame echo = *unit.Answer(Request(uint8_t(block), Pattern(block)), kStart);
            QCOMPARE(int(CheckResidue(echo)), 0);
            int differences = 0;
            for (int i = 0; i < 100; ++i)
                differences += echo[i + 1] != Pattern(block)[size_t(i)];
            QCOMPARE(differences, block == badBlock ? 1 : 0);
        }
    }
    // Only the echo is wrong; the unit stored what it was sent.
    QCOMPARE(PayloadOf(*unit.Answer(Request(0x40 | badBlock), kStart)), Pattern(badBlock));
}

void SimulatedUnitTest::savingCountsDownAfterBlock2() {
    SimulatedUnit unit({});
    auto countdown = [&](uint64_t t) { return Word(*unit.Answer(Request(0x30), t), 95); };
    QCOMPARE(countdown(kStart), 0);
    unit.Answer(Request(0x01, StartupBlock1()), kStart);
    QCOMPARE(countdown(kStart + 10), 0);

    const uint64_t stored = kStart + 500;
    unit.Answer(Request(0x02, MapWithRows(10)), stored);
    QCOMPARE(countdown(stored), 414);
    int previous = 414;
    bool sawMiddle = false;
    for (uint64_t t = stored; t < stored + 5000; t += 100) {
        const int now = countdown(t);
        QVERIFY2(now <= previous, qPrintable(QString("rose at %1 ms").arg(t - stored)));
        sawMiddle |= now > 0 && now < 414;
        previous = now;
    }
    QVERIFY(sawMiddle);
    QCOMPARE(previous, 0);
    QVERIFY(unit.SaveCountdown(stored + 3000) == 0);

    // Programming again restarts the count.
    unit.Answer(Request(0x02, MapWithRows(10)), stored + 6000);
    QCOMPARE(countdown(stored + 6000), 414);
}

void SimulatedUnitTest::dropAndCorruptCounters() {
    UnitOptions options;
    options.dropEvery = 3;
    options.corruptEvery = 2;
    SimulatedUnit unit(options);
    SimulatedUnit healthy({});
    for (int n = 1; n <= 12; ++n) {
        // Requests that get no answer do not count.
        unit.Answer(Request(0x31), kStart);
        const std::optional<Frame> reply = unit.Answer(Request(0x30), kStart + n);
        const Frame expected = *healthy.Answer(Request(0x30), kStart + n);
        if (n % 3 == 0) {
            QVERIFY2(!reply, qPrintable(QString("answer %1 not dropped").arg(n)));
            QCOMPARE(unit.LastFate(), Fate::Dropped);
            continue;
        }
        QVERIFY2(reply, qPrintable(QString("answer %1 missing").arg(n)));
        // Only the check byte may differ from a healthy unit's answer.
        const bool corrupt = n % 2 == 0;
        QVERIFY(std::equal(reply->begin(), reply->end() - 1, expected.begin()));
        QCOMPARE((*reply)[101] != expected[101], corrupt);
        QCOMPARE(CheckResidue(*reply) != 0, corrupt);
        QCOMPARE(unit.LastFate(), corrupt ? Fate::Corrupted : Fate::Answered);
    }
}

void SimulatedUnitTest::randomFaultsFollowTheirSeedAndList() {
    QCOMPARE(ParseRandomFaults("drop,bad-echo"), std::optional<unsigned>(0b10001));
    QCOMPARE(ParseRandomFaults("stray"), std::optional<unsigned>(0b00100));
    QVERIFY(!ParseRandomFaults(""));
    QVERIFY(!ParseRandomFaults("drop,"));
    QVERIFY(!ParseRandomFaults("drop,echo"));

    UnitOptions options;
    options.faultPercent = 50;
    options.faultSeed = 7;
    SimulatedUnit unit(options);
    SimulatedUnit again(options);
    SimulatedUnit healthy({});
    int faulted = 0;
    for (int n = 0; n < 400; ++n) {
        // Program block 1 and read block 1 in turn: only the first echoes data.
        const uint8_t command = n % 2 == 0 ? 0x01 : 0x41;
        const Frame request = Request(command, Pattern(n));
        const std::optional<Frame> reply = unit.Answer(request, kStart + n);
        const std::optional<Frame> replay = again.Answer(request, kStart + n);
        const Frame expected = *healthy.Answer(request, kStart + n);
        QCOMPARE(reply, replay);
        QCOMPARE(unit.LastFate(), again.LastFate());
        faulted += unit.LastFate() != Fate::Answered;
        switch (unit.LastFate()) {
        case Fate::Answered:
            QCOMPARE(*reply, expected);
            break;
        case Fate::Dropped:
            QVERIFY(!reply);
            break;
        case Fate::Corrupted: {
            QVERIFY(CheckResidue(*reply) != 0);
            int differing = 0;
            for (int i = 0; i < 102; ++i)
                differing += (*reply)[size_t(i)] != expected[size_t(i)];
            QCOMPARE(differing, 1);
            break;
        }
        case Fate::BadEcho: {
            QCOMPARE(int(command), 0x01);
            QCOMPARE(CheckResidue(*reply), uint8_t(0));
            int differing = 0;
            for (int i = 1; i <= 100; ++i)
                differing += (*reply)[size_t(i)] != expected[size_t(i)];
            QCOMPARE(differing, 1);
            break;
        }
        case Fate::Delayed:
            QCOMPARE(*reply, expected);
            QVERIFY(unit.LastDelayMs() >= 40 && unit.LastDelayMs() <= 600);
            break;
        case Fate::StrayBytes:
            QCOMPARE(*reply, expected);
            QVERIFY(unit.LastStrayBytes() >= 1 && unit.LastStrayBytes() <= 12);
            break;
        default:
            QFAIL("unexpected fate");
        }
    }
    // About half, and every kind drawn.
    QVERIFY2(faulted > 150 && faulted < 250, qPrintable(QString::number(faulted)));
    for (int i = 0; i < kRandomFaultCount; ++i)
        QVERIFY(unit.InjectedFaults(RandomFault(i)) > 0);

    options.randomFaults = *ParseRandomFaults("bad-echo");
    SimulatedUnit readsOnly(options);
    for (int n = 0; n < 50; ++n) {
        QVERIFY(readsOnly.Answer(Request(0x41), kStart + n));
        QCOMPARE(readsOnly.LastFate(), Fate::Answered);
    }
}

void SimulatedUnitTest::silentUnitStillStores() {
    UnitOptions options;
    options.silent = true;
    SimulatedUnit unit(options);
    for (int command : {0x00, 0x01, 0x02, 0x40, 0x41, 0x42, 0x30})
        QVERIFY(!unit.Answer(Request(uint8_t(command), Pattern(command)), kStart));
    QCOMPARE(unit.LastFate(), Fate::Silent);
    QVERIFY(std::memcmp(unit.Record().bytes(), Pattern(1).data(), 100) == 0);
}

void SimulatedUnitTest::assemblerResynchronises() {
    RequestAssembler assembler;
    const Frame good = Request(0x41);

    // Split across reads.
    QCOMPARE(assembler.Feed(good.data(), 40, 10).size(), size_t(0));
    const std::vector<Frame> whole = assembler.Feed(good.data() + 40, 62, 12);
    QCOMPARE(whole.size(), size_t(1));
    QCOMPARE(whole[0], good);

    // A stray byte ahead of a request throws the whole buffer away; the next request is clean.
    const uint8_t stray = 0x55;
    assembler.Feed(&stray, 1, 20);
    QCOMPARE(assembler.Feed(good.data(), good.size(), 21).size(), size_t(0));
    QCOMPARE(assembler.Buffered(), size_t(0));
    QCOMPARE(assembler.Feed(good.data(), good.size(), 30).size(), size_t(1));

    // A well-sealed frame with an unknown command is dropped too.
    const Frame unknown = Request(0x05);
    QCOMPARE(assembler.Feed(unknown.data(), unknown.size(), 40).size(), size_t(0));
    QCOMPARE(assembler.Buffered(), size_t(0));

    // The rest of a request that stopped half-way is not glued onto the next one.
    assembler.Feed(good.data(), 60, 100);
    QCOMPARE(assembler.Feed(good.data(), good.size(), 100 + kRequestGapMs + 1).size(), size_t(1));
    QCOMPARE(assembler.Buffered(), size_t(0));

    // Two requests in one read.
    std::vector<uint8_t> two(good.begin(), good.end());
    const Frame monitor = Request(0x30);
    two.insert(two.end(), monitor.begin(), monitor.end());
    const std::vector<Frame> both = assembler.Feed(two.data(), two.size(), 200);
    QCOMPARE(both.size(), size_t(2));
    QCOMPARE(int(both[1][0]), 0x30);
}

void SimulatedUnitTest::engineStaysPlausibleOverASweep() {
    SimulatedUnit unit({});
    const ConfigBlock record = StartupBlock();
    const int limiterRpm = record.limiter * 100;
    const int closedMv = record.tps0 * 10;
    const int openMv = (record.tps100 + 250) * 10;
    int lowest = 65535;
    int highest = 0;
    for (uint64_t t = 0; t <= 20000; t += 50) {
        const Frame f = *unit.Answer(Request(0x30), t);
        const QString at = QString("at %1 ms").arg(t);
        const int rpm = Word(f, 1);
        lowest = std::min(lowest, rpm);
        highest = std::max(highest, rpm);
        QVERIFY2(rpm >= 1100 && rpm < limiterRpm, qPrintable(at));
        const int tpsMv = Word(f, 3) * 5000 / 1023;
        QVERIFY2(f[41] <= 100, qPrintable(at));
        QVERIFY2(tpsMv >= closedMv - 5 && tpsMv <= openMv, qPrintable(at));
        // The reported percentage and the sensor voltage tell the same story.
        const int percentFromMv = (tpsMv - closedMv) * 100 / (openMv - closedMv);
        QVERIFY2(std::abs(percentFromMv - f[41]) <= 1, qPrintable(at));
        QVERIFY2(Word(f, 5) > 13000 && Word(f, 5) < 14600, qPrintable(at));
        // No pick-up fault: both counters at or above the threshold, both pick-ups running.
        for (int k = 0; k < 2; ++k) {
            QVERIFY(f[44 + k] >= record.noIgnitionRevs);
            QVERIFY(f[46 + k] >= record.noIgnitionRevs * record.lobeCount);
            QVERIFY(f[48 + k] != 0);
        }
        QVERIFY(f[65] != 0);
        QCOMPARE(int(f[99]), 0);
        QCOMPARE(int(f[100]), 50);
    }
    QVERIFY(lowest <= 1300);
    QVERIFY(highest >= limiterRpm - 500);
}

void SimulatedUnitTest::advanceFollowsTheProgrammedMap() {
    // Without throttle rows the engine runs on the 100 % row only.
    SimulatedUnit unit({});
    unit.Answer(Request(0x01, StartupBlock1()), 0);
    unit.Answer(Request(0x02, MapWithRows(10)), 0);
    for (uint64_t t = 0; t < 20000; t += 250) {
        const Frame f = *unit.Answer(Request(0x30), t);
        QCOMPARE(int(f[50]), 100 + 19);
        QCOMPARE(int(f[51]), 100 + 19);
        QCOMPARE(Word(f, 54), 19); // the map's largest advance
    }

    // With throttle rows the advance moves with the throttle; every row shows up somewhere.
    std::array<uint8_t, 100> block1 = StartupBlock1();
    block1[22] = 1; // tpsMapa
    unit.Answer(Request(0x01, block1), 0);
    bool seen[10] = {};
    for (uint64_t t = 0; t < 20000; t += 20) {
        const Frame f = *unit.Answer(Request(0x30), t);
        const int row = f[50] - 110;
        QVERIFY2(row >= 0 && row < 10, qPrintable(QString("advance %1").arg(f[50])));
        seen[row] = true;
        if (f[41] == 0)
            QCOMPARE(row, 0);
        if (f[41] == 100)
            QCOMPARE(row, 9);
    }
    QVERIFY(std::all_of(std::begin(seen), std::end(seen), [](bool s) { return s; }));
}

QTEST_APPLESS_MAIN(SimulatedUnitTest)
#include "test_simulated_unit.moc"
