#include "link/serial/QtSerialPort.h"

#include <QtTest>

#include <vector>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#if defined(Q_OS_MACOS)
#include <util.h>
#elif defined(Q_OS_FREEBSD)
#include <libutil.h>
#else
#include <pty.h>
#endif
#endif

using namespace kx;
using Bytes = std::vector<uint8_t>;

Q_DECLARE_METATYPE(Bytes)

namespace {

#ifdef Q_OS_UNIX
// A pseudo-terminal stands in for the line: the port opens the slave side, the test plays the
// unit on the master side.
class PtyPair {
  public:
    PtyPair() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
            return;
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
        slaveName_ = name;
    }
    ~PtyPair() {
        if (master_ >= 0)
            ::close(master_);
        if (slave_ >= 0)
            ::close(slave_);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return !slaveName_.empty(); }
    // The unit's end goes away, as when a USB adapter is pulled.
    void hangUp() {
        ::close(master_);
        master_ = -1;
    }
    const std::string& slaveName() const { return slaveName_; }

    bool send(const Bytes& bytes) {
        return ::write(master_, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    }
    // Collects what the port sent until `count` bytes arrived or the line stayed quiet for
    // timeoutMs.
    Bytes receive(size_t count, int timeoutMs) {
        Bytes got;
        uint8_t chunk[512];
        while (got.size() < count) {
            pollfd fd{master_, POLLIN, 0};
            if (::poll(&fd, 1, timeoutMs) <= 0)
                break;
            const ssize_t n = ::read(master_, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got.insert(got.end(), chunk, chunk + n);
        }
        return got;
    }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
};
#endif

const char* MissingDevice() {
#ifdef Q_OS_WIN
    return "KXNOSUCHPORT";
#else
    return "/dev/kx-no-such-port";
#endif
}

} // namespace

class QtSerialPortTest : public QObject {
    Q_OBJECT

  private slots:
    void transmitReachesTheLine_data();
    void transmitReachesTheLine();
    void receivedBytesWaitUntilRead_data();
    void receivedBytesWaitUntilRead();
    void reopenAndExclusiveAccess();
    void failedOpenIsHarmless();
    void vanishedDeviceClosesThePort();

