#include <QtTest>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

// The command-line tool against the simulated unit over a real pseudo-terminal: the whole path
// from the exchange engine through the serial port to a unit that answers like the real one.

namespace {

// Exit statuses of kx_flam3_cli, restated so a change to them is noticed.
constexpr int kOk = 0;
constexpr int kMismatch = 1;
constexpr int kPortError = 3;
constexpr int kNoAnswer = 4;
constexpr int kVersion = 5;
constexpr int kFileError = 6;

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

class Simulator {
  public:
    Simulator(const QString& link, const QStringList& faults) {
        process_.setProgram(KX_SIM_PATH);
        process_.setArguments(QStringList{"--link", link, "--verbose"} + faults);
        process_.start();
        process_.waitForReadyRead(5000);
        device_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~Simulator() {
        process_.terminate();
        process_.waitForFinished(3000);
    }
    QString device() const { return device_; }
    // Stops the simulator and returns its whole request log.
    QString stopAndLog() {
        process_.terminate();
        process_.waitForFinished(3000);
        return QString::fromUtf8(process_.readAllStandardError());
    }

  private:
    QProcess process_;
    QString device_;
};

Result RunCli(const QStringList& arguments, int timeoutMs = 20000) {
    QProcess cli;
    cli.start(KX_CLI_PATH, arguments);
    Result result;
    if (!cli.waitForFinished(timeoutMs)) {
        cli.kill();
        cli.waitForFinished();
        return result;
    }
    result.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -2;
    result.out = QString::fromUtf8(cli.readAllStandardOutput());
    result.err = QString::fromUtf8(cli.readAllStandardError());
    return result;
}

QString ReadText(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

void WriteText(const QString& path, const QString& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

// A configuration far from the defaults in every keyword, within every field's range.
const char* const kTunedFile = "KORVANEX_KEY 50\n"
                               "BIKE 1 4 3 2  2 1 1  3 0 1  1 1 0  3 1 1  2 11 11\n"
                               "GEBER_MODE 2\n"
                               "INPUT 2 4 1 1\n"
                               "BASE_ADV 14\n"
                               "LIMITER 95 125 8\n"
                               "PILOT_LIGHT 11800\n"
                               "CLUTCH 80 640\n"
                               "TPS 620 4410\n"
                               "RPM 2 -13\n"
                               "TPS_MAPA 1\n"
                               "RPM_ADV 1200 2400 3300 4100 5200 6600 7700 8900 10500 12800\n"
                               "SERVO_ENABLE 1\n"
                               "SERVO_HYSTER 135\n"
                               "SERVO_RPM 1500 2500 3500 4500 5500 6500 7500 9500 11500 13500\n"
                               "SERVO_MV 1020 1240 1580 2000 2460 2980 3300 3820 4100 4960\n"
                               "NO_READING 0\n";

QString TunedFileWithMap() {
    QString text = kTunedFile;
    text += "ADVANCE";
    for (int i = 0; i < 100; ++i)
        text += QString(" %1").arg((i * 7 + i / 10) % 61);
    return text + "\n";
}

int CountRequests(const QString& log, const QString& command) {
    return int(log.count(QRegularExpression("rx " + command + " ")));
}

} // namespace

class CliAgainstSimTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void programThenReadRoundTripsEveryField();
    void programTakesNoMoreTicksThanTheSchedule();
    void badEchoFailsAfterFiveSends();
    void lostAndGarbledAnswersAreRepeated_data();
    void lostAndGarbledAnswersAreRepeated();
    void failuresHaveTheirOwnExitStatus_data();
    void failuresHaveTheirOwnExitStatus();
    void monitorPrintsLiveRows();
    void unpluggedLineEndsTheExchange();
    void portErrorsNameDeviceAndReason();
    void fileErrors();
    void usageErrors_data();
    void usageErrors();

  private:
    QTemporaryDir dir_;
    QString link_;
};

void CliAgainstSimTest::init() {
    QVERIFY(dir_.isValid());
    link_ = dir_.filePath(QString("unit-%1").arg(QTest::currentTestFunction()));
}

void CliAgainstSimTest::programThenReadRoundTripsEveryField() {
    Simulator sim(link_, {});
    QVERIFY(sim.device().startsWith("/dev/"));
    const QString tuned = dir_.filePath("tuned.ign");
    WriteText(tuned, TunedFileWithMap());

    // The file as the tool itself saves it, to compare with what comes back from the unit.
    const QString before = dir_.filePath("before.ign");
    Result first = RunCli({"program", "--port", link_, tuned});
    QCOMPARE(first.exitCode, kOk);
    QVERIFY2(first.out.contains("Program device:: OK"), qPrintable(first.out + first.err));

    Result read = RunCli({"read", "--port", link_, "--out", before});
    QCOMPARE(read.exitCode, kOk);
    const QString text = ReadText(before);
    QVERIFY(text.startsWith("KORVANEX_KEY   50 \n"));
    QVERIFY(text.contains("BIKE            1 \n"));
    QVERIFY(text.contains("LIMITER        95   125     8 \n"));
    QVERIFY(text.contains("RPM            2   -13 \n"));
    QVERIFY(text.contains("TPS           620  4410 \n"));
    QVERIFY(text.contains("SERVO_HYSTER  135 \n"));
    QVERIFY(text.contains(
        "SERVO_MV     1020  1240  1580  2000  2460  2980  3300  3820  4100  4960 \n"));

    // Programming what was read and reading it again gives the same file, byte for byte.
    QCOMPARE(RunCli({"program", "--port", link_, before}).exitCode, kOk);
    const QString after = dir_.filePath("after.ign");
    QCOMPARE(RunCli({"read", "--port", link_, "--out", after}).exitCode, kOk);
    QCOMPARE(ReadText(after), text);

    // A file that cannot be written is a file error, not a success.
    const Result blocked = RunCli({"read", "--port", link_, "--out", before + "/inside.ign"});
    QCOMPARE(blocked.exitCode, kFileError);
    QCOMPARE(ReadText(before), text);
}

void CliAgainstSimTest::programTakesNoMoreTicksThanTheSchedule() {
    Simulator sim(link_, {});
    const QString file = dir_.filePath("tuned.ign");
    WriteText(file, TunedFileWithMap());
    Result result = RunCli({"program", "--port", link_, file, "--verbose"});
    QCOMPARE(result.exitCode, kOk);
    // Four ticks to the first request, then one tick for each of the five answers.
    QVERIFY2(result.err.contains("ticks: 9\n"), qPrintable(result.err));
}

void CliAgainstSimTest::badEchoFailsAfterFiveSends() {
    Simulator sim(link_, {"--bad-echo-block", "2"});
    const QString file = dir_.filePath("tuned.ign");
    WriteText(file, TunedFileWithMap());
    Result result = RunCli({"program", "--port", link_, file});
    QCOMPARE(result.exitCode, kMismatch);
    QVERIFY(result.err.contains("Program error!"));
    const QString log = sim.stopAndLog();
    QCOMPARE(CountRequests(log, "02"), 5);
    QCOMPARE(CountRequests(log, "41"), 0);
}

void CliAgainstSimTest::lostAndGarbledAnswersAreRepeated_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::newRow("every third answer lost") << QStringList{"--drop-every", "3"};
    QTest::newRow("every second check byte wrong") << QStringList{"--corrupt-every", "2"};
    QTest::newRow("slow unit") << QStringList{"--delay-ms", "120"};
    QTest::newRow("real line speed") << QStringList{"--line-time"};
}

void CliAgainstSimTest::lostAndGarbledAnswersAreRepeated() {
    QFETCH(QStringList, faults);
    Simulator sim(link_, faults);
    const QString file = dir_.filePath("tuned.ign");
    WriteText(file, TunedFileWithMap());
    Result program = RunCli({"program", "--port", link_, file});
    QVERIFY2(program.exitCode == kOk, qPrintable(program.err));
    QCOMPARE(RunCli({"verify", "--port", link_, file}).exitCode, kOk);
}

void CliAgainstSimTest::failuresHaveTheirOwnExitStatus_data() {
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("silent unit") << QStringList{"--silent"} << QStringList{"info"} << kNoAnswer
                                 << "Read error!";
    QTest::newRow("stray bytes before every answer")
        << QStringList{"--stray-bytes", "3"} << QStringList{"info"} << kNoAnswer << "Read error!";
    QTest::newRow("old protocol")
        << QStringList{"--unit-version", "49"} << QStringList{"info"} << kVersion
        << "Unmatched version of PC and Ignition programs!  PC-50, IGN-49";
    QTest::newRow("German texts") << QStringList{"--silent"}
                                  << QStringList{"info", "--lang", "DEUTSCH"} << kNoAnswer
                                  << "Lesefehler";
    QTest::newRow("no monitor answer")
        << QStringList{"--silent"} << QStringList{"monitor"} << kNoAnswer << "No Connection";
}

void CliAgainstSimTest::failuresHaveTheirOwnExitStatus() {
    QFETCH(QStringList, faults);
    QFETCH(QStringList, command);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    Simulator sim(link_, faults);
    QStringList arguments = command;
    arguments << "--port" << link_;
    Result result = RunCli(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void CliAgainstSimTest::monitorPrintsLiveRows() {
    Simulator sim(link_, {});
    Result result = RunCli({"monitor", "--port", link_, "--seconds", "2"});
    QCOMPARE(result.exitCode, kOk);
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines.first().startsWith("time_ms,rpm,tps_percent,tps_mv,supply_mv,advance1,"));
    // One request every six ticks of 55 ms: about six rows in two seconds.
    QVERIFY2(lines.size() - 1 >= 5 && lines.size() - 1 <= 7, qPrintable(result.out));
    const int columns = int(lines.first().count(',')) + 1;
    int previousTime = -1;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList values = lines[i].split(',');
        QCOMPARE(values.size(), columns);
        QVERIFY(values[0].toInt() > previousTime);
        previousTime = values[0].toInt();
        const int rpm = values[1].toInt();
        QVERIFY2(rpm >= 1000 && rpm <= 11000, qPrintable(lines[i]));
    }
}

void CliAgainstSimTest::unpluggedLineEndsTheExchange() {
    Simulator sim(link_, {"--unplug-after", "2"});
    const QString file = dir_.filePath("tuned.ign");
    WriteText(file, TunedFileWithMap());
    QElapsedTimer clock;
    clock.start();
    Result result = RunCli({"program", "--port", link_, file});
    QCOMPARE(result.exitCode, kNoAnswer);
    QVERIFY(result.err.contains("Program error!"));
    QVERIFY(clock.elapsed() < 5000);
}

void CliAgainstSimTest::portErrorsNameDeviceAndReason() {
    const QString missing = dir_.filePath("no-such-unit");
    Result result = RunCli({"info", "--port", missing});
    QCOMPARE(result.exitCode, kPortError);
    QCOMPARE(result.err, "Com opening error!\n" + missing + ": no such device\n");

    // "COM7" goes where the window's settings file points it.
    QVERIFY(QDir(dir_.path()).mkpath("kx_flam3"));
    WriteText(dir_.filePath("kx_flam3/kx_flam3.ini"), "[PORTS]\nCom7=" + missing + "\n");
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    result = RunCli({"info", "--port", "COM7"});
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(result.err, "Com opening error!\n" + missing + ": no such device\n");

    // Another program holds the port: a monitor run keeps it open meanwhile.
    Simulator sim(link_, {});
    QProcess holder;
    holder.start(KX_CLI_PATH, {"monitor", "--port", link_, "--seconds", "5"});
    QVERIFY(holder.waitForReadyRead(5000));
    result = RunCli({"info", "--port", link_, "--lang", "FRANCE"});
    QCOMPARE(result.exitCode, kPortError);
    QCOMPARE(result.err, "Erreur connections PC!\n" + link_ + ": utilisé par un autre programme\n");
    holder.kill();
    holder.waitForFinished();
}

void CliAgainstSimTest::fileErrors() {
    Simulator sim(link_, {});
    const QString wrongVersion = dir_.filePath("old.ign");
    WriteText(wrongVersion, "KORVANEX_KEY 49\nBASE_ADV 12\n");
    Result old = RunCli({"program", "--port", link_, wrongVersion});
    QCOMPARE(old.exitCode, kFileError);
    QVERIFY(old.err.contains("Unmatched version of *.ign file!"));
    Result missing = RunCli({"verify", "--port", link_, dir_.filePath("missing.ign")});
    QCOMPARE(missing.exitCode, kFileError);
    QVERIFY(missing.err.contains("Open file error!"));
    // Nothing was sent to the unit.
    QCOMPARE(CountRequests(sim.stopAndLog(), "00"), 0);
}

void CliAgainstSimTest::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no command") << QStringList{} << "no command given";
    QTest::newRow("unknown command") << QStringList{"erase", "--port", "COM1"} << "unknown command";
    QTest::newRow("no port") << QStringList{"info"} << "--port is required";
    QTest::newRow("port without value") << QStringList{"info", "--port"} << "--port needs a value";
    QTest::newRow("no file") << QStringList{"program", "--port", "COM1"} << "name the .ign file";
    QTest::newRow("read without --out") << QStringList{"read", "--port", "COM1"} << "--out";
    QTest::newRow("unknown language")
        << QStringList{"info", "--port", "COM1", "--lang", "english"} << "--lang takes";
    QTest::newRow("bad seconds") << QStringList{"monitor", "--port", "COM1", "--seconds", "x"}
                                 << "--seconds needs";
}

void CliAgainstSimTest::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Result result = RunCli(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(result.err.contains("Usage: kx_flam3_cli"));
    QCOMPARE(RunCli({"--help"}).exitCode, kOk);
}

QTEST_GUILESS_MAIN(CliAgainstSimTest)
#include "test_cli_against_sim.moc"
