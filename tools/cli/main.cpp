#include "CliDiff.h"
#include "CliHistory.h"
#include "CliOptions.h"
#include "CliSession.h"
#include "ProgramVersion.h"
#include "store/qt/SafeTextFile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    using namespace kx::cli;
    kx::LetOversizedWritesFail();
    QCoreApplication app(argc, argv);

    std::string error;
    const auto options = ParseCliOptions(argc - 1, argv + 1, error);
    if (!options) {
        std::fprintf(stderr, "kx_flam3_cli: %s\n\n%s", error.c_str(), kUsage);
        return ExitUsage;
    }
    if (options->command == Command::Help) {
        std::printf("%s", kUsage);
        return ExitOk;
    }
    if (options->command == Command::Version) {
        std::printf("kx_flam3_cli %s\n", kx::kProgramVersion);
        return ExitOk;
    }
    if (options->command == Command::Diff)
        return DiffFiles(*options);
    if (options->command == Command::History)
        return ListHistory(*options);
    CliSession session(*options);
    return session.run();
}
