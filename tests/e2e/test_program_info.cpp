#include <QProcess>
#include <QtTest>

// --help and --version answer at once, without a port, a unit or a display.
class ProgramInfoTest : public QObject {
    Q_OBJECT

  private slots:
    void answersWithoutStarting_data();
    void answersWithoutStarting();
};

void ProgramInfoTest::answersWithoutStarting_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("name");

    QTest::newRow("window") << KX_WINDOW_PATH << "kx_flam3";
    QTest::newRow("command-line tool") << KX_CLI_PATH << "kx_flam3_cli";
    QTest::newRow("simulated unit") << KX_SIM_PATH << "kx_flam3_sim";
}

void ProgramInfoTest::answersWithoutStarting() {
    QFETCH(QString, program);
    QFETCH(QString, name);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    for (const QString option : {"--version", "--help"}) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, {option});
        QVERIFY2(process.waitForFinished(5000), qPrintable(option));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        if (option == "--version")
            QCOMPARE(out, name + " " + KX_PROJECT_VERSION + "\n");
        else
            QVERIFY2(out.contains("--version") && out.contains(name), qPrintable(out));
    }
}

QTEST_MAIN(ProgramInfoTest)
#include "test_program_info.moc"
