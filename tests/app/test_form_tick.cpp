#include "support/FormBench.h"
#include "support/TelegramBytes.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

using namespace kx;

Q_DECLARE_METATYPE(kx::PortOpenFailure)

namespace {

std::vector<uint8_t> Telegram() {
    return LiveTelegram(3000, 0);
}

} // namespace

class FormTickTest : public QObject {
    Q_OBJECT

  private slots:
    void noConnectionShowsAndHides();
    void statusMessageHoldsThenDisappears();
    void functionKeysStartTheExchanges_data();
    void functionKeysStartTheExchanges();
    void comMenuMovesTheCheckMark();
    void pulledCableIsReopenedSilently();
    void portMissingAtStartIsTakenUpWhenPluggedIn();
    void comMenuWorksWhileTheCableIsPulled();
    void portFailureNamesDeviceAndReason_data();
    void portFailureNamesDeviceAndReason();
    void ticksGoOnUnderTheVersionBox();
};

void FormTickTest::noConnectionShowsAndHides() {
    FormBench b(false);
    auto* label = b.get<QLabel>("LabelSpojeni");
    b.controller.Timer1Timer();
    QVERIFY(label->isVisibleTo(&b.form));
    b.port.feedReceived(Telegram());
    b.controller.Timer1Timer();
    QVERIFY(!label->isVisibleTo(&b.form));
    int silent = 0;
    while (!label->isVisibleTo(&b.form) && silent < 40) {
        b.controller.Timer1Timer();
        ++silent;
    }
    QCOMPARE(silent, 18);
}

void FormTickTest::statusMessageHoldsThenDisappears() {
    FormBench b(false);
    auto* status = b.get<QLabel>("LabelHlaseni");
    auto* gauge = b.get<QProgressBar>("CGaugeProgram");
    QVERIFY(!status->isVisibleTo(&b.form));
    b.form.findChild<QAction*>("MenuRead")->trigger();
    QCOMPARE(status->text(), QString("Read:"));
    QVERIFY(status->isVisibleTo(&b.form));
    QVERIFY(gauge->isVisibleTo(&b.form));
    for (int i = 0; i < 24; ++i)
        b.controller.Timer1Timer();
    QCOMPARE(status->text(), QString("Read error!"));
    QCOMPARE(status->palette().color(QPalette::Window), QColor(255, 0, 0));
    for (int i = 0; i < 199; ++i)
        b.controller.Timer1Timer();
    QVERIFY(status->isVisibleTo(&b.form));
    b.controller.Timer1Timer();
    QVERIFY(!status->isVisibleTo(&b.form));
    QVERIFY(!gauge->isVisibleTo(&b.form));
}

void FormTickTest::functionKeysStartTheExchanges_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("command");
    QTest::newRow("F7 reads") << int(Qt::Key_F7) << 0x40;
    QTest::newRow("F8 verifies") << int(Qt::Key_F8) << 0x41;
    QTest::newRow("F9 programs") << int(Qt::Key_F9) << 0x00;
}

void FormTickTest::functionKeysStartTheExchanges() {
    QFETCH(int, key);
    QFETCH(int, command);
    FormBench b;
    QTest::keyClick(&b.form, Qt::Key(key));
    QCOMPARE(int(b.controller.link().engine().commandByte()), command);
    QVERIFY(b.controller.link().engine().transferMode() != ModeIdle);
}

void FormTickTest::comMenuMovesTheCheckMark() {
    FormBench b(false);
    QCOMPARE(b.port.openCount(), 1);
    b.port.failOpen(true);
    b.form.ComItem(4)->trigger();
    QCOMPARE(b.state.choices.portIndex, uint8_t(4));
    QCOMPARE(b.port.openCount(), 2);
    QCOMPARE(b.port.closeCount(), 1);
    QVERIFY(b.form.ComItem(4)->isChecked());
    QVERIFY(!b.form.ComItem(0)->isChecked());
    QCOMPARE(b.dialogs.messages.size(), size_t(1));
    QVERIFY(b.dialogs.messages[0].rfind("Com opening error!", 0) == 0);
    QCOMPARE(b.dialogs.severities[0], Dialogs::Severity::Error);
    QCOMPARE(b.form.ComItem(19)->text(), QString("Com 20"));
}

