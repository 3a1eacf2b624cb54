// Program+verify and read+verify through kx_flam3_cli against the simulated unit, in ticks and
// milliseconds, beside the fewest ticks the exchange schedule allows. A ratio of 1.00 means not
// one tick was lost to the line, the pacing or the tool.

#include "SimulatedUnitProcess.h"
#include "Table.h"
#include "config/ConfigBlock.h"
#include "link/DeviceLink.h"
#include "store/ConfigFile.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>

namespace {

constexpr int kRuns = 5;

// Program: the information block, blocks 1 and 2, then the verify's blocks 1 and 2. Read: the
// same count, reading instead of writing.
constexpr int kAnswersPerExchange = 5;

// From a fresh tick counter the first request leaves on the tick the counter reaches the repeat
// period; each answer arrives in the tick after its request and the next request leaves at once.
constexpr int kScheduleTicks = kx::TransferEngine::kRepeatTicks + kAnswersPerExchange;

struct Exchange {
    const char* name;
    QStringList cliArguments;
};

struct Measured {
    int ticks = 0;
    int ms = 0;
};

bool RunCli(const QStringList& arguments, Measured& measured) {
    QProcess cli;
    cli.start(KX_CLI_PATH, arguments + QStringList{"--verbose"});
    if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
        return false;
    const QString log = QString::fromUtf8(cli.readAllStandardError());
    const auto ticks = QRegularExpression("ticks: (\\d+)").match(log);
    const auto time = QRegularExpression("time: (\\d+) ms").match(log);
    if (!ticks.hasMatch() || !time.hasMatch())
        return false;
    measured.ticks = ticks.captured(1).toInt();
    measured.ms = time.captured(1).toInt();
    return true;
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString file = folder.filePath("tuned.ign");
    {
        std::ofstream out(file.toStdString());
        kx::WriteConfigFile(out, kx::StartupBlock());
    }

    std::vector<kx::bench::Row> rows;
    const std::pair<const char*, QStringList> lines[] = {
        {"pty", {}},
        {"57600 baud", {"--line-time"}},
    };
    for (const auto& [lineName, lineOptions] : lines) {
        kx::bench::SimulatedUnitProcess unit(QStringList{"--image", folder.filePath("unit.txt")} +
                                             lineOptions);
        if (unit.device().isEmpty()) {
            std::fprintf(stderr, "bench_exchange: cannot start the simulated unit\n");
            return 1;
        }
        const Exchange exchanges[] = {
            {"program+verify", {"program", "--port", unit.device(), file}},
            {"read+verify", {"read", "--port", unit.device(), "--out", folder.filePath("r.ign")}},
        };
        for (const Exchange& exchange : exchanges) {
            std::vector<int> ticks;
            std::vector<int> ms;
            for (int run = 0; run < kRuns; ++run) {
                Measured measured;
                if (!RunCli(exchange.cliArguments, measured)) {
                    std::fprintf(stderr, "bench_exchange: %s failed\n", exchange.name);
                    return 1;
                }
                ticks.push_back(measured.ticks);
                ms.push_back(measured.ms);
            }
            const int worstTicks = *std::max_element(ticks.begin(), ticks.end());
            rows.push_back({std::string(exchange.name) + ", " + lineName,
                            std::to_string(Median(ticks)), std::to_string(worstTicks),
                            std::to_string(Median(ms)), std::to_string(kScheduleTicks),
                            std::to_string(kScheduleTicks * kx::DeviceLink::kTickMs),
                            kx::bench::Fixed(double(worstTicks) / kScheduleTicks, 2)});
        }
    }
    kx::bench::PrintTable({"exchange (5 runs)", "ticks median", "ticks worst", "ms median",
                           "schedule ticks", "schedule ms", "worst / schedule"},
                          rows);
    return 0;
}
