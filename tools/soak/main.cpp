// Fault-injection soak: programs and reads the simulated unit over a pseudo-terminal through the
// tool's own link code, with random line faults, and checks that no exchange reports a success
// it did not have and no failed exchange alters the record.

#include "SoakRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <random>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Programs and reads the simulated unit under random line faults and counts the outcomes.\n"
        "Exit status 0 when every cycle ended in a verified success or a reported failure.");
    parser.addHelpOption();
    const QCommandLineOption cycles("cycles", "Number of exchanges, programs and reads in turn.",
                                    "N", "200");
    const QCommandLineOption seed("seed", "Seed of the run; a new one is drawn when left out.",
                                  "S");
    const QCommandLineOption simulator(
        "sim", "The simulator program.", "PATH",
        QDir(QCoreApplication::applicationDirPath()).filePath("../sim/kx_flam3_sim"));
    const QCommandLineOption verbose("verbose", "Print every cycle.");
    parser.addOptions({cycles, seed, simulator, verbose});
    parser.process(app);

    kx::soak::SoakOptions options;
    bool ok = true;
    options.cycles = parser.value(cycles).toInt(&ok);
    if (!ok || options.cycles < 1) {
        std::fprintf(stderr, "kx_flam3_soak: --cycles needs a positive number\n");
        return 2;
    }
    if (parser.isSet(seed)) {
        options.seed = parser.value(seed).toUInt(&ok);
        if (!ok) {
            std::fprintf(stderr, "kx_flam3_soak: --seed needs a number\n");
            return 2;
        }
    } else {
        options.seed = std::random_device{}();
    }
    options.simulatorPath = parser.value(simulator);
    options.verbose = parser.isSet(verbose);
    return kx::soak::SoakRun(options).run();
}
