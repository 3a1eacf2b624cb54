#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace kx::bench {

// kx_flam3_sim as a child process; its first line on stdout names its pseudo-terminal.
class SimulatedUnitProcess {
  public:
    explicit SimulatedUnitProcess(const QStringList& arguments) {
        process_.start(KX_SIM_PATH, arguments);
        if (process_.waitForReadyRead(5000))
            device_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~SimulatedUnitProcess() {
        process_.terminate();
        if (!process_.waitForFinished(3000))
            process_.kill();
    }
    // Empty when the simulator did not start.
    QString device() const { return device_; }
    // For a window process on its first start (settings in an empty folder), offscreen, which
    // opens Com 1 and so reaches this unit.
    QProcessEnvironment firstStartWindowEnvironment(const QString& settingsFolder) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", settingsFolder);
        environment.insert("XDG_DATA_HOME", settingsFolder + "/data");
        environment.insert("KX_FLAM3_COM1", device_);
        return environment;
    }

  private:
    QProcess process_;
    QString device_;
};

} // namespace kx::bench
