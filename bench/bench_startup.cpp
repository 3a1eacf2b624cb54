// Start-up time of the window: from the moment the process is started to the moment its window
// has been exposed and painted for the first time, against the simulated unit. The parent starts
// itself as a child ten times; the child runs the start-up path of main.cpp and reports, on the
// monotonic clock both processes share, when main was entered and when the window was shown.

#include "SimulatedUnitProcess.h"
#include "Table.h"
#include "app/FormController.h"
#include "link/serial/QtSerialPort.h"
#include "ui/FormAbout.h"
#include "ui/FormHlav.h"
#include "ui/MessageBoxDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kRuns = 10;
const char kChildOption[] = "--child";

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reports the first expose of the window once the event loop has finished painting it.
class FirstShow : public QObject {
  public:
    FirstShow(const QWidget& window, long long enteredNs)
        : window_(window), enteredNs_(enteredNs) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!reported_ && event->type() == QEvent::Expose && watched == window_.windowHandle() &&
            window_.windowHandle()->isExposed()) {
            reported_ = true;
            QTimer::singleShot(0, [this] {
                std::printf("%lld %lld\n", enteredNs_, NowNs());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

  private:
    const QWidget& window_;
    const long long enteredNs_;
    bool reported_ = false;
};

int RunWindowUntilShown(int argc, char* argv[]) {
    const long long enteredNs = NowNs();
    QApplication app(argc, argv);
    kx::TFormHlav form;
    kx::QtSerialPort port;
    kx::MessageBoxDialogs dialogs(&form);
    kx::FormState state;
    kx::FormController controller(form, state, port, dialogs, {});
    controller.FormCreate();
    kx::TFormAbout about(&form);
    controller.SetAboutWindow(&about);
    FirstShow firstShow(form, enteredNs);
    app.installEventFilter(&firstShow);
    form.show();
    return QApplication::exec();
}

struct StartupTimes {
    double processMs = 0; // process start to shown
    double mainMs = 0;    // main entered to shown
};

bool MeasureOneStart(const QString& program, const QProcessEnvironment& environment,
                     StartupTimes& times) {
    QProcess child;
    child.setProcessEnvironment(environment);
    const long long startNs = NowNs();
    child.start(program, {kChildOption});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return false;
    long long enteredNs = 0;
    long long shownNs = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%lld %lld", &enteredNs, &shownNs) !=
        2)
        return false;
    times.processMs = double(shownNs - startNs) / 1e6;
    times.mainMs = double(shownNs - enteredNs) / 1e6;
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Worst(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

struct StartupRuns {
    std::vector<double> processMs;
    std::vector<double> mainMs;
};

bool MeasureStartupRuns(const QProcessEnvironment& environment, StartupRuns& runs) {
    for (int run = 0; run < kRuns; ++run) {
        StartupTimes times;
        if (!MeasureOneStart(QCoreApplication::applicationFilePath(), environment, times))
            return false;
        runs.processMs.push_back(times.processMs);
        runs.mainMs.push_back(times.mainMs);
    }
    return true;
}

// A settings file that opens the map with every tuning aid on, the curve's chart included.
bool WriteWorkbenchSettings(const QString& folder) {
    QDir(folder).mkpath("kx_flam3");
    QFile file(folder + "/kx_flam3/kx_flam3.ini");
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[FORM_HLAV]\nPageControl1->ActivePageIndex=2\n\n[KX_FLAM3_WORKBENCH]\n"
               "HeatMap=1\nCurve=1\nTrail=1\nDwell=1\n");
    return true;
}

int MeasureStartups(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    kx::bench::SimulatedUnitProcess unit({});
    QTemporaryDir settings;  // no stored window position or record: a first start
    QTemporaryDir workbench; // the same, with the tuning aids switched on
    if (unit.device().isEmpty() || !settings.isValid() || !workbench.isValid() ||
        !WriteWorkbenchSettings(workbench.path())) {
        std::fprintf(stderr, "bench_startup: cannot start the simulated unit\n");
        return 1;
    }
    StartupRuns plain;
    StartupRuns aids;
    if (!MeasureStartupRuns(unit.firstStartWindowEnvironment(settings.path()), plain) ||
        !MeasureStartupRuns(unit.firstStartWindowEnvironment(workbench.path()), aids)) {
        std::fprintf(stderr, "bench_startup: the window did not come up\n");
        return 1;
    }
    const auto row = [](const char* what, const std::vector<double>& ms) {
        return std::vector<std::string>{what, kx::bench::Fixed(Median(ms), 1),
                                        kx::bench::Fixed(Worst(ms), 1), std::to_string(kRuns)};
    };
    kx::bench::PrintTable({"start-up to shown window", "median (ms)", "worst (ms)", "runs"},
                          {row("from process start", plain.processMs),
                           row("from main()", plain.mainMs),
                           row("from process start, all aids and the curve", aids.processMs),
                           row("from main(), all aids and the curve", aids.mainMs)});
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], kChildOption) == 0)
        return RunWindowUntilShown(argc, argv);
    return MeasureStartups(argc, argv);
}
