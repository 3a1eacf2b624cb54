#include "support/FormBench.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QtTest>

#include <algorithm>

using namespace kx;

// Closing the window while the unit is being programmed, with the fake unit answering at once.
class FormCloseTest : public QObject {
    Q_OBJECT

  private slots:
    void programFinishesBeforeTheWindowCloses_data();
    void programFinishesBeforeTheWindowCloses();
    void readOrVerifyIsDroppedAtOnce_data();
    void readOrVerifyIsDroppedAtOnce();
    void versionBoxIsReadBeforeTheWindowCloses();
};

namespace {

QString SettingsPath(const FormBench& b) {
    return b.settings.own.filePath("kx_flam3/kx_flam3.ini");
}

// Ticks until the window has closed, at most limit ticks; returns the ticks it took, and puts
// the status captions seen on the way into captions.
int TicksUntilClosed(FormBench& b, int limit, QStringList& captions) {
    auto* status = b.get<QLabel>("LabelHlaseni");
    for (int tick = 1; tick <= limit; ++tick) {
        b.controller.Timer1Timer();
        if (!status->isHidden() && !captions.contains(status->text()))
            captions << status->text();
        if (!b.form.isVisible())
            return tick;
    }
    return -1;
}

} // namespace

void FormCloseTest::programFinishesBeforeTheWindowCloses_data() {
    QTest::addColumn<bool>("unitAnswers");
    QTest::addColumn<int>("answeredBeforeClose"); // requests of the program answered
    QTest::addColumn<QString>("lastCaption");
    QTest::newRow("closed right after F9") << true << 0 << "Program device:: OK";
    QTest::newRow("closed between the blocks") << true << 2 << "Program device:: OK";
    QTest::newRow("closed in the verify after it") << true << 3 << "Program device:: OK";
    QTest::newRow("unit silent") << false << 0 << "Program error!";
}

void FormCloseTest::programFinishesBeforeTheWindowCloses() {
    QFETCH(bool, unitAnswers);
    QFETCH(int, answeredBeforeClose);
    QFETCH(QString, lastCaption);
    FormBench b;
    if (unitAnswers)
        b.port.answerLikeUnit();
    QTest::keyClick(&b.form, Qt::Key_F9);
    const uint8_t closedOn[] = {0x00, 0x01, 0x02, 0x41};
    QStringList captions;
    for (int tick = 0;
         tick < 40 && b.controller.link().engine().commandByte() != closedOn[answeredBeforeClose];
         ++tick)
        b.controller.Timer1Timer();
    QCOMPARE(b.controller.link().engine().commandByte(), closedOn[answeredBeforeClose]);

    b.form.close();
    QVERIFY(b.form.isVisible());
    QCOMPARE(b.port.closeCount(), 0);
    QVERIFY(!QFile::exists(SettingsPath(b)));
    b.form.close(); // asked again while it finishes
    QVERIFY(b.form.isVisible());

    // Every request fails after five sends 220 ms apart: about 1.2 s at the most.
    const int ticks = TicksUntilClosed(b, 60, captions);
    QVERIFY2(ticks > 0 && ticks <= 25, qPrintable(QString::number(ticks)));
    QCOMPARE(captions.last(), lastCaption);
    QCOMPARE(b.port.closeCount(), 1);
    QVERIFY(QFile::exists(SettingsPath(b)));
    if (unitAnswers) {
        QVERIFY(captions.contains("Verify::"));
        const ConfigBlock& block = b.state.block;
        QVERIFY(std::equal(block.bytes(), block.bytes() + kImageSize, b.port.unitImage()));
    }

    // The shutdown ran once: closing the closed window again does nothing more.
    b.form.close();
    QCOMPARE(b.port.closeCount(), 1);
}

void FormCloseTest::readOrVerifyIsDroppedAtOnce_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("read") << int(Qt::Key_F7);
    QTest::newRow("verify") << int(Qt::Key_F8);
}

void FormCloseTest::readOrVerifyIsDroppedAtOnce() {
    QFETCH(int, key);
    FormBench b;
    b.port.answerLikeUnit();
    QTest::keyClick(&b.form, Qt::Key(key));
    for (int tick = 0; tick < 5; ++tick)
        b.controller.Timer1Timer();
    QVERIFY(b.controller.link().engine().transferMode() != ModeIdle);
    b.form.close();
    QVERIFY(!b.form.isVisible());
    QCOMPARE(b.port.closeCount(), 1);
    QVERIFY(QFile::exists(SettingsPath(b)));
}

// A program the unit refuses for its protocol version ends in a box; the window goes once the
// user has closed it.
void FormCloseTest::versionBoxIsReadBeforeTheWindowCloses() {
    FormBench b;
    b.port.answerLikeUnit(49);
    bool openWhileShown = false;
    b.dialogs.whileShown = [&] { openWhileShown = b.form.isVisible(); };
    QTest::keyClick(&b.form, Qt::Key_F9);
    b.form.close();
    QVERIFY(b.form.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!b.form.isVisible(), 5000);
    QCOMPARE(b.dialogs.messages.size(), size_t(1));
    QVERIFY(openWhileShown);
    QCOMPARE(b.port.closeCount(), 1);
}

QTEST_MAIN(FormCloseTest)
#include "test_form_close.moc"
