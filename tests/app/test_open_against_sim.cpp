// The same file with impossible values, once opened by the window with "Programming after
// change" ticked and once programmed by the command-line tool: both simulated units end up
// holding the same bytes, and those are what the editors show.
#include "app/FormController.h"
#include "link/serial/QtSerialPort.h"
#include "store/RecordCopy.h"
#include "support/RecordingDialogs.h"
#include "ui/FormHlav.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>
#include <optional>

using namespace kx;

namespace {

const char kWildFile[] = "KORVANEX_KEY 50\n"
                         "BIKE 0 3 255 5 200 1 1 61 0 1 0 0 0 0 0 0 0 0 99 0 0\n"
                         "INPUT 7 9 0 0\nBASE_ADV 255\nLIMITER 255 255 200\n"
                         "PILOT_LIGHT 500\nCLUTCH 9000 9000\nTPS 100 9999\nRPM 9 -100\n"
                         "ADVANCE 255 61 30 200\nSERVO_HYSTER 9000\nSERVO_MV 0 9000\n";

// A simulated unit that keeps what it is programmed with in its image file.
struct SimUnit {
    explicit SimUnit(const QString& folder, const QString& name)
        : link(folder + "/" + name), image(folder + "/" + name + ".image") {
        process.start(KX_SIM_PATH, {"--link", link, "--image", image});
    }
    ~SimUnit() {
        process.terminate();
        process.waitForFinished(3000);
    }
    // The device image the unit holds; nothing before its first programming.
    std::optional<ConfigBlock> Held() const {
        std::ifstream in(image.toStdString());
        if (!in)
            return std::nullopt;
        ConfigBlock held{};
        ReadRecordCopy(in, held);
        return held;
    }

    QString link;
    QString image;
    QProcess process;
};

bool SameImage(const ConfigBlock& a, const ConfigBlock& b) {
    return std::equal(a.bytes(), a.bytes() + kImageSize, b.bytes());
}

} // namespace

class OpenAgainstSimTest : public QObject {
    Q_OBJECT

  private slots:
    void windowAndCommandLineProgramTheSameBytes();
};

void OpenAgainstSimTest::windowAndCommandLineProgramTheSameBytes() {
#if !defined(KX_SIM_PATH) || !defined(KX_CLI_PATH)
    QSKIP("the simulated unit needs a pseudo-terminal");
#else
    QTemporaryDir dir;
    const QString file = dir.filePath("wild.ign");
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(kWildFile);
    }
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    SimUnit forWindow(dir.path(), "window-unit");
    SimUnit forCli(dir.path(), "cli-unit");
    QVERIFY(forWindow.process.waitForReadyRead(5000));
    QVERIFY(forCli.process.waitForReadyRead(5000));

    QProcess cli;
    cli.start(KX_CLI_PATH, {"program", "--port", forCli.link, file});
    QVERIFY(cli.waitForFinished(30000));
    QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());

    qputenv("KX_FLAM3_COM1", forWindow.link.toUtf8());
    auto form = std::make_unique<TFormHlav>();
    QtSerialPort port;
    RecordingDialogs dialogs;
    FormState state;
    FormController controller(*form, state, port, dialogs, {});
    controller.FormCreate();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto* programAfterChange = form->findChild<QCheckBox*>("CheckBoxProgHned");
    QTest::mouseClick(programAfterChange, Qt::LeftButton, {},
                      QPoint(6, programAfterChange->height() / 2));
    QTRY_VERIFY_WITH_TIMEOUT(forWindow.Held().has_value(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(controller.link().engine().transferMode() == ModeIdle, 5000);
    const ConfigBlock before = *forWindow.Held();
    dialogs.fileAnswer = file.toStdString();
    form->findChild<QAction*>("MenuOpen")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!SameImage(*forWindow.Held(), before), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(controller.link().engine().transferMode() == ModeIdle, 5000);

    const ConfigBlock fromWindow = *forWindow.Held();
    QVERIFY(forCli.Held().has_value());
    QVERIFY(SameImage(fromWindow, *forCli.Held()));
    QVERIFY(SameImage(fromWindow, state.block));
    QCOMPARE(int(fromWindow.baseAdv), 40);
    QCOMPARE(int(fromWindow.advance[0]), 60);
    QCOMPARE(int(fromWindow.limiter), 250);
    QCOMPARE(int(fromWindow.retard), 25);
    QCOMPARE(int(fromWindow.lobeCount), 58);
    QCOMPARE(int(fromWindow.pilotLight), 10);
    QCOMPARE(int(fromWindow.tachoPulses), 6);
#endif
}

QTEST_MAIN(OpenAgainstSimTest)
#include "test_open_against_sim.moc"