  private:
    void addFrames();
};

void QtSerialPortTest::addFrames() {
    QTest::addColumn<Bytes>("frame");

    Bytes counting(102);
    for (size_t i = 0; i < counting.size(); ++i)
        counting[i] = uint8_t(i);
    QTest::newRow("counting") << counting;

    // Bytes a terminal in its default mode would translate, swallow or act upon.
    const Bytes special{0x0A, 0x0D, 0x03, 0x04, 0x11, 0x13, 0x1A, 0x1C, 0x7F, 0xFF, 0x00, 0x15};
    Bytes control(102);
    for (size_t i = 0; i < control.size(); ++i)
        control[i] = special[i % special.size()];
    control[0] = 0xB0;
    QTest::newRow("line control characters") << control;
}

void QtSerialPortTest::transmitReachesTheLine_data() {
    addFrames();
}

void QtSerialPortTest::transmitReachesTheLine() {
#ifdef Q_OS_UNIX
    QFETCH(Bytes, frame);
    PtyPair pty;
    QVERIFY(pty.ok());
    QtSerialPort port;
    QVERIFY2(port.open(pty.slaveName()), port.errorText().c_str());
    QVERIFY(port.isOpen());

    port.transmit(frame.data(), frame.size());

    QCOMPARE(pty.receive(frame.size(), 2000), frame);
    QVERIFY(pty.receive(1, 50).empty()); // nothing added, e.g. a carriage return
#else
    QSKIP("needs a pseudo-terminal");
#endif
}

void QtSerialPortTest::receivedBytesWaitUntilRead_data() {
    addFrames();
}

void QtSerialPortTest::receivedBytesWaitUntilRead() {
#ifdef Q_OS_UNIX
    QFETCH(Bytes, frame);
    PtyPair pty;
    QVERIFY(pty.ok());
    QtSerialPort port;
    QVERIFY2(port.open(pty.slaveName()), port.errorText().c_str());

    QVERIFY(pty.send(frame));
    QTRY_COMPARE(port.bytesWaiting(), frame.size());

    Bytes got(frame.size() + 10);
    QCOMPARE(port.read(got.data(), 40), size_t(40));
    QCOMPARE(port.bytesWaiting(), frame.size() - 40);
    QCOMPARE(port.read(got.data() + 40, got.size() - 40), frame.size() - 40);
    got.resize(frame.size());
    QCOMPARE(got, frame);
    QCOMPARE(port.bytesWaiting(), size_t(0));
    QVERIFY(pty.receive(1, 50).empty()); // not echoed back to the unit
#else
    QSKIP("needs a pseudo-terminal");
#endif
}

void QtSerialPortTest::reopenAndExclusiveAccess() {
#ifdef Q_OS_UNIX
    PtyPair pty;
    QVERIFY(pty.ok());
    QtSerialPort port;
    QVERIFY2(port.open(pty.slaveName()), port.errorText().c_str());
    // Choosing the port in use again closes and reopens it.
    QVERIFY2(port.open(pty.slaveName()), port.errorText().c_str());

    QtSerialPort other;
    QVERIFY(!other.open(pty.slaveName()));
    QVERIFY(!other.errorText().empty());
    QCOMPARE(other.openFailure(), PortOpenFailure::InUse);

    port.close();
    QVERIFY(!port.isOpen());
    QVERIFY2(other.open(pty.slaveName()), other.errorText().c_str());
    QCOMPARE(other.openFailure(), PortOpenFailure::None);
#else
    QSKIP("needs a pseudo-terminal");
#endif
}

void QtSerialPortTest::vanishedDeviceClosesThePort() {
#ifdef Q_OS_UNIX
    PtyPair pty;
    QVERIFY(pty.ok());
    QtSerialPort port;
    QVERIFY2(port.open(pty.slaveName()), port.errorText().c_str());
    QVERIFY(!port.lost());
    pty.hangUp();
    QTRY_VERIFY_WITH_TIMEOUT(port.lost(), 2000);
    QVERIFY(!port.isOpen());
    QVERIFY(!port.errorText().empty());
    QCOMPARE(port.bytesWaiting(), size_t(0));

    // Retries while the device is away keep it marked lost; the device back, it opens again.
    QVERIFY(!port.open(MissingDevice()));
    QVERIFY(port.lost());
    PtyPair back;
    QVERIFY(back.ok());
    QVERIFY2(port.open(back.slaveName()), port.errorText().c_str());
    QVERIFY(!port.lost());
#else
    QSKIP("needs a pseudo-terminal");
#endif
}

void QtSerialPortTest::failedOpenIsHarmless() {
    QtSerialPort port;
#ifdef Q_OS_UNIX
    PtyPair pty;
    QVERIFY(pty.ok());
    QVERIFY(port.open(pty.slaveName()));
#endif
    // A failed open also gives up the port that was open before.
    QVERIFY(!port.open(MissingDevice()));
    QVERIFY(!port.isOpen());
    QVERIFY(!port.errorText().empty());
    QCOMPARE(port.openFailure(), PortOpenFailure::NoSuchDevice);

    QCOMPARE(port.bytesWaiting(), size_t(0));
    uint8_t buffer[102] = {};
    QCOMPARE(port.read(buffer, sizeof buffer), size_t(0));
    port.transmit(buffer, sizeof buffer);
    port.close();
    QVERIFY(!port.isOpen());
    QVERIFY(!port.errorText().empty()); // still explains the failure to the user
}

QTEST_GUILESS_MAIN(QtSerialPortTest)
#include "test_qt_serial_port.moc"
