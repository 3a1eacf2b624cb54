// The window's work on an in-memory port, offscreen: the edit path (ShowBlock, ReadForm, view
// rules), one tick with and without a telegram (also with every tuning aid on), a block
// operation over the whole map, undo and redo, a language switch, the History window opened
// on a full history folder, and a tick while the data log is written. Called directly, these
// leave painting to the event loop; the "painted" tick lets it run to show that cost too (the
// window's own 55 ms timer then ticks as well, as it does in the program).

#include "CallTimes.h"
#include "store/ConfigFile.h"
#include "support/FormBench.h"
#include "support/TelegramBytes.h"
#include "ui/HistoryWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>

#include <memory>
#include <sstream>

namespace {

using kx::bench::CallTimes;

std::unique_ptr<kx::FormBench> window;

void ShowBlock(benchmark::State& state) {
    CallTimes times(CallTimes::Cpu::Measure);
    int cell = 0;
    for (auto _ : state) {
        // One edited value per call, as after typing into one cell.
        uint8_t& value = window->state.block.advance[cell];
        value = value == 10 ? 11 : 10;
        cell = (cell + 1) % (kx::kMapRows * kx::kMapColumns);
        times.Time([] { window->controller.ShowBlock(); });
    }
    times.Publish(state);
}
BENCHMARK(ShowBlock);

void ReadForm(benchmark::State& state) {
    CallTimes times(CallTimes::Cpu::Measure);
    for (auto _ : state)
        times.Time([] { window->controller.ReadForm(); });
    times.Publish(state);
}
BENCHMARK(ReadForm);

void ApplyViewRules(benchmark::State& state) {
    CallTimes times(CallTimes::Cpu::Measure);
    for (auto _ : state)
        times.Time([] { window->controller.ApplyViewRules(); });
    times.Publish(state);
}
BENCHMARK(ApplyViewRules);

// Ticks with a fresh telegram in every one; each brings a different speed and throttle, so the
// monitor captions and the marked map cell move as they do beside a running engine.
void TickWithTelegram(benchmark::State& state, bool painted) {
    CallTimes times(CallTimes::Cpu::Measure);
    int rpm = 0;
    for (auto _ : state) {
        rpm = (rpm + 137) % 12000;
        window->port.feedReceived(kx::LiveTelegram(rpm, rpm % 101));
        times.Time([painted] {
            window->controller.Timer1Timer();
            if (painted)
                QApplication::processEvents();
        });
        if (window->port.writtenFrames().size() > 1000)
            window->port.clearWritten();
    }
    times.Publish(state);
}
BENCHMARK_CAPTURE(TickWithTelegram, Timer1Timer_with_telegram, false);
BENCHMARK_CAPTURE(TickWithTelegram, Timer1Timer_with_telegram_painted, true);

// The tuning aids on, the whole map in use and in front: heat map, curve, trail and times.
void SwitchTuningAids(bool on) {
    for (const char* name : {"MenuHeatMap", "MenuCurve", "MenuTrail", "MenuDwell"}) {
        QAction* aid = window->get<QAction>(name);
        if (aid->isChecked() != on)
            aid->trigger();
    }
    window->state.block.tpsMapa = on ? 1 : 0;
    window->controller.ShowBlock();
    window->showPageOf(window->get<QWidget>(on ? "GroupBox6" : "EditTps0"));
    QApplication::processEvents();
}

void TickWithTuningAids(benchmark::State& state, bool painted) {
    SwitchTuningAids(true);
    TickWithTelegram(state, painted);
    SwitchTuningAids(false);
}
BENCHMARK_CAPTURE(TickWithTuningAids, Timer1Timer_with_telegram_all_aids, false);
BENCHMARK_CAPTURE(TickWithTuningAids, Timer1Timer_with_telegram_all_aids_painted, true);

// The same ticks while the data log runs: each telegram becomes a row in a file of the
// benchmark's own data folder, flushed once a second.
void TickWhileLogging(benchmark::State& state) {
    window->get<QAction>("MenuStartLogging")->trigger();
    TickWithTelegram(state, false);
    window->get<QAction>("MenuStopLogging")->trigger();
}
BENCHMARK(TickWhileLogging)->Name("TickWithTelegram/Timer1Timer_with_telegram_logging");

// Triggers the two menu items by turns, the tuning aids on and the whole map selected.
void ByTurns(benchmark::State& state, const char* first, const char* second) {
    SwitchTuningAids(true);
    window->controller.edits().selector().SelectAll();
    QAction* actions[] = {window->get<QAction>(first), window->get<QAction>(second)};
    CallTimes times(CallTimes::Cpu::Measure);
    size_t next = 0;
    for (auto _ : state) {
        times.Time([&] { actions[next]->trigger(); });
        next = 1 - next;
    }
    times.Publish(state);
    SwitchTuningAids(false);
}

// A raise or lower of all 100 cells, through ApplyChange as the menu does it.
void BlockOperation(benchmark::State& state) {
    ByTurns(state, "MenuRaiseCells", "MenuLowerCells");
}
BENCHMARK(BlockOperation);

// Undo and redo of such a raise.
void UndoAndRedo(benchmark::State& state) {
    SwitchTuningAids(true);
    window->controller.edits().selector().SelectAll();
    window->get<QAction>("MenuRaiseCells")->trigger();
    ByTurns(state, "MenuUndo", "MenuRedo");
}
BENCHMARK(UndoAndRedo);

void Timer1Timer_without_telegram(benchmark::State& state) {
    CallTimes times(CallTimes::Cpu::Measure);
    for (auto _ : state) {
        times.Time([] { window->controller.Timer1Timer(); });
        if (window->port.writtenFrames().size() > 1000)
            window->port.clearWritten();
    }
    times.Publish(state);
}
BENCHMARK(Timer1Timer_without_telegram);

void LanguageSwitch(benchmark::State& state) {
    QAction* english = window->get<QAction>("MenuEnglish");
    QAction* german = window->get<QAction>("MenuGerman");
    CallTimes times(CallTimes::Cpu::Measure);
    bool toGerman = true;
    for (auto _ : state) {
        times.Time([&] { (toGerman ? german : english)->trigger(); });
        toGerman = !toGerman;
    }
    english->trigger();
    times.Publish(state);
}
BENCHMARK(LanguageSwitch);

// A history folder as full as it gets: 2000 entries, every tenth a nudge with its changes.
void FillHistory(const QString& folder) {
    QDir().mkpath(folder);
    std::ostringstream file;
    kx::WriteConfigFile(file, kx::StartupBlock());
    std::vector<kx::HistoryEntry> entries(kx::kHistoryLimit);
    for (int i = 0; i < kx::kHistoryLimit; ++i) {
        kx::HistoryEntry& entry = entries[size_t(i)];
        entry.file = "entry-" + std::to_string(i) + ".ign";
        entry.time = "2026-12-08 10:" + std::to_string(10 + i % 50) + ":00";
        entry.action = i % 3 ? kx::HistoryAction::Program : kx::HistoryAction::Read;
        entry.firmware = i % 2 ? "KXF23" : "KXF24";
        entry.programCount = i;
        entry.openFile = "/home/rider/tune.ign";
        entry.nudge = i % 10 == 0;
        if (entry.nudge)
            entry.changes = {{150, 12, 14}, {151, 13, 15}};
        QFile ign(folder + "/" + QString::fromStdString(entry.file));
        if (ign.open(QIODevice::WriteOnly))
            ign.write(file.str().data(), qint64(file.str().size()));
    }
    QFile index(folder + "/index.txt");
    if (index.open(QIODevice::WriteOnly))
        index.write(QByteArray::fromStdString(kx::FormatHistoryIndex(entries)));
}

// History > History... until the window is shown and painted: the folder listed from disk,
// the rows made, the window laid out.
void OpenHistoryWindow(benchmark::State& state) {
    FillHistory(window->controller.history().keeper().folder().folder());
    QAction* open = window->get<QAction>("MenuHistory");
    CallTimes times(CallTimes::Cpu::Measure);
    for (auto _ : state) {
        times.Time([open] {
            open->trigger();
            QApplication::processEvents();
        });
        window->controller.history().historyWindow()->hide();
        QApplication::processEvents();
    }
    times.Publish(state);
}
BENCHMARK(OpenHistoryWindow)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    window = std::make_unique<kx::FormBench>();
    const int result = kx::bench::RunBenchmarks(argc, argv);
    window.reset();
    return result;
}
