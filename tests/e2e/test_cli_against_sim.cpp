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

// The simulator's image file: the record's 207 bytes as numbers.
QList<int> ImageBytes(const QString& path) {
    QList<int> bytes;
    for (const QString& word : ReadText(path).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
        bytes << word.toInt();
    return bytes;
}

void WriteImage(const QString& path, const QList<int>& bytes) {
    QStringList words;
    for (int byte : bytes)
        words << QString::number(byte);
    WriteText(path, words.join(' '));
}

// Record offsets the tests look at.
constexpr int kOutputCount = 4;
constexpr int kBaseAdv = 9;
constexpr int kLimiter = 13;
constexpr int kTps0 = 20;
constexpr int kStartLimiter = 25;
constexpr int kRetard = 26;
constexpr int kAdvance = 100;

} // namespace

class CliAgainstSimTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void programThenReadRoundTripsEveryField();
    void programTakesNoMoreTicksThanTheSchedule();
    void programmedFileIsClampedAndStoredBeforeSuccess();
    void programFailsWhenStoringIsNotReportedEnded();
    void readKeepsFilesAndBacksUpUnitsAsTheyAre();
    void infoShowsTheUnitsTextsFromTheInformationBlock();
    void otherLanguagesGiveTheirOwnWords_data();
    void otherLanguagesGiveTheirOwnWords();
    void badEchoFailsAfterFiveSends();
    void lostAndGarbledAnswersAreRepeated_data();
    void lostAndGarbledAnswersAreRepeated();
    void failuresHaveTheirOwnExitStatus_data();
    void failuresHaveTheirOwnExitStatus();
    void monitorPrintsLiveRows();
    void unpluggedLineEndsTheExchange();
    void portErrorsNameDeviceAndReason();
    void fileErrors();
    void diffListsWhatTheFilesHold();
    void historyKeepsReadsAndProgramsNewestFirst();
    void usageErrors_data();
    void usageErrors();

  private:
    QTemporaryDir dir_;
    QString link_;
};

void CliAgainstSimTest::init() {
    QVERIFY(dir_.isValid());
    link_ = dir_.filePath(QString("unit-%1").arg(QTest::currentTestFunction()));
    // Every read and program is kept in the history: each test function has a folder of its
    // own, and none touches the user's.
    qputenv("XDG_DATA_HOME",
            dir_.filePath(QString("data-%1").arg(QTest::currentTestFunction())).toUtf8());
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
    QVERIFY2(result.err.contains("tick 9: Program device:: OK"), qPrintable(result.err));
}

