#pragma once

#include <QProcess>
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

  private:
    QProcess process_;
    QString device_;
};

} // namespace kx::bench