void FormTickTest::pulledCableIsReopenedSilently() {
    FormBench b(false);
    b.form.findChild<QAction*>("MenuProgram")->trigger();
    b.port.pullCable();
    for (int i = 0; i < 40; ++i)
        b.controller.Timer1Timer();
    // The exchange ends with its failure, "No Connection" shows, and no box interrupts the user.
    QCOMPARE(b.get<QLabel>("LabelHlaseni")->text(), QString("Program error!"));
    QVERIFY(!b.get<QLabel>("LabelSpojeni")->isHidden());
    QVERIFY(b.dialogs.messages.empty());
    const int opensWhileAway = b.port.openCount();
    QVERIFY(opensWhileAway >= 2); // tried again every two seconds
    b.port.plugInAgain();
    for (int i = 0; i < 37; ++i)
        b.controller.Timer1Timer();
    QVERIFY(b.port.isOpen());
    QVERIFY(!b.port.lost());
    b.port.feedReceived(Telegram());
    b.controller.Timer1Timer();
    QVERIFY(b.get<QLabel>("LabelSpojeni")->isHidden());
    QVERIFY(b.dialogs.messages.empty());
}

void FormTickTest::portMissingAtStartIsTakenUpWhenPluggedIn() {
    FormBench b(false);
    b.port.failOpen(true, PortOpenFailure::NoSuchDevice);
    b.form.ComItem(2)->trigger();
    QCOMPARE(b.dialogs.messages.size(), size_t(1));
    for (int i = 0; i < 40; ++i)
        b.controller.Timer1Timer();
    QVERIFY(!b.port.isOpen());
    b.port.failOpen(false);
    for (int i = 0; i < 37; ++i)
        b.controller.Timer1Timer();
    QVERIFY(b.port.isOpen());
    QCOMPARE(b.dialogs.messages.size(), size_t(1)); // the retries never ask or report
    const int opens = b.port.openCount();
    for (int i = 0; i < 80; ++i)
        b.controller.Timer1Timer();
    QCOMPARE(b.port.openCount(), opens); // an open port is left alone

    // A missing permission does not go away by waiting: no retries.
    b.port.failOpen(true, PortOpenFailure::NoPermission);
    b.form.ComItem(3)->trigger();
    const int refused = b.port.openCount();
    for (int i = 0; i < 80; ++i)
        b.controller.Timer1Timer();
    QCOMPARE(b.port.openCount(), refused);
}

void FormTickTest::comMenuWorksWhileTheCableIsPulled() {
    FormBench b(false);
    b.port.pullCable();
    b.controller.Timer1Timer();
    // The user's own choice is answered, even while the device is away.
    b.form.ComItem(4)->trigger();
    QCOMPARE(b.dialogs.messages.size(), size_t(1));
    QVERIFY(b.form.ComItem(4)->isChecked());
    QVERIFY(!b.form.ComItem(1)->isChecked());
    const std::string chosen = b.port.lastDeviceName();
    // and the chosen port is the one retried once the device is back.
    b.port.plugInAgain();
    for (int i = 0; i < 37; ++i)
        b.controller.Timer1Timer();
    QVERIFY(b.port.isOpen());
    QCOMPARE(b.port.lastDeviceName(), chosen);
    QCOMPARE(b.dialogs.messages.size(), size_t(1));
    // With the port back, choosing it again simply reopens it.
    b.form.ComItem(4)->trigger();
    QVERIFY(b.port.isOpen());
    QCOMPARE(b.dialogs.messages.size(), size_t(1));
}

