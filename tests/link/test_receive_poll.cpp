#include "link/ReceivePoll.h"
#include "support/FakeSerialPort.h"

#include <QtTest>

#include <algorithm>

using namespace kx;

namespace {

// Distinguishable bytes: the frame returned shows where in the stream it was taken from.
FakeSerialPort::Bytes Stream(size_t from, size_t count) {
    FakeSerialPort::Bytes bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<uint8_t>((from + i) * 7 + 3);
    return bytes;
}

FakeSerialPort::Bytes FrameStartingWith(uint8_t first) {
    FakeSerialPort::Bytes frame(kFrameSize, 0x11);
    frame[0] = first;
    return frame;
}

} // namespace

class ReceivePollTest : public QObject {
    Q_OBJECT

  private slots:
    void ticks_data();
    void ticks();
    void strayBytesChooseTheDecoder_data();
    void strayBytesChooseTheDecoder();
};

void ReceivePollTest::ticks_data() {
    // Per tick: bytes arriving before it, bytes the poll should read, bytes left queued after.
    QTest::addColumn<QList<int>>("arrivals");
    QTest::addColumn<QList<int>>("reads");
    QTest::addColumn<QList<int>>("left");

    QTest::newRow("nothing waiting") << QList<int>{0} << QList<int>{0} << QList<int>{0};
    QTest::newRow("one frame") << QList<int>{102} << QList<int>{102} << QList<int>{0};
    QTest::newRow("one byte short waits for the rest")
        << QList<int>{101, 0, 50} << QList<int>{0, 0, 151} << QList<int>{101, 101, 0};
    QTest::newRow("two frames read together")
        << QList<int>{204, 0} << QList<int>{204, 0} << QList<int>{0, 0};
    QTest::newRow("frame and a half")
        << QList<int>{153, 51} << QList<int>{153, 0} << QList<int>{0, 51};
    QTest::newRow("more than the buffer, rest next tick")
        << QList<int>{15500, 0} << QList<int>{15000, 500} << QList<int>{500, 0};
    QTest::newRow("more than the buffer, rest too short")
        << QList<int>{15050, 0} << QList<int>{15000, 0} << QList<int>{50, 50};
}

void ReceivePollTest::ticks() {
    QFETCH(QList<int>, arrivals);
    QFETCH(QList<int>, reads);
    QFETCH(QList<int>, left);

    FakeSerialPort port;
    QVERIFY(port.open("COM1"));
    ReceiveBuffer buffer;
    size_t fed = 0;
    size_t consumed = 0;
    for (int tick = 0; tick < arrivals.size(); ++tick) {
        port.feedReceived(Stream(fed, size_t(arrivals[tick])));
        fed += size_t(arrivals[tick]);

        const std::optional<Frame> frame = PollReceive(port, buffer);

        QCOMPARE(int(buffer.size()), reads[tick]);
        QCOMPARE(int(port.queuedBytes()), left[tick]);
        QVERIFY(port.lastReadRequest() <= ReceiveBuffer::kCapacity);
        QCOMPARE(frame.has_value(), reads[tick] >= kFrameSize);
        if (frame) {
            const FakeSerialPort::Bytes expected = Stream(consumed, kFrameSize);
            QVERIFY(std::equal(frame->begin(), frame->end(), expected.begin()));
            QVERIFY(std::equal(frame->begin(), frame->end(), buffer.data()));
        }
        consumed += size_t(reads[tick]);
    }
}

void ReceivePollTest::strayBytesChooseTheDecoder_data() {
    QTest::addColumn<QByteArray>("stray");
    QTest::addColumn<uint8_t>("frameStart");
    QTest::addColumn<bool>("monitor");

    QTest::newRow("monitor telegram after one stray byte")
        << QByteArray(1, '\x00') << kMonitorAnswer << false;
    QTest::newRow("answer after a stray monitor byte")
        << QByteArray(1, char(kMonitorAnswer)) << uint8_t(0xC1) << true;
    QTest::newRow("answer after several stray bytes")
        << QByteArray("\x7f\x01\xff", 3) << uint8_t(0xC1) << false;
    QTest::newRow("clean monitor telegram") << QByteArray() << kMonitorAnswer << true;
}

void ReceivePollTest::strayBytesChooseTheDecoder() {
    QFETCH(QByteArray, stray);
    QFETCH(uint8_t, frameStart);
    QFETCH(bool, monitor);

    FakeSerialPort port;
    QVERIFY(port.open("COM1"));
    port.feedReceived(FakeSerialPort::Bytes(stray.begin(), stray.end()));
    port.feedReceived(FrameStartingWith(frameStart));
    ReceiveBuffer buffer;

    const std::optional<Frame> frame = PollReceive(port, buffer);

    QVERIFY(frame.has_value());
    QCOMPARE(IsMonitorFrame(*frame), monitor);
    QCOMPARE(int(buffer.size()), stray.size() + kFrameSize);
    QCOMPARE(port.queuedBytes(), size_t(0));
    // The stray bytes were taken with the frame: the next tick starts on an empty queue.
    QVERIFY(!PollReceive(port, buffer).has_value());
}

QTEST_APPLESS_MAIN(ReceivePollTest)
#include "test_receive_poll.moc"
