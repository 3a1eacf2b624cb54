#include "link/PortNames.h"
#include "store/PortSettings.h"

#include <QtTest>

#include <sstream>

using namespace kx;

class PortNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void defaults_data();
    void defaults();
    void overrides_data();
    void overrides();
    void parsing_data();
    void parsing();
    void parsingRoundTripsTheCaptions();
    void settingsFileSection();

  private:
    void clearEnvironment();
};

void PortNamesTest::clearEnvironment() {
    for (int n = 1; n <= kPortCount; ++n)
        qunsetenv(QByteArray("KX_FLAM3_COM") + QByteArray::number(n));
}

void PortNamesTest::init() {
    clearEnvironment();
}

void PortNamesTest::cleanup() {
    clearEnvironment();
}

void PortNamesTest::defaults_data() {
    QTest::addColumn<int>("portIndex");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("device");

#ifdef Q_OS_WIN
    QTest::newRow("first") << 0 << "Com 1"
                           << "COM1";
    QTest::newRow("fifth") << 4 << "Com 5"
                           << "COM5";
    QTest::newRow("last") << 19 << "Com 20"
                          << "COM20";
#else
    QTest::newRow("first") << 0 << "Com 1"
                           << "/dev/ttyS0";
    QTest::newRow("fifth") << 4 << "Com 5"
                           << "/dev/ttyS4";
    QTest::newRow("last") << 19 << "Com 20"
                          << "/dev/ttyS19";
#endif
    QTest::newRow("below range") << -1 << ""
                                 << "";
    QTest::newRow("above range") << 20 << ""
                                 << "";
}

void PortNamesTest::defaults() {
    QFETCH(int, portIndex);
    QFETCH(QString, caption);
    QFETCH(QString, device);

    QCOMPARE(QString::fromStdString(PortCaption(portIndex)), caption);
    QCOMPARE(QString::fromStdString(DefaultDeviceForPort(portIndex)), device);
    QCOMPARE(QString::fromStdString(DeviceForPort(portIndex, {})), device);
}

void PortNamesTest::overrides_data() {
    QTest::addColumn<int>("portIndex");
    QTest::addColumn<QString>("setting");     // an empty entry counts as none
    QTest::addColumn<QString>("environment"); // empty: variable not set
    QTest::addColumn<QString>("device");

    const QString fallback = QString::fromStdString(DefaultDeviceForPort(4));
    QTest::newRow("setting") << 4 << "/dev/ttyUSB0"
                             << ""
                             << "/dev/ttyUSB0";
    QTest::newRow("environment") << 4 << ""
                                 << "/dev/pts/7"
                                 << "/dev/pts/7";
    QTest::newRow("environment wins") << 4 << "/dev/ttyUSB0"
                                      << "/dev/pts/7"
                                      << "/dev/pts/7";
    QTest::newRow("neither") << 4 << ""
                             << "" << fallback;
    QTest::newRow("first port") << 0 << "/dev/ttyACM0"
                                << ""
                                << "/dev/ttyACM0";
    QTest::newRow("last port") << 19 << "COM33"
                               << "/dev/ttyUSB3"
                               << "/dev/ttyUSB3";
    QTest::newRow("out of range ignores overrides") << 20 << "/dev/ttyUSB0"
                                                    << "/dev/pts/7"
                                                    << "";
}

void PortNamesTest::overrides() {
    QFETCH(int, portIndex);
    QFETCH(QString, setting);
    QFETCH(QString, environment);
    QFETCH(QString, device);

    const int number = portIndex + 1;
    std::map<int, std::string> settings;
    // Overrides of the neighbouring ports must not leak into this one.
    settings[number - 1] = "/dev/neighbour-below";
    settings[number + 1] = "/dev/neighbour-above";
    settings[number] = setting.toStdString();
    if (!environment.isEmpty())
        qputenv(QByteArray("KX_FLAM3_COM") + QByteArray::number(number), environment.toUtf8());
    qputenv(QByteArray("KX_FLAM3_COM") + QByteArray::number(number == 1 ? 2 : number - 1),
            "/dev/other-port");

    QCOMPARE(QString::fromStdString(DeviceForPort(portIndex, settings)), device);
}

void PortNamesTest::parsing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("portIndex"); // -1: not a port name

    QTest::newRow("upper case") << "COM5" << 4;
    QTest::newRow("lower case") << "com5" << 4;
    QTest::newRow("caption") << "Com 5" << 4;
    QTest::newRow("first") << "COM1" << 0;
    QTest::newRow("last") << "COM20" << 19;
    QTest::newRow("leading zero") << "COM05" << 4;
    QTest::newRow("zero") << "COM0" << -1;
    QTest::newRow("above range") << "COM21" << -1;
    QTest::newRow("three digits") << "COM100" << -1;
    QTest::newRow("no digit") << "COMx" << -1;
    QTest::newRow("no number") << "COM" << -1;
    QTest::newRow("space only") << "COM " << -1;
    QTest::newRow("two spaces") << "Com  5" << -1;
    QTest::newRow("trailing text") << "COM5x" << -1;
    QTest::newRow("sign") << "COM+5" << -1;
    QTest::newRow("device path") << "/dev/ttyS4" << -1;
    QTest::newRow("other prefix") << "CON5" << -1;
    QTest::newRow("empty") << "" << -1;
}

void PortNamesTest::parsing() {
    QFETCH(QString, name);
    QFETCH(int, portIndex);

    const std::optional<int> parsed = PortIndexFromName(name.toStdString());
    QCOMPARE(parsed.value_or(-1), portIndex);
}

void PortNamesTest::parsingRoundTripsTheCaptions() {
    for (int i = 0; i < kPortCount; ++i) {
        QCOMPARE(PortIndexFromName(PortCaption(i)).value_or(-1), i);
        QCOMPARE(PortIndexFromName("COM" + std::to_string(i + 1)).value_or(-1), i);
    }
}

void PortNamesTest::settingsFileSection() {
    std::istringstream text(
        "[PORTS]\nCom3=/dev/ttyACM7\nCOM12=/dev/ttyUSB1\nCom21=/dev/beyond\n"
        "ComX=/dev/no-number\nCom=/dev/none\n[FORM_HLAV]\nCom4=/dev/elsewhere\n");
    IniFile settings;
    settings.Load(text);
    const std::map<int, std::string> expected{{3, "/dev/ttyACM7"}, {12, "/dev/ttyUSB1"}};
    QVERIFY(PortOverridesFromSettings(settings) == expected);
}

QTEST_APPLESS_MAIN(PortNamesTest)
#include "test_port_names.moc"
