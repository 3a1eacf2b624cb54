// Files that can't be read, folders where files belong, impossible values in a file: the window
// reports what it must and goes on, and nothing the editors can't show reaches the unit.
#include "support/FormBench.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QtTest>

using namespace kx;

namespace {

// Reads of this file fail with EIO: the process's own memory at address 0 is never mapped. It
// stands for a failing USB stick.
const QString kUnreadable = "/proc/self/mem";

void WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

void TickUntilIdle(FormBench& b) {
    for (int tick = 0; tick < 40 && b.controller.link().engine().transferMode() != ModeIdle; ++tick)
        b.controller.Timer1Timer();
}

} // namespace

class FileFailuresTest : public QObject {
    Q_OBJECT

  private slots:
    void openThatCannotReadChangesNothing_data();
    void openThatCannotReadChangesNothing();
    void startsFromDefaultsWhenItsFilesCannotBeRead_data();
    void startsFromDefaultsWhenItsFilesCannotBeRead();
    void impossibleFileProgramsWhatTheEditorsShow();
    void unknownBikeShowsNoItemAndIsKept();
};

void FileFailuresTest::openThatCannotReadChangesNothing_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("vanished") << "vanished";
#ifdef Q_OS_LINUX
    QTest::newRow("read error") << "read error";
#endif
}

void FileFailuresTest::openThatCannotReadChangesNothing() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath("tune.ign");
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (kind == "read error")
        path = kUnreadable;
    FormBench b(false);
    b.get<QLabel>("LabelFile2")->setText("before.ign");
    const ConfigBlock before = b.state.block;
    b.dialogs.fileAnswer = path.toStdString();
    b.form.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(b.dialogs.messages.back(), std::string("Open file error!"));
    QVERIFY(b.state.block == before);
    QCOMPARE(b.get<QLabel>("LabelFile2")->text(), QString("before.ign"));
    // The window goes on: the next tick runs and a later Open works.
    b.controller.Timer1Timer();
    WriteText(dir.filePath("good.ign"), "KORVANEX_KEY 50 BASE_ADV 22");
    b.dialogs.fileAnswer = dir.filePath("good.ign").toStdString();
    b.form.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(int(b.state.block.baseAdv), 22);
}

void FileFailuresTest::startsFromDefaultsWhenItsFilesCannotBeRead_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folders") << "folder";
#ifdef Q_OS_LINUX
    QTest::newRow("read errors") << "read error";
#endif
}

void FileFailuresTest::startsFromDefaultsWhenItsFilesCannotBeRead() {
    QFETCH(QString, kind);
    QTemporaryDir config;
    const QString folder = config.filePath("kx_flam3");
    QVERIFY(QDir().mkpath(folder));
    for (const char* name : {"kx_flam3.ini", "_kx_flam3.ini", "test_vlorin.txt"}) {
        const QString path = folder + "/" + name;
        if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(QFile::link(kUnreadable, path));
    }
    FormBench b(false, config.path());
    QVERIFY(b.state.block == StartupBlock());
    QVERIFY(!b.state.testMode);
    QCOMPARE(int(b.state.choices.languageIndex), 0);
    QCOMPARE(int(b.state.choices.portIndex), 0);
    b.controller.Timer1Timer();
    b.form.close(); // the saves fail silently and leave the folders and links alone
    QVERIFY(QFileInfo(folder + "/_kx_flam3.ini").isDir() ||
            QFileInfo(folder + "/_kx_flam3.ini").isSymLink());
}

void FileFailuresTest::impossibleFileProgramsWhatTheEditorsShow() {
    QTemporaryDir dir;
    const QString path = dir.filePath("wild.ign");
    WriteText(path, "KORVANEX_KEY 50\nBASE_ADV 255\nLIMITER 255 255 200\nADVANCE 255 61 30\n"
                    "INPUT 7 9 0 0\nBIKE 0 3 255 5\n");
    FormBench b(false);
    b.port.answerLikeUnit();
    b.get<QCheckBox>("CheckBoxProgHned")->setChecked(true);
    b.controller.ApplyChange(ChangeKind::Edit); // the first check after ticking programs once
    TickUntilIdle(b);

    b.dialogs.fileAnswer = path.toStdString();
    b.form.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(b.get<QLineEdit>("EditBaseAdv")->text(), QString("40"));
    QCOMPARE(b.get<QLineEdit>("Edit50")->text(), QString("60"));
    QCOMPARE(b.get<QLineEdit>("EditOmez2")->text(), QString("25,000"));
    TickUntilIdle(b);
    QVERIFY(b.controller.link().engine().programDone());

    const ConfigBlock& shown = b.state.block;
    const uint8_t* unit = b.port.unitImage();
    QVERIFY(std::equal(unit, unit + kImageSize, shown.bytes()));
    QCOMPARE(int(unit[offsetof(ConfigBlock, baseAdv)]), 40);
    QCOMPARE(int(unit[offsetof(ConfigBlock, limiter)]), 250);
    QCOMPARE(int(unit[offsetof(ConfigBlock, startLimiter)]), 250);
    QCOMPARE(int(unit[offsetof(ConfigBlock, retard)]), 25);
    QCOMPARE(int(unit[offsetof(ConfigBlock, input1Function)]), 0);
    QCOMPARE(int(unit[offsetof(ConfigBlock, input2Function)]), 0);
    QCOMPARE(int(unit[offsetof(ConfigBlock, outputCount)]), 2);
    QCOMPARE(int(unit[offsetof(ConfigBlock, lobeCount)]), 58);
    const uint8_t* map = unit + offsetof(ConfigBlock, advance);
    QCOMPARE(int(map[0]), 60);
    QCOMPARE(int(map[1]), 60);
    QCOMPARE(int(map[2]), 30);
}

void FileFailuresTest::unknownBikeShowsNoItemAndIsKept() {
    QTemporaryDir dir;
    const QString path = dir.filePath("newer.ign");
    WriteText(path, "KORVANEX_KEY 50\nBIKE 7\n");
    FormBench b(false);
    b.get<QComboBox>("ComboBoxBike")->setCurrentIndex(2);
    b.dialogs.fileAnswer = path.toStdString();
    b.form.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(b.get<QComboBox>("ComboBoxBike")->currentIndex(), -1);
    b.typeAndEnter("EditBaseAdv", "12");
    QCOMPARE(int(b.state.block.bike), 7);
    QCOMPARE(int(b.state.block.baseAdv), 12);
}

QTEST_MAIN(FileFailuresTest)
#include "test_file_failures.moc"
