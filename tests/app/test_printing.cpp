#include "config/Conversions.h"
#include "support/FormBench.h"
#include "ui/PrintScaling.h"
#include "ui/widgets/FittingLabel.h"
#include "ui/widgets/SpinButton.h"
#include "ui/widgets/UpDown.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

using namespace kx;

class PrintingTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void fitToPage_data();
    void fitToPage();
    void printMakesOnePage();
    void printAllMakesFourPagesAndComesBack();
    void noSpinnerOnPaper();
    void headingInTheWindowsLanguage_data();
    void headingInTheWindowsLanguage();

  private:
    QTemporaryDir pdfs_;
    QStringList pdfs() const {
        return QDir(pdfs_.path()).entryList({"*.pdf"}, QDir::Files, QDir::Name);
    }
    // Pages of a PDF written by the tool: one page object each.
    int PageCount(const QString& name) const {
        QFile pdf(pdfs_.filePath(name));
        if (!pdf.open(QIODevice::ReadOnly))
            return -1;
        const QString text = QString::fromLatin1(pdf.readAll());
        return int(text.count(QRegularExpression("/Type\\s*/Page[^s]")));
    }
};

void PrintingTest::init() {
    QDir(pdfs_.path()).removeRecursively();
    QDir().mkpath(pdfs_.path());
    qputenv("KX_FLAM3_PRINT_TO_PDF", pdfs_.path().toUtf8());
}

void PrintingTest::fitToPage_data() {
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QSize>("printed");
    QTest::newRow("wide image, portrait page")
        << QSize(1000, 500) << QSize(800, 1100) << QSize(800, 400);
    QTest::newRow("tall image") << QSize(500, 1000) << QSize(800, 1100) << QSize(550, 1100);
    QTest::newRow("rounded down") << QSize(3, 7) << QSize(10, 10) << QSize(4, 10);
    QTest::newRow("half rounds up") << QSize(1, 2) << QSize(3, 3) << QSize(2, 3);
    QTest::newRow("exactly the page width") << QSize(4, 5) << QSize(8, 10) << QSize(8, 10);
    // 1012 x 857 on a 600 dpi A4 printable area: products beyond 32 bits.
    QTest::newRow("window on A4 at 600 dpi")
        << QSize(1012, 857) << QSize(4760, 6814) << QSize(4760, 4031);
}

void PrintingTest::fitToPage() {
    QFETCH(QSize, image);
    QFETCH(QSize, page);
    QFETCH(QSize, printed);
    QCOMPARE(FitToPage(image, page), printed);
}

void PrintingTest::printMakesOnePage() {
    FormBench b;
    b.get<QTabWidget>("PageControl1")->setCurrentIndex(3);
    b.form.findChild<QAction*>("MenuPrint")->trigger();
    QCOMPARE(pdfs().size(), 1);
    QCOMPARE(PageCount(pdfs().first()), 1);
    QVERIFY(!b.state.printView);
    QCOMPARE(b.get<QTabWidget>("PageControl1")->currentIndex(), 3);
    QVERIFY(b.get<QLabel>("LabelHlaseni")->text().startsWith("Date and time of printing:  "));
    QVERIFY(b.get<QLabel>("LabelHlaseni")->isVisible());
    QVERIFY(b.get<QLabel>("LabelSpojeni")->isHidden());
    QVERIFY(!b.get<QWidget>("UpDownOmez2")->isHidden()); // the editing aids are back
    QVERIFY(b.dialogs.messages.back().find(pdfs().first().toStdString()) != std::string::npos);
}

void PrintingTest::printAllMakesFourPagesAndComesBack() {
    FormBench b;
    auto* pages = b.get<QTabWidget>("PageControl1");
    pages->setCurrentIndex(1);
    b.form.findChild<QAction*>("MenuPrintAll")->trigger();
    QCOMPARE(pdfs().size(), 1);
    QCOMPARE(PageCount(pdfs().first()), 4);
    QCOMPARE(pages->currentIndex(), 1);
    for (int tab = 0; tab < 4; ++tab)
        QVERIFY(pages->isTabVisible(tab));
    QVERIFY(!b.state.printView);
    QVERIFY(!b.get<QWidget>("GroupBoxToolBar")->isHidden());
}

// The special bike type in test mode with every input used shows the most spinners there are.
void PrintingTest::noSpinnerOnPaper() {
    FormBench b(false);
    auto* bike = b.get<QComboBox>("ComboBoxBike");
    bike->setCurrentIndex(kSpecialBikeItem);
    emit bike->activated(kSpecialBikeItem);
    b.state.testMode = true;
    b.state.block.input1Function = kInputRetard;
    b.state.block.input2Function = kInputClutchMaster;
    b.controller.ShowBlock();
    const auto shownAids = [&b] {
        QStringList shown;
        for (QWidget* aid : b.form.findChildren<QWidget*>()) {
            if ((qobject_cast<UpDown*>(aid) || qobject_cast<SpinButton*>(aid)) && !aid->isHidden())
                shown << aid->objectName();
        }
        return shown;
    };
    const QStringList onScreen = shownAids();
    QVERIFY(onScreen.contains("UpDownPilotLight"));
    QVERIFY(onScreen.contains("UpDownPocKanalu"));
    QVERIFY(onScreen.contains("UpDownKompenz1"));

    b.state.printView = true;
    b.controller.ApplyViewRules();
    QCOMPARE(shownAids(), QStringList());
    b.state.printView = false;
    b.controller.ApplyViewRules();
    QCOMPARE(shownAids(), onScreen);
}

void PrintingTest::headingInTheWindowsLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("heading");
    QTest::newRow("English") << "MenuEnglish"
                             << "Date and time of printing:  ";
    QTest::newRow("French") << "MenuFrench"
                            << "Date et heur de l\u00B4imprim\u00E9:   ";
    QTest::newRow("German") << "MenuGerman"
                            << "Zeitpunkt des Ausdruckes   ";
    QTest::newRow("Czech") << "MenuCzech"
                           << "Datum a čas tisku:  ";
}

void PrintingTest::headingInTheWindowsLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, heading);
    FormBench b(false);
    b.form.findChild<QAction*>(language)->trigger();
    b.form.findChild<QAction*>("MenuPrint")->trigger();
    const auto* label = b.get<FittingLabel>("LabelHlaseni");
    const QString text = label->text();
    QVERIFY2(text.startsWith(heading), qPrintable(text));
    QVERIFY(text.contains("    "));     // the date and the time, four blanks apart
    QCOMPARE(label->shownText(), text); // on one line, whole
}

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
