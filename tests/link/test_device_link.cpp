#include "config/ConfigBlock.h"
#include "link/DeviceLink.h"
#include "support/FakeSerialPort.h"
#include "support/TelegramBytes.h"

#include <QtTest>

using namespace kx;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Sealed(const Bytes& frame) {
    return SealedFrame(frame);
}

// A live telegram at 30 % throttle.
Bytes Telegram(uint16_t rpm = 3000) {
    return LiveTelegram(rpm, 30);
}

struct NoEvents : TransferEvents {
    void showRecord() override {}
    void clearFileName() override {}
    void exchangeEnded(ExchangeResult, TransferMode) override {}
    void versionMismatch(int, int) override {}
};

struct Bench {
    ConfigBlock block = StartupBlock();
    FakeSerialPort port;
    NoEvents events;
    DeviceLink link{block, port, events};

    Bench() { port.open("fake"); }
    void tick(const Bytes& received = {}, bool printView = false) {
        port.feedReceived(received);
        link.Tick(printView, true);
    }
};

} // namespace

class DeviceLinkTest : public QObject {
    Q_OBJECT

  private slots:
    void noConnectionUntilTheFirstTelegram();
    void noConnectionAfterEighteenSilentTicks();
    void garbledTelegramDoesNotCountAsLife();
    void statusMessageHoldsForTwoHundredTicks();
    void printViewHidesStatusAndConnection();
    void connectionLossHidesTheVersionLabel();
    void onlyOneFramePerTick();
};

void DeviceLinkTest::noConnectionUntilTheFirstTelegram() {
    Bench b;
    b.tick();
    QVERIFY(b.link.connectionLost());
    b.tick(Telegram());
    QVERIFY(!b.link.connectionLost()); // the frame of this very tick counts
    QCOMPARE(int(b.link.live().liveRpm), 3000);
    QCOMPARE(int(b.link.live().liveTpsPercent), 30);
}

void DeviceLinkTest::noConnectionAfterEighteenSilentTicks() {
    Bench b;
    b.tick(Telegram());
    int silentTicks = 0;
    while (!b.link.connectionLost() && silentTicks < 40) {
        b.tick();
        ++silentTicks;
    }
    QCOMPARE(silentTicks, 18);
    QCOMPARE(int(b.link.live().liveRpm), 3000); // the last values stay
    b.tick(Telegram(4000));
    QVERIFY(!b.link.connectionLost());
}

void DeviceLinkTest::garbledTelegramDoesNotCountAsLife() {
    Bench b;
    Bytes bad = Telegram(5000);
    bad[60] ^= 0x10;
    b.tick(bad);
    QVERIFY(b.link.connectionLost());
    QCOMPARE(int(b.link.live().liveRpm), 0);
    QCOMPARE(b.link.telegramCount(), 0u);
    QCOMPARE(b.port.queuedBytes(), size_t(0)); // drained: the next frame starts clean
}

void DeviceLinkTest::statusMessageHoldsForTwoHundredTicks() {
    Bench b;
    b.link.engine().StartVerify();
    int shown = 0;
    for (int tick = 0; tick < 260; ++tick) {
        b.tick();
        shown += b.link.engine().state().labelVisible;
    }
    // The failure caption (tick 24) holds 200 ticks; the exchange showed it from the start.
    QCOMPARE(shown, 24 + 199);
    QVERIFY(!b.link.engine().state().labelVisible);
    QVERIFY(!b.link.engine().state().gaugeVisible);
}

void DeviceLinkTest::printViewHidesStatusAndConnection() {
    Bench b;
    b.link.engine().StartRead();
    b.tick({}, true);
    QVERIFY(!b.link.engine().state().labelVisible);
    QVERIFY(!b.link.connectionLost());
    QVERIFY(b.link.engine().state().gaugeVisible); // printing does not touch the gauge
    b.tick();
    QVERIFY(b.link.engine().state().labelVisible);
    QVERIFY(b.link.connectionLost());
}

void DeviceLinkTest::connectionLossHidesTheVersionLabel() {
    Bench b;
    Bytes old = Telegram();
    old[100] = 49;
    b.tick(Sealed(old));
    QVERIFY(b.link.monitor().versionVisible);
    for (int i = 0; i < 18; ++i)
        b.tick();
    QVERIFY(b.link.connectionLost());
    QVERIFY(!b.link.monitor().versionVisible);
}

void DeviceLinkTest::onlyOneFramePerTick() {
    Bench b;
    Bytes two = Telegram(1111);
    const Bytes second = Telegram(2222);
    two.insert(two.end(), second.begin(), second.end());
    b.tick(two);
    QCOMPARE(int(b.link.live().liveRpm), 1111);
    QCOMPARE(b.link.telegramCount(), 1u);
    QCOMPARE(b.port.queuedBytes(), size_t(0));
}

QTEST_APPLESS_MAIN(DeviceLinkTest)
#include "test_device_link.moc"
