#include "app/ManualSearch.h"
#include "support/FormBench.h"
#include "texts/MessageTexts.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace kx;

namespace {

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Runs the working folder elsewhere for the life of a test, then puts it back.
struct WorkingFolder {
    explicit WorkingFolder(const QString& path) { QDir::setCurrent(path); }
    ~WorkingFolder() { QDir::setCurrent(previous); }
    QString previous = QDir::currentPath();
};

} // namespace

class HelpContentsTest : public QObject {
    Q_OBJECT

  private slots:
    void firstFolderHoldingTheManualWins_data();
    void firstFolderHoldingTheManualWins();
    void opensTheManualOfTheCurrentLanguage_data();
    void opensTheManualOfTheCurrentLanguage();
    void reportsAManualThatCannotBeOpened_data();
    void reportsAManualThatCannotBeOpened();
    void buildPutsEveryManualBesideTheWindow();
};

void HelpContentsTest::firstFolderHoldingTheManualWins_data() {
    QTest::addColumn<QList<int>>("holding");
    QTest::addColumn<int>("found"); // -1: none

    QTest::newRow("all three") << QList<int>{0, 1, 2} << 0;
    QTest::newRow("second and third") << QList<int>{1, 2} << 1;
    QTest::newRow("working folder only") << QList<int>{2} << 2;
    QTest::newRow("none") << QList<int>{} << -1;
}

void HelpContentsTest::firstFolderHoldingTheManualWins() {
    QFETCH(QList<int>, holding);
    QFETCH(int, found);

    QTemporaryDir root;
    QStringList folders;
    for (const char* name : {"program", "doc", "work"}) {
        QVERIFY(QDir(root.path()).mkdir(name));
        folders << root.filePath(name);
        // A folder of the manual's name is not the manual.
        QVERIFY(QDir(folders.last()).mkdir("other.pdf"));
    }
    for (int folder : holding)
        Touch(QDir(folders[folder]).filePath("manual.pdf"));

    const QString expected = found < 0 ? QString() : QDir(folders[found]).filePath("manual.pdf");
    QCOMPARE(FindManual("manual.pdf", folders), expected);
    QCOMPARE(FindManual("other.pdf", folders), QString());
}

void HelpContentsTest::opensTheManualOfTheCurrentLanguage_data() {
    QTest::addColumn<QString>("languageItem");
    QTest::addColumn<QString>("manual");

    QTest::newRow("English") << "MenuEnglish"
                             << "manual_meridan_kx_flam3_en.pdf";
    QTest::newRow("Czech") << "MenuCzech"
                           << "manual_meridan_kx_flam3_cz.pdf";
}

void HelpContentsTest::opensTheManualOfTheCurrentLanguage() {
    QFETCH(QString, languageItem);
    QFETCH(QString, manual);

    QTemporaryDir work;
    for (const char* code : {"en", "de", "fr", "cz"})
        Touch(work.filePath(QString("manual_meridan_kx_flam3_%1.pdf").arg(code)));
    WorkingFolder inWork(work.path());
    FormBench bench(false);
    bench.get<QAction>(qPrintable(languageItem))->trigger();
    bench.get<QAction>("MenuContens")->trigger();

    QCOMPARE(bench.dialogs.openedDocuments,
             std::vector<std::string>{QDir(work.path()).filePath(manual).toStdString()});
    QCOMPARE(bench.dialogs.messages, std::vector<std::string>{});
}

void HelpContentsTest::reportsAManualThatCannotBeOpened_data() {
    QTest::addColumn<QString>("languageItem");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("location"); // empty: the message says no more than the error

    const QString german = "Fehler beim öffnen der Datei manual_meridan_kx_flam3_de.pdf !";
    QTest::newRow("no manual anywhere") << "MenuGerman"
                                        << "de" << false << german << QString();
    QTest::newRow("no viewer, German") << "MenuGerman"
                                       << "de" << true << german << "Das Handbuch liegt hier: ";
    QTest::newRow("no viewer, Czech")
        << "MenuCzech"
        << "cz" << true << "Chyba při otevírání souboru manual_meridan_kx_flam3_cz.pdf !"
        << "Návod je uložen zde: ";
}

void HelpContentsTest::reportsAManualThatCannotBeOpened() {
    QFETCH(QString, languageItem);
    QFETCH(QString, code);
    QFETCH(bool, present);
    QFETCH(QString, error);
    QFETCH(QString, location);

    QTemporaryDir work;
    const QString manual = work.filePath(QString("manual_meridan_kx_flam3_%1.pdf").arg(code));
    if (present)
        Touch(manual);
    WorkingFolder inWork(work.path());
    FormBench bench(false);
    bench.dialogs.openSucceeds = false;
    bench.get<QAction>(qPrintable(languageItem))->trigger();
    bench.get<QAction>("MenuContens")->trigger();

    QCOMPARE(int(bench.dialogs.openedDocuments.size()), present ? 1 : 0);
    // The whole path as the platform writes it, for the user to open the manual by hand.
    const QString expected =
        location.isEmpty() ? error : error + "\n" + location + QDir::toNativeSeparators(manual);
    QCOMPARE(bench.dialogs.messages, std::vector<std::string>{expected.toStdString()});
}

// The build names the manuals itself; a name that differs from the window's texts would leave
// Help > Contents without a manual in every installation.
void HelpContentsTest::buildPutsEveryManualBesideTheWindow() {
    for (uint8_t language = 0; language < 4; ++language) {
        MessageTexts texts;
        LoadMessageTexts(texts, language);
        const QString manual = QString::fromStdString(texts.MsgManualFile);
        QVERIFY2(!FindManual(manual, {KX_WINDOW_DIR}).isEmpty(), qPrintable(manual));
    }
}

QTEST_MAIN(HelpContentsTest)
#include "test_help_contents.moc"
