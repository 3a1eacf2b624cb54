#pragma once

#include "Table.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#if defined(__linux__)
#include <time.h>
#endif

namespace kx::bench {

// Times every call of a benchmark loop on its own: the mean Google Benchmark reports hides the
// slow calls, and a tick that is fast on average but sometimes slow is what a user notices.
// Longer calls can also be timed in CPU time of the thread, which does not grow while the
// scheduler runs other processes: on a busy machine it tells a slow call from a waiting one.
class CallTimes {
  public:
    enum class Cpu { Skip, Measure }; // reading the CPU clock costs a system call

    explicit CallTimes(Cpu cpu = Cpu::Skip) : cpu_(cpu) {}

    template <typename Call>
    void Time(Call&& call) {
        const double cpuStart = CpuMicroseconds();
        const auto start = Clock::now();
        call();
        wall_.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (cpu_ == Cpu::Measure)
            cpuSamples_.push_back(CpuMicroseconds() - cpuStart);
    }

    // Median and 99th percentile of the calls, in microseconds, as counters of the run.
    void Publish(benchmark::State& state) {
        if (wall_.empty())
            return;
        state.counters["median_us"] = Percentile(wall_, 0.50);
        state.counters["p99_us"] = Percentile(wall_, 0.99);
        if (!cpuSamples_.empty())
            state.counters["p99_cpu_us"] = Percentile(cpuSamples_, 0.99);
    }

  private:
    using Clock = std::chrono::steady_clock;

    double CpuMicroseconds() const {
#if defined(__linux__)
        if (cpu_ == Cpu::Measure) {
            timespec now{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
            return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
        }
#endif
        return 0;
    }

    static double Percentile(std::vector<double>& samples, double fraction) {
        const auto at = samples.begin() + std::ptrdiff_t(fraction * double(samples.size() - 1));
        std::nth_element(samples.begin(), at, samples.end());
        return *at;
    }

    Cpu cpu_;
    std::vector<double> wall_;
    std::vector<double> cpuSamples_;
};

// Collects median and p99 of single calls, and how many were timed, into one table at the end.
class MedianTableReporter : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto median = run.counters.find("median_us");
            const auto p99 = run.counters.find("p99_us");
            const auto p99Cpu = run.counters.find("p99_cpu_us");
            if (median != run.counters.end() && p99 != run.counters.end())
                rows_.push_back(
                    {run.benchmark_name(), Fixed(median->second.value, 3),
                     Fixed(p99->second.value, 3),
                     p99Cpu != run.counters.end() ? Fixed(p99Cpu->second.value, 3) : "-",
                     std::to_string(run.iterations)});
        }
    }
    void Finalize() override {
        PrintTable({"benchmark", "median (us)", "p99 (us)", "p99 CPU (us)", "calls"}, rows_);
    }

  private:
    std::vector<Row> rows_;
};

inline int RunBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    MedianTableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace kx::bench
