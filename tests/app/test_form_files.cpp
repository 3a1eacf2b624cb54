#include "store/RecordCopy.h"
#include "store/qt/SafeTextFile.h"
#include "support/FormBench.h"
#include "ui/MessageBoxDialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

#include <fstream>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace kx;

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

} // namespace

class FormFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void saveAndOpenRoundTrip();
    void cancelledDialogsChangeNothing();
    void gaugeStaysHiddenAfterOpen();
    void typedOpenName_data();
    void typedOpenName();
    void openErrors_data();
    void openErrors();
    void failedSaveKeepsTheFileName();
    void interruptedSaveKeepsTheOldFile();
    void settingsComeBackInTheNextRun();
    void firstRun();
    void repairedSettings();
    void testModeMarker_data();
    void testModeMarker();
    void portDevicesFromTheSettings();
};

void FormFilesTest::saveAndOpenRoundTrip() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("tuned.ign").toStdString();
    FormBench b(false);
    ConfigBlock tuned = StartupBlock();
    tuned.limiter = 135;
    tuned.tachoCorrection = 87; // a negative correction in the file
    tuned.tps100 = 200;
    tuned.advance[77] = 55;
    tuned.input2Function = 3;
    tuned.tpsMapa = 1;
    b.state.block = tuned;
    b.controller.ShowBlock();
    b.dialogs.fileAnswer = path;
    b.form.findChild<QAction*>("MenuSave")->trigger();
    QCOMPARE(b.get<QLabel>("LabelFile2")->text(), QString::fromStdString(path));
    QCOMPARE(b.state.lastFilePath, path);
    QVERIFY(ReadText(QString::fromStdString(path)).contains("RPM            1   -13 "));

    FormBench other(false);
    other.dialogs.fileAnswer = path;
    other.form.findChild<QAction*>("MenuOpen")->trigger();
    QVERIFY(other.state.block == b.state.block);
    QCOMPARE(other.get<QLineEdit>("EditOmez2")->text(), QString("13,500"));
    QCOMPARE(other.dialogs.initialPaths.back(), std::string()); // no file before this one
}

void FormFilesTest::cancelledDialogsChangeNothing() {
    FormBench b(false);
    const ConfigBlock before = b.state.block;
    b.get<QLabel>("LabelFile2")->setText("kept.ign");
    b.form.findChild<QAction*>("MenuSave")->trigger();
    b.form.findChild<QAction*>("MenuRead")->trigger(); // shows the status label and gauge
    b.form.findChild<QAction*>("MenuOpen")->trigger();
    QVERIFY(b.state.block == before);
    QCOMPARE(b.get<QLabel>("LabelFile2")->text(), QString()); // emptied by Read, not by Open
    QVERIFY(b.get<QLabel>("LabelHlaseni")->isHidden());
    QVERIFY(b.get<QWidget>("CGaugeProgram")->isHidden());
}

void FormFilesTest::gaugeStaysHiddenAfterOpen() {
    FormBench b(false);
    b.port.answerLikeUnit();
    b.form.findChild<QAction*>("MenuRead")->trigger();
    for (int tick = 0; tick < 40 && b.controller.link().engine().transferMode() != ModeIdle; ++tick)
        b.controller.Timer1Timer();
    auto* gauge = b.get<QWidget>("CGaugeProgram");
    QVERIFY(!gauge->isHidden()); // held with the read's message
    b.form.findChild<QAction*>("MenuOpen")->trigger(); // cancelled
    b.controller.Timer1Timer();
    QVERIFY(gauge->isHidden());
}

void FormFilesTest::typedOpenName_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("opened");
    QTest::newRow("existing, no extension") << "plain"
                                            << "plain";
    QTest::newRow("missing, no extension") << "tuned"
                                           << "tuned.ign";
    QTest::newRow("with the extension") << "tuned.ign"
                                        << "tuned.ign";
    QTest::newRow("missing, other extension") << "tuned.txt"
                                              << "tuned.txt";
    QTest::newRow("dot only in the folder") << "old.runs/base"
                                            << "old.runs/base.ign";
}

// Through the real Open dialog, typed as a user would: the name is decided after the dialog's own
// handling of suffixes and missing files.
void FormFilesTest::typedOpenName() {
    QFETCH(QString, typed);
    QFETCH(QString, opened);
    QTemporaryDir dir;
    for (const char* name : {"plain", "tuned.ign", "old.runs/base.ign"})
        WriteText(dir.filePath(name), "KORVANEX_KEY 50\n");
    QCOMPARE(OpenedFileName(dir.filePath(typed)), dir.filePath(opened));

    TFormHlav window;
    MessageBoxDialogs dialogs(&window);
    bool typedIn = false;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        if (!name) {
            if (dialog)
                dialog->reject();
            return;
        }
        name->setText(typed);
        // A refused name leaves a "file not found" box over the dialog: close both.
        QTimer::singleShot(0, dialog, [dialog] {
            if (auto* refusal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                refusal->reject();
            dialog->reject();
        });
        QTest::keyClick(name, Qt::Key_Return);
        typedIn = true;
    });
    const auto chosen = dialogs.askOpenFile(dir.filePath("plain").toStdString());
    QVERIFY(typedIn);
    QVERIFY(chosen.has_value());
    QCOMPARE(QFileInfo(QString::fromStdString(*chosen)).absoluteFilePath(),
             QFileInfo(dir.filePath(opened)).absoluteFilePath());
}