void CliAgainstSimTest::programmedFileIsClampedAndStoredBeforeSuccess() {
    const QString image = dir_.filePath("unit-image");
    Simulator sim(link_, {"--image", image});
    // Values no editor offers: the unit must get what the window would show for this file.
    const QString wild = dir_.filePath("wild.ign");
    WriteText(wild, TunedFileWithMap() + "BASE_ADV 255\nLIMITER 255 255 200\nADVANCE 255 61\n");
    QElapsedTimer clock;
    clock.start();
    const Result program = RunCli({"program", "--port", link_, wild});
    QCOMPARE(program.exitCode, kOk);
    // The simulated unit stores for two seconds after the last block; success comes after that.
    QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
    const QStringList lines = program.out.split('\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() >= 3, qPrintable(program.out));
    QVERIFY2(lines.first().startsWith("Saving: "), qPrintable(program.out));
    QCOMPARE(lines.last(), "Program device:: OK");

    const QList<int> stored = ImageBytes(image);
    QCOMPARE(stored.size(), 207);
    QCOMPARE(stored[kBaseAdv], 40);
    QCOMPARE(stored[kStartLimiter], 250);
    QCOMPARE(stored[kLimiter], 250);
    QCOMPARE(stored[kRetard], 25);
    QCOMPARE(stored[kAdvance], 60);
    QCOMPARE(stored[kAdvance + 1], 60);

    // The tuned file against that unit: each differing field, in the file's own words and units.
    const QString tuned = dir_.filePath("tuned.ign");
    WriteText(tuned, TunedFileWithMap());
    const Result verify = RunCli({"verify", "--port", link_, tuned});
    QCOMPARE(verify.exitCode, kMismatch);
    QVERIFY(verify.err.contains("Verify error!"));
    QCOMPARE(verify.out, QString("BASE_ADV: file 14, unit 40\n"
                                 "LIMITER start limiter: file 95, unit 250\n"
                                 "LIMITER limiter: file 125, unit 250\n"
                                 "LIMITER retard: file 8, unit 25\n"
                                 "ADVANCE row 1 column 1: file 0, unit 60\n"
                                 "ADVANCE row 1 column 2: file 7, unit 60\n"));
}

void CliAgainstSimTest::programFailsWhenStoringIsNotReportedEnded() {
    Simulator sim(link_, {"--save-ms", "60000"});
    const QString file = dir_.filePath("tuned.ign");
    WriteText(file, TunedFileWithMap());
    QElapsedTimer clock;
    clock.start();
    const Result result = RunCli({"program", "--port", link_, file});
    QCOMPARE(result.exitCode, kNoAnswer);
    QVERIFY2(clock.elapsed() >= 10000 && clock.elapsed() < 14000,
             qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(result.out.startsWith("Saving: "), qPrintable(result.out));
    QVERIFY(!result.out.contains("OK"));
    QVERIFY2(result.err.contains("did not report the end of storing within 10 s"),
             qPrintable(result.err));
}

void CliAgainstSimTest::readKeepsFilesAndBacksUpUnitsAsTheyAre() {
    const QString image = dir_.filePath("rule-breaking-image");
    {
        Simulator sim(link_, {"--image", image});
        const QString tuned = dir_.filePath("tuned.ign");
        WriteText(tuned, TunedFileWithMap());
        QCOMPARE(RunCli({"program", "--port", link_, tuned}).exitCode, kOk);
    }
    // A unit whose data no editor would produce: three outputs, a throttle zero above 2500 mV,
    // a start limiter above the limiter.
    QList<int> bytes = ImageBytes(image);
    QCOMPARE(bytes.size(), 207);
    bytes[kOutputCount] = 3;
    bytes[kTps0] = 255;
    bytes[kStartLimiter] = 200;
    WriteImage(image, bytes);
    Simulator sim(link_, {"--image", image});

    const QString backup = dir_.filePath("backup.ign");
    WriteText(backup, "the technician's own file");
    const Result refused = RunCli({"read", "--port", link_, "--out", backup});
    QCOMPARE(refused.exitCode, kFileError);
    QVERIFY2(refused.err.contains(backup + " already exists"), qPrintable(refused.err));
    QCOMPARE(ReadText(backup), "the technician's own file");

    const Result forced = RunCli({"read", "--port", link_, "--out", backup, "--force"});
    QCOMPARE(forced.exitCode, kMismatch);
    QVERIFY2(forced.out.contains("Written: " + backup + "\n"), qPrintable(forced.out));
    QVERIFY2(forced.out.contains("BIKE outputs: unit 3, normalised 2\n"
                                 "LIMITER start limiter: unit 200, normalised 125\n"
                                 "TPS 0 %: unit 2550, normalised 2500\n"),
             qPrintable(forced.out));
    QVERIFY(forced.err.contains("breaks the configuration rules"));
    // The backup holds the unit's bytes, not the normalised ones.
    const QString text = ReadText(backup);
    QVERIFY2(text.contains("LIMITER       200   125     8 \n"), qPrintable(text));
    QVERIFY(text.contains("TPS          2550  4410 \n"));
    QVERIFY(text.contains("\n                4     3     3 \n"));
    // The unit was asked only after the file question was settled: one read, one verify.
    const QString log = sim.stopAndLog();
    QCOMPARE(CountRequests(log, "40"), 1);
    QCOMPARE(CountRequests(log, "42"), 2);
}

void CliAgainstSimTest::infoShowsTheUnitsTextsFromTheInformationBlock() {
    Simulator sim(link_, {});
    const Result result = RunCli({"info", "--port", link_});
    QCOMPARE(result.exitCode, kOk);
    QCOMPARE(result.out, QString("Firmware: KX_FLAM3 sim 2.3\nDate: 14. 3.2024\nTime: 09:41\n"));
    // Nothing beyond the information block is waited for.
    QCOMPARE(CountRequests(sim.stopAndLog(), "42"), 0);
}

void CliAgainstSimTest::otherLanguagesGiveTheirOwnWords_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("refusal"); // %1 is the file
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("verifyError");
    QTest::addColumn<QString>("difference");
    QTest::newRow("German") << "DEUTSCH"
                            << "Die Datei %1 existiert bereits; zum Ersetzen --force angeben\n"
                            << "Programmversion: KX_FLAM3 sim 2.3\nDatum: 14. 3.2024\n"
                               "Uhrzeit: 09:41\n"
                            << "Vergleichsfehler"
                            << "LIMITER Begrenzer: Datei 130, Zündung 125\n";
    QTest::newRow("Czech") << "CESKY"
                           << "Soubor %1 již existuje; pro přepsání přidejte --force\n"
                           << "Verze programu: KX_FLAM3 sim 2.3\nDatum: 14. 3.2024\nČas: 09:41\n"
                           << "Chyba verifikace!"
                           << "LIMITER omezovač: soubor 130, zapalování 125\n";
}

void CliAgainstSimTest::otherLanguagesGiveTheirOwnWords() {
    QFETCH(QString, language);
    QFETCH(QString, refusal);
    QFETCH(QString, info);
    QFETCH(QString, verifyError);
    QFETCH(QString, difference);
    Simulator sim(link_, {});
    const QStringList lang{"--port", link_, "--lang", language};

    const QString backup = dir_.filePath("backup.ign");
    WriteText(backup, "the technician's own file");
    const Result refused = RunCli(QStringList{"read", "--out", backup} + lang);
    QCOMPARE(refused.exitCode, kFileError);
    QCOMPARE(refused.err, refusal.arg(backup));

    const Result shown = RunCli(QStringList{"info"} + lang);
    QCOMPARE(shown.exitCode, kOk);
    QCOMPARE(shown.out, info);

    const QString tuned = dir_.filePath("tuned.ign");
    WriteText(tuned, TunedFileWithMap());
    QCOMPARE(RunCli({"program", "--port", link_, tuned}).exitCode, kOk);
    const QString other = dir_.filePath("other-limiter.ign");
    WriteText(other, TunedFileWithMap() + "LIMITER 95 130 8\n");
    const Result verify = RunCli(QStringList{"verify", other} + lang);
    QCOMPARE(verify.exitCode, kMismatch);
    QVERIFY2(verify.err.contains(verifyError), qPrintable(verify.err));
    QCOMPARE(verify.out, difference);
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
    QTest::newRow("monitor run shorter than the wait for a first telegram")
        << QStringList{"--silent"} << QStringList{"monitor", "--seconds", "1"} << kNoAnswer
        << "No Connection";
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
    Result folder = RunCli({"program", "--port", link_, dir_.path(), "--lang", "DEUTSCH"});
    QCOMPARE(folder.exitCode, kFileError);
    QVERIFY2(folder.err.startsWith("Fehler beim öffnen der Datei!\n"), qPrintable(folder.err));
    QVERIFY(folder.err.contains(dir_.path()));
    // Nothing was sent to the unit.
    QCOMPARE(CountRequests(sim.stopAndLog(), "00"), 0);
}

void CliAgainstSimTest::diffListsWhatTheFilesHold() {
    const QString tuned = dir_.filePath("tuned.ign");
    WriteText(tuned, TunedFileWithMap());
    const QString copy = dir_.filePath("copy.ign");
    WriteText(copy, TunedFileWithMap());
    const Result equal = RunCli({"diff", tuned, copy});
    QCOMPARE(equal.exitCode, kOk);
    QCOMPARE(equal.out + equal.err, QString());

    // A limiter, a flag and a map cell, and a value no editor offers, which stays as it is.
    const QString changed = dir_.filePath("changed.ign");
    WriteText(changed,
              TunedFileWithMap() + "LIMITER 95 130 8\nTPS_MAPA 0\nADVANCE 0 8\nBASE_ADV 255\n");
    const Result differ = RunCli({"diff", tuned, changed});
    QCOMPARE(differ.exitCode, kMismatch);
    QCOMPARE(differ.out, QString("BASE_ADV: tuned.ign 14, changed.ign 255\n"
                                 "LIMITER limiter: tuned.ign 125, changed.ign 130\n"
                                 "TPS_MAPA: tuned.ign 1, changed.ign 0\n"
                                 "ADVANCE row 1 column 2: tuned.ign 7, changed.ign 8\n"));
    // Keywords both files lack are no difference: each is read over the same record.
    const QString sparse = dir_.filePath("sparse.ign");
    WriteText(sparse, "KORVANEX_KEY 50\nLIMITER 95 125 8\n");
    const QString sameName = dir_.filePath("other/sparse.ign");
    QVERIFY(QDir(dir_.path()).mkpath("other"));
    WriteText(sameName, "KORVANEX_KEY 50\nLIMITER 95 130 8\n");
    const Result paths = RunCli({"diff", sparse, sameName, "--lang", "DEUTSCH"});
    QCOMPARE(paths.exitCode, kMismatch);
    QCOMPARE(paths.out, "LIMITER Begrenzer: " + sparse + " 125, " + sameName + " 130\n");

    const QString missing = dir_.filePath("missing.ign");
    const Result unreadable = RunCli({"diff", tuned, missing});
    QCOMPARE(unreadable.exitCode, kFileError);
    QCOMPARE(unreadable.err, "Open file error!\n" + missing + "\n");
    const QString notes = dir_.filePath("notes.ign");
    WriteText(notes, "LIMITER 95 125 8\n");
    const Result foreign = RunCli({"diff", notes, tuned});
    QCOMPARE(foreign.exitCode, kFileError);
    QCOMPARE(foreign.err, "Unmatched version of *.ign file!\n" + notes + "\n");
    QCOMPARE(foreign.out, QString());
}

void CliAgainstSimTest::historyKeepsReadsAndProgramsNewestFirst() {
    const Result none = RunCli({"history"});
    QCOMPARE(none.exitCode, kOk);
    QCOMPARE(none.out + none.err, QString());

    Simulator sim(link_, {});
    const QString tuned = dir_.filePath("tuned.ign");
    WriteText(tuned, TunedFileWithMap());
    const QString backup = dir_.filePath("kept.ign");
    QCOMPARE(RunCli({"program", "--port", link_, tuned}).exitCode, kOk);
    QCOMPARE(RunCli({"read", "--port", link_, "--out", backup}).exitCode, kOk);
    // A verify changes nothing in the unit and is not kept.
    QCOMPARE(RunCli({"verify", "--port", link_, tuned}).exitCode, kOk);

    const auto rows = [](const QString& out) {
        QList<QStringList> cells;
        for (const QString& line : out.split('\n', Qt::SkipEmptyParts))
            cells << line.split(QRegularExpression(" {2,}"));
        return cells;
    };
    const Result listed = RunCli({"history"});
    QCOMPARE(listed.exitCode, kOk);
    QCOMPARE(listed.err, QString());
    const QList<QStringList> table = rows(listed.out);
    QCOMPARE(table.size(), 3);
    QCOMPARE(table[0],
             (QStringList{"Time", "Action", "Programmed", "Firmware", "File", "Kept as"}));
    // The unit reports its count only after storing, which a read does not wait for.
    QCOMPARE(table[1].mid(1, 4),
             (QStringList{"read", "-", "KX_FLAM3 sim 2.3, 14. 3.2024 09:41", backup}));
    QCOMPARE(table[2].mid(1, 4),
             (QStringList{"program", "1", "KX_FLAM3 sim 2.3, 14. 3.2024 09:41", tuned}));
    QVERIFY(QDateTime::fromString(table[1][0], "yyyy-MM-dd HH:mm:ss").isValid());
    // Columns line up, and the kept files hold what the unit held.
    QCOMPARE(listed.out.split('\n')[1].indexOf(backup), listed.out.split('\n')[0].indexOf("File"));
    QCOMPARE(RunCli({"diff", table[1][5], backup}).exitCode, kOk);
    QCOMPARE(RunCli({"diff", table[2][5], tuned}).exitCode, kOk);

    const Result newest = RunCli({"history", "--limit", "1", "--lang", "DEUTSCH"});
    QCOMPARE(rows(newest.out).size(), 2);
    QCOMPARE(rows(newest.out)[1][1], "Lesen");

    const QString index = QFileInfo(table[1][5]).dir().filePath("index.txt");
    WriteText(index, ReadText(index) + "garbled\tline\n");
    const Result garbled = RunCli({"history"});
    QCOMPARE(garbled.exitCode, kOk);
    QCOMPARE(garbled.out, listed.out);
    QCOMPARE(garbled.err, "History: 1 index lines skipped, 0 files not in the index\n");

    // A folder that cannot be written costs the entry, not the read.
    const QString blocker = dir_.filePath("blocker");
    WriteText(blocker, "");
    qputenv("XDG_DATA_HOME", blocker.toUtf8());
    const Result unkept = RunCli({"read", "--port", link_, "--out", backup, "--force"});
    QCOMPARE(unkept.exitCode, kOk);
    QCOMPARE(unkept.err, "Not kept in the history: the folder " + blocker +
                             "/kx_flam3/history could not be written\n");
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
    QTest::newRow("diff of one file") << QStringList{"diff", "a.ign"} << "diff needs two";
    QTest::newRow("diff of three files")
        << QStringList{"diff", "a.ign", "b.ign", "c.ign"} << "unexpected argument 'c.ign'";
    QTest::newRow("no entries") << QStringList{"history", "--limit", "0"} << "--limit needs";
    QTest::newRow("no number") << QStringList{"history", "--limit", "abc"} << "--limit needs";
    QTest::newRow("history of a file") << QStringList{"history", "a.ign"} << "unexpected argument";
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
