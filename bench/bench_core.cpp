// The core's per-tick and per-edit work, without any window: normalising, the file format, the
// live telegram, the operating-point search, the comparison of two records and the data log.

#include "CallTimes.h"
#include "config/ConfigBlock.h"
#include "link/MonitorTelegram.h"
#include "link/OperatingPoint.h"
#include "link/TelegramCsv.h"
#include "link/TelegramLog.h"
#include "present/LinkPresenter.h"
#include "store/ConfigDifferences.h"
#include "store/ConfigFile.h"
#include "support/TelegramBytes.h"
#include "texts/MessageTexts.h"

#include <sstream>
#include <string>

namespace {

using kx::bench::CallTimes;

std::string TypicalFile() {
    std::ostringstream out;
    kx::WriteConfigFile(out, kx::StartupBlock());
    return out.str();
}

// A megabyte of words that are no keyword: the reader must get through it without a key.
std::string JunkFile() {
    std::string text;
    for (int i = 0; text.size() < 1'000'000; ++i)
        text += "junk" + std::to_string(i % 9973) + (i % 16 == 15 ? "\n" : " ");
    return text;
}

void NormaliseBlock(benchmark::State& state) {
    const kx::ConfigBlock start = kx::StartupBlock();
    CallTimes times;
    int cell = 0;
    for (auto _ : state) {
        kx::ConfigBlock block = start;
        block.advance[cell] = 99; // above the limit: something to repair, as after an edit
        cell = (cell + 1) % (kx::kMapRows * kx::kMapColumns);
        times.Time([&] { kx::NormaliseBlock(block); });
        benchmark::DoNotOptimize(block);
    }
    times.Publish(state);
}
BENCHMARK(NormaliseBlock);

void ReadFile(benchmark::State& state, const std::string& text) {
    CallTimes times;
    for (auto _ : state) {
        std::istringstream in(text);
        kx::ConfigBlock block{};
        times.Time([&] { benchmark::DoNotOptimize(kx::ReadConfigFile(in, block)); });
    }
    times.Publish(state);
}
BENCHMARK_CAPTURE(ReadFile, ReadConfigFile_typical, TypicalFile());
BENCHMARK_CAPTURE(ReadFile, ReadConfigFile_1MB_junk, JunkFile());

void WriteConfigFile(benchmark::State& state) {
    const kx::ConfigBlock block = kx::StartupBlock();
    CallTimes times;
    for (auto _ : state) {
        std::ostringstream out;
        times.Time([&] { kx::WriteConfigFile(out, block); });
        benchmark::DoNotOptimize(out);
    }
    times.Publish(state);
}
BENCHMARK(WriteConfigFile);

void DecodeMonitorTelegram(benchmark::State& state) {
    const kx::ConfigBlock block = kx::StartupBlock();
    kx::MessageTexts texts;
    kx::LoadMessageTexts(texts, 0);
    kx::LiveValues live;
    kx::MonitorState monitor;
    CallTimes times;
    int rpm = 0;
    for (auto _ : state) {
        rpm = (rpm + 37) % 15000; // a different speed every time, so every caption is rebuilt
        const auto frame = kx::LiveTelegram(rpm, rpm % 101, rpm % 1024);
        times.Time([&] {
            if (kx::DecodeMonitorTelegram(frame.data(), block, true, live, monitor))
                benchmark::DoNotOptimize(kx::PresentMonitor(live, monitor, texts));
        });
    }
    times.Publish(state);
}
BENCHMARK(DecodeMonitorTelegram);

void TrackOperatingPoint(benchmark::State& state) {
    const kx::ConfigBlock block = kx::StartupBlock();
    CallTimes times;
    int rpm = 0;
    for (auto _ : state) {
        rpm = (rpm + 37) % 15000;
        times.Time([&] {
            benchmark::DoNotOptimize(
                kx::TrackOperatingPoint(block, uint16_t(rpm), uint8_t(rpm % 101), true));
        });
    }
    times.Publish(state);
}
BENCHMARK(TrackOperatingPoint);

// The comparison window's work on two records that differ everywhere a file carries a value:
// the longest list two tunes can make.
void CompareTwoRecords(benchmark::State& state) {
    const kx::ConfigBlock first = kx::StartupBlock();
    kx::ConfigBlock second = first;
    for (int offset = 0; offset < kx::kImageSize; ++offset)
        second[offset] = uint8_t(second[offset] + 1);
    CallTimes times;
    for (auto _ : state)
        times.Time([&] { benchmark::DoNotOptimize(kx::ListDifferences(first, second)); });
    times.Publish(state);
}
BENCHMARK(CompareTwoRecords);

// A telegram that differs from the last in speed, throttle and advance, as on a running engine.
kx::MonitorTelegram LoggedTelegram(int tick) {
    kx::MonitorTelegram telegram;
    telegram.rpm = uint16_t(800 + tick * 37 % 11000);
    telegram.tpsPercent = uint8_t(tick % 101);
    telegram.tpsRaw = uint16_t(tick % 1024);
    telegram.supplyMv = uint16_t(13000 + tick % 900);
    telegram.outputAdvance[0] = telegram.outputAdvance[1] = uint8_t(100 + tick % 40);
    telegram.servoOk = 1;
    return telegram;
}

// The window's log, per telegram: the row with its map cell, appended to the file's buffer.
void WriteOneLogRow(benchmark::State& state) {
    const kx::ConfigBlock block = kx::StartupBlock();
    std::string buffer;
    CallTimes times;
    int tick = 0;
    for (auto _ : state) {
        const kx::MonitorTelegram telegram = LoggedTelegram(++tick);
        const kx::OperatingPoint point =
            kx::TrackOperatingPoint(block, telegram.rpm, telegram.tpsPercent, true);
        if (buffer.size() > (1 << 20))
            buffer.clear(); // as after the buffer went to the file
        times.Time([&] {
            buffer += kx::TelegramCsvRow(int64_t(tick) * 330, telegram, point);
            buffer += '\n';
        });
        benchmark::DoNotOptimize(buffer);
    }
    times.Publish(state);
}
BENCHMARK(WriteOneLogRow);

// A day of the window's log: one telegram every 330 ms for 24 hours.
std::string DayLog() {
    const kx::ConfigBlock block = kx::StartupBlock();
    std::string text = kx::TelegramCsvHeader(true) + "\n";
    for (int tick = 0; tick < 24 * 3600 * 1000 / 330; ++tick) {
        const kx::MonitorTelegram telegram = LoggedTelegram(tick);
        text += kx::TelegramCsvRow(
            int64_t(tick) * 330, telegram,
            kx::TrackOperatingPoint(block, telegram.rpm, telegram.tpsPercent, true));
        text += '\n';
    }
    return text;
}

void ParseDayLog(benchmark::State& state) {
    const std::string text = DayLog();
    CallTimes times(CallTimes::Cpu::Measure);
    for (auto _ : state)
        times.Time([&] { benchmark::DoNotOptimize(kx::ParseTelegramLog(text)); });
    times.Publish(state);
}
BENCHMARK(ParseDayLog)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return kx::bench::RunBenchmarks(argc, argv);
}