void FormFilesTest::openErrors_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QString() << "Open file error!";
    QTest::newRow("old version") << "KORVANEX_KEY 49\nBASE_ADV 30\n"
                                 << "Unmatched version of *.ign file!";
    QTest::newRow("no key at all") << "BASE_ADV 30\n"
                                   << "Unmatched version of *.ign file!";
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char(i * 37 + i / 7);
    QTest::newRow("binary junk") << QString::fromLatin1(junk) + " BASE_ADV 30"
                                 << "Unmatched version of *.ign file!";
    QTest::newRow("megabyte-long word") << QString(1 << 20, 'K') + " BASE_ADV 30"
                                        << "Unmatched version of *.ign file!";
}

void FormFilesTest::openErrors() {
    QFETCH(QString, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("file.ign");
    if (!content.isNull())
        WriteText(path, content);
    FormBench b(false);
    b.get<QLabel>("LabelFile2")->setText("before.ign");
    const ConfigBlock before = b.state.block;
    const QString shownBaseAdv = b.get<QLineEdit>("EditBaseAdv")->text();
    b.dialogs.fileAnswer = path.toStdString();
    b.form.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(QString::fromStdString(b.dialogs.messages.back()), message);
    QVERIFY(b.state.block == before);
    QCOMPARE(b.get<QLineEdit>("EditBaseAdv")->text(), shownBaseAdv);
    QCOMPARE(b.get<QLabel>("LabelFile2")->text(), QString("before.ign"));
    QCOMPARE(b.state.lastFilePath, std::string());
}

void FormFilesTest::failedSaveKeepsTheFileName() {
    QTemporaryDir dir;
    WriteText(dir.filePath("plain-file"), "not a folder");
    FormBench b(false);
    b.get<QLabel>("LabelFile2")->setText("before.ign");
    b.dialogs.fileAnswer = dir.filePath("plain-file/tuned.ign").toStdString();
    b.form.findChild<QAction*>("MenuSave")->trigger();
    QCOMPARE(b.dialogs.messages.back(), std::string("Open file error!"));
    QCOMPARE(b.dialogs.severities.back(), Dialogs::Severity::Error);
    QCOMPARE(b.get<QLabel>("LabelFile2")->text(), QString("before.ign"));
    QCOMPARE(b.state.lastFilePath, std::string());
}

void FormFilesTest::interruptedSaveKeepsTheOldFile() {
#ifndef Q_OS_UNIX
    QSKIP("the write is cut short with a file size limit");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath("tuned.ign");
    WriteText(path, "KORVANEX_KEY 50\nBASE_ADV 21\n");
    FormBench b(false);
    b.dialogs.fileAnswer = path.toStdString();
    // A disk that fills up half way: writes past 100 bytes fail.
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    LetOversizedWritesFail(); // as the program's start does; without it the limit kills it
    rlimit small = previous;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    b.form.findChild<QAction*>("MenuSave")->trigger();
    setrlimit(RLIMIT_FSIZE, &previous);

    QCOMPARE(b.dialogs.messages.back(), std::string("Open file error!"));
    QCOMPARE(ReadText(path), QString("KORVANEX_KEY 50\nBASE_ADV 21\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"tuned.ign"});
    QCOMPARE(b.state.lastFilePath, std::string());
#endif
}

void FormFilesTest::settingsComeBackInTheNextRun() {
    QTemporaryDir config;
    QTemporaryDir dir;
    const std::string path = dir.filePath("saved.ign").toStdString();
    ConfigBlock expected;
    QRect placed; // well inside the screen, so no fitting moves it
    {
        FormBench b(false, config.path());
        const QRect area = b.form.screen()->availableGeometry();
        placed = QRect(area.topLeft() + QPoint(123, 45), area.size() - QSize(200, 100));
        b.form.move(placed.topLeft());
        b.form.resize(placed.size());
        b.form.ComItem(4)->trigger();
        b.form.findChild<QAction*>("MenuGerman")->trigger();
        b.get<QTabWidget>("PageControl1")->setCurrentIndex(2);
        b.dialogs.fileAnswer = path;
        b.typeAndEnter("EditBaseAdv", "27");
        b.form.findChild<QAction*>("MenuSave")->trigger();
        b.state.block.spare[3] = 0x5A; // carried only by the record copy
        b.state.block.reserved54[7] = 0x66;
        b.form.close();
        expected = b.state.block;
    }
    const QString ini = ReadText(config.filePath("kx_flam3/kx_flam3.ini"));
    QVERIFY2(ini.startsWith(QString("[FORM_HLAV]\nLeft=%1\nTop=%2\nHeight=%3\nWidth=%4\nComPort=5\n"
                                    "Language=1\n")
                                .arg(placed.x())
                                .arg(placed.y())
                                .arg(placed.height())
                                .arg(placed.width())),
             qPrintable(ini));
    QVERIFY(ini.contains("\nPageControl1->ActivePageIndex=2\n"));

    FormBench next(false, config.path());
    QCOMPARE(next.form.pos(), placed.topLeft());
    QCOMPARE(next.form.size(), placed.size());
    QCOMPARE(int(next.state.choices.portIndex), 4);
    QVERIFY(next.form.ComItem(4)->isChecked());
    QCOMPARE(int(next.state.choices.languageIndex), 1);
    QCOMPARE(next.get<QLabel>("LabelFile2")->text(), QString::fromStdString(path));
    QCOMPARE(next.state.lastFilePath, path);
    QCOMPARE(next.get<QTabWidget>("PageControl1")->currentIndex(), 2);
    QVERIFY(next.state.block == expected);
    QCOMPARE(int(next.state.block.baseAdv), 27);
}

void FormFilesTest::firstRun() {
    FormBench b(false);
    QCOMPARE(int(b.state.choices.portIndex), 0);
    QCOMPARE(int(b.state.choices.languageIndex), 0);
    QCOMPARE(b.get<QLabel>("LabelFile2")->text(), QString());
    QCOMPARE(b.get<QTabWidget>("PageControl1")->currentIndex(), 0);
    QVERIFY(b.state.block == StartupBlock());
    QVERIFY(!b.state.testMode);
}

void FormFilesTest::repairedSettings() {
    QTemporaryDir config;
    WriteText(config.filePath("kx_flam3/kx_flam3.ini"),
              "[FORM_HLAV]\nComPort=0\nLanguage=7\n\n[PORTS]\nCom1=/dev/ttyUSB0\n");
    // A record copy cut short after 150 numbers changes only those bytes.
    ConfigBlock copy = StartupBlock();
    copy.limiter = 99;
    std::ostringstream text;
    WriteRecordCopy(text, copy);
    const std::string full = text.str();
    size_t cut = 0;
    for (int numbers = 0; numbers < 150; ++numbers)
        cut = full.find_first_not_of(' ', full.find_first_not_of(" \n", cut) + 1);
    WriteText(config.filePath("kx_flam3/_kx_flam3.ini"),
              QString::fromStdString(full.substr(0, cut)));

    FormBench b(false, config.path());
    QCOMPARE(int(b.state.choices.portIndex), 0);
    QCOMPARE(int(b.state.choices.languageIndex), 0);
    QCOMPARE(b.port.lastDeviceName(), std::string("/dev/ttyUSB0"));
    QCOMPARE(int(b.state.block.limiter), 99);
    QCOMPARE(b.state.block.advance[60], StartupBlock().advance[60]);
    b.form.close();
    QVERIFY(
        ReadText(config.filePath("kx_flam3/kx_flam3.ini")).contains("[PORTS]\nCom1=/dev/ttyUSB0"));
}

void FormFilesTest::testModeMarker_data() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("testMode");
    QTest::newRow("the word") << "hello DIAG_SWITCH\n" << true;
    QTest::newRow("other case") << "diag_switch" << false;
    QTest::newRow("part of a longer word") << "DIAG_SWITCHED" << false;
}

void FormFilesTest::testModeMarker() {
    QFETCH(QString, marker);
    QFETCH(bool, testMode);
    QTemporaryDir config;
    WriteText(config.filePath("kx_flam3/test_vlorin.txt"), marker);
    FormBench b(false, config.path());
    QCOMPARE(b.state.testMode, testMode);
    QCOMPARE(!b.get<QLabel>("LabelTest1")->isHidden(), testMode);
    QCOMPARE(!b.get<QWidget>("EditKompenz1")->isHidden(), testMode);
}

void FormFilesTest::portDevicesFromTheSettings() {
    QTemporaryDir config;
    WriteText(config.filePath("kx_flam3/kx_flam3.ini"), "[PORTS]\nCom3=/dev/ttyACM7\n");
    FormBench b(false, config.path());
    b.form.ComItem(2)->trigger();
    QCOMPARE(b.port.lastDeviceName(), std::string("/dev/ttyACM7"));
}

QTEST_MAIN(FormFilesTest)
#include "test_form_files.moc"
