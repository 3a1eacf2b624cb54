#include "store/qt/SettingsFolders.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kx;

namespace {

// Writes text unless it is null; reads back null for no file.
void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    if (!text.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

QByteArray ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Real folders standing in for the Windows folder, the drive root, %LOCALAPPDATA% and its
// VirtualStore.
struct WindowsStandIn {
    WindowsStandIn() {
        QVERIFY(QDir(root.path()).mkdir("Windows"));
        folders = ChooseSettingsFolders(Platform::Windows,
                                        {root.filePath("Windows"), root.filePath("Local"), {}});
        folders.earlier.marker = root.filePath("test_vlorin.txt");
        // A stand-in folder has no drive letter to take off.
        folders.virtualized.settings = root.filePath("Local/VirtualStore/Windows/kx_flam3.ini");
        folders.virtualized.recordCopy = root.filePath("Local/VirtualStore/Windows/_kx_flam3.ini");
    }
    QTemporaryDir root;
    SettingsFolders folders;
};

} // namespace

class SettingsFoldersTest : public QObject {
    Q_OBJECT

  private slots:
    void chosenFolders();
    void earlierFilesAreCopiedOnce_data();
    void earlierFilesAreCopiedOnce();
    void markerFromEitherPlace_data();
    void markerFromEitherPlace();
};

void SettingsFoldersTest::chosenFolders() {
    const PlatformFolders given{"C:/Windows", "C:/Users/a/AppData/Local", "/home/a/.config"};
    const SettingsFolders windows = ChooseSettingsFolders(Platform::Windows, given);
    QCOMPARE(windows.current.settings, "C:/Users/a/AppData/Local/kx_flam3/kx_flam3.ini");
    QCOMPARE(windows.current.recordCopy, "C:/Users/a/AppData/Local/kx_flam3/_kx_flam3.ini");
    QCOMPARE(windows.current.marker, "C:/Users/a/AppData/Local/kx_flam3/test_vlorin.txt");
    QCOMPARE(windows.earlier.settings, "C:/Windows/kx_flam3.ini");
    QCOMPARE(windows.earlier.recordCopy, "C:/Windows/_kx_flam3.ini");
    QCOMPARE(windows.earlier.marker, "C:/test_vlorin.txt");
    QCOMPARE(windows.virtualized.settings,
             "C:/Users/a/AppData/Local/VirtualStore/Windows/kx_flam3.ini");
    QCOMPARE(windows.virtualized.recordCopy,
             "C:/Users/a/AppData/Local/VirtualStore/Windows/_kx_flam3.ini");

    // Without a folder of the user's own the files stay where they were, not in a drive's root.
    const SettingsFolders unchanged =
        ChooseSettingsFolders(Platform::Windows, {"C:/Windows", {}, {}});
    QCOMPARE(unchanged.current.settings, "C:/Windows/kx_flam3.ini");
    QCOMPARE(unchanged.earlier.settings, QString());
    QCOMPARE(unchanged.virtualized.settings, QString());

    // Elsewhere exactly the configuration folder, with nothing to carry over.
    const SettingsFolders elsewhere = ChooseSettingsFolders(Platform::Other, given);
    QCOMPARE(elsewhere.current.settings, "/home/a/.config/kx_flam3/kx_flam3.ini");
    QCOMPARE(elsewhere.current.recordCopy, "/home/a/.config/kx_flam3/_kx_flam3.ini");
    QCOMPARE(elsewhere.current.marker, "/home/a/.config/kx_flam3/test_vlorin.txt");
    QCOMPARE(elsewhere.earlier.settings, QString());
    QCOMPARE(elsewhere.earlier.marker, QString());
    QCOMPARE(elsewhere.virtualized.settings, QString());
}

void SettingsFoldersTest::earlierFilesAreCopiedOnce_data() {
    // Settings and record copy: in the Windows folder, where virtualization kept them, here.
    QTest::addColumn<QByteArrayList>("before");
    QTest::addColumn<QByteArrayList>("after"); // current settings and copy

    const QByteArray none;
    QTest::newRow("first start") << QByteArrayList{"old", "20 21", none, none, none, none}
                                 << QByteArrayList{"old", "20 21"};
    QTest::newRow("only the settings before")
        << QByteArrayList{"old", none, none, none, none, none} << QByteArrayList{"old", none};
    QTest::newRow("settings kept here")
        << QByteArrayList{"old", "20 21", none, none, "new", none} << QByteArrayList{"new", none};
    QTest::newRow("a copy kept here")
        << QByteArrayList{"old", "20 21", none, none, none, "30"} << QByteArrayList{none, "30"};
    // What the version before read: its redirected copy wherever there is one.
    QTest::newRow("virtualized") << QByteArrayList{"old", "20 21", "seen", "40", none, none}
                                 << QByteArrayList{"seen", "40"};
    QTest::newRow("only the settings virtualized")
        << QByteArrayList{"old", "20 21", "seen", none, none, none}
        << QByteArrayList{"seen", "20 21"};
    QTest::newRow("virtualized, settings kept here")
        << QByteArrayList{"old", "20 21", "seen", "40", "new", none} << QByteArrayList{"new", none};
}

void SettingsFoldersTest::earlierFilesAreCopiedOnce() {
    QFETCH(QByteArrayList, before);
    QFETCH(QByteArrayList, after);
    WindowsStandIn windows;
    const SettingsFiles& earlier = windows.folders.earlier;
    const SettingsFiles& virtualized = windows.folders.virtualized;
    const SettingsFiles& current = windows.folders.current;
    QDir().mkpath(QFileInfo(current.settings).path());
    QDir().mkpath(QFileInfo(virtualized.settings).path());
    const QStringList paths{earlier.settings,       earlier.recordCopy, virtualized.settings,
                            virtualized.recordCopy, current.settings,   current.recordCopy};
    for (int i = 0; i < paths.size(); ++i)
        WriteText(paths[i], before[i]);

    CarryOverEarlierFiles(windows.folders);
    QCOMPARE(ReadText(current.settings), after[0]);
    QCOMPARE(ReadText(current.recordCopy), after[1]);
    QCOMPARE(ReadText(earlier.settings), before[0]); // kept for a version before
    QCOMPARE(ReadText(earlier.recordCopy), before[1]);
}

void SettingsFoldersTest::markerFromEitherPlace_data() {
    QTest::addColumn<QByteArray>("earlier"); // null: no file
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<bool>("earlierInUse");

    QTest::newRow("none") << QByteArray() << QByteArray() << false;
    QTest::newRow("only where it was") << QByteArray("DIAG_SWITCH") << QByteArray() << true;
    QTest::newRow("in both") << QByteArray("DIAG_SWITCH") << QByteArray("DIAG_SWITCH") << false;
    QTest::newRow("the user's without the word")
        << QByteArray("DIAG_SWITCH") << QByteArray("diag_switch") << true;
}

void SettingsFoldersTest::markerFromEitherPlace() {
    QFETCH(QByteArray, earlier);
    QFETCH(QByteArray, current);
    QFETCH(bool, earlierInUse);
    WindowsStandIn windows;
    QDir().mkpath(QFileInfo(windows.folders.current.marker).path());
    WriteText(windows.folders.earlier.marker, earlier);
    WriteText(windows.folders.current.marker, current);
    QCOMPARE(MarkerInUse(windows.folders),
             earlierInUse ? windows.folders.earlier.marker : windows.folders.current.marker);
}

QTEST_APPLESS_MAIN(SettingsFoldersTest)
#include "test_settings_folders.moc"
