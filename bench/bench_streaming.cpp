// What the running window costs while the simulated unit streams live data: the share of one core
// and the resident memory of the real kx_flam3 process, read from /proc (Linux only). With
// --aids the window opens on the map with the heat map, the curve, the trail and the cell times.

#include "SimulatedUnitProcess.h"
#include "Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstring>

#include <unistd.h>

namespace {

constexpr int kWarmUpMs = 3000; // start-up and the first telegrams stay out of the figure
constexpr int kMeasureMs = 10000;

// User plus system CPU time of a process, in clock ticks (fields 14 and 15 of its stat line).
long long CpuTicks(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The command name in brackets may hold spaces; the fields are counted after it.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

// A "VmRSS:"-style line of /proc/<pid>/status, in MB.
double StatusMb(qint64 pid, const QByteArray& key) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).simplified().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    kx::bench::SimulatedUnitProcess unit({"--line-time", "--image", folder.filePath("unit.txt")});
    if (unit.device().isEmpty()) {
        std::fprintf(stderr, "bench_streaming: cannot start the simulated unit\n");
        return 1;
    }
    const QProcessEnvironment environment = unit.firstStartWindowEnvironment(folder.path());
    const bool aids = argc > 1 && std::strcmp(argv[1], "--aids") == 0;
    if (aids) {
        QDir(folder.path()).mkpath("kx_flam3");
        QFile settings(folder.filePath("kx_flam3/kx_flam3.ini"));
        if (!settings.open(QIODevice::WriteOnly))
            return 1;
        settings.write("[FORM_HLAV]\nPageControl1->ActivePageIndex=2\n\n[KX_FLAM3_WORKBENCH]\n"
                       "HeatMap=1\nCurve=1\nTrail=1\nDwell=1\n");
    }

    QProcess window;
    window.setProcessEnvironment(environment);
    window.start(KX_WINDOW_PATH);
    if (!window.waitForStarted()) {
        std::fprintf(stderr, "bench_streaming: cannot start the window\n");
        return 1;
    }
    QThread::msleep(kWarmUpMs);
    const long long before = CpuTicks(window.processId());
    QThread::msleep(kMeasureMs);
    const long long after = CpuTicks(window.processId());
    const double rssMb = StatusMb(window.processId(), "VmRSS:");
    const double peakMb = StatusMb(window.processId(), "VmHWM:");
    window.kill();
    window.waitForFinished();
    if (before < 0 || after < 0 || rssMb < 0) {
        std::fprintf(stderr, "bench_streaming: the window ended early\n");
        return 1;
    }
    const double cpuPercent =
        100.0 * double(after - before) / double(sysconf(_SC_CLK_TCK)) / (kMeasureMs / 1000.0);
    kx::bench::PrintTable(
        {aids ? "window streaming for 10 s, all aids" : "window streaming for 10 s", "figure"},
        {{"CPU, % of one core", kx::bench::Fixed(cpuPercent, 2)},
         {"resident memory (VmRSS), MB", kx::bench::Fixed(rssMb, 1)},
         {"peak resident memory (VmHWM), MB", kx::bench::Fixed(peakMb, 1)}});
    return 0;
}
