#include "support/FormBench.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

using namespace kx;

class CommandLineFileTest : public QObject {
    Q_OBJECT

  private slots:
    void opensAsFileOpenDoes_data();
    void opensAsFileOpenDoes();
};

void CommandLineFileTest::opensAsFileOpenDoes_data() {
    QTest::addColumn<QStringList>("arguments"); // FILE: the file's absolute path
    QTest::addColumn<QByteArray>("content");    // null: no file
    QTest::addColumn<QString>("message");       // empty: the file opens

    // The limiter lies beyond its editor's range, which Open brings it back into.
    const QByteArray good = "KORVANEX_KEY 50\nBASE_ADV 21\nLIMITER 0 250 0\n";
    QTest::newRow("absolute path") << QStringList{"FILE"} << good << "";
    QTest::newRow("relative path") << QStringList{"tuned.ign"} << good << "";
    QTest::newRow("after the language word") << QStringList{"DEUTSCH", "FILE"} << good << "";
    QTest::newRow("after a log") << QStringList{"--log", "tuned.ign", "FILE"} << good << "";
    QTest::newRow("missing, in German")
        << QStringList{"DEUTSCH", "FILE"} << QByteArray() << "Fehler beim öffnen der Datei!";
    QTest::newRow("not a configuration file")
        << QStringList{"FILE"} << QByteArray(500, '\x7f') << "Unmatched version of *.ign file!";
}

void CommandLineFileTest::opensAsFileOpenDoes() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("tuned.ign");
    QFile file(path);
    if (!content.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(dir.path());

    FormBench byMenu(false);
    byMenu.dialogs.fileAnswer = path.toStdString();
    byMenu.get<QAction>("MenuOpen")->trigger();
    const bool opens = message.isEmpty();
    QCOMPARE(byMenu.state.block.baseAdv == 21, opens);

    IsolatedSettings settings;
    TFormHlav form;
    FakeSerialPort port;
    RecordingDialogs dialogs;
    FormState state;
    FormController controller(form, state, port, dialogs, arguments.replaceInStrings("FILE", path));
    controller.FormCreate();
    const ConfigBlock before = state.block;
    QVERIFY(dialogs.messages.empty()); // not before the window is up, so a box has its parent
    QCoreApplication::processEvents();
    QDir::setCurrent(previousFolder);

    QVERIFY(state.block == (opens ? byMenu.state.block : before));
    QCOMPARE(form.findChild<QLineEdit*>("EditOmez2")->text(),
             byMenu.get<QLineEdit>("EditOmez2")->text());
    QCOMPARE(state.lastFilePath, opens ? path.toStdString() : std::string());
    QCOMPARE(form.findChild<QLabel*>("LabelFile2")->text(), opens ? path : QString());
    // The log named by --log is a configuration file, which the log viewer refuses.
    const bool withLog = arguments.contains("--log");
    QCOMPARE(dialogs.messages.size(), size_t(opens && !withLog ? 0 : 1));
    if (!opens)
        QCOMPARE(QString::fromStdString(dialogs.messages[0]), message);
}

QTEST_MAIN(CommandLineFileTest)
#include "test_command_line_file.moc"
