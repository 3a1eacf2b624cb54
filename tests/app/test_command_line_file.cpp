#include "support/FormBench.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtTest>

using namespace kx;

namespace {

// A good file with a limiter beyond its editor's range, which Open brings back into it.
const char kGoodFile[] = "KORVANEX_KEY 50\nBASE_ADV 21\nLIMITER 0 250 0\n";

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// The window started as the program starts it, with its command line.
struct StartedWith {
    explicit StartedWith(const QStringList& arguments)
        : controller(form, state, port, dialogs, arguments) {
        controller.FormCreate();
    }
    IsolatedSettings settings;
    TFormHlav form;
    FakeSerialPort port;
    RecordingDialogs dialogs;
    FormState state;
    FormController controller;
};

// Runs the working folder elsewhere for the life of a test, then puts it back.
struct WorkingFolder {
    explicit WorkingFolder(const QString& path) { QDir::setCurrent(path); }
    ~WorkingFolder() { QDir::setCurrent(previous); }
    QString previous = QDir::currentPath();
};

} // namespace

class CommandLineFileTest : public QObject {
    Q_OBJECT

  private slots:
    void opensAsFileOpenDoes_data();
    void opensAsFileOpenDoes();
    void refusesAsFileOpenDoes_data();
    void refusesAsFileOpenDoes();
};

void CommandLineFileTest::opensAsFileOpenDoes_data() {
    QTest::addColumn<QStringList>("arguments"); // FILE stands for the file's name as given
    QTest::addColumn<bool>("relative");
    QTest::addColumn<QString>("languageItem");

    QTest::newRow("absolute path") << QStringList{"FILE"} << false << "MenuEnglish";
    QTest::newRow("relative path") << QStringList{"FILE"} << true << "MenuEnglish";
    QTest::newRow("after the language word")
        << QStringList{"DEUTSCH", "FILE"} << false << "MenuGerman";
    QTest::newRow("after a log") << QStringList{"--log", "missing.csv", "FILE"} << false
                                 << "MenuEnglish";
}

void CommandLineFileTest::opensAsFileOpenDoes() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, relative);
    QFETCH(QString, languageItem);
    QTemporaryDir dir;
    const QString path = dir.filePath("tuned.ign");
    WriteText(path, kGoodFile);
    WorkingFolder inDir(dir.path());
    arguments.replaceInStrings("FILE", relative ? "tuned.ign" : path);

    FormBench byMenu(false);
    byMenu.dialogs.fileAnswer = path.toStdString();
    byMenu.get<QAction>("MenuOpen")->trigger();
    QCOMPARE(byMenu.state.block.baseAdv, uint8_t(21));

    StartedWith started(arguments);
    // Not before the window is up, so that a message box has its parent.
    QCOMPARE(started.state.lastFilePath, std::string());
    QCoreApplication::processEvents();
    QVERIFY(started.state.block == byMenu.state.block);
    QCOMPARE(started.state.lastFilePath, path.toStdString());
    QCOMPARE(started.form.findChild<QLabel*>("LabelFile2")->text(), path);
    for (const char* field : {"EditBaseAdv", "EditOmez2"}) {
        QCOMPARE(started.form.findChild<QLineEdit*>(field)->text(),
                 byMenu.get<QLineEdit>(field)->text());
    }
    QVERIFY(started.form.findChild<QAction*>(qPrintable(languageItem))->isChecked());
    // The log that is not there is reported; the file is not.
    QCOMPARE(started.dialogs.messages.size(), size_t(arguments.contains("--log") ? 1 : 0));
}

void CommandLineFileTest::refusesAsFileOpenDoes_data() {
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing file") << QByteArray() << "ENGLISH"
                                  << "Open file error!";
    QTest::newRow("missing, in German") << QByteArray() << "DEUTSCH"
                                        << "Fehler beim öffnen der Datei!";
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char(i * 37 + i / 7);
    QTest::newRow("not a configuration file") << junk << "ENGLISH"
                                              << "Unmatched version of *.ign file!";
    // Taken by the log viewer, which refuses it with its own message.
    QTest::newRow("only the value of --log") << QByteArray(kGoodFile) << "--log"
                                             << "";
}

void CommandLineFileTest::refusesAsFileOpenDoes() {
    QFETCH(QByteArray, content);
    QFETCH(QString, language);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("file.ign");
    if (!content.isNull())
        WriteText(path, content);

    StartedWith started({language, path});
    const ConfigBlock before = started.state.block;
    const QString shownBaseAdv = started.form.findChild<QLineEdit*>("EditBaseAdv")->text();
    QCoreApplication::processEvents();
    QCOMPARE(started.dialogs.messages.size(), size_t(1));
    if (!message.isEmpty())
        QCOMPARE(QString::fromStdString(started.dialogs.messages[0]), message);
    QVERIFY(started.state.block == before);
    QCOMPARE(started.form.findChild<QLineEdit*>("EditBaseAdv")->text(), shownBaseAdv);
    QCOMPARE(started.form.findChild<QLabel*>("LabelFile2")->text(), QString());
    QCOMPARE(started.state.lastFilePath, std::string());
}

QTEST_MAIN(CommandLineFileTest)
#include "test_command_line_file.moc"
