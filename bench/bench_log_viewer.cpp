// The log viewer on a day's log: 24 hours at three rows a second, parsed from its CSV text,
// plotted and painted; then a cursor move with the window painted again. The resident memory
// with the day's log open, and its peak while the text was read, are printed at the end.

#include "CallTimes.h"
#include "link/TelegramCsv.h"
#include "ui/LogViewer.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <memory>
#include <string>

namespace {

using kx::bench::CallTimes;

constexpr int kDayRows = 24 * 3600 * 3;

std::unique_ptr<kx::LogViewer> viewer;

std::string DayLogText() {
    std::string text = kx::TelegramCsvHeader(true) + "\n";
    kx::MonitorTelegram telegram;
    for (int row = 0; row < kDayRows; ++row) {
        telegram.rpm = uint16_t(1500 + (row * 37) % 9000);
        telegram.tpsPercent = uint8_t(row % 101);
        telegram.supplyMv = uint16_t(13000 + row % 900);
        kx::OperatingPoint point;
        point.rpmColumn = uint8_t(row % kx::kMapColumns);
        point.tpsRow = uint8_t(row / 7 % kx::kMapRows);
        text += kx::TelegramCsvRow(int64_t(row) * 333, telegram, point) + "\n";
    }
    return text;
}

// A figure of /proc/self/status in MB; -1 where there is none.
double StatusMb([[maybe_unused]] const QByteArray& key) {
#ifdef __linux__
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).simplified().split(' ').first().toDouble() / 1024.0;
    }
#endif
    return -1;
}

void OpenDayLog(benchmark::State& state) {
    const std::string text = DayLogText();
    CallTimes times(CallTimes::Cpu::Measure);
    for (auto _ : state) {
        times.Time([&text] {
            viewer->SetLog(kx::ParseTelegramLog(text), "day.csv");
            viewer->show();
            viewer->grab();
        });
    }
    times.Publish(state);
}
BENCHMARK(OpenDayLog)->Iterations(5);

// The cursor stepped through the day's rows, each move followed by paint (a whole-window grab,
// or what the event loop repaints).
template <class Paint>
void TimeCursorMoves(benchmark::State& state, Paint paint) {
    CallTimes times(CallTimes::Cpu::Measure);
    size_t row = 0;
    for (auto _ : state) {
        row = (row + 7919) % viewer->log().size();
        times.Time([row, &paint] {
            viewer->SetCursorRow(row);
            paint();
        });
    }
    times.Publish(state);
}

void MoveCursor(benchmark::State& state) {
    TimeCursorMoves(state, [] { viewer->grab(); });
}
BENCHMARK(MoveCursor)->Iterations(200);

// As the running viewer does it: the cursor moved, then the event loop paints what changed, which
// is the cursor's old and new place and the readout, not the whole window.
void MoveCursorShown(benchmark::State& state) {
    viewer->show();
    QApplication::processEvents();
    TimeCursorMoves(state, [] { QApplication::processEvents(); });
}
BENCHMARK(MoveCursorShown)->Iterations(200);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    viewer = std::make_unique<kx::LogViewer>(nullptr);
    viewer->resize(1366, 768);
    const int result = kx::bench::RunBenchmarks(argc, argv);
    const double residentMb = StatusMb("VmRSS:");
    if (result == 0 && residentMb >= 0)
        std::printf("resident memory with the day's log open: %.0f MB (peak %.0f MB)\n", residentMb,
                    StatusMb("VmHWM:"));
    viewer.reset();
    return result;
}