void FormTickTest::portFailureNamesDeviceAndReason_data() {
    QTest::addColumn<QString>("languageItem");
    QTest::addColumn<PortOpenFailure>("failure");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("reason");
#ifdef Q_OS_LINUX
    const QString hintEn = " (join the dialout group: sudo usermod -aG dialout $USER, then log in "
                           "again)";
    const QString hintCz = " (přidejte se do skupiny dialout: sudo usermod -aG dialout $USER a "
                           "znovu se přihlaste)";
#else
    const QString hintEn, hintCz;
#endif
    QTest::newRow("in use") << "MenuEnglish" << PortOpenFailure::InUse << "Com opening error!"
                            << "in use by another program";
    QTest::newRow("no permission")
        << "MenuEnglish" << PortOpenFailure::NoPermission << "Com opening error!"
        << "no permission" + hintEn;
    QTest::newRow("missing") << "MenuEnglish" << PortOpenFailure::NoSuchDevice
                             << "Com opening error!"
                             << "no such device";
    QTest::newRow("German in use")
        << "MenuGerman" << PortOpenFailure::InUse << "Falscher COM-Anschlußes!"
        << "wird von einem anderen Programm benutzt";
    QTest::newRow("French missing")
        << "MenuFrench" << PortOpenFailure::NoSuchDevice << "Erreur connections PC!"
        << "périphérique introuvable";
    QTest::newRow("Czech no permission")
        << "MenuCzech" << PortOpenFailure::NoPermission << "Chyba při otevírání portu Com!"
        << "chybí oprávnění" + hintCz;
    // No text of our own: the system's words.
    QTest::newRow("other") << "MenuGerman" << PortOpenFailure::Other << "Falscher COM-Anschlußes!"
                           << "cannot open %1";
}

void FormTickTest::portFailureNamesDeviceAndReason() {
    QFETCH(QString, languageItem);
    QFETCH(PortOpenFailure, failure);
    QFETCH(QString, heading);
    QFETCH(QString, reason);
    FormBench b(false);
    b.get<QAction>(qPrintable(languageItem))->trigger();
    b.port.failOpen(true, failure);
    b.form.ComItem(6)->trigger();
    QCOMPARE(b.dialogs.messages.size(), size_t(1));
    const QString device = QString::fromStdString(b.port.lastDeviceName());
    QCOMPARE(QString::fromStdString(b.dialogs.messages[0]),
             heading + "\n" + device + ": " + reason.arg(device));
}

// The box a protocol mismatch opens, kept open by the "user" for 35 ticks of the real timer: the
// unit answers live for 15 of them, with a new speed from the 6th, and then falls silent.
void FormTickTest::ticksGoOnUnderTheVersionBox() {
    FormBench b(false);
    b.port.answerLikeUnit(49);
    int ticks = 0;
    size_t framesBefore = 0;
    QString rpmShown;
    bool noConnectionShown = false;
    bool statusShown = true;
    b.dialogs.whileShown = [&] {
        framesBefore = b.port.writtenFrames().size();
        QEventLoop box;
        b.port.whenPolled = [&] {
            ++ticks;
            if (ticks == 6)
                b.port.unitRpm = 4500;
            if (ticks == 15) {
                rpmShown = b.get<QLabel>("LabelRpm")->text();
                b.port.answerLikeUnit(0);
            }
            if (ticks == 35)
                box.quit();
        };
        // Without ticks the box would never close by itself: fail instead of hanging.
        QTimer::singleShot(10000, &box, &QEventLoop::quit);
        box.exec();
        b.port.whenPolled = nullptr;
        noConnectionShown = !b.get<QLabel>("LabelSpojeni")->isHidden();
        statusShown = !b.get<QLabel>("LabelHlaseni")->isHidden();
    };
    b.form.findChild<QAction*>("MenuProgram")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(b.dialogs.messages.size(), size_t(1), 5000);
    QCOMPARE(b.dialogs.messages[0],
             std::string("Unmatched version of PC and Ignition programs!  PC-50, IGN-49"));
    QCOMPARE(b.dialogs.severities[0], Dialogs::Severity::Warning);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 35, 10000);

    int monitorRequests = 0;
    for (size_t i = framesBefore; i < b.port.writtenFrames().size(); ++i) {
        QCOMPARE(int(b.port.writtenFrames()[i][0]), 0x30); // nothing of the exchange
        ++monitorRequests;
    }
    QVERIFY2(monitorRequests >= 5, qPrintable(QString::number(monitorRequests)));
    QCOMPARE(rpmShown.trimmed(), QString("RPM = 4500"));
    QVERIFY(noConnectionShown);
    QVERIFY(!statusShown); // the failed exchange leaves no status behind the box
    QCOMPARE(b.controller.link().engine().transferMode(), ModeIdle);
}

QTEST_MAIN(FormTickTest)
#include "test_form_tick.moc"
